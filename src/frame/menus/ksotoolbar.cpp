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
