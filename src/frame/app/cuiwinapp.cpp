#include "frame/app/cuiwinapp.h"

CuiWinApp::CuiWinApp(const QString &id, int &argc, char **argv)
    : QtSingleApplication(id, argc, argv)
{
    // The host decides when the loop ends, not the last window closing.
    setQuitOnLastWindowClosed(false);
}

void CuiWinApp::receiveMessage(const QString &) {}
