#include "frame/menus/teskpopupmenu.h"

#include "system/lifetime.h"

namespace {
const char kNumberProperty[] = "teskItemNumber";
}

TeskPopupMenu::TeskPopupMenu(QWidget *parent, const char *name)
    : QMenu(parent)
{
    if (name)
        setObjectName(QLatin1String(name));
    connect(this, &QMenu::triggered, this, &TeskPopupMenu::relayTriggered);
}

QAction *TeskPopupMenu::insertItem(const QString &text, int id)
{
    QAction *action = addAction(text);
    action->setProperty(kNumberProperty, id);
    return action;
}

QAction *TeskPopupMenu::findItem(int id) const
{
    for (QAction *action : actions()) {
        const QVariant number = action->property(kNumberProperty);
        if (number.isValid() && number.toInt() == id)
            return action;
    }
    return nullptr;
}

void TeskPopupMenu::relayTriggered(QAction *action)
{
    // Only numbered items of this very popup; submenus report their own.
    const QVariant number = action->property(kNumberProperty);
    if (number.isValid() && actions().contains(action))
        emit activated(number.toInt());
}

void TeskPopupMenu::setHostCallback(AboutToShowFn callback, TeskHandle context)
{
    m_callback = callback;
    m_context = context;
}

void TeskPopupMenu::slotRemoteAboutToShow()
{
    if (m_remote) {
        emit sigRemoteAboutToShow(winId(), m_data);
        return;
    }
    emit sigSetCalling(true);
    const AboutToShowFn callback = m_callback;
    const TeskHandle context = m_context;
    const WId window = winId();
    const bool alive = tesk::lifetime::callHost(this, [&] {
        if (callback)
            callback(context, window);
    });
    if (alive)
        emit sigSetCalling(false);
}

void TeskPopupMenu::slotAboutToShow()
{
    emit sigAboutToShow(m_itemId);
}
