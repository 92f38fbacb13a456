// The engine's use of the find and script toolbars and of its test command.
#include "toolbardemo.h"
#include "demoexports.h"
#include "framedemo.h"
#include "sectionfile.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <tesk/tesk.h>

#include <cstdarg>
#include <cstdio>
#include <string>

namespace demo {

namespace {

constexpr TeskHandle kFrameContext = 0x1001;
std::string g_scriptFile;

void onFindAction(TeskHandle, const void *, int value, int code)
{
    std::printf("host: find toolbar action %d, value %d\n", code, value);
}

void onScript(TeskHandle, const char *command)
{
    std::printf("host: script toolbar asks to run: %s\n", command);
}

constexpr TeskHandle kTopData = 0x3001;
constexpr TeskHandle kTopContext = 0x3002;

void onTopSize(TeskHandle, int *rect, int code)
{
    if (code == 0)
        std::printf("host: the connection window closed\n");
    else if (code == 1)
        std::printf("host: the connection window is %d by %d\n", rect[2], rect[3]);
}

void onTopMenuShow(TeskHandle, TeskHandle, void *) {}

void onTopMenu(TeskHandle, int id, void *)
{
    std::printf("host: the connection window's menu item %d\n", id);
}

// The host runs the connection control as a window of its own, with its own menus.
void runTopLevelWindow(void *library, const std::string &screenshotDir)
{
    const auto setDocking = DEMO_RESOLVE(library, QtSetIsDockingWindow);
    const auto createTop = DEMO_RESOLVE(library, QtTopLevelCreate);
    const auto setTitle = DEMO_RESOLVE(library, QtSetTopTitle);
    const auto raise = DEMO_RESOLVE(library, QtRaiseWindowByName);
    const auto show = DEMO_RESOLVE(library, QtRaiseWindowByBox);
    const auto registerMenus = DEMO_RESOLVE(library, QtRegisterMenuCB);
    const auto mainEntry = DEMO_RESOLVE(library, QtAddMainMenuEntry);
    const auto popup = DEMO_RESOLVE(library, QtAddPopupMenu);
    const auto separator = DEMO_RESOLVE(library, QtAddSeparator);
    const auto append = DEMO_RESOLVE(library, QtAppendMenu);
    const auto createFind = DEMO_RESOLVE(library, QtCreateEditorToolBar);
    const auto setFileName = DEMO_RESOLVE(library, CuiFindToolbarSetFilename);
    const auto setIcon = DEMO_RESOLVE(library, QtSetEditorBarIcon);
    const auto pump = DEMO_RESOLVE(library, CuiPump);

    setDocking(0);
    if (!createTop(kTopData, &onTopSize, kTopContext)) {
        setDocking(1);
        return;
    }
    // The library notes every top-level title it is given with a trace line of its own.
    std::printf("host: QtSetTopTitle writes the library's own trace line "
                "'ASSERT: \"0\" in mainframe (<line>)' to the debug output and then sets the "
                "title: no fault\n");
    setTitle(kTopData, "Synchronization Control");
    // The main window registered first; this registration is the window's.
    registerMenus(&onTopMenuShow, &onTopMenu, nullptr, kTopContext);
    const int registered = registerMenus(&onTopMenuShow, &onTopMenu, nullptr, kTopContext);
    const int entry = mainEntry();
    const TeskHandle connection = popup("&Connection", 0, nullptr);
    const int separated = separator();
    const TeskHandle recent = popup("&Recent Targets", 0, nullptr);
    mainEntry();
    popup("&Help", 0, nullptr);
    // The window knows these three ids: they become its actions, with icons and F1.
    append(49853, "Connect/Synch Help", nullptr, 0);
    append(49863, "Send a Problem Report...", nullptr, 0);
    append(49864, "About", nullptr, 0);
    const TeskHandle find = createFind(kTopData, &onFindAction);
    // The window's own find toolbar, reached through the window's handle.
    setFileName(kTopData, "targets/connections.cfg");
    setIcon(kTopData, 3, "readonly");
    std::printf("host: connection window menus: registered %d, main entry %d, popups %s, "
                "separator %d, find toolbar %s\n",
                registered, entry, connection && recent ? "made" : "MISSING", separated,
                find ? "made" : "MISSING");
    setDocking(1);
    // The host shows the window it draws into through its handle; raising by name finds it
    // again.
    show(kTopData);
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (!widget->inherits("TopLevelWindow"))
            continue;
        // Help is the last menu on the window's bar.
        int helpItems = 0;
        if (auto *bar = widget->findChild<QMenuBar *>(); bar && !bar->actions().isEmpty())
            if (QMenu *help = bar->actions().constLast()->menu())
                helpItems = int(help->actions().size());
        std::printf("host: the connection window's Help menu has %d items\n", helpItems);
        std::printf("host: connection window raised by name: %d\n",
                    raise("Synchronization Control"));
        for (int i = 0; i < 5; ++i)
            pump();
        saveScreenshot(widget, screenshotDir, "toplevel.png");
        widget->close();
    }
}

int countingPrint(void *context, int, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    *static_cast<int *>(context) += length;
    return length;
}

} // namespace

void runToolbarDemo(void *library, const char *homeDir, const std::string &screenshotDir)
{
    const auto createFind = DEMO_RESOLVE(library, QtCreateEditorToolBar);
    const auto setFileName = DEMO_RESOLVE(library, CuiFindToolbarSetFilename);
    const auto setIcon = DEMO_RESOLVE(library, QtSetEditorBarIcon);
    const auto createScripts = DEMO_RESOLVE(library, CuiScriptToolBarCreate);
    const auto loadScripts = DEMO_RESOLVE(library, CuiScriptFiles_Load);
    const auto testFunction = DEMO_RESOLVE(library, CuiTestFunction);

    if (!createFind(kFrameContext, &onFindAction)) {
        std::printf("host: no main window for the editor toolbars\n");
        return;
    }
    setFileName(kFrameContext, "src/main.c");
    setIcon(kFrameContext, 3, "readwrite");
    // The list of the last run first: a toolbar shows the list as it is when made.
    // It is stored when the demo ends, once the user had the chance to change it.
    g_scriptFile = std::string(homeDir ? homeDir : ".") + "/scripts.ini";
    Why why;
    const int loaded =
        regularOrAbsent(g_scriptFile, &why) ? loadScripts(g_scriptFile.c_str(), "scripts") : 0;
    if (!why.empty())
        std::printf("host: the script list of the last run is left alone: %s\n", why.c_str());
    createScripts(kFrameContext, &onScript);
    std::printf("host: find and script toolbars up; script list loaded: %d\n", loaded);
    int printed = 0;
    testFunction(kFrameContext, &countingPrint, &printed, "menu", nullptr, nullptr, nullptr,
                 nullptr, nullptr, nullptr);
    std::printf("host: test command printed %d characters of menu state\n", printed);
    // The main window as the user sees it, with both toolbars.
    if (QWidget *main = topLevelWidget(nullptr, "KSO MainWindow")) {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        saveScreenshot(main, screenshotDir, "mainwindow.png");
    }
    runTopLevelWindow(library, screenshotDir);
}

bool storeScriptList(void *library)
{
    if (g_scriptFile.empty())
        return false;
    Why why;
    if (!storeSection(g_scriptFile, "scripts", DEMO_RESOLVE(library, CuiScriptFiles_Store), &why)) {
        std::printf("host: the script list could not be stored: %s\n", why.c_str());
        return false;
    }
    std::printf("host: script list stored in %s\n", g_scriptFile.c_str());
    return true;
}

} // namespace demo
