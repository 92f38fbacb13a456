// The status bar of a main window and the host's veto while it closes.
#include <tesk/tesk_window.h>

#include "frame/core/exportguard.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"
#include "frame/windows/toplevelwindow.h"
#include "system/debugoutput.h"

#include <QString>

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

namespace {

// These operations were never meant to be reached while docking; they still run.
void writeAssertionLine(int line)
{
    tesk::system::debugOutput(
        QString::asprintf("ASSERT: \"%s\" in %s (%d)\n", "0", "mainframe", line).toStdString());
}

} // namespace

TeskHandle QtTopLevelCreate(TeskHandle hostData, CuiTopLevelSizeFn sizeCallback,
                            TeskHandle sizeContext)
{
    return TESK_GUARDED(TeskHandle(0), [&] {
        TopLevelWindow *window = Store::instance()->addTopLevelWindow(
            hostData, reinterpret_cast<void *>(sizeCallback), sizeContext);
        return TeskHandle(window->nativeHandle());
    });
}

void QtSetTopTitle(TeskHandle handle, const char *title)
{
    TESK_GUARDED_VOID([&] {
        writeAssertionLine(__LINE__);
        if (TopLevelWindow *window = Store::instance()->findTopLevelWindowByHandle(handle))
            window->setCaption(QString::fromLatin1(title ? title : ""));
    });
}

int QtRaiseWindowByName(const char *name)
{
    return TESK_GUARDED(0, [&] {
        if (!name)
            return 0;
        return Store::instance()->raiseTopLevelWindowsByName(QString::fromLatin1(name)) ? 1 : 0;
    });
}

void QtResizeTopLevelWindow()
{
    TESK_GUARDED_VOID([&] {
        writeAssertionLine(__LINE__);
        if (QMainWindow *window = Store::currentTopLevelWindow()) {
            const QSize size = window->size();
            window->resize(size.width() + 1, size.height() + 1);
            window->resize(size);
        }
    });
}
