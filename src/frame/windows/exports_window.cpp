// The status bar of a main window and the host's veto while it closes.
#include <tesk/tesk_window.h>

#include "frame/core/exportguard.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"

void CuiSetStatusText(TeskHandle handle, int field, const char *text, const char *tip)
{
    TESK_GUARDED_VOID([&] {
        if (MainWindow *window = Store::routeByHandle(handle))
            window->setStatusText(field, text, tip);
    });
}

void QtSetStatusText(int field, const char *text, TeskHandle handle)
{
    TESK_GUARDED_VOID([&] { CuiSetStatusText(handle, field, text, nullptr); });
}

void CuiSetPadlockState(int state)
{
    TESK_GUARDED_VOID([&] {
        if (MainWindow *window = Store::currentMainWindow())
            window->setPadlockState(state);
    });
}

void CuiShowProgress(TeskHandle handle, int percent, int unused)
{
    TESK_GUARDED_VOID([&] {
        if (MainWindow *window = Store::routeByHandle(handle))
            window->showProgress(percent, unused);
    });
}

void CuiShowRunState(TeskHandle handle, int state, const char *text)
{
    TESK_GUARDED_VOID([&] {
        if (MainWindow *window = Store::routeByHandle(handle))
            window->showRunState(state, text);
    });
}

void QtSetDontClose(TeskHandle handle, int flag)
{
    TESK_GUARDED_VOID([&] {
        MainWindow *window = handle ? Store::routeByHandle(handle) : Store::routeCalling();
        if (window)
            window->setDontClose(flag != 0);
    });
}

void QtRegisterCodeCB(CuiCodeCallbackFn callback, TeskHandle windowBox)
{
    TESK_GUARDED_VOID([&] {
        if (MainWindow *window = Store::currentMainWindow())
            window->registerCodeCallback(callback, windowBox);
    });
}
