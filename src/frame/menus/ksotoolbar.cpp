#include "frame/menus/ksotoolbar.h"

KSOToolBar::KSOToolBar(const QString &label, QWidget *parent)
    : QToolBar(label, parent)
{
    // Saved layouts find a toolbar by its name.
    setObjectName(label);
}

void KSOToolBar::toggleToolbarVisibility()
{
    setVisible(!isVisible());
}

namespace tesk::frame {

namespace {

const char kRecordName[] = "teskRecordName";

} // namespace

void setToolbarRecordName(QToolBar *toolbar, const QString &name)
{
    toolbar->setProperty(kRecordName, name);
}

QString toolbarRecordName(const QToolBar *toolbar)
{
    const QVariant name = toolbar->property(kRecordName);
    return name.isValid() ? name.toString() : toolbar->windowTitle();
}

} // namespace tesk::frame
