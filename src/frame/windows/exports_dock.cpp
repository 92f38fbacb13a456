// The generic dock options of the host's popups and the dock-window layout records.
#include <tesk/tesk_window.h>

#include "frame/core/cuihandles.h"
#include "frame/core/exportguard.h"
#include "frame/core/hostgeometry.h"
#include "frame/core/hosttext.h"
#include "frame/core/hosttexts.h"
#include "frame/menus/ksotoolbar.h"
#include "frame/windows/docking/cuipaneregistry.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/docking/layoutrecords.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"
#include "system/debugoutput.h"
#include "system/freearea.h"

#include <QToolBar>

#include <algorithm>

#include <QString>

int CuiPopupProcessGenericOption(TeskHandle windowBox, int option)
{
    return TESK_GUARDED(0, [&] {
        if (!CuiPopupIsGenericOption(0, option)) {
            tesk::system::debugOutput(QString::asprintf("Unknown Option: %d at  %s at line %d\n",
                                                        option, "mainframe", __LINE__)
                                          .toStdString());
            return 0;
        }
        tesk::frame::processPaneGenericOption(windowBox, option);
        return 0;
    });
}

int CuiPopupIsGenericOption(int, int option)
{
    return TESK_GUARDED(0, [&] {
        return option >= DockWidget::OptionDockFloat && option <= DockWidget::OptionClose ? 1 : 0;
    });
}

void QtCreateDocked(int area, int newLine)
{
    TESK_GUARDED_VOID([&] {
        if (MainWindow *window = Store::currentMainWindow())
            window->requestDockPlacement(area, newLine != 0);
    });
}

void QtSortWindowList(TeskHandle handle)
{
    TESK_GUARDED_VOID([&] {
        if (MainWindow *window = Store::routeByHandle(handle))
            window->sortDockList();
    });
}

int QtDockWindowCount(TeskHandle handle)
{
    return TESK_GUARDED(0, [&] {
        MainWindow *window = Store::routeByHandle(handle);
        return window ? int(window->dockList().size()) : 0;
    });
}

void CuiGetDockWindowPersistanceData(TeskHandle handle, int index, char *buffer)
{
    TESK_GUARDED_VOID([&] {
        if (MainWindow *window = Store::routeByHandle(handle))
            tesk::frame::copyRecord(window->dockRecord(index), buffer);
    });
}

void CuiSetDockWindowPersistanceData(TeskHandle handle, const char *record)
{
    TESK_GUARDED_VOID([&] {
        MainWindow *window = Store::routeByHandle(handle);
        if (window && record)
            window->takeDockRecord(tesk::core::hostBytes(record));
    });
}

TeskHandle QtGetPersistWindowBox(TeskHandle handle, int index)
{
    return TESK_GUARDED(TeskHandle(0), [&] {
        MainWindow *window = Store::routeByHandle(handle);
        if (!window || index < 0 || index >= window->sortedDockList().size())
            return TeskHandle(0);
        return window->sortedDockList().at(index)->windowBox();
    });
}

int QtToolbarCount(TeskHandle handle)
{
    return TESK_GUARDED(0, [&] {
        MainWindow *window = Store::routeByHandle(handle);
        return window ? int(window->numberedToolbars().size()) : 0;
    });
}

const char *QtReturnToolbarTitle(TeskHandle handle, int index)
{
    return TESK_GUARDED("", [&] {
        MainWindow *window = Store::routeByHandle(handle);
        const QList<QToolBar *> toolbars =
            window ? window->numberedToolbars() : QList<QToolBar *>();
        if (index < 0 || index >= toolbars.size())
            return "";
        // Kept with the toolbar: the host may read titles of several toolbars together.
        const QToolBar *toolbar = toolbars.at(index);
        return tesk::texts::hold(toolbar, QByteArray("title"),
                                 tesk::frame::toolbarRecordName(toolbar).toLatin1());
    });
}

void QtToolbarData(TeskHandle handle, int index, char *buffer)
{
    TESK_GUARDED_VOID([&] {
        if (MainWindow *window = Store::routeByHandle(handle))
            tesk::frame::copyRecord(window->toolbarRecord(index), buffer);
    });
}

int QtSetToolbarData(const char *name, const char *record)
{
    return TESK_GUARDED(1, [&] {
        MainWindow *window = Store::currentMainWindow();
        if (!window || !name || !record)
            return 1;
        const QString named = tesk::core::hostText(name).mid(5);
        // By the name no language changes; a record stored before toolbars had one names the
        // toolbar by its title.
        const QList<QToolBar *> toolbars = window->findChildren<QToolBar *>();
        const auto byName = std::find_if(toolbars.cbegin(), toolbars.cend(), [&](QToolBar *t) {
            return tesk::frame::toolbarRecordName(t) == named;
        });
        const QString title = byName != toolbars.cend() ? (*byName)->windowTitle() : named;
        return window->applyToolbarRecord(title, QByteArray(record)) ? 0 : 1;
    });
}

void QtSetTopPersistanceData(int x, int y, int width, int height)
{
    TESK_GUARDED_VOID([&] {
        const QPoint position = tesk::frame::hostRect(x < 0 ? 2 : x, y < 0 ? 2 : y, 0, 0).topLeft();
        Store::instance()->setTopGeometry(
            QRect(position, tesk::frame::hostWindowSize(width, height)));
    });
}

// ---- panes in dock windows ---------------------------------------------------------------

void CuiPaneDock(TeskHandle windowBox)
{
    TESK_GUARDED_VOID([&] { tesk::frame::paneDock(windowBox); });
}

void CuiPaneUndock(TeskHandle windowBox)
{
    TESK_GUARDED_VOID([&] { tesk::frame::paneUndock(windowBox); });
}

void CuiPaneHide(TeskHandle windowBox)
{
    TESK_GUARDED_VOID([&] { tesk::frame::paneHide(windowBox); });
}

void CuiPaneClose(TeskHandle windowBox)
{
    TESK_GUARDED_VOID([&] { tesk::frame::paneClose(windowBox); });
}

void QtSetDontClosePane()
{
    TESK_GUARDED_VOID([] {
        if (MainWindow *window = Store::currentMainWindow())
            window->setDontClosePane();
    });
}

void QtResizePane()
{
    TESK_GUARDED_VOID([] {
        if (MainWindow *window = Store::currentMainWindow())
            window->resizeLastDockWidget();
    });
}

int CuiWindowShow(void *window)
{
    return TESK_GUARDED(1, [&] {
        if (auto *widget = qobject_cast<QWidget *>(tesk::handles::object(window)))
            widget->show();
        return 1;
    });
}

void CuiWindowShowFromBox(TeskHandle box)
{
    TESK_GUARDED_VOID([&] {
        if (Store *store = Store::existing())
            if (MainWindow *window = store->findMainWindowByHandle(box)) {
                const bool showing = window->isHidden();
                window->show();
                // Hidden, it left its window manager's frame, which put it back at the frame's
                // place: framed anew there, it would stand partly under a panel at the top.
                if (showing)
                    tesk::system::keepInFreeAreaAsFramed(window);
            }
    });
}

void CuiWindowHideFromBox(TeskHandle box)
{
    TESK_GUARDED_VOID([&] {
        if (Store *store = Store::existing())
            if (MainWindow *window = store->findMainWindowByHandle(box))
                window->hide();
    });
}

void CuiWindowSetConnectionName(TeskHandle box, const char *name)
{
    TESK_GUARDED_VOID([&] {
        Store *store = Store::existing();
        if (!store || box == 0)
            return;
        if (MainWindow *window = store->findMainWindowByHandle(box))
            window->setConnectionName(tesk::core::hostText(name));
    });
}

void CuiWindowSetColorIndex(TeskHandle box, int index)
{
    static const QRgb colours[18] = {0x000000, 0xFBA500, 0xFFFF00, 0x00FF00, 0x0000FF, 0x800080,
                                     0xFF00FF, 0xFF0000, 0x00FFFF, 0xFF7F7F, 0x808000, 0x800000,
                                     0x000080, 0x008000, 0xC0C0C0, 0x808080, 0xFFFFFF, 0x008080};
    TESK_GUARDED_VOID([&] {
        Store *store = Store::existing();
        if (!store || box == 0)
            return;
        // A negative index has no colour of its own: it clears as 0 does.
        const QRgb rgb = index <= 0 ? 0 : colours[index % 18];
        store->setWindowColorIndex(box, rgb);
    });
}
