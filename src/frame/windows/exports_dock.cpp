// The generic dock options of the host's popups and the dock-window layout records.
#include <tesk/tesk_window.h>

#include "frame/core/exportguard.h"
#include "frame/windows/docking/cuipaneregistry.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/docking/layoutrecords.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"
#include "system/debugoutput.h"

#include <QToolBar>

#include <QString>

int CuiPopupProcessGenericOption(int handle, int option)
{
    return TESK_GUARDED(0, [&] {
        if (!CuiPopupIsGenericOption(0, option)) {
            tesk::system::debugOutput(QString::asprintf("Unknown Option: %d at  %s at line %d\n",
                                                        option, "mainframe", __LINE__)
                                          .toStdString());
            return 0;
        }
        tesk::frame::processPaneGenericOption(quint32(handle), option);
        return 0;
    });
}

int CuiPopupIsGenericOption(int, int option)
{
    return option >= DockWidget::OptionDockFloat && option <= DockWidget::OptionClose ? 1 : 0;
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
            window->takeDockRecord(QByteArray(record));
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
    static QByteArray title;
    return TESK_GUARDED("", [&] {
        title.clear();
        MainWindow *window = Store::routeByHandle(handle);
        const QList<QToolBar *> toolbars =
            window ? window->numberedToolbars() : QList<QToolBar *>();
        if (index >= 0 && index < toolbars.size())
            title = toolbars.at(index)->windowTitle().toLatin1();
        return title.constData();
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
        const QString title = QString::fromLatin1(name).mid(5);
        return window->applyToolbarRecord(title, QByteArray(record)) ? 0 : 1;
    });
}

void QtSetTopPersistanceData(int x, int y, int width, int height)
{
    TESK_GUARDED_VOID([&] {
        Store::instance()->setTopGeometry(QRect(x < 0 ? 2 : x, y < 0 ? 2 : y, width, height));
    });
}
