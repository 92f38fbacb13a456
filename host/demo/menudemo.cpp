// The engine's use of the main window's menus, and a screenshot with a menu open.
#include "menudemo.h"
#include "demoexports.h"
#include "framedemo.h"
#include "handsondemo.h"
#include "layoutdemo.h"

#include <tesk/tesk.h>

#include <QApplication>
#include <QDir>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>

#include <dlfcn.h>

#include <cstdio>
#include <stdexcept>
#include <vector>

namespace demo {

namespace {

constexpr TeskHandle kMenuContext = 0x2002;

struct MenuExports
{
    decltype(&QtRegisterMenuCB) registerMenu;
    decltype(&QtAppendMenu) appendMenu;
    decltype(&QtAddPopupMenu) addPopupMenu;
    decltype(&QtInsensitiveMenu) insensitive;
    decltype(&QtMenuTogSet) toggleSet;
    decltype(&QtMenuTogGet) toggleGet;
    decltype(&QtGetAcceleratorCount) acceleratorCount;
    decltype(&QtGetAcceleratorList) acceleratorList;
    decltype(&CuiContextMenu_addItem) addItem;
    decltype(&CuiContextMenu_addSeparator) addSeparator;
    decltype(&CuiContextMenu_setItemVisibleAlias) setAlias;
    decltype(&CuiContextMenu_setItemGuiText) setGuiText;
    decltype(&CuiContextMenu_setItemEnabled) setEnabled;
    decltype(&CuiContextMenu_getMenuDefinion) definition;
    decltype(&CuiContextMenu_clearMenu) clearMenu;
    decltype(&CuiPump) pump;
};

MenuExports g_tesk{};

void load(void *library)
{
    MenuExports &t = g_tesk;
    t.registerMenu = DEMO_RESOLVE(library, QtRegisterMenuCB);
    t.appendMenu = DEMO_RESOLVE(library, QtAppendMenu);
    t.addPopupMenu = DEMO_RESOLVE(library, QtAddPopupMenu);
    t.insensitive = DEMO_RESOLVE(library, QtInsensitiveMenu);
    t.toggleSet = DEMO_RESOLVE(library, QtMenuTogSet);
    t.toggleGet = DEMO_RESOLVE(library, QtMenuTogGet);
    t.acceleratorCount = DEMO_RESOLVE(library, QtGetAcceleratorCount);
    t.acceleratorList = DEMO_RESOLVE(library, QtGetAcceleratorList);
    t.addItem = DEMO_RESOLVE(library, CuiContextMenu_addItem);
    t.addSeparator = DEMO_RESOLVE(library, CuiContextMenu_addSeparator);
    t.setAlias = DEMO_RESOLVE(library, CuiContextMenu_setItemVisibleAlias);
    t.setGuiText = DEMO_RESOLVE(library, CuiContextMenu_setItemGuiText);
    t.setEnabled = DEMO_RESOLVE(library, CuiContextMenu_setItemEnabled);
    t.definition = DEMO_RESOLVE(library, CuiContextMenu_getMenuDefinion);
    t.clearMenu = DEMO_RESOLVE(library, CuiContextMenu_clearMenu);
    t.pump = DEMO_RESOLVE(library, CuiPump);
}

void onAboutToShow(TeskHandle, TeskHandle windowId, void *data)
{
    std::printf("host: popup %#lx about to show (data %p)\n", static_cast<unsigned long>(windowId),
                data);
}

void onActivate(TeskHandle, int hostId, void *data)
{
    std::printf("host: menu command %d (data %p)\n", hostId, data);
    if (!mainWindowCloses(hostId))
        runHandsOnCommand(hostId);
}

// The connection list carries entry numbers; the thread list marks the current thread.
int onCycle(TeskHandle, int hostId, int entry, const char **text)
{
    if (entry == -1 && text) {
        *text = hostId == 49866 ? "sim0,1/ *simulated core 0\nsim1,2/ simulated core 1\n"
                                : "=main\nworker\n!idle\n";
        return 1;
    }
    std::printf("host: cycle button %d chose entry %d\n", hostId, entry);
    return 1;
}

void fillMenus()
{
    const char *recent[] = {"/work/demo/blinky.c", "/work/demo/startup.s", "/work/demo/uart.c"};
    for (int i = 0; i < 3; ++i)
        g_tesk.appendMenu(32881 + i, recent[i], reinterpret_cast<void *>(intptr_t(100 + i)), 0);
    g_tesk.appendMenu(32855, "simulated core 0", nullptr, 0);
    g_tesk.appendMenu(32856, "simulated core 1", nullptr, 0);
    g_tesk.toggleSet(32855, 1);
    g_tesk.appendMenu(32954, "Peripheral Registers", nullptr, 0);
    // The target is running: the run command waits.
    g_tesk.insensitive(0, 40068, 1);
    std::printf("host: recent files, connections and a custom window filled\n");
}

void listAccelerators()
{
    const int count = g_tesk.acceleratorCount();
    std::vector<TeskAccelerator> records(count > 0 ? count : 0);
    if (count > 0 && g_tesk.acceleratorList(records.data()))
        std::printf("host: %d accelerators, the first %s for command %d\n", count, records[0].text,
                    records[0].hostId);
}

void defineContextMenu()
{
    const char *name = "SourceContext";
    g_tesk.clearMenu(name);
    g_tesk.addItem(name, 12);
    g_tesk.setAlias(name, 12, 100103);
    g_tesk.addItem(name, 13);
    g_tesk.setAlias(name, 13, 100109);
    g_tesk.setEnabled(name, 13, 0);
    g_tesk.addSeparator(name);
    g_tesk.addItem(name, 14);
    g_tesk.setGuiText(name, 14, "Show in Memory View");
    g_tesk.addItem(name, 666);
    std::printf("host: context menu definition:\n%s\n", g_tesk.definition(name));
}

QMainWindow *mainWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("KSO MainWindow"))
            return qobject_cast<QMainWindow *>(widget);
    }
    return nullptr;
}

// Opens a menu of the bar and draws it over the window's own picture.
void screenshotWithMenu(const std::string &dir)
{
    QMainWindow *window = mainWindow();
    if (!window || dir.empty())
        return;
    // The Debug menu is the one that holds Run (F5): its title is in the user's language.
    QMenu *menu = nullptr;
    QAction *entry = nullptr;
    for (QAction *action : window->menuBar()->actions()) {
        if (!action->menu())
            continue;
        for (const QAction *item : action->menu()->actions()) {
            if (item->shortcut() == QKeySequence(Qt::Key_F5)) {
                menu = action->menu();
                entry = action;
            }
        }
    }
    if (!menu) {
        std::printf("host: no menu holds Run (F5); menu.png FAILED\n");
        return;
    }
    const QRect at = window->menuBar()->actionGeometry(entry);
    window->menuBar()->setActiveAction(entry);
    for (int i = 0; i < 20; ++i)
        g_tesk.pump();
    QPixmap picture = window->grab();
    {
        QPainter painter(&picture);
        const QPoint origin = window->menuBar()->mapTo(window, at.bottomLeft());
        painter.drawPixmap(origin, menu->grab());
    }
    menu->close();
    const QString path = screenshotPath(dir, "menu.png");
    std::printf("host: screenshot %s %s\n", qPrintable(path),
                picture.save(path) ? "written" : "FAILED");
}

} // namespace

void runMenuDemo(void *library, const std::string &screenshotDir)
{
    load(library);
    std::printf("host: menu callbacks registered: %d\n",
                g_tesk.registerMenu(&onAboutToShow, &onActivate, &onCycle, kMenuContext));
    fillMenus();
    listAccelerators();
    defineContextMenu();
    screenshotWithMenu(screenshotDir);
}

} // namespace demo
