// The host's lookups of dock windows by index, name and box; sizes, positions and the closing
// of main and top-level windows; the desktop's screens.
#include <tesk/tesk_window.h>

#include "frame/core/exportguard.h"
#include "frame/core/hostgeometry.h"
#include "frame/core/hosttext.h"
#include "frame/core/hosttexts.h"
#include "frame/core/services.h"
#include "frame/windows/docking/docklayout.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/framecreation.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"
#include "frame/windows/toplevelwindow.h"
#include "system/freearea.h"
#include "system/lifetime.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

DockWidget *dockAt(const QList<DockWidget *> &docks, int index)
{
    return index >= 0 && index < docks.size() ? docks.at(index) : nullptr;
}

// Text handed to the host stays valid while the dock lives and its text is unchanged, however
// many other docks the host asks about meanwhile.
const char *keptText(const DockWidget *dock, const char *slot, const QString &text)
{
    return dock ? tesk::texts::hold(dock, QByteArray(slot), text.toLatin1()) : "";
}

// The extent of the current main window's newest dock window, -1 when there is none.
int currentDockExtent(Qt::Orientation orientation)
{
    MainWindow *window = Store::currentMainWindow();
    DockWidget *dock = window ? window->currentDockWidget() : nullptr;
    if (!dock)
        return -1;
    const QSize extent = window->dockLayout().extent(dock);
    return orientation == Qt::Horizontal ? extent.width() : extent.height();
}

// The host ends a window of its own as it ends a main window: the window leaves the list at
// once, so its handle names nothing from now on, and goes on the lifetime road. The host asked
// for the end and hears nothing of it.
void closeTopLevelWindow(TopLevelWindow *window)
{
    if (!window)
        return;
    Store::instance()->RemoveTopWindow(window);
    tesk::lifetime::destroyLater(window);
}

} // namespace

void QtCloseCode(TeskHandle handle)
{
    TESK_GUARDED_VOID([&] {
        // A handle the host no longer has right must not close whichever window is current.
        MainWindow *window = Store::instance()->findMainWindowByHandle(handle);
        if (!window) {
            closeTopLevelWindow(Store::instance()->findTopLevelWindowByHandle(handle));
            return;
        }
        window->closeAllDockWindows();
        // Closed from inside a call the library made to the host (a command of the window's
        // own menu, a timer inside a modal loop), the window is only marked and goes once that
        // call has returned; otherwise from the event loop.
        tesk::lifetime::destroyLater(window);
        // The closing window stays listed until it is deleted; it must not stay current.
        MainWindow *next = nullptr;
        for (MainWindow *listed : Store::instance()->mainWindows())
            if (listed != window && !next)
                next = listed;
        Store::setCurrentMainWindow(next);
    });
}

void QtSetCurrentWindowHeight()
{
    TESK_GUARDED_VOID([] {
        if (MainWindow *window = Store::currentMainWindow())
            window->setCurrentDockHeight();
    });
}

int QtGetWindWidth()
{
    return TESK_GUARDED(-1, [] { return currentDockExtent(Qt::Horizontal); });
}

int QtGetWindHeight()
{
    return TESK_GUARDED(-1, [] {
        const int height = currentDockExtent(Qt::Vertical);
        return height < 0 ? -1 : height - 2;
    });
}

// ---- dock windows by index, name and box --------------------------------------------------

TeskHandle QtGetWindowBox(TeskHandle handle, int index)
{
    return TESK_GUARDED(TeskHandle(0), [&] {
        MainWindow *window = Store::routeByHandle(handle);
        DockWidget *dock = window ? dockAt(window->dockList(), index) : nullptr;
        return dock ? dock->windowBox() : TeskHandle(0);
    });
}

const char *QtGetWindowTitle(TeskHandle handle, int index)
{
    return TESK_GUARDED("", [&] {
        MainWindow *window = Store::routeByHandle(handle);
        DockWidget *dock = window ? dockAt(window->dockList(), index) : nullptr;
        return keptText(dock, "title", dock ? dock->windowTitle() : QString());
    });
}

const char *QtReturnKSOTitle(TeskHandle handle, int index)
{
    return TESK_GUARDED("", [&] {
        MainWindow *window = Store::routeByHandle(handle);
        DockWidget *dock = window ? dockAt(window->sortedDockList(), index) : nullptr;
        return keptText(dock, "name", dock ? dock->name() : QString());
    });
}

TeskHandle QtFindWindowByKSOName(TeskHandle handle, const char *name)
{
    return TESK_GUARDED(TeskHandle(0), [&] {
        MainWindow *window = Store::routeByHandle(handle);
        DockWidget *dock =
            window && name ? window->findDockWidgetByName(tesk::core::hostText(name)) : nullptr;
        return dock ? dock->windowBox() : TeskHandle(0);
    });
}

void QtSetGoto(int flag, TeskHandle handle)
{
    TESK_GUARDED_VOID([&] {
        if (!Store::instance()->selectMainWindowByHandle(handle))
            return;
        if (DockWidget *dock = Store::currentMainWindow()->currentDockWidget())
            dock->setGoto(flag != 0);
    });
}

TeskHandle QtFindGotoWindowToShowData(TeskHandle handle, const char *name)
{
    return TESK_GUARDED(TeskHandle(0), [&] {
        if (!name || !Store::instance()->selectMainWindowByHandle(handle))
            return TeskHandle(0);
        DockWidget *dock =
            Store::currentMainWindow()->showGotoDockWidget(tesk::core::hostText(name));
        return dock ? dock->windowBox() : TeskHandle(0);
    });
}

TeskHandle QtFindCodeWinFromPane(TeskHandle box)
{
    return TESK_GUARDED(box, [&] { return Store::instance()->findCodeWindowFromPane(box); });
}

void CuiNotifyQtWidgetAboutSetFocusInBox(TeskHandle box)
{
    TESK_GUARDED_VOID([&] {
        Store *store = Store::instance();
        if (DockWidget *dock = store->findDockWidget(box))
            dock->setFocus();
        else if (tesk::core::TabbedFrame *frame = tesk::core::tabbedFrame(store->paneForBox(box)))
            frame->setFocus();
    });
}

// ---- main or top-level windows by handle --------------------------------------------------

int QtGetSizePos(TeskHandle handle, int *x, int *y, int *width, int *height, int *minimised)
{
    return TESK_GUARDED(0, [&] {
        if (!x || !y || !width || !height || !minimised)
            return 0;
        QMainWindow *window = Store::routeMainOrTopLevel(handle);
        if (!window)
            return 0;
        // Where its frame stands, as QtResizePosWindow and QtSetTopPersistanceData take it:
        // stored and given back, the window comes back where it was.
        // A main window the host gave no size takes its place and size at the show.
        const bool atShow =
            qobject_cast<MainWindow *>(window) && !window->testAttribute(Qt::WA_Resized);
        const QRect client = atShow ? tesk::frame::mainWindowAtShow(window) : window->geometry();
        const QMargins frame = tesk::system::frameMargins(window);
        const QPoint position = atShow ? client.topLeft() - QPoint(frame.left(), frame.top())
                                       : tesk::system::framePosition(window);
        *x = position.x();
        *y = position.y();
        *width = client.width();
        *height = client.height();
        *minimised = window->isMinimized() ? 1 : 0;
        return *minimised;
    });
}

int QtResizeWindowByBox(TeskHandle handle, int width, int height)
{
    return TESK_GUARDED(0, [&] {
        QMainWindow *window = Store::routeMainOrTopLevel(handle);
        if (!window)
            return 0;
        tesk::system::resizeInFreeArea(window, tesk::frame::hostWindowSize(width, height));
        return 1;
    });
}

int QtRaiseWindowByBox(TeskHandle handle)
{
    return TESK_GUARDED(0, [&] {
        QMainWindow *window = Store::routeMainOrTopLevel(handle);
        if (!window)
            return 0;
        window->show();
        return qobject_cast<MainWindow *>(window) ? 1 : 0;
    });
}

void QtResizePosWindow(TeskHandle handle, int x, int y, int width, int height)
{
    TESK_GUARDED_VOID([&] {
        QMainWindow *window = Store::routeMainOrTopLevel(handle);
        if (!window) {
            // A dock the host makes larger may make its main window larger: the window's frame
            // stays within the free area all the same.
            if (Store::instance()->resizeDockWindowByHandle(
                    handle, tesk::frame::hostWindowSize(width, height)))
                tesk::system::keepInFreeArea(Store::currentMainWindow());
        } else if (qobject_cast<MainWindow *>(window))
            tesk::frame::placeHostWindow(window, x, y, width, height);
    });
}

int CuiGetDesktopSize(int screen, int *width, int *height)
{
    return TESK_GUARDED(1, [&] {
        const QList<QScreen *> screens = QGuiApplication::screens();
        QScreen *chosen = screen == 99 ? QGuiApplication::primaryScreen()
                          : screen >= 0 && screen < screens.size() ? screens.at(screen)
                                                                   : nullptr;
        if (!chosen || !width || !height)
            return 1;
        *width = chosen->availableGeometry().width();
        *height = chosen->availableGeometry().height();
        return 0;
    });
}
