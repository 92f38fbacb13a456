#include "layoutdemo.h"

#include "demoexports.h"
#include "filtersdemo.h"
#include "navigatordemo.h"
#include "persistencehost.h"
#include "registers.h"
#include "sectionfile.h"
#include "toolbardemo.h"
#include "viewsdemo.h"

#include <tesk/tesk.h>
#include <tesk/tesk_facade.h>
#include <tesk/tesk_views.h>

#include <mosk/mosk.hpp>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QSocketNotifier>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace demo {

namespace {

// The main window's frame context (framedemo.cpp).
constexpr TeskHandle kMainWindow = 0x1001;
// What the library writes into a record buffer, the terminator included.
constexpr int kRecordSize = 256;
// The menu command a main window's close sends before it closes.
constexpr int kAskHostToClose = 66666;
// File > Close Window (also sent after the close button's question, unless the host vetoed)
// and File > Exit.
constexpr int kCloseWindow = 32911;
constexpr int kExit = 92912;
constexpr int kCoreA = 1;

struct Stored
{
    bool haveWindow = false;
    int x = 0, y = 0, width = 0, height = 0;
    struct Dock
    {
        std::string name, record, settings;
    };
    std::vector<Dock> docks;
    std::vector<std::pair<std::string, std::string>> toolbars;
    // The host's settings store (register panes' user views): key, name, value.
    struct Setting
    {
        std::string key, name, value;
    };
    std::vector<Setting> settings;
};

std::vector<std::string> fields(const std::string &line)
{
    std::vector<std::string> out;
    std::istringstream in(line);
    std::string field;
    while (std::getline(in, field, '\t'))
        out.push_back(field);
    if (!line.empty() && line.back() == '\t')
        out.emplace_back();
    return out;
}

// A field holding a tab or a line break would split its line when read back.
bool storable(const std::string &text)
{
    return text.find_first_of("\t\r\n") == std::string::npos;
}

bool number(const std::string &text, int &value)
{
    char *end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end || n < -100000 || n > 100000)
        return false;
    value = int(n);
    return true;
}

// The stored layout; nothing when the file is missing or no regular file (the message says so
// once: the toolbars read it again).
Stored read(const std::string &file)
{
    Stored stored;
    std::string contents;
    Why why;
    if (!readStoredFile(file, contents, &why)) {
        static std::string told;
        if (told != why)
            std::printf("host: the stored layout is left alone: %s\n", why.c_str());
        told = why;
        return stored;
    }
    std::istringstream in(contents);
    std::string line;
    while (std::getline(in, line)) {
        const std::vector<std::string> f = fields(line);
        if (f.size() == 5 && f[0] == "window") {
            stored.haveWindow = number(f[1], stored.x) && number(f[2], stored.y) &&
                                number(f[3], stored.width) && number(f[4], stored.height);
        } else if (f.size() == 4 && f[0] == "dock" && f[2].size() < size_t(kRecordSize)) {
            stored.docks.push_back({f[1], f[2], f[3]});
        } else if (f.size() == 3 && f[0] == "toolbar" && f[2].size() < size_t(kRecordSize)) {
            stored.toolbars.emplace_back(f[1], f[2]);
        } else if (f.size() == 4 && f[0] == "setting") {
            stored.settings.push_back({f[1], f[2], f[3]});
        }
    }
    return stored;
}

// The settings of the memory view in the dock window at index i of the sorted list, or the state
// of the navigator in it; empty for another dock window of the host's own. A memory view's dock
// window holds a pane, the pane the view.
std::string settingsOfDock(void *library, int index)
{
    const std::string navigator =
        navigatorState(library, DEMO_RESOLVE(library, QtGetPersistWindowBox)(kMainWindow, index));
    if (!navigator.empty())
        return navigator;
    const uint64_t pane = DEMO_RESOLVE(library, CuiGetDockForMultipleViewId)(kMainWindow, index);
    IGcp_ViewsManager *views = pane == GC_NO_ID ? nullptr : viewsManager();
    if (!views)
        return {};
    std::string settings;
    IGc_Pane *holder = nullptr;
    uint64_t view = GC_NO_ID;
    mosk::release(views->ops->getWindow(views, pane, &holder));
    if (holder) {
        mosk::release(holder->ops->firstView(holder, &view));
        holder->ops->Release(holder);
    }
    IGc_Window *window = nullptr;
    if (view != GC_NO_ID)
        mosk::release(views->ops->findWindow(views, view, &window));
    void *face = nullptr;
    if (window) {
        mosk::release(window->ops->QueryInterface(window, &face, GC_IID_VIEW, 0));
        window->ops->Release(window);
    }
    if (auto *memoryView = static_cast<IGc_View *>(face)) {
        MoskValue *text = moskValueCreate(nullptr);
        const char *value = nullptr;
        mosk::release(memoryView->ops->saveSettings(memoryView, text));
        mosk::release(text->ops->getText(text, &value));
        settings = value ? value : "";
        text->ops->Release(text);
        memoryView->ops->Release(memoryView);
    }
    views->ops->Release(views);
    return settings;
}

// A memory view made again from its settings, in the dock window its record places; the demo
// has no engine to say which target is current, so the view is told, as when it was first made.
bool restoreMemoryView(const std::string &settings)
{
    IGcp_ViewsManager *views = viewsManager();
    if (!views)
        return false;
    uint64_t viewId = 0;
    mosk::release(views->ops->createView(views, GC_NO_ID, GCP_VIEW_TYPE_MEMORY, settings.c_str(),
                                         kCoreA, &viewId));
    IGc_Window *window = nullptr;
    if (viewId)
        mosk::release(views->ops->findWindow(views, viewId, &window));
    void *face = nullptr;
    if (window) {
        mosk::release(window->ops->QueryInterface(window, &face, GC_IID_VIEW, 0));
        window->ops->Release(window);
    }
    if (auto *view = static_cast<IGc_View *>(face)) {
        mosk::release(view->ops->setTarget(view, kCoreA));
        view->ops->Release(view);
    }
    views->ops->Release(views);
    return viewId != 0;
}

// The dock windows the demo knows how to make again, by the name it made them with.
enum class Maker { None, RegisterPane, Memory, Symbols };

Maker makerOf(const std::string &name)
{
    if (name == "Register pane")
        return Maker::RegisterPane;
    if (name == GCP_VIEW_TYPE_MEMORY)
        return Maker::Memory;
    if (name == "Symbols")
        return Maker::Symbols;
    return Maker::None;
}

// The stored place, where a screen shows it: a place stored on a larger desktop, or one a
// window manager never gave, would bring the window back where nobody sees it.
void placeOnScreen(int &x, int &y, int &width, int &height)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    width = std::clamp(width, 200, room.width());
    height = std::clamp(height, 150, room.height());
    x = std::clamp(x, room.left(), room.right() + 1 - width);
    y = std::clamp(y, room.top(), room.bottom() + 1 - height);
}

void *g_library = nullptr;
std::string g_file;
void (*g_closed)() = nullptr;
void (*g_unattendedEnd)() = nullptr;
bool g_handedOver = false;
bool g_ending = false;

// Ctrl-C and SIGTERM reach the loop through a pipe: the handler only writes a byte, the loop
// ends the demo as File > Exit does. A second signal ends the process as the signal would have:
// the way out of an end that hangs. So does the first, when the loop has not ended the demo
// within the grace (a step that waits, where the loop never comes to read the pipe): the
// stores wait for another copy's lock five seconds each at most.
int g_signalPipe[2] = {-1, -1};
volatile sig_atomic_t g_signalled = 0;
constexpr unsigned kGraceSeconds = 30;

void onSignal(int number)
{
    if (g_signalled) {
        signal(number, SIG_DFL);
        raise(number);
        return;
    }
    g_signalled = number;
    const int saved = errno;
    const char byte = char(number);
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
    alarm(kGraceSeconds);
    errno = saved;
}

void onGraceOver(int)
{
    const int number = g_signalled ? int(g_signalled) : SIGTERM;
    signal(number, SIG_DFL);
    raise(number);
}

// The user ends the demo, by whichever road: what they set is stored while the window still
// stands, then the demo ends.
void endByUser()
{
    if (g_ending || !g_closed)
        return;
    g_ending = true;
    if (g_handedOver)
        storeEverything(g_library, g_file);
    g_closed();
}

// File > Exit and the signals end a scripted show too, which keeps nothing.
void endNow()
{
    if (g_closed)
        endByUser();
    else if (g_unattendedEnd)
        g_unattendedEnd();
    // Ended in time.
    alarm(0);
}

} // namespace

std::string layoutFile(const std::string &home)
{
    return home + "/demo-layout.txt";
}

bool storeLayout(void *library, const std::string &file)
{
    const auto title = DEMO_RESOLVE(library, QtReturnKSOTitle);
    const auto getRecord = DEMO_RESOLVE(library, CuiGetDockWindowPersistanceData);
    const auto toolbarTitle = DEMO_RESOLVE(library, QtReturnToolbarTitle);
    const auto toolbarData = DEMO_RESOLVE(library, QtToolbarData);
    std::ostringstream out;
    int x = 0, y = 0, width = 0, height = 0, minimised = 0;
    DEMO_RESOLVE(library, QtGetSizePos)(kMainWindow, &x, &y, &width, &height, &minimised);
    // A minimised window's size is no size to come back at.
    if (width > 0 && height > 0 && !minimised)
        out << "window\t" << x << '\t' << y << '\t' << width << '\t' << height << '\n';
    // Records are indexed in the sorted order.
    DEMO_RESOLVE(library, QtSortWindowList)(kMainWindow);
    const int docks = DEMO_RESOLVE(library, QtDockWindowCount)(kMainWindow);
    int stored = 0;
    for (int i = 0; i < docks; ++i) {
        char record[kRecordSize] = {};
        getRecord(kMainWindow, i, record);
        const char *name = title(kMainWindow, i);
        const std::string settings = settingsOfDock(library, i);
        if (!name || makerOf(name) == Maker::None || !storable(record) || !storable(settings))
            continue;
        out << "dock\t" << name << '\t' << record << '\t' << settings << '\n';
        ++stored;
    }
    // The register panes' user views, as the panes last wrote them to the host's store.
    for (const auto &[key, record] : registerSettingsStore().records)
        for (const auto &[name, value] : record)
            if (storable(key) && storable(name) && storable(value))
                out << "setting\t" << key << '\t' << name << '\t' << value << '\n';
    const int toolbars = DEMO_RESOLVE(library, QtToolbarCount)(kMainWindow);
    for (int i = 0; i < toolbars; ++i) {
        char record[kRecordSize] = {};
        toolbarData(kMainWindow, i, record);
        const char *name = toolbarTitle(kMainWindow, i);
        if (name && *name && storable(name) && storable(record))
            out << "toolbar\t" << name << '\t' << record << '\n';
    }
    // Written whole or not at all: a demo stopped while writing keeps the arrangement before,
    // and another copy of the demo ending at the same moment has its own file to rename.
    Why why;
    if (!replaceStoredFile(
            file, [&](const std::string &) { return out.str(); }, &why)) {
        std::printf("host: the layout could not be stored: %s\n", why.c_str());
        return false;
    }
    std::printf("host: stored the main window, %d dock windows and %d toolbars in %s\n", stored,
                toolbars, file.c_str());
    return true;
}

int restoreLayout(void *library, const std::string &file)
{
    Stored stored = read(file);
    if (!stored.haveWindow && stored.docks.empty())
        return -1;
    if (stored.haveWindow) {
        placeOnScreen(stored.x, stored.y, stored.width, stored.height);
        DEMO_RESOLVE(library, QtResizePosWindow)
        (kMainWindow, stored.x, stored.y, stored.width, stored.height);
    }
    // Before the register panes are made: each reads its user view when it gets its data.
    for (const Stored::Setting &setting : stored.settings)
        registerSettingsStore().records[setting.key][setting.name] = setting.value;
    const auto setRecord = DEMO_RESOLVE(library, CuiSetDockWindowPersistanceData);
    int made = 0;
    for (const Stored::Dock &dock : stored.docks) {
        const Maker maker = makerOf(dock.name);
        if (maker == Maker::None)
            continue;
        // The record waits for the next dock window this main window makes.
        setRecord(kMainWindow, dock.record.c_str());
        switch (maker) {
        case Maker::RegisterPane:
            // Not shown yet: the pane answers no widget until the window shows.
            openRegisterPane(library);
            ++made;
            break;
        case Maker::Memory:
            made += restoreMemoryView(dock.settings);
            break;
        case Maker::Symbols:
            made += dock.settings.empty() ? openNavigator(library)
                                          : openNavigator(library, dock.settings);
            break;
        case Maker::None:
            break;
        }
    }
    std::printf("host: restored the main window and %d dock windows as the user left them (%s)\n",
                made, file.c_str());
    return made;
}

bool storeEverything(void *library, const std::string &file)
{
    const bool layout = storeLayout(library, file);
    storeScriptList(library);
    storeFilters(library);
    return layout;
}

void restoreToolbars(void *library, const std::string &file)
{
    // A toolbar's name is the same in every language: a record stored in another one places
    // it too.
    const auto setToolbar = DEMO_RESOLVE(library, QtSetToolbarData);
    for (const auto &[title, record] : read(file).toolbars)
        setToolbar(("tb_x_" + title).c_str(), record.c_str());
}

void whenMainWindowCloses(void *library, const std::string &file, void (*closed)())
{
    g_library = library;
    g_file = file;
    g_closed = closed;
}

void handOverToUser()
{
    g_handedOver = true;
}

bool mainWindowCloses(int hostId)
{
    const bool closeButton = hostId == kAskHostToClose;
    if (!closeButton && hostId != kCloseWindow && hostId != kExit)
        return false;
    if (!g_closed) {
        if (closeButton || !g_unattendedEnd)
            return false;
        endNow();
        return true;
    }
    // The steps still work in the window and its views: it stays until they are done, and
    // what they had built so far is no arrangement of the user's.
    if (closeButton && !g_handedOver)
        DEMO_RESOLVE(g_library, QtSetDontClose)(0, 1);
    // Stored before the window goes: its dock windows and views end with it. The close
    // button's own Close Window after its question finds the end begun.
    endByUser();
    return true;
}

void endOnSignals(void (*ended)())
{
    g_unattendedEnd = ended;
    if (g_signalPipe[0] >= 0 || pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto *notifier =
        new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char byte = 0;
        while (::read(g_signalPipe[0], &byte, 1) > 0) {
        }
        std::printf("host: %s: the demo ends\n", byte == SIGINT ? "Ctrl-C" : "asked to end");
        endNow();
    });
    struct sigaction action = {};
    action.sa_handler = &onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    action.sa_handler = &onGraceOver;
    sigaction(SIGALRM, &action, nullptr);
}

} // namespace demo
