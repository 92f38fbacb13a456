// The main windows' menus and toolbars as the host drives them: callbacks, host-filled menus,
// sensitivity and toggles, accelerators and context menus.
#include <tesk/tesk_menu.h>

#include "frame/core/exportguard.h"
#include "frame/core/hosttext.h"
#include "frame/core/softcheck.h"
#include "frame/menus/mt.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"
#include "frame/windows/toolbars/editortoolbars.h"
#include "frame/windows/toolbars/findtoolbar.h"
#include "frame/windows/toplevelwindow.h"

#include <QDebug>

#include <algorithm>

namespace {

MT *managerOf(MainWindow *window)
{
    return window ? qobject_cast<MT *>(window->menuManager()) : nullptr;
}

// The separate top-level window the host last made current; null when there is none.
TopLevelWindow *currentTopLevel()
{
    return qobject_cast<TopLevelWindow *>(Store::currentTopLevelWindow());
}

MT *currentManager()
{
    return managerOf(Store::currentMainWindow());
}

// The window of a handle; 0 names the window whose menu is calling the host.
MT *managerByHandle(TeskHandle window)
{
    return managerOf(window ? Store::routeByHandle(window) : Store::routeCalling());
}

template<typename Fn>
int onManager(const char *exportName, MT *(*select)(), Fn fn)
{
    return tesk::guarded(exportName, 0, [&] {
        MT *manager = select();
        return manager && fn(*manager) ? 1 : 0;
    });
}

MT *callingManager()
{
    return managerOf(Store::routeCalling());
}

int setSensitivity(const char *exportName, TeskHandle window, int hostId, int insensitive)
{
    return tesk::guarded(exportName, 0, [&] {
        MT *manager = managerByHandle(window);
        return manager && manager->setHostMenuSensitivity(hostId, insensitive == 0) ? 1 : 0;
    });
}

int setToggle(const char *exportName, TeskHandle window, int hostId, int on)
{
    return tesk::guarded(exportName, 0, [&] {
        MT *manager = managerByHandle(window);
        return manager && manager->setToggleByHostId(hostId, on != 0) ? 1 : 0;
    });
}

int toggleState(const char *exportName, TeskHandle window, int hostId)
{
    return tesk::guarded(exportName, 0, [&] {
        MT *manager = managerByHandle(window);
        return manager && manager->isOnByHostId(hostId) ? 1 : 0;
    });
}

void popContextMenu(const char *exportName, CuiContextMenuFn function, const char *definition)
{
    tesk::guarded(exportName, [&] {
        // Without a function the choice would go nowhere: nothing is shown.
        MainWindow *window = Store::currentMainWindow();
        if (window && function) {
            window->setContextMenuCallback(function);
            window->popContextMenu(definition);
        }
    });
}

} // namespace

int QtRegisterMenuCB(CuiMenuAboutToShowFn aboutToShow, CuiMenuActivateFn activate,
                     CuiMenuCycleFn cycle, TeskHandle context)
{
    return TESK_GUARDED(0, [&] {
        if (Store::menuCallbackStage() == Store::MenuCallbacksOpen) {
            MT *manager = currentManager();
            if (!manager)
                return 0;
            manager->setHostCallbacks(aboutToShow, activate, cycle, context);
            Store::setMenuCallbackStage(Store::MenuCallbacksRegistered);
            return 1;
        }
        Store::setMenuCallbackStage(Store::MenuCallbacksTaken);
        // Separate top-level windows take later registrations for their own menus; the
        // cycle menus belong to the main windows.
        TopLevelWindow *window = currentTopLevel();
        if (Store::instance()->isDockingWindow() || !window)
            return 0;
        window->setHostMenuCallbacks(aboutToShow, activate, context);
        return 1;
    });
}

void QtAppendMenu(int hostId, const char *text, void *value, int mode)
{
    TESK_GUARDED_VOID([&] {
        const QString itemText = tesk::core::hostTextUtf8(text ? text : "");
        if (!Store::instance()->isDockingWindow()) {
            // The separate top-level windows take their items here: an id the window has a
            // record for becomes its action, any other a plain item.
            TopLevelWindow *window = currentTopLevel();
            if (TESK_CHECK(window))
                window->addMenuItem(hostId, itemText, value);
            return;
        }
        if (MT *manager = currentManager())
            manager->appendMenu(hostId, value, itemText, mode == 1);
    });
}

TeskHandle QtAddPopupMenu(const char *name, int hostId, void *value)
{
    return TESK_GUARDED(TeskHandle(0), [&]() -> TeskHandle {
        if (Store::menuCallbackStage() == Store::MenuCallbacksTaken) {
            TopLevelWindow *window = currentTopLevel();
            if (Store::instance()->isDockingWindow() || !window)
                return 0;
            return static_cast<TeskHandle>(window->addMenu(tesk::core::hostText(name), value));
        }
        MT *manager = currentManager();
        if (!manager)
            return 0;
        manager->appendMenu(hostId, value, tesk::core::hostText(name), false);
        return static_cast<TeskHandle>(manager->popupWinId(hostId));
    });
}

int QtAddSeparator(void)
{
    return TESK_GUARDED(0, [] {
        if (Store::instance()->isDockingWindow())
            return 1;
        TopLevelWindow *window = currentTopLevel();
        return window && window->addSeparator() ? 1 : 0;
    });
}

int QtAddMainMenuEntry(void)
{
    return TESK_GUARDED(0, [] {
        if (Store::instance()->isDockingWindow())
            return 1;
        TopLevelWindow *window = currentTopLevel();
        if (!window)
            return 0;
        window->markNextMenuForBar();
        return 1;
    });
}

int QtDeleteMenu(int hostId)
{
    return onManager(__func__, &callingManager,
                     [&](MT &manager) { return manager.removeByHostId(hostId); });
}

int QtDeleteMenuItemAt(int index)
{
    return onManager(__func__, &callingManager,
                     [&](MT &manager) { return manager.removeItemAt(index); });
}

int QtInsensitiveMenu(TeskHandle window, int hostId, int insensitive)
{
    return setSensitivity(__func__, window, hostId, insensitive);
}

int QtMenuToggleTog(int hostId)
{
    return onManager(__func__, &currentManager,
                     [&](MT &manager) { return manager.toggleByHostId(hostId); });
}

int QtMenuTogSet(int hostId, int on)
{
    return onManager(__func__, &currentManager,
                     [&](MT &manager) { return manager.setToggleByHostId(hostId, on != 0); });
}

int QtActionSetToggleState(TeskHandle window, int hostId, int on)
{
    return setToggle(__func__, window, hostId, on);
}

int QtMenuTogGet(TeskHandle window, int hostId)
{
    return toggleState(__func__, window, hostId);
}

void QtModifyMenuHelpText(int hostId, const char *text)
{
    TESK_GUARDED_VOID([&] {
        MT *manager = callingManager();
        if (manager && text)
            manager->setHelpText(hostId, tesk::core::hostTextUtf8(text));
    });
}

namespace {
// The number of records the host last learned it must make room for.
int g_lastAcceleratorCount = 0;
} // namespace

int QtGetAcceleratorCount(void)
{
    return TESK_GUARDED(0, [] {
        MT *manager = currentManager();
        g_lastAcceleratorCount = manager ? std::max(0, manager->acceleratorCount()) : 0;
        return g_lastAcceleratorCount;
    });
}

int QtGetAcceleratorList(TeskAccelerator *buffer)
{
    return onManager(__func__, &currentManager, [&](MT &manager) {
        return buffer && manager.acceleratorList(buffer, g_lastAcceleratorCount);
    });
}

int QtIsTeskMenu(TeskHandle context)
{
    return onManager(__func__, &currentManager,
                     [&](MT &manager) { return manager.callbackContext() == context; });
}

void QtPopContextMenu(CuiContextMenuFn function, const char *definition)
{
    popContextMenu(__func__, function, definition);
}

void QtPopContextMenuEx(TeskHandle, CuiContextMenuFn function, const char *definition)
{
    popContextMenu(__func__, function, definition);
}

void QtEnableQtContextMenu(int flag)
{
    TESK_GUARDED_VOID([&] {
        if (MainWindow *window = Store::currentMainWindow())
            window->enableDockMenu(flag != 0);
    });
}

void QtSetIsQtContextMenu(void)
{
    TESK_GUARDED_VOID([] {
        if (MainWindow *window = Store::currentMainWindow())
            window->setQtContextMenuMark();
    });
}

int QtIsQtContextMenu(void)
{
    return TESK_GUARDED(0, [] {
        MainWindow *window = Store::currentMainWindow();
        return window && window->isQtContextMenu() ? 1 : 0;
    });
}

void QtSetNextActionInGroup(int flag)
{
    TESK_GUARDED_VOID([&] {
        if (MainWindow *window = Store::currentMainWindow())
            window->setNextActionInGroup(flag != 0);
    });
}

void QtBuildROMenu(const char *name)
{
    TESK_GUARDED_VOID([&] {
        // Asked from a state menu about to show, the host fills that menu: a top-level
        // window's too, which is never the current main window.
        FindToolBar *toolBar = FindToolBar::fillingStateMenu();
        if (!toolBar)
            toolBar = tesk::frame::findToolBarOf(Store::currentMainWindow());
        if (toolBar && name)
            toolBar->fillStateMenu(tesk::core::hostBytes(name));
    });
}

int CuiActionDisable(TeskHandle window, int hostId, int insensitive)
{
    return setSensitivity(__func__, window, hostId, insensitive);
}

int CuiActionGetToggleState(TeskHandle window, int hostId)
{
    return toggleState(__func__, window, hostId);
}

int CuiActionSetToggleState(TeskHandle window, int hostId, int on)
{
    return setToggle(__func__, window, hostId, on);
}

void QtBackupMenu(void)
{
    TESK_GUARDED_VOID([] {});
}

void QtCreateScriptToolBar(void)
{
    TESK_GUARDED_VOID([] {});
}
