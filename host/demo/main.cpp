// tesk-demo: drives libtesk.so the way the debugger engine does. It loads the library at run
// time, registers it with the component broker, starts it from a command line, publishes its
// own entry points, and keeps an idle function ticking until it is told to stop.
//
//   tesk-demo [--quit-after MS] [--library PATH] [--screenshots DIR] [--symbols ELF]...
//             [--missing-help-topic] [--verbose] [--help]
//             [-- words for the library's command line]
//
// It shows the splash, then a main window with its menus, toolbars and status bar;
// --missing-help-topic then asks for a help topic that does not exist, which the library answers
// with a warning box. --quit-after ends the demo whatever is open, boxes included; its time
// runs from the library's start, and before the loop a box nobody answers is closed. Without a
// display it runs on the offscreen platform and stops after 3 seconds unless told otherwise;
// --screenshots writes pictures of the main window, the main window with a menu open and the splash
// into DIR (named "-wood" or "-metal" when the library shows that look: "-- -style wood").
// On a display, without --quit-after and --screenshots, the dialogs of the steps wait in the
// menus instead (handsondemo.h), and File > Exit, closing the main window or Ctrl-C ends the
// demo, what the user set kept for the next start (layoutdemo.h).

#include "breakpointdemo.h"
#include "breakpointdlgdemo.h"
#include "demoexports.h"
#include "filtersdemo.h"
#include "memorydemo.h"
#include "navigatordemo.h"
#include "offscreenscreen.h"
#include "registers.h"
#include "services.h"
#include "symbolsdemo.h"
#include "syncdemo.h"

#include <tesk/tesk.h>

#include <mosk/mosk.h>

#include "../testhost/sanitizerdefaults.h"
#include "dialogdemo.h"
#include "dockdemo.h"
#include "entrydemo.h"
#include "framedemo.h"
#include "handsondemo.h"
#include "hostiledemo.h"
#include "layoutdemo.h"
#include "loaddemo.h"
#include "memorydialogsdemo.h"
#include "menudemo.h"
#include "panedemo.h"
#include "searchpathdemo.h"
#include "toolbardemo.h"
#include "viewmemorydemo.h"
#include "viewsdemo.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The library's exports that the demo calls, resolved with dlsym.
struct Tesk
{
    void *library;
    decltype(&moskInitialisePlugin) initialisePlugin;
    decltype(&CuiQtInit_WinEx) qtInit;
    decltype(&CuiPump) pump;
    decltype(&CuiRun) run;
    decltype(&QtShutdown) shutdown;
    decltype(&CuiCreateIdleObject) createIdleObject;
    decltype(&CuiRegisterIdleFunc) registerIdleFunc;
    decltype(&CuiDeleteIdleObject) deleteIdleObject;
    decltype(&CuiFunctionRegistryAddFunction) addFunction;
    decltype(&CuiLog) log;
    decltype(&CuiDebugInfoIsSet) debugInfoIsSet;
};

Tesk load(const char *path)
{
    void *library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        throw std::runtime_error(std::string("cannot load ") + path + ": " + dlerror());
    Tesk t{};
    t.library = library;
    t.initialisePlugin = DEMO_RESOLVE(library, moskInitialisePlugin);
    t.qtInit = DEMO_RESOLVE(library, CuiQtInit_WinEx);
    t.pump = DEMO_RESOLVE(library, CuiPump);
    t.run = DEMO_RESOLVE(library, CuiRun);
    t.shutdown = DEMO_RESOLVE(library, QtShutdown);
    t.createIdleObject = DEMO_RESOLVE(library, CuiCreateIdleObject);
    t.registerIdleFunc = DEMO_RESOLVE(library, CuiRegisterIdleFunc);
    t.deleteIdleObject = DEMO_RESOLVE(library, CuiDeleteIdleObject);
    t.addFunction = DEMO_RESOLVE(library, CuiFunctionRegistryAddFunction);
    t.log = DEMO_RESOLVE(library, CuiLog);
    t.debugInfoIsSet = DEMO_RESOLVE(library, CuiDebugInfoIsSet);
    return t;
}

struct Options
{
    const char *library = TESK_LIBRARY_PATH;
    long quitAfterMs = -1;
    std::string commandLine;
    std::string screenshotDir;
    std::vector<std::string> symbolFiles;
    bool missingHelpTopic = false;
    bool verbose = false;
    bool help = false;
};

const char kUsage[] =
    "usage: tesk-demo [options] [-- words for the library's command line]\n"
    "\n"
    "Loads libtesk.so, starts it and shows what a host can do with it.\n"
    "\n"
    "  --quit-after MS        end after MS milliseconds, whatever is open (offscreen: 3000;\n"
    "                         on a display the demo runs until you end it)\n"
    "  --library PATH         the library to load (default: the one built beside the demo)\n"
    "  --screenshots DIR      write pictures of the windows and dialogs into DIR\n"
    "  --symbols ELF          also publish the symbols of ELF (may be given more than once)\n"
    "  --missing-help-topic   ask for a help topic that does not exist (a warning box)\n"
    "  --verbose              print the whole symbol dump, not only its counts and first lines\n"
    "  --help                 print this text and exit\n"
    "\n"
    "Words after -- go to the library as its command line, e.g. \"-- -style wood\".\n"
    "\n"
    "On a display, without --quit-after and --screenshots, the main window's menus open each\n"
    "window and dialog for you, and Debug > Step Into steps the simulated target; the demo\n"
    "prints the entries when it starts. File > Exit, File > Close Window, the window's close\n"
    "button, Ctrl-C and SIGTERM end the demo. It then stores what you set in its home area\n"
    "($KSODEBUG_HOME, else ~/.tesk-demo): in demo-layout.txt the window's place and size, its\n"
    "dock windows and their sizes, each memory view's address and format, each navigator's\n"
    "page and filter, the register panes' User view and the toolbars; the script list in\n"
    "scripts.ini and the event filters in filters.ini. The next start by hand comes back as you\n"
    "left it (delete demo-layout.txt for the fixed layout). The source search paths you accept\n"
    "with OK are kept in searchpaths.txt at once, the event filters in filters.ini.\n";

Options parse(int argc, char **argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--quit-after") && i + 1 < argc) {
            o.quitAfterMs = std::atol(argv[++i]);
        } else if (!std::strcmp(argv[i], "--screenshots") && i + 1 < argc) {
            o.screenshotDir = argv[++i];
        } else if (!std::strcmp(argv[i], "--symbols") && i + 1 < argc) {
            o.symbolFiles.push_back(argv[++i]);
        } else if (!std::strcmp(argv[i], "--missing-help-topic")) {
            o.missingHelpTopic = true;
        } else if (!std::strcmp(argv[i], "--verbose")) {
            o.verbose = true;
        } else if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            o.help = true;
        } else if (!std::strcmp(argv[i], "--library") && i + 1 < argc) {
            o.library = argv[++i];
        } else if (!std::strcmp(argv[i], "--")) {
            for (++i; i < argc; ++i)
                o.commandLine += std::string(o.commandLine.empty() ? "" : " ") + argv[i];
        } else {
            throw std::runtime_error(std::string("unknown argument ") + argv[i] +
                                     " (--help lists the options)");
        }
    }
    return o;
}

bool haveDisplay()
{
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

std::string g_temporaryHome;

std::string demoHome()
{
    if (const char *home = std::getenv("KSODEBUG_HOME"))
        return home;
    // Offscreen runs are unattended: a home of their own keeps the another-copy question
    // (which nobody could answer) from coming up.
    if (!haveDisplay()) {
        char pattern[] = "/tmp/tesk-demo-home-XXXXXX";
        if (const char *dir = mkdtemp(pattern))
            return g_temporaryHome = dir;
    }
    const char *user = std::getenv("HOME");
    std::string home = std::string(user ? user : "/tmp") + "/.tesk-demo";
    mkdir(home.c_str(), 0700);
    return home;
}

// Host entry points published in the library's function registry.
// Where the words of a call carry text depends on its code.
int hostGui(int code, intptr_t, intptr_t argument, const char *text, intptr_t extra)
{
    const auto textAt = [](intptr_t word) {
        return word ? reinterpret_cast<const char *>(word) : "";
    };
    switch (code) {
    case 0:
        std::printf("host: gui command \"%s\" (argument %ld)\n", text ? text : "",
                    static_cast<long>(argument));
        break;
    case 2:
        std::printf("host: gui history of field %ld in \"%s\" gains \"%s\"\n",
                    static_cast<long>(argument), text ? text : "", textAt(extra));
        break;
    case 3:
        std::printf("host: gui history of field %ld in \"%s\" asked for (none kept)\n",
                    static_cast<long>(argument), text ? text : "");
        break;
    case 4:
        std::printf("host: gui window list asked for (room for %ld bytes)\n",
                    static_cast<long>(extra));
        break;
    case 5:
        std::printf("host: gui command \"%s\" (context %#lx)\n", textAt(argument),
                    static_cast<long>(extra));
        break;
    default:
        std::printf("host: gui code %d (argument %ld, extra %#lx)\n", code,
                    static_cast<long>(argument), static_cast<long>(extra));
        break;
    }
    return 0;
}

int hostEeaccess(int code, intptr_t, intptr_t commandId, const char *text, intptr_t)
{
    std::printf("host: eeaccess code %d, command %ld \"%s\"\n", code, static_cast<long>(commandId),
                text ? text : "");
    return 0;
}

bool g_interrupted = false;
int g_ticks = 0;

// When the loop is to end: after the time given, or at Ctrl-C.
struct StopRule
{
    Clock::time_point start;
    long quitAfterMs = 0;
    decltype(&QtShutdown) shutdown = nullptr;
    bool asked = false;
    // Asked for on an early tick, once the main window is up.
    void *helpTopicLibrary = nullptr;
    // Whether the library's loop runs: before it, a due stop answers the box that is up.
    bool looping = false;
};
StopRule g_stop;

// Ctrl-C, SIGTERM, or the user ended the demo from the main window after it stored what they
// set: the idle function or the stop timer ends the loop.
void onEnded()
{
    g_interrupted = true;
}

// Before the loop the steps answer their own boxes; one that stays up longer than any step
// takes to answer waits for nobody: it is closed as Escape would, and the steps run on to the
// loop, which then ends.
void closeStuckBox()
{
    static QPointer<QWidget> seen;
    static Clock::time_point since;
    QWidget *box = QApplication::activeModalWidget();
    if (box != seen) {
        seen = box;
        since = Clock::now();
        return;
    }
    if (box && Clock::now() - since > std::chrono::seconds(5)) {
        std::printf("host: nobody answered a box of the steps; it is closed\n");
        box->close();
    }
}

void stopWhenDue()
{
    if (g_stop.asked)
        return;
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - g_stop.start).count();
    if (!g_interrupted && (g_stop.quitAfterMs <= 0 || elapsed < g_stop.quitAfterMs))
        return;
    if (!g_stop.looping) {
        closeStuckBox();
        return;
    }
    g_stop.asked = true;
    demo::finishFrameDemo();
    // A frame exists, so the library's loop ends and CuiRun returns.
    std::printf("host: QtShutdown now answers %d\n", g_stop.shutdown());
}

void idle()
{
    ++g_ticks;
    demo::frameTick(g_ticks);
    demo::syncTick(g_ticks);
    advanceSimulatedTarget();
    if (g_ticks % 10 == 0)
        std::printf("host: idle tick %d\n", g_ticks);
    // From the loop, not from this tick: the box's own loop keeps the ticks coming.
    if (g_ticks == 5 && g_stop.helpTopicLibrary)
        QTimer::singleShot(0, [] { demoMissingHelpTopic(g_stop.helpTopicLibrary); });
    stopWhenDue();
}

void registerWithBroker(const Tesk &tesk)
{
    MoskBroker *broker = moskGetObjectBroker();
    if (MoskResult result = tesk.initialisePlugin(reinterpret_cast<MoskRegistrar *>(broker))) {
        std::printf("host: plug-in registration failed with code %#x\n", moskErrorCode(result));
        result->ops->Release(result);
        throw std::runtime_error("registration failed");
    }
    const char *components[][2] = {{"tesk", "tesk_Facade.component.1"},
                                   {"gui_bridge", "Gcds_Dialog.component.1"},
                                   {"gui_bridge", "Gcds_SingletonDataAdaptor.component.1"}};
    for (const auto &c : components) {
        std::printf("host: broker component %s/%s %s\n", c[0], c[1],
                    broker->ops->hasComponent(broker, c[0], c[1]) ? "registered" : "missing");
    }
}

// Without a display the toolkit draws on a screen of its own, 800 by 800 unless told: the demo
// tells it a usual desktop's size, so that its main window is as large as a user's.
void useOffscreenScreen(const std::string &home)
{
    if (std::getenv("QT_QPA_PLATFORM"))
        return;
    hostcommon::useOffscreenScreen(home + "/offscreen-screen.json", demo::kMainWindowWidth,
                                   demo::kMainWindowHeight);
}

int runDemo(const Options &options)
{
    setenv("KSODEBUG_INSTALL", TESK_STAGE_DIR, 0);
    const std::string home = demoHome();
    setenv("KSODEBUG_HOME", home.c_str(), 1);
    if (!haveDisplay())
        useOffscreenScreen(home);
    const long quitAfterMs =
        options.quitAfterMs >= 0 ? options.quitAfterMs : (haveDisplay() ? 0 : 3000);

    std::printf("host: loading %s\n", options.library);
    const Tesk tesk = load(options.library);
    // The host's event subjects first: the plug-in entry subscribes to both.
    demo::installSimulatedCores();
    registerViewsEventSubject();
    // On a display, unless asked to end or to take pictures, the user opens the windows and
    // dialogs from the menus: the scripted show is for unattended runs.
    const bool byHand = haveDisplay() && quitAfterMs <= 0 && options.screenshotDir.empty();
    if (!byHand)
        demo::showSyncWindow(options.screenshotDir);
    registerWithBroker(tesk);
    installSimulatedTarget();

    std::string commandLine = options.commandLine;
    if (!tesk.qtInit("tesk-demo", commandLine.data())) {
        std::printf("host: start-up declined, another copy uses %s\n", home.c_str());
        return 0;
    }
    std::printf("host: library started, home area %s\n", home.c_str());
    // The time runs from here and the stop rule has a timer of its own besides the idle
    // function: whatever box or menu is open, in the steps before the loop too, the demo ends.
    g_stop = {Clock::now(),
              quitAfterMs,
              tesk.shutdown,
              false,
              options.missingHelpTopic ? tesk.library : nullptr,
              false};
    demo::endOnSignals(&onEnded);
    auto *stopTimer = new QTimer(QCoreApplication::instance());
    QObject::connect(stopTimer, &QTimer::timeout, &stopWhenDue);
    stopTimer->start(100);

    tesk.addFunction("gui", reinterpret_cast<CuiRegistryFn>(&hostGui));
    tesk.addFunction("eeaccess", reinterpret_cast<CuiRegistryFn>(&hostEeaccess));
    tesk.log("the demo host published \"gui\" and \"eeaccess\"");
    std::printf("host: debug flag S0 is %s\n", tesk.debugInfoIsSet("S0") ? "set" : "not set");
    runRegisterDemo(tesk.library);
    runBreakpointDemo(tesk.library);
    demo::runSymbolsDemo(tesk.library, options.library, options.symbolFiles, options.verbose);

    demoServices(tesk.library, home.c_str());

    tesk.createIdleObject();
    tesk.registerIdleFunc(&idle);
    // Until a frame exists the library keeps its loop running: the demo says so.
    std::printf("host: QtShutdown before any frame answers %d\n", tesk.shutdown());

    demo::loadFrameExports(tesk.library);
    // By hand the main window comes back as the user left it at the last close; the scripted
    // show always starts from the fixed layout.
    const std::string layout = byHand ? demo::layoutFile(home) : std::string();
    int restored = -1;
    demo::FrameDemoOptions frameOptions{options.screenshotDir, std::getenv("KSODEBUG_INSTALL"), {}};
    if (byHand)
        frameOptions.beforeShow = [&] { restored = demo::restoreLayout(tesk.library, layout); };
    demo::showSplash(frameOptions);
    demo::publishWindowBoxTables(tesk.library);
    demo::createMainWindow(frameOptions);
    demo::runMenuDemo(tesk.library, options.screenshotDir);
    // From here a user may close the window, while the steps still build it too: the demo then
    // ends once they are done.
    if (byHand)
        demo::whenMainWindowCloses(tesk.library, layout, &onEnded);
    demo::keepSearchPathsIn(home + "/searchpaths.txt");
    demo::addHandsOnMenus(tesk.library);
    demo::runToolbarDemo(tesk.library, home.c_str(), options.screenshotDir);
    if (restored >= 0)
        demo::restoreToolbars(tesk.library, layout);
    if (!byHand) {
        // The user answers the demo's boxes only when nobody asked it to end by itself.
        const bool interactive = haveDisplay() && quitAfterMs <= 0;
        demo::runDialogDemo(tesk.library, options.screenshotDir, interactive);
        demo::runLoadDemo(tesk.library, options.library, options.screenshotDir, interactive);
        demo::runEntryDemo(tesk.library, options.screenshotDir, interactive);
        demo::runSearchPathDemo(tesk.library, options.screenshotDir, interactive);
        demo::runMemoryDialogsDemo(tesk.library, options.screenshotDir, interactive);
    }
    demo::runFiltersDemo(tesk.library, home, options.screenshotDir);
    if (!byHand)
        demo::runBreakpointDialogDemo(tesk.library, options.screenshotDir);
    demo::runHostileDemo(tesk.library);
    // The scripted show's second main window would stand beside the user's, over it at a
    // restored start, and closing it would end the demo: by hand the user's own restarts show
    // the records' round trip.
    if (!byHand)
        demo::runDockDemo(tesk.library, options.screenshotDir);
    if (restored < 0) {
        runRegisterPaneDemo(tesk.library, options.screenshotDir);
        demo::runViewsDemo(tesk.library);
        demo::runViewMemoryDemo(tesk.library, options.screenshotDir);
        demo::runNavigatorDemo(tesk.library, options.screenshotDir);
    }

    // Once the loop runs, the library's shutdown ends it and then CuiRun's (the application
    // owns it).
    g_stop.looping = true;
    if (byHand) {
        demo::handOverToUser();
        std::printf("host: the demo is yours: File > Exit, closing the main window or Ctrl-C "
                    "ends it and keeps what you set for the next start\n");
    }
    // The library runs the loop; the idle function asks it to stop. CuiRun then deletes the
    // windows, the idle object and the application.
    tesk.run();
    std::printf("host: CuiRun returned, idle object left: %s\n",
                tesk.deleteIdleObject() ? "yes" : "no");
    demo::finishDialogDemo();
    reportSimulatedTarget();
    demo::reportSimulatedCores();
    std::printf("host: stopped after %d idle ticks\n", g_ticks);
    if (!g_temporaryHome.empty())
        std::filesystem::remove_all(g_temporaryHome);
    return g_ticks > 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    try {
        const Options options = parse(argc, argv);
        if (options.help) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        return runDemo(options);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "tesk-demo: %s\n", e.what());
        return 2;
    }
}
