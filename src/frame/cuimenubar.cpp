#include "frame/cuimenubar.h"

CuiMenuBar::CuiMenuBar(QWidget *mainWindow)
    : QMenuBar(mainWindow)
{
    setObjectName(QStringLiteral("CuiMenuBar::"));
}
