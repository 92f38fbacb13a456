#include "navigatordemo.h"

#include "demoexports.h"
#include "framedemo.h"

#include <tesk/tesk.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDockWidget>
#include <QMainWindow>
#include <QScrollBar>
#include <QWidget>

#include <cstdio>
#include <map>
#include <vector>

namespace demo {

namespace {

// Each navigator has a window box of its own, which finds its pane again when the host stores
// the navigators' states beside their dock records.
constexpr TeskHandle kFirstNavigatorBox = 0x3101;
std::map<TeskHandle, TeskHandle> g_paneOfBox;

// The engine's side of the navigator's requests: 5 a command, 6 a watch, 7 a breakpoint.
int datanav(int code, TeskHandle, char *text, TeskHandle vdata, TeskHandle paneHandle)
{
    std::printf("host: datanav code %d \"%s\" vdata %ld pane 0x%lx\n", code, text ? text : "",
                long(vdata), static_cast<unsigned long>(paneHandle));
    return 0;
}

QAbstractItemView *functionList()
{
    for (QWidget *widget : QApplication::allWidgets()) {
        if (widget->inherits("FuncListView") && widget->isVisible())
            return qobject_cast<QAbstractItemView *>(widget);
    }
    return nullptr;
}

} // namespace

// The functions page, filtered to main.
const char *const kNavigatorMainFunctions =
    ":1:global_var_toggle=false:global_ontop=functions:global_filter=\"*\\*\\main\"";

bool openNavigator(void *library, const std::string &state)
{
    const TeskHandle pane = DEMO_RESOLVE(library, CuiDataNavCreate)();
    if (!pane)
        return false;
    const TeskHandle box = kFirstNavigatorBox + TeskHandle(g_paneOfBox.size());
    g_paneOfBox[box] = pane;
    DEMO_RESOLVE(library, CuiDataNavSetFuncCB)(pane, &datanav);
    DEMO_RESOLVE(library, CuiAbstractPaneSetWindBox)(pane, box);
    DEMO_RESOLVE(library, TeskPaneSetPersistData)(pane, state.c_str());
    // On the right of the main window, not floating on its own.
    DEMO_RESOLVE(library, QtCreateDocked)(0, 0);
    DEMO_RESOLVE(library, QtWindowCreate2)("Symbols", reinterpret_cast<void *>(pane), box);
    const auto pump = DEMO_RESOLVE(library, CuiPump);
    for (int i = 0; i < 5; ++i)
        pump();
    return true;
}

std::string navigatorState(void *library, intptr_t windowBox)
{
    const auto pane = g_paneOfBox.find(TeskHandle(windowBox));
    if (pane == g_paneOfBox.end())
        return {};
    std::vector<char> state(4096);
    if (DEMO_RESOLVE(library, TeskPaneGetPersistData)(pane->second, unsigned(state.size()),
                                                      state.data()) != 0)
        return {};
    state.back() = '\0';
    return state.data();
}

void runNavigatorDemo(void *library, const std::string &screenshotDir)
{
    if (!openNavigator(library))
        return;
    const auto pump = DEMO_RESOLVE(library, CuiPump);

    // What a double-click on the first function would ask.
    QAbstractItemView *list = functionList();
    if (!list)
        return;
    if (list->model()->rowCount() > 0) {
        list->setCurrentIndex(list->model()->index(0, 0));
        QMetaObject::invokeMethod(list, "slotDisasm");
    }
    // The dock window around the pane, not the main window it is docked in.
    QWidget *dock = list;
    while (dock->parentWidget() && !dock->inherits("QDockWidget"))
        dock = dock->parentWidget();
    std::printf("host: the navigator lists %d functions in window \"%s\"\n",
                list->model()->rowCount(), qPrintable(dock->windowTitle()));
    // Wide enough to show every column, the Image column's full path included.
    auto *mainWindow = qobject_cast<QMainWindow *>(dock->parentWidget());
    auto *dockWidget = qobject_cast<QDockWidget *>(dock);
    for (int i = 0; i < 2 && list->horizontalScrollBar()->maximum() > 0; ++i) {
        const int width = qMin(dock->width() + list->horizontalScrollBar()->maximum() + 8, 1600);
        if (mainWindow && dockWidget)
            mainWindow->resizeDocks({dockWidget}, {width}, Qt::Horizontal);
        else
            dock->resize(width, dock->height());
        for (int n = 0; n < 5; ++n)
            pump();
    }
    saveScreenshot(dock, screenshotDir, "navigator.png");
}

} // namespace demo
