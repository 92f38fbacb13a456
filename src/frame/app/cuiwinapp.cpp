#include "frame/app/cuiwinapp.h"

#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"

CuiWinApp::CuiWinApp(const QString &id, int &argc, char **argv)
    : QtSingleApplication(id, argc, argv)
{
    // The host decides when the loop ends, not the last window closing.
    setQuitOnLastWindowClosed(false);
}

QWidget *CuiWinApp::mainWidget() const
{
    return Store::currentMainWindow();
}

void CuiWinApp::receiveMessage(const QString &) {}
