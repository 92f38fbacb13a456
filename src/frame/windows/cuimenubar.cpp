#include "frame/windows/cuimenubar.h"

CuiMenuBar::CuiMenuBar(QWidget *mainWindow)
    : QMenuBar(mainWindow)
{
    setObjectName(QStringLiteral("CuiMenuBar::"));
}
