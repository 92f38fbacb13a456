#include "frame/menus/teskaction.h"

TeskAction::TeskAction(QObject *parent, const char *name, bool toggle)
    : QAction(parent)
{
    setObjectName(QLatin1String(name));
    setCheckable(toggle);
}

TeskAction::TeskAction(const QString &description, const QIcon &icon, const QString &menuText,
                       const QKeySequence &accelerator, QObject *parent, const char *name,
                       bool toggle, const QString &label)
    : TeskAction(parent, name, toggle)
{
    setIcon(icon);
    setText(menuText);
    setShortcut(accelerator);
    setStatusTip(description);
    setToolTip(description.isEmpty() ? label : description);
    if (!label.isEmpty())
        setIconText(label);
}

void TeskAction::slotRemoteActivated()
{
    emit sigRemoteActivated(m_ownId, m_data);
}

void TeskAction::slotActivated()
{
    emit sigActivated(m_ownId);
}
