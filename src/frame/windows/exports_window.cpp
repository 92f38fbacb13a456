// The status bar of a main window and the host's veto while it closes.
#include <tesk/tesk_window.h>

#include "frame/core/exportguard.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"

void CuiSetStatusText(TeskHandle handle, int field, const char *text, const char *tip)
{
    tesk::guarded("CuiSetStatusText", [&] {
        if (MainWindow *window = Store::routeByHandle(handle))
            window->setStatusText(field, text, tip);
    });
}

void QtSetStatusText(int field, const char *text, TeskHandle handle)
{
    CuiSetStatusText(handle, field, text, nullptr);
}

void CuiSetPadlockState(int state)
{
    tesk::guarded("CuiSetPadlockState", [&] {
        if (MainWindow *window = Store::currentMainWindow())
            window->setPadlockState(state);
    });
}

void CuiShowProgress(TeskHandle handle, int percent, int unused)
{
    tesk::guarded("CuiShowProgress", [&] {
        if (MainWindow *window = Store::routeByHandle(handle))
            window->showProgress(percent, unused);
    });
}

void CuiShowRunState(TeskHandle handle, int state, const char *text)
{
    tesk::guarded("CuiShowRunState", [&] {
        if (MainWindow *window = Store::routeByHandle(handle))
            window->showRunState(state, text);
    });
}

void QtSetDontClose(TeskHandle handle, int flag)
{
    MainWindow *window = handle ? Store::routeByHandle(handle) : Store::routeCalling();
    if (window)
        window->setDontClose(flag != 0);
}
