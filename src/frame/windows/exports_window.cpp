// The status bar of a main window and the host's veto while it closes.
#include <tesk/tesk_window.h>

#include "frame/core/cuihandles.h"
#include "frame/core/exportguard.h"
#include "frame/core/hosttext.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"
#include "frame/windows/toplevelwindow.h"
#include "frame/windows/windowsanity.h"
#include "system/debugoutput.h"

#include <QGuiApplication>
#include <QScreen>
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
        if (!tesk::applicationExists())
            return TeskHandle(0);
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
            window->setCaption(tesk::core::hostText(title));
    });
}

int QtRaiseWindowByName(const char *name)
{
    return TESK_GUARDED(0, [&] {
        if (!name)
            return 0;
        return Store::instance()->raiseTopLevelWindowsByName(tesk::core::hostText(name)) ? 1 : 0;
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

// ---- store switches ----------------------------------------------------------------------

void QtSetIsDockingWindow(int flag)
{
    TESK_GUARDED_VOID([&] { Store::instance()->setDockingWindow(flag != 0); });
}

int QtGetIsDockingWindow()
{
    return TESK_GUARDED(0, [] { return Store::instance()->isDockingWindow() ? 1 : 0; });
}

int QtIsQtWindow()
{
    return TESK_GUARDED(1, [] { return Store::instance()->isQtWindow() ? 1 : 0; });
}

void QtDoNotHandle(int flag)
{
    TESK_GUARDED_VOID([&] { Store::instance()->setQtWindow(flag == 0); });
}

void CuiSetIsQtWindow(int flag)
{
    TESK_GUARDED_VOID([&] {
        if (flag == 1)
            Store::instance()->setQtWindow(true);
        else
            QtDoNotHandle(1);
    });
}

int QtIsTopLevelWindow()
{
    return TESK_GUARDED(0, [] { return Store::instance()->isNewCodeWindow() ? 1 : 0; });
}

int QtIsNewCode()
{
    return TESK_GUARDED(0, [] { return QtIsTopLevelWindow(); });
}

void QtSetAllowDynamicTick(int flag)
{
    TESK_GUARDED_VOID([&] { Store::instance()->setAllowDynamicTick(flag != 0); });
}

int QtGetAllowDynamicTick()
{
    return TESK_GUARDED(0, [] { return Store::instance()->allowDynamicTick() ? 1 : 0; });
}

void QtSetNextQtSense(int flag)
{
    TESK_GUARDED_VOID([&] { Store::instance()->setNextQtSense(flag != 0); });
}

int QtGetNextQtSense()
{
    return TESK_GUARDED(1, [] { return Store::instance()->nextQtSense() ? 1 : 0; });
}

void *CuiGetCurrentCode()
{
    return TESK_GUARDED(static_cast<void *>(nullptr),
                        [] { return static_cast<void *>(Store::currentMainWindow()); });
}

void CuiSetCurrentCode(void *window)
{
    TESK_GUARDED_VOID([&] {
        // Only null or a listed window; the host's value is never followed otherwise.
        if (!window) {
            Store::setCurrentMainWindow(nullptr);
            return;
        }
        for (MainWindow *listed : Store::instance()->mainWindows())
            if (listed == window)
                Store::setCurrentMainWindow(listed);
    });
}

int QtSetCurrentCodeFromBox(TeskHandle handle)
{
    return TESK_GUARDED(
        0, [&] { return Store::instance()->selectMainWindowByHandle(handle) ? 1 : 0; });
}

// ---- main windows ------------------------------------------------------------------------

TeskHandle QtGetCodeHandle()
{
    return TESK_GUARDED(TeskHandle(0), [] {
        MainWindow *window = Store::currentMainWindow();
        return window ? TeskHandle(tesk::core::paneServices().frameAreaId(window->pane()))
                      : TeskHandle(0);
    });
}

TeskHandle CuiCodeWindowGetWId()
{
    return TESK_GUARDED(TeskHandle(0), [] {
        MainWindow *window = Store::currentMainWindow();
        return window ? TeskHandle(window->winId()) : TeskHandle(0);
    });
}

TeskHandle QtGetWidgetHandle()
{
    return TESK_GUARDED(TeskHandle(0), [] {
        MainWindow *window = Store::currentMainWindow();
        return window ? window->lastDockHandle() : TeskHandle(0);
    });
}

void QtSetCodeTitle(TeskHandle handle, const char *title)
{
    TESK_GUARDED_VOID([&] {
        if (MainWindow *window = Store::routeByHandle(handle))
            window->setWindowTitle(tesk::core::hostText(title));
    });
}

void QtIconifyWindow(TeskHandle handle)
{
    TESK_GUARDED_VOID([&] {
        if (MainWindow *window = Store::routeByHandle(handle))
            window->showMinimized();
    });
}

void QtAddRemoveColorIcon(TeskHandle handle, int keep)
{
    TESK_GUARDED_VOID([&] {
        MainWindow *window = Store::routeByHandle(handle);
        if (window && keep == 0)
            window->removeColourIcon();
    });
}

void CuiChangeColorIconForWindow(TeskHandle handle, unsigned int rgb)
{
    TESK_GUARDED_VOID([&] {
        if (handle != 0)
            Store::instance()->setWindowColorIndex(handle, QRgb(rgb));
    });
}

int QtShowOutputWindow(TeskHandle handle)
{
    return TESK_GUARDED(0, [&] {
        if (!Store::instance()->selectMainWindowByHandle(handle))
            return 0;
        Store::currentMainWindow()->showOutputWindow();
        return 1;
    });
}

void QtWindowCreate(const char *name, CuiCodeCallbackFn callback, TeskHandle box)
{
    TESK_GUARDED_VOID([&] {
        if (MainWindow *window = Store::routeCalling())
            window->createDockedWindow(box, name, callback);
    });
}

void QtWindowCreate2(const char *name, void *widget, TeskHandle box)
{
    TESK_GUARDED_VOID([&] {
        // Only a widget the library handed out may be taken in.
        auto *given = qobject_cast<QWidget *>(tesk::handles::object(widget));
        MainWindow *window = Store::routeCalling();
        if (window && given)
            window->createDockWidget(name, given, nullptr, box);
    });
}

void CuiCheckWindowSizesAreSane(int *x, int *y, int *width, int *height)
{
    TESK_GUARDED_VOID([&] {
        if (!x || !y || !width || !height)
            return;
        QList<QRect> screens;
        for (QScreen *screen : QGuiApplication::screens())
            screens.append(screen->availableGeometry());
        QScreen *primary = QGuiApplication::primaryScreen();
        tesk::frame::checkWindowSizesAreSane(
            screens, primary ? primary->availableGeometry() : QRect(), *x, *y, *width, *height);
    });
}
