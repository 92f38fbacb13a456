// A host that plays the library's life in an order drawn from a seed, as a host author might
// take it from the guide: its components registered (and kept), the plug-in entry, starts in
// English or German in each look, on its own application or the library's, frames, windows of
// every family, events of any kind at any moment, CuiRun or a shutdown without a loop, the
// broker cleared, the application made or deleted before or after, unloads with a second
// handle kept or not, loads again. Every step is checked against what the library promises:
//   - while a load has had its plug-in entry, the library's 35 observers are attached, each
//     once (30 on the views' subject, 5 on the global one); none after a real unload;
//   - after each start, the first frame and every family of window (a register pane, memory
//     views through each of the views manager's calls, the navigator, a pane the host draws,
//     a box answered) can be made, shows, and speaks the language asked;
//   - no export or broker call answers success for work it did not do;
//   - the views manager the host kept from a plug-in entry answers between starts and while
//     the broker is cleared: its calls that would make a window fail and make nothing; a pane
//     and a view kept from an ended start answer an error;
//   - an unload leaves no socket of the library open (a start's single-instance name kept for
//     the next start included);
//   - the process ends by any road C allows: exit() with the frame up, or main returning with
//     the library still loaded, with the host's end (the kept interfaces called, the broker
//     cleared, the library unloaded) run by an exit handler registered before the load, after
//     it or after the start, or by a static destructor; it ends with status 0.
// Sanitizer reports and leaks at the end are the driver's to see.
//
//   lifecycle_host play SEED      plays the lifecycle of SEED; 0 when every promise held
//   lifecycle_host road NAME      plays a fixed road: "brokercleared" (the views after the
//                                 broker was cleared, an event heard and the plug-in entered
//                                 again), "restartgerman" (a second start in one load),
//                                 "shutdownrestart" (a start shut down without its loop and
//                                 started again in the other language), "hostsapplication"
//                                 (two starts on the host's own application, the kept views
//                                 called after each), "exitafterrun" and "exitwithframe" (the
//                                 host's exit handler, registered after the plug-in entry, ends the
//                                 library after CuiRun returned, or once exit() is called with
//                                 the frame up), "helperfirst" (a host thread makes the
//                                 load's first call before the host's application exists,
//                                 and ends), "hostthread" (a host thread notifies while the
//                                 views paint, and calls the views manager),
//                                 "exitfromthread" (a host thread calls exit() with the frame
//                                 up, the handler registered after the start),
//                                 "exitafterapplication" (the host's application deleted with
//                                 the windows up, then exit()), "nowatch" (exit() with the
//                                 frame up when the library's thread-end watch could not be
//                                 mapped), "exitbeforestart" (exit() before any start, the
//                                 handler registered after the plug-in entry); each in a home
//                                 of its own, whose
//                                 single-instance name each start claims
//   lifecycle_host drive FIRST COUNT
//                                 plays COUNT seeds from FIRST, each in a child process, and
//                                 fails with the seed and its steps on the first that fails.
//                                 TESK_LIFECYCLE_SEED replays one seed, TESK_LIFECYCLE_COUNT
//                                 plays that many instead of COUNT.
#include "eventsubjecthost.h"
#include "registerrecords.h"
#include "simulatedcores.h"
#include "simulatedtarget.h"

#include <tesk/tesk_functions.h>
#include <tesk/tesk_sync.h>
#include <tesk/tesk_views.h>

#include <mosk/mosk.hpp>

#include <QApplication>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <dlfcn.h>
#include <initializer_list>
#include <random>
#include <semaphore.h>
#include <string>
#include <sys/mman.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

// The host refuses the library the small mapping of its thread-end watch while told to (road
// "nowatch"): the one anonymous mapping of exactly two semaphores.
std::atomic<bool> g_refuseWatchMapping{false};

extern "C" void *mmap(void *address, size_t length, int protection, int flags, int file,
                      off_t offset)
{
    using Mmap = void *(*)(void *, size_t, int, int, int, off_t);
    static Mmap real = nullptr;
    if (!real) {
        void *symbol = dlsym(RTLD_NEXT, "mmap");
        std::memcpy(&real, &symbol, sizeof real);
    }
    if (g_refuseWatchMapping && length == 2 * sizeof(sem_t) && (flags & MAP_ANONYMOUS)) {
        errno = ENOMEM;
        return MAP_FAILED;
    }
    return real(address, length, protection, flags, file, offset);
}

namespace {

// ---- the library, as a host that loads it itself sees it -----------------------------------

class Library
{
public:
    bool loaded() const { return !m_handles.empty(); }
    int handles() const { return int(m_handles.size()); }
    bool load()
    {
        void *handle = dlopen(TESK_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            std::printf("not loaded: %s\n", dlerror());
        else
            m_handles.push_back(handle);
        return handle;
    }
    bool unload()
    {
        void *handle = m_handles.back();
        m_handles.pop_back();
        return dlclose(handle) == 0;
    }
    template<typename Function>
    Function find(const char *name) const
    {
        void *symbol = m_handles.empty() ? nullptr : dlsym(m_handles.front(), name);
        Function function = nullptr;
        std::memcpy(&function, &symbol, sizeof function);
        if (!function)
            std::printf("no %s\n", name);
        return function;
    }

private:
    std::vector<void *> m_handles;
};

Library g_library;

// The export of that name, resolved through the open handle.
#define TESK(name) g_library.find<PFN_##name>(#name)

// ---- the host's side -----------------------------------------------------------------------

testhost::EventSubjectHost &viewsSubject()
{
    return testhost::EventSubjectHost::instance();
}

SimulatedCores &cores()
{
    return SimulatedCores::installed();
}

void registerHostsComponents()
{
    SimulatedCores::registerWithBroker();
    viewsSubject().registerWithBroker();
    SimulatedTarget::registerWithBroker();
}

int registerHandler(uint32_t, uintptr_t, const char *, uintptr_t, uint32_t)
{
    return 0;
}

void paneArea(TeskHandle, int *, int) {}

constexpr int kGlobalKinds[] = {13, 17, 26, 27, 28};

// The sockets the process holds open.
int openSockets()
{
    int count = 0;
    DIR *folder = opendir("/proc/self/fd");
    if (!folder)
        return 0;
    while (const dirent *entry = readdir(folder)) {
        char target[64] = {};
        const std::string path = std::string("/proc/self/fd/") + entry->d_name;
        if (readlink(path.c_str(), target, sizeof target - 1) > 0 &&
            std::strncmp(target, "socket:", 7) == 0)
            ++count;
    }
    closedir(folder);
    return count;
}

// One reference for the caller, or null.
template<typename Interface>
Interface *component(const char *category, const char *name)
{
    MoskBroker *broker = moskGetObjectBroker();
    void *object = nullptr;
    mosk::release(broker->ops->getComponent(broker, category, name, &object));
    return static_cast<Interface *>(object);
}

IGcp_ViewsManager *viewsManager()
{
    return component<IGcp_ViewsManager>(GCP_CATEGORY, GCP_VIEWS_MANAGER_COMPONENT);
}

QMainWindow *mainWindow()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (std::strcmp(window->metaObject()->className(), "MainWindow") == 0 &&
            window->isVisible())
            return static_cast<QMainWindow *>(window);
    }
    return nullptr;
}

int visibleDocks(QMainWindow *window)
{
    int count = 0;
    const QList<QDockWidget *> docks = window->findChildren<QDockWidget *>();
    for (const QDockWidget *dock : docks)
        count += dock->isVisible();
    return count;
}

QString plain(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// ---- the steps -----------------------------------------------------------------------------

enum class Step {
    Register,
    Load,
    PlugIn,
    HostsApplication,
    Start,
    Frame,
    Windows,
    Notify,
    Run,
    ShutdownThenRun,
    Clear,
    Unload,
    DeleteApplication,
    KeptViews,
    ShutdownThenStart,
    Exit,
    HostThread,
    ExitFromThread,
};

const char *const kStepNames[] = {
    "register",
    "load",
    "plug-in",
    "host's application",
    "start",
    "frame",
    "windows",
    "notify",
    "run",
    "shutdown then run",
    "clear",
    "unload",
    "delete the application",
    "kept views manager",
    "shutdown then start",
    "exit with the frame up",
    "a host thread",
    "exit from a host thread",
};

// Where the host's end of the process (kept interfaces called, broker cleared, library
// unloaded) is set up: nowhere (the library stays loaded to the end), a static object's
// destructor, or an exit handler registered before the first load, after it, after the first
// plug-in entry (the library's first call) or after the first start.
enum class EndRoad { None, StaticDestructor, BeforeLoad, AfterLoad, AfterPlugIn, AfterStart };
const char *const kEndRoadNames[] = {"no host's end",
                                     "a static destructor",
                                     "an exit handler registered before the load",
                                     "an exit handler registered after the load",
                                     "an exit handler registered after the plug-in entry",
                                     "an exit handler registered after the start"};

class Lifecycle;
Lifecycle *g_ending = nullptr;
// exit() was called on a thread of the host's, not the library's: what the host kept is
// refused there, with an error of its own.
std::atomic<bool> g_exitingThread{false};
void endProcess();

struct EndsAtStaticDestruction
{
    ~EndsAtStaticDestruction() { endProcess(); }
};

const char *const kLooks[] = {"plain", "wood", "metal", "windows"};

class Lifecycle
{
public:
    explicit Lifecycle(uint64_t seed)
        : m_random(seed)
        , m_seed(seed)
        , m_socketsBefore(openSockets())
    {
        // Touched first, so that the host's subject outlives every end set up later.
        viewsSubject();
        g_ending = this;
    }

    // Draws how the process may end: where the host's end is set up, and whether the sequence
    // may end by exit() with the frame up.
    void drawEnd()
    {
        setUpEnd(EndRoad(pick(int(std::size(kEndRoadNames)))));
        m_mayExit = pick(3) == 0;
        m_trace += std::string("(") + kEndRoadNames[int(m_endRoad)] + ")";
    }

    void setUpEnd(EndRoad road)
    {
        m_endRoad = road;
        if (road == EndRoad::StaticDestructor) {
            static EndsAtStaticDestruction ends;
        } else if (road == EndRoad::BeforeLoad) {
            std::atexit(&endProcess);
        }
    }

    void tell() const
    {
        std::printf("seed %llu: %s\n", static_cast<unsigned long long>(m_seed), m_trace.c_str());
        std::fflush(stdout);
    }

    // The host's end of the process: what it kept answers without making anything, the broker
    // is cleared and every handle closed. The toolkit's statics may be gone: nothing of the
    // toolkit is asked.
    void atProcessEnd()
    {
        if (g_library.loaded() && !keptAnswerAtEnd()) {
            std::printf("the kept interfaces did not refuse at the process's end; steps: %s\n",
                        m_trace.c_str());
            std::fflush(stdout);
            _exit(1);
        }
        // A host thread's export before any start is the first call, which claims the library
        // for that thread as any first call does: not asked.
        const bool claimable = g_exitingThread && !m_everStarted;
        if (g_library.loaded() && !claimable && !exportsAnswerAtEnd()) {
            std::printf("an export worked at the process's end; steps: %s\n", m_trace.c_str());
            std::fflush(stdout);
            _exit(1);
        }
        releaseKept();
        moskBrokerClear();
        while (g_library.loaded()) {
            if (!g_library.unload()) {
                std::printf("dlclose failed at the process's end\n");
                std::fflush(stdout);
                _exit(1);
            }
        }
    }

    // Plays random valid steps, then ends as a host may end; false at the first broken promise.
    bool playRandom(int steps)
    {
        drawEnd();
        for (int i = 0; i < steps; ++i) {
            if (!take(weighted(validSteps())))
                return false;
        }
        return end();
    }

    bool takeAll(std::initializer_list<Step> steps)
    {
        for (Step step : steps) {
            if (!take(step))
                return false;
        }
        return true;
    }

    bool take(Step step)
    {
        m_trace += std::string(m_trace.empty() ? "" : ", ") + kStepNames[int(step)];
        const bool kept = act(step) && promisesHold();
        if (!kept)
            std::printf("lifecycle broke its promise at step %d (%s); steps: %s\n", m_steps,
                        kStepNames[int(step)], m_trace.c_str());
        ++m_steps;
        return kept;
    }

    // The road of a host that ran the library, cleared the broker, heard a step of its target
    // and entered the plug-in again: the views work as at the first start.
    bool brokerClearedRoad()
    {
        m_fixedLanguage = "en";
        if (!takeAll({Step::Register, Step::Load, Step::PlugIn, Step::Start, Step::Frame,
                      Step::Windows, Step::Run, Step::Clear}))
            return false;
        for (int kind : {13, 17, 5, 26, 0})
            viewsSubject().fire(kind);
        return takeAll({Step::KeptViews, Step::Register, Step::PlugIn, Step::Start, Step::Frame,
                        Step::Windows, Step::Run, Step::KeptViews, Step::Clear, Step::Unload});
    }

    // The second start of one load with the library's own application speaks German too.
    bool restartRoad()
    {
        m_fixedLanguage = "de";
        return takeAll({Step::Register, Step::Load, Step::PlugIn, Step::KeptViews, Step::Start,
                        Step::Frame, Step::Windows, Step::Run, Step::KeptViews, Step::Start,
                        Step::Frame, Step::Windows, Step::Run, Step::Clear, Step::Unload});
    }

    // A start shut down without its loop and started again in German: the second start is
    // made as asked, and its loop runs until its own shutdown.
    bool shutdownRestartRoad()
    {
        m_fixedLanguage = "en";
        return takeAll({Step::Register, Step::Load, Step::PlugIn, Step::Start, Step::Frame,
                        Step::Windows, Step::ShutdownThenStart, Step::Frame, Step::Windows,
                        Step::Run, Step::Clear, Step::Unload});
    }

    // Two starts in German on the host's own application, each ended by CuiRun: the views
    // manager, the pane and the view kept from the first refuse after each, and the
    // application, which stands, is the host's again in look and texts.
    bool hostsApplicationRoad()
    {
        m_fixedLanguage = "de";
        return takeAll({Step::HostsApplication, Step::Register, Step::Load, Step::PlugIn,
                        Step::KeptViews, Step::Start, Step::Frame, Step::Windows, Step::Run,
                        Step::KeptViews, Step::Start, Step::Frame, Step::Windows, Step::Run,
                        Step::KeptViews, Step::Clear, Step::Unload, Step::DeleteApplication});
    }

    // The host's exit handler, registered after the plug-in entry, ends the library once CuiRun
    // returned (main returns), or (withFrame) once exit() is called with the frame up.
    bool exitRoad(bool withFrame)
    {
        m_fixedLanguage = "de";
        m_endRoad = EndRoad::AfterPlugIn;
        if (!takeAll({Step::Register, Step::Load, Step::PlugIn, Step::Start, Step::Frame,
                      Step::Windows}))
            return false;
        return withFrame ? take(Step::Exit) : take(Step::Run);
    }

    // The host's application deleted with the library's windows up, then exit() with the
    // handler registered after the load: what the library queued for its windows is freed
    // with the application, and the end leaks nothing.
    bool exitAfterApplicationRoad()
    {
        m_fixedLanguage = "en";
        m_endRoad = EndRoad::AfterLoad;
        return takeAll({Step::HostsApplication, Step::Register, Step::Load, Step::PlugIn,
                        Step::Start, Step::Frame, Step::HostThread, Step::Windows, Step::Windows,
                        Step::DeleteApplication, Step::Exit});
    }

    // exit() on main before any start, the handler registered after the plug-in entry: the
    // watch the load set on main's end sees the process end, although no call claimed a
    // thread, and what the host kept refuses.
    bool exitBeforeStartRoad()
    {
        m_endRoad = EndRoad::AfterPlugIn;
        return takeAll({Step::Register, Step::Load, Step::PlugIn, Step::Exit});
    }

    // The host's exit handler, registered after the plug-in entry, ends the library once exit()
    // is called with the frame up, when the library could not map its thread-end watch: it
    // still sees the process end.
    bool noWatchRoad()
    {
        g_refuseWatchMapping = true;
        m_fixedLanguage = "en";
        m_endRoad = EndRoad::AfterPlugIn;
        return takeAll({Step::Register, Step::Load, Step::PlugIn, Step::Start, Step::Frame,
                        Step::Windows, Step::Exit});
    }

    // The same handler, registered after the start, when a host thread calls exit() with the
    // frame up while main waits for that thread.
    bool exitFromThreadRoad()
    {
        m_fixedLanguage = "en";
        m_endRoad = EndRoad::AfterStart;
        return takeAll({Step::Register, Step::Load, Step::PlugIn, Step::Start, Step::Frame,
                        Step::Windows, Step::ExitFromThread});
    }

    // A host thread notifies while the memory views paint and calls the views manager.
    bool hostThreadRoad()
    {
        m_fixedLanguage = "en";
        m_stormLength = 2000;
        return takeAll({Step::Register, Step::Load, Step::PlugIn, Step::Start, Step::Frame,
                        Step::Windows, Step::HostThread, Step::Windows, Step::HostThread, Step::Run,
                        Step::Clear, Step::Unload});
    }

    // A helper thread of the host makes the first call of the load, before the host made its
    // application, and ends; the library then runs on the host's application as on any.
    bool helperFirstRoad()
    {
        m_fixedLanguage = "en";
        if (!takeAll({Step::Register, Step::Load}))
            return false;
        const auto pump = TESK(CuiPump);
        std::thread helper([pump] { pump(); });
        helper.join();
        m_trace += ", a helper's call";
        return takeAll({Step::HostsApplication, Step::PlugIn, Step::Start, Step::Frame,
                        Step::Windows, Step::Run, Step::Clear, Step::Unload,
                        Step::DeleteApplication});
    }

private:
    int pick(int count) { return int(m_random() % uint64_t(count)); }

    // The steps that carry a start forward come more often than those that end it, so that
    // most lifecycles reach windows, and many a second start.
    Step weighted(const std::vector<Step> &valid)
    {
        auto weight = [](Step step) {
            switch (step) {
            case Step::Register:
            case Step::Load:
            case Step::PlugIn:
            case Step::Start:
            case Step::Frame:
            case Step::Windows:
                return 6;
            case Step::Notify:
                return 3;
            case Step::HostThread:
                return 1;
            case Step::Exit:
                return 2;
            default:
                return 1;
            }
        };
        int total = 0;
        for (Step step : valid)
            total += weight(step);
        int at = pick(total);
        for (Step step : valid) {
            at -= weight(step);
            if (at < 0)
                return step;
        }
        return valid.back();
    }

    std::vector<Step> validSteps() const
    {
        std::vector<Step> valid{Step::Notify};
        if (!m_registered)
            valid.push_back(Step::Register);
        if (g_library.handles() < 2)
            valid.push_back(Step::Load);
        if (g_library.loaded() && m_registered && !m_pluggedIn)
            valid.push_back(Step::PlugIn);
        if (!QCoreApplication::instance())
            valid.push_back(Step::HostsApplication);
        if (g_library.loaded() && m_pluggedIn && !m_started)
            valid.push_back(Step::Start);
        if (m_started && !m_framed)
            valid.push_back(Step::Frame);
        if (m_framed && m_pluggedIn && m_windowRounds < 2)
            valid.push_back(Step::Windows);
        if (m_framed) {
            valid.push_back(Step::Run);
            valid.push_back(Step::ShutdownThenRun);
            valid.push_back(Step::ShutdownThenStart);
        }
        if (m_registered || m_pluggedIn)
            valid.push_back(Step::Clear);
        // The guide's order: the broker cleared before the library goes.
        if (g_library.loaded() && !m_pluggedIn)
            valid.push_back(Step::Unload);
        if (m_hostsApplication)
            valid.push_back(Step::DeleteApplication);
        if (m_kept)
            valid.push_back(Step::KeptViews);
        if (m_framed && m_mayExit)
            valid.push_back(Step::Exit);
        if (g_library.loaded() && m_attached)
            valid.push_back(Step::HostThread);
        if (m_mayExit)
            valid.push_back(Step::ExitFromThread);
        return valid;
    }

    // What ends a lifecycle: the loop ended, then, unless the library stays to the process's
    // end, the broker cleared, every handle closed and the host's application deleted.
    bool end()
    {
        if (m_framed && !take(pick(2) ? Step::Run : Step::ShutdownThenRun))
            return false;
        if (pick(4) == 0)
            return true;
        if ((m_registered || m_pluggedIn) && !take(Step::Clear))
            return false;
        while (g_library.loaded()) {
            if (!take(Step::Unload))
                return false;
        }
        return !m_hostsApplication || take(Step::DeleteApplication);
    }

    bool act(Step step)
    {
        switch (step) {
        case Step::Register:
            registerHostsComponents();
            m_registered = true;
            return true;
        case Step::Load:
            return load();
        case Step::PlugIn:
            return plugIn();
        case Step::HostsApplication:
            m_hostsApplication = new QApplication(m_argc, m_argv);
            m_hostsStyle = QApplication::style()->name();
            return true;
        case Step::Start:
            return start();
        case Step::Frame:
            return frame();
        case Step::Windows:
            return windows();
        case Step::Notify:
            notify();
            return true;
        case Step::Run:
            return run(true);
        case Step::ShutdownThenRun:
            return run(false);
        case Step::Clear:
            moskBrokerClear();
            m_registered = false;
            m_pluggedIn = false;
            return true;
        case Step::Unload:
            return unload();
        case Step::DeleteApplication:
            delete std::exchange(m_hostsApplication, nullptr);
            m_started = false;
            m_framed = false;
            return true;
        case Step::KeptViews:
            return keptViews();
        case Step::ShutdownThenStart:
            return shutdownThenStart();
        case Step::HostThread:
            return hostThread();
        case Step::Exit:
            tell();
            std::exit(0);
        case Step::ExitFromThread: {
            // The host's end runs on that thread while main waits for it, which it never ends.
            tell();
            g_exitingThread = true;
            std::thread([] { std::exit(0); }).join();
            return false;
        }
        }
        return false;
    }

    bool load()
    {
        const bool first = !g_library.loaded();
        if (!g_library.load())
            return false;
        if (first)
            m_attached = false;
        if (m_endRoad == EndRoad::AfterLoad && !std::exchange(m_endSetUp, true))
            std::atexit(&endProcess);
        return true;
    }

    void releaseKept()
    {
        if (IGcp_ViewsManager *kept = std::exchange(m_kept, nullptr))
            kept->ops->Release(kept);
        if (IGc_Pane *pane = std::exchange(m_keptPane, nullptr))
            pane->ops->Release(pane);
        if (IGc_View *view = std::exchange(m_keptView, nullptr))
            view->ops->Release(view);
        if (IGcds_DataAdaptor *adaptor = std::exchange(m_keptAdaptor, nullptr))
            adaptor->ops->Release(adaptor);
    }

    // The pane and view kept from an ended start answer the error the facade answers for its
    // ended window; the pane lists no view.
    bool keptWindowsRefuse() const
    {
        auto badArgument = [](MoskResult result) {
            const bool answered =
                result && (moskErrorCode(result) == MOSK_ERR_BAD_ARGUMENT || g_exitingThread);
            mosk::release(result);
            return answered;
        };
        bool refused = true;
        if (m_keptPane) {
            uint64_t first = g_exitingThread ? GC_NO_ID : 1;
            refused = badArgument(m_keptPane->ops->firstView(m_keptPane, &first)) &&
                      first == GC_NO_ID &&
                      badArgument(m_keptPane->ops->removeView(m_keptPane, m_keptViewId)) &&
                      badArgument(m_keptPane->ops->targetUpdated(m_keptPane, 0, 0));
            uint64_t target = 77;
            const uint64_t other = 78;
            refused = refused && badArgument(m_keptPane->ops->setTargetId(m_keptPane, &other)) &&
                      badArgument(m_keptPane->ops->getTargetId(m_keptPane, &target)) &&
                      target == 77;
        }
        if (refused && m_keptView) {
            MoskValue *settings = moskValueCreate("");
            refused = badArgument(m_keptView->ops->saveSettings(m_keptView, settings)) &&
                      badArgument(m_keptView->ops->setTarget(m_keptView, 0));
            mosk::release(settings);
        }
        if (!refused)
            std::printf("a pane or view kept from an ended start answered as if it stood\n");
        return refused;
    }

    // At the process's end the exports answer their failure values and do nothing: no loop
    // runs, no start is made, no window is shown or read.
    bool exportsAnswerAtEnd() const
    {
        TESK(CuiPump)();
        TESK(QtFrameShow)();
        TESK(QtShutdown)();
        int x = 0, y = 0, width = 0, height = 0, minimised = 0;
        char commandLine[] = "";
        return TESK(CuiRun)() == 1 &&
               TESK(QtGetSizePos)(m_frameContext, &x, &y, &width, &height, &minimised) == 0 &&
               width == 0 && TESK(CuiQtInit_WinEx)("lifecycle_host", commandLine) == 0;
    }

    // The kept manager's calls that would make a window answer "not found" and make nothing.
    bool keptMakesNothing() const
    {
        auto notFound = [](MoskResult result) {
            const bool answered =
                result && (moskErrorCode(result) == MOSK_ERR_NOT_FOUND || g_exitingThread);
            mosk::release(result);
            return answered;
        };
        // Refused on a host thread, the call writes nothing.
        uint64_t pane = g_exitingThread ? GC_NO_ID : 0;
        uint64_t view = g_exitingThread ? 0 : 1;
        const TeskMemoryAddress address{};
        return notFound(m_kept->ops->createMemoryPane(m_kept, &pane, 0)) && pane == GC_NO_ID &&
               notFound(m_kept->ops->createViewInNewPane(m_kept, "Memory", 0, &view)) &&
               view == 0 && notFound(m_kept->ops->openView(m_kept, "Memory", 0, &address, 1));
    }

    // At the process's end the synchronisation data the adaptor writes to is gone: every
    // operation answers as for nothing held, and a mode set is not kept.
    bool adaptorAnswersAtEnd() const
    {
        IGcds_DataAdaptor *adaptor = m_keptAdaptor;
        if (!adaptor)
            return true;
        adaptor->ops->setMode(adaptor, 1);
        adaptor->ops->setName(adaptor, 7, "at the end");
        if (adaptor->ops->isModeSet(adaptor) == 0 && adaptor->ops->count(adaptor) == 0 &&
            adaptor->ops->idByIndex(adaptor, 0) == 0 &&
            adaptor->ops->getContext(adaptor) == 0xFFFFFFFFu &&
            adaptor->ops->isEventInUse(adaptor, 7, GCDS_EVENT_RUN) == 0)
            return true;
        std::printf("the kept synchronisation data adaptor answered at the process's end\n");
        return false;
    }

    // At the process's end the kept manager makes nothing and follows no event; the pane and
    // view refuse; the synchronisation data adaptor holds nothing.
    bool keptAnswerAtEnd() const
    {
        if (!adaptorAnswersAtEnd())
            return false;
        if (!m_kept)
            return true;
        const bool refused = keptMakesNothing();
        mosk::release(m_kept->ops->targetChanged(m_kept));
        mosk::release(m_kept->ops->targetUpdated(m_kept, 1));
        // Nor does it hand out a pane of the last start.
        IGc_Pane *pane = nullptr;
        mosk::release(m_kept->ops->getWindow(m_kept, m_keptPaneId, &pane));
        if (pane) {
            pane->ops->Release(pane);
            std::printf("the kept views manager handed out a pane at the process's end\n");
            return false;
        }
        return refused && keptWindowsRefuse();
    }

    bool unload()
    {
        // What the host kept of the library goes before its code does.
        if (g_library.handles() == 1)
            releaseKept();
        if (!g_library.unload()) {
            std::printf("dlclose failed\n");
            return false;
        }
        if (g_library.loaded())
            return true;
        // Nothing of the library listens any more, not even for the next start of a load.
        if (openSockets() > m_socketsBefore) {
            std::printf("the unload left %d sockets open\n", openSockets() - m_socketsBefore);
            return false;
        }
        // The library's own application went with it; a host's stays.
        m_attached = false;
        m_started = false;
        m_framed = false;
        return true;
    }

    bool plugIn()
    {
        const auto entry = TESK(moskInitialisePlugin);
        MoskResult result = entry(reinterpret_cast<MoskRegistrar *>(moskGetObjectBroker()));
        if (result) {
            std::printf("the plug-in entry answered %#x\n", moskErrorCode(result));
            mosk::release(result);
            return false;
        }
        m_pluggedIn = true;
        m_attached = true;
        if (m_endRoad == EndRoad::AfterPlugIn && !std::exchange(m_endSetUp, true))
            std::atexit(&endProcess);
        if (!m_kept)
            m_kept = viewsManager();
        if (!m_keptAdaptor)
            m_keptAdaptor =
                component<IGcds_DataAdaptor>(GCDS_CATEGORY, GCDS_DATA_ADAPTOR_COMPONENT);
        return true;
    }

    // A start shut down and, without CuiRun, a new one: it starts as asked (a fixed road's other
    // language), the first start's windows gone.
    bool shutdownThenStart()
    {
        TESK(QtShutdown)();
        m_started = false;
        m_framed = false;
        if (m_fixedLanguage)
            m_fixedLanguage = std::strcmp(m_fixedLanguage, "de") ? "de" : "en";
        if (!start())
            return false;
        if (!mainWindow())
            return true;
        std::printf("the first start's main window stayed\n");
        return false;
    }

    // The manager kept since a plug-in entry, called as an engine does when its target stops:
    // outside a start, or while the broker is cleared, each call that would make a window
    // answers MOSK_ERR_NOT_FOUND and makes nothing. Within a start the windows step calls it.
    bool keptViews()
    {
        if (m_started && m_pluggedIn)
            return true;
        if (!m_started && !keptWindowsRefuse())
            return false;
        const int windows =
            QCoreApplication::instance() ? int(QApplication::allWidgets().size()) : 0;
        const bool refused = keptMakesNothing();
        const int after = QCoreApplication::instance() ? int(QApplication::allWidgets().size()) : 0;
        if (refused && after == windows)
            return true;
        std::printf("the kept views manager %s between starts (%d widgets, then %d)\n",
                    refused ? "made widgets" : "did not refuse", windows, after);
        return false;
    }

    // Called on a thread of the host's: every call that would make a window or follow the
    // target fails and writes nothing (or, outside a start, what it writes there).
    static bool refusedOffThread(IGcp_ViewsManager *kept, IGc_Pane *pane)
    {
        auto failed = [](MoskResult result) {
            const bool answered = result != nullptr;
            mosk::release(result);
            return answered;
        };
        uint64_t madePane = 77;
        uint64_t madeView = 77;
        uint64_t target = 77;
        const bool refused =
            failed(kept->ops->createMemoryPane(kept, &madePane, 0)) &&
            (madePane == 77 || madePane == GC_NO_ID) &&
            failed(kept->ops->createViewInNewPane(kept, "Memory", 0, &madeView)) &&
            (madeView == 77 || madeView == 0) && failed(kept->ops->targetChanged(kept)) &&
            (!pane || (failed(pane->ops->getTargetId(pane, &target)) && target == 77));
        if (!refused)
            std::printf("the kept views manager answered a host thread (pane %llx, view %llx)\n",
                        static_cast<unsigned long long>(madePane),
                        static_cast<unsigned long long>(madeView));
        return refused;
    }

    // A thread of the host's, as an engine's reporting its target: it notifies both subjects
    // every half millisecond while the library's thread paints its windows, then calls the
    // kept views manager. The notifications are carried to the library's thread, where the
    // views ask the host's subject for the target; the calls are refused.
    bool hostThread()
    {
        const std::thread::id library = std::this_thread::get_id();
        std::atomic<int> reads{0};
        std::atomic<bool> readElsewhere{false};
        viewsSubject().inside = [&] {
            ++reads;
            readElsewhere = readElsewhere || std::this_thread::get_id() != library;
        };
        QMainWindow *window = m_framed ? mainWindow() : nullptr;
        std::atomic<bool> done{false};
        bool refused = true;
        IGcp_ViewsManager *kept = m_kept;
        IGc_Pane *pane = m_started ? m_keptPane : nullptr;
        // The kinds the views follow: repaints, updates, a changed target.
        static constexpr int kKinds[] = {5, 13, 15, 14, 16, 20, 26, 17};
        const int first = pick(int(std::size(kKinds)));
        const int notifications = m_stormLength ? m_stormLength : 100 + pick(400);
        m_trace += " (" + std::to_string(notifications) + " from " + std::to_string(first) + ")";
        std::thread engine([&] {
            for (int i = 0; i < notifications; ++i) {
                viewsSubject().fire(kKinds[(first + i) % int(std::size(kKinds))]);
                if (i % 8 == 0)
                    cores().fire(kGlobalKinds[(i / 8) % int(std::size(kGlobalKinds))]);
                std::this_thread::sleep_for(std::chrono::microseconds(500));
            }
            if (kept && m_started)
                refused = refusedOffThread(kept, pane);
            done = true;
        });
        while (!done) {
            if (window)
                window->repaint();
            if (QCoreApplication::instance())
                QCoreApplication::processEvents();
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        engine.join();
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
        viewsSubject().inside = nullptr;
        // The views of a start follow the notifications: each asks the subject for its target.
        const bool followed = !m_started || reads > 0;
        if (readElsewhere || !followed)
            std::printf("the views %s\n", readElsewhere
                                              ? "asked for the target on the host's thread"
                                              : "did not follow the host thread's notifications");
        return refused && followed && !readElsewhere;
    }

    bool start()
    {
        m_language = m_fixedLanguage ? m_fixedLanguage : (pick(2) ? "de" : "en");
        const char *look = kLooks[pick(int(std::size(kLooks)))];
        setenv("KSODEBUG_LANG", m_language, 1);
        unsetenv("KSODEBUG_ENABLE_ZEBSTYLE");
        if (!std::strcmp(look, "windows"))
            setenv("KSODEBUG_ENABLE_ZEBSTYLE", "1", 1);
        std::string line;
        if (!std::strcmp(look, "wood") || !std::strcmp(look, "metal"))
            line = std::string("-style ") + look;
        m_trace += std::string(" (") + m_language + ", " + look + ")";
        std::vector<char> commandLine(line.begin(), line.end());
        commandLine.push_back('\0');
        if (TESK(CuiQtInit_WinEx)("lifecycle_host", commandLine.data()) != 1) {
            std::printf("the start was declined\n");
            return false;
        }
        m_started = true;
        m_everStarted = true;
        m_windowRounds = 0;
        if (m_endRoad == EndRoad::AfterStart && !std::exchange(m_endSetUp, true))
            std::atexit(&endProcess);
        return true;
    }

    bool frame()
    {
        CuiFrameRecord record = {1, 0, 0, 0};
        TESK(QtCreateNewCode)(1);
        const TeskHandle made = TESK(QtFrameCreate)("Debugger", ++m_frameContext, &record);
        TESK(QtCreateNewCode)(0);
        TESK(QtResizePosWindow)(m_frameContext, 0, 0, 760, 560);
        TESK(QtFrameShow)();
        QMainWindow *window = mainWindow();
        if (!made || !window) {
            std::printf("no main window\n");
            return false;
        }
        m_framed = true;
        return speaks(window);
    }

    // The main window's first menu in the language the start asked for.
    bool speaks(QMainWindow *window) const
    {
        const QList<QAction *> menus = window->menuBar()->actions();
        const QString first = menus.isEmpty() ? QString() : plain(menus.first()->text());
        const QString expected = QLatin1String(std::strcmp(m_language, "de") ? "File" : "Datei");
        if (first == expected)
            return true;
        std::printf("the first menu reads \"%s\", not \"%s\"\n", qPrintable(first),
                    qPrintable(expected));
        return false;
    }

    // Every family: a register pane, memory views through each of the views manager's calls,
    // the navigator, a pane the host draws, each in a dock window of its own, and a box
    // answered.
    bool windows()
    {
        QMainWindow *window = mainWindow();
        if (!window)
            return false;
        const int before = visibleDocks(window);
        const bool made = registerPane() && memoryViews() && navigator() && drawnPane();
        QCoreApplication::processEvents();
        const int shown = visibleDocks(window) - before;
        ++m_windowRounds;
        if (made && shown == 6)
            return box();
        std::printf("%d dock windows of 6 show\n", shown);
        return false;
    }

    bool registerPane()
    {
        const uint32_t set = ++m_dataSet;
        RegDataRecord view = tesk::host::viewRecord("Core");
        RegDataRecord r0 = tesk::host::registerRecord("R0", 0, 0, 0, 8, 4);
        TESK(CuiRegPaneDataCreate)(set);
        TESK(CuiRegPaneDataAdd)(set, &view);
        TESK(CuiRegPaneDataAdd)(set, &r0);
        const TeskHandle pane = TESK(CuiRegPaneCreate)(&registerHandler);
        TESK(CuiRegPaneDataSet)(set, pane, nullptr, nullptr, "core");
        TESK(QtCreateDocked)(0, 0);
        if (pane && TESK(CuiWindowCreateQtPane)("Registers", reinterpret_cast<void *>(pane),
                                                nullptr, 0x2000 + set))
            return true;
        std::printf("no register pane\n");
        return false;
    }

    bool memoryViews()
    {
        IGcp_ViewsManager *manager = viewsManager();
        if (!manager) {
            std::printf("no views manager\n");
            return false;
        }
        uint64_t pane = GC_NO_ID;
        uint64_t inPane = 0;
        uint64_t inNewPane = 0;
        const TeskMemoryAddress address{};
        auto answered = [](MoskResult result) {
            const bool ok = result == nullptr;
            mosk::release(result);
            return ok;
        };
        TESK(QtCreateDocked)(0, 0);
        bool made =
            answered(manager->ops->createMemoryPane(manager, &pane, 0)) &&
            answered(manager->ops->createView(manager, pane, "Memory", nullptr, 0, &inPane)) &&
            pane != GC_NO_ID && inPane != 0;
        // The host keeps the first pane and view past their start.
        if (made && !m_keptPane) {
            IGc_Window *view = nullptr;
            made = answered(manager->ops->getWindow(manager, pane, &m_keptPane)) && m_keptPane &&
                   answered(manager->ops->findWindow(manager, inPane, &view)) && view;
            m_keptView = reinterpret_cast<IGc_View *>(view);
            m_keptViewId = inPane;
            m_keptPaneId = pane;
        }
        TESK(QtCreateDocked)(0, 0);
        made = made &&
               answered(manager->ops->createViewInNewPane(manager, "Memory", 0, &inNewPane)) &&
               inNewPane != 0;
        TESK(QtCreateDocked)(0, 0);
        made = made && answered(manager->ops->openView(manager, "Memory", 0, &address, 0));
        manager->ops->Release(manager);
        if (!made)
            std::printf("the views manager made no view (pane %llx, views %llu and %llu)\n",
                        static_cast<unsigned long long>(pane),
                        static_cast<unsigned long long>(inPane),
                        static_cast<unsigned long long>(inNewPane));
        return made;
    }

    bool navigator()
    {
        const TeskHandle pane = TESK(CuiDataNavCreate)();
        const TeskHandle box = 0x3000 + ++m_dataSet;
        if (!pane || TESK(CuiAbstractPaneSetWindBox)(pane, box) != 0) {
            std::printf("no navigator\n");
            return false;
        }
        TESK(QtCreateDocked)(0, 0);
        TESK(QtWindowCreate2)("Symbols", reinterpret_cast<void *>(pane), box);
        if (TESK(QtFindWindowByKSOName)(m_frameContext, "Symbols"))
            return true;
        std::printf("the navigator has no dock window\n");
        return false;
    }

    bool drawnPane()
    {
        const TeskHandle box = 0x4000 + ++m_dataSet;
        TESK(QtCreateDocked)(1, 0);
        TESK(QtWindowCreate)("Output", &paneArea, box);
        if (TESK(QtFindWindowByKSOName)(m_frameContext, "Output"))
            return true;
        std::printf("the host's pane has no dock window\n");
        return false;
    }

    // A box answered by the user's click on OK; its buttons in the language asked.
    bool box()
    {
        QString buttons;
        bool clicked = false;
        QTimer answer;
        QElapsedTimer waited;
        waited.start();
        QObject::connect(&answer, &QTimer::timeout, [&] {
            // The watchdog: a box that does not come up, or does not go, fails the step by
            // name; the shutdown ends it as cancelled.
            if (waited.elapsed() > 5000) {
                std::printf("watchdog: the box of step %d %s\n", m_steps,
                            clicked ? "stayed up after its click" : "never came up");
                answer.stop();
                TESK(QtShutdown)();
                return;
            }
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || clicked)
                return;
            QPushButton *ok = nullptr;
            for (QPushButton *button : modal->findChildren<QPushButton *>()) {
                buttons += plain(button->text()) + QLatin1Char(' ');
                if (plain(button->text()) == QLatin1String("OK"))
                    ok = button;
            }
            clicked = true;
            if (ok)
                QTest::mouseClick(ok, Qt::LeftButton);
            else
                modal->close();
        });
        answer.start(20);
        const int code =
            TESK(CuiMessagePrompt)(0, "Lifecycle", "Go on?", 1, CUI_MB_OK | CUI_MB_DEFAULT,
                                   CUI_MB_CANCEL | CUI_MB_ESCAPE, 0);
        const QString cancel =
            QLatin1String(std::strcmp(m_language, "de") ? "Cancel" : "Abbrechen");
        if (code == CUI_MB_OK && buttons.contains(cancel))
            return true;
        std::printf("the box answered %d with the buttons %s\n", code, qPrintable(buttons));
        return false;
    }

    void notify()
    {
        if (pick(2)) {
            const int kind = pick(GCP_EVENT_KINDS);
            m_trace += " (views " + std::to_string(kind) + ")";
            viewsSubject().fire(kind);
        } else {
            const int kind = kGlobalKinds[pick(int(std::size(kGlobalKinds)))];
            m_trace += " (global " + std::to_string(kind) + ")";
            cores().fire(kind);
        }
    }

    // CuiRun until a host timer shuts down, an event heard meanwhile; or (without a loop) a
    // shutdown first, which ends the next run at once.
    bool run(bool loop)
    {
        const auto shutdown = TESK(QtShutdown);
        if (loop) {
            const int kind = pick(GCP_EVENT_KINDS);
            QTimer::singleShot(10 + pick(40), [kind, shutdown] {
                viewsSubject().fire(kind);
                shutdown();
            });
        } else {
            shutdown();
        }
        const int ran = TESK(CuiRun)();
        m_started = false;
        m_framed = false;
        if (ran == 1)
            return !m_hostsApplication || hostsOwnAgain();
        std::printf("CuiRun answered %d\n", ran);
        return false;
    }

    // The host's application, which goes on after the start, shows the host's look and the
    // toolkit's own texts again.
    bool hostsOwnAgain() const
    {
        const QString style = QApplication::style()->name();
        const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
        if (style == m_hostsStyle && cancel == QLatin1String("Cancel"))
            return true;
        std::printf("after CuiRun the host's application shows the look %s (its own: %s) and "
                    "reads Cancel as \"%s\"\n",
                    qPrintable(style), qPrintable(m_hostsStyle), qPrintable(cancel));
        return false;
    }

    bool promisesHold() const
    {
        const int views = int(viewsSubject().m_observers.size());
        const int global = cores().observerCount();
        const bool attached = g_library.loaded() && m_attached;
        const int expectedViews = attached ? GCP_EVENT_KINDS : 0;
        const int expectedGlobal = attached ? GCDS_HOST_EVENT_COUNT : 0;
        if (views == expectedViews && global == expectedGlobal)
            return true;
        std::printf("observers: %d on the views' subject, %d on the global one; %d and %d "
                    "expected\n",
                    views, global, expectedViews, expectedGlobal);
        return false;
    }

    std::mt19937_64 m_random;
    uint64_t m_seed = 0;
    int m_socketsBefore = 0;
    EndRoad m_endRoad = EndRoad::None;
    bool m_endSetUp = false;
    bool m_mayExit = false;
    IGc_Pane *m_keptPane = nullptr;
    IGc_View *m_keptView = nullptr;
    uint64_t m_keptViewId = 0;
    uint64_t m_keptPaneId = GC_NO_ID;
    std::string m_trace;
    int m_steps = 0;
    bool m_registered = false;
    bool m_pluggedIn = false;
    bool m_attached = false;
    bool m_started = false;
    bool m_everStarted = false;
    bool m_framed = false;
    int m_windowRounds = 0;
    int m_stormLength = 0;
    const char *m_language = "en";
    const char *m_fixedLanguage = nullptr;
    QApplication *m_hostsApplication = nullptr;
    QString m_hostsStyle;
    IGcp_ViewsManager *m_kept = nullptr;
    IGcds_DataAdaptor *m_keptAdaptor = nullptr;
    TeskHandle m_frameContext = 0x1000;
    uint32_t m_dataSet = 0;
    int m_argc = 1;
    char m_programName[16] = "lifecycle_host";
    char *m_argv[2] = {m_programName, nullptr};
};

void endProcess()
{
    static bool ended = false;
    if (g_ending && !std::exchange(ended, true))
        g_ending->atProcessEnd();
}

// ---- the driver ----------------------------------------------------------------------------

// A child's output tells of a broken promise or a sanitizer's report.
bool childFailed(const QByteArray &output, int exitCode)
{
    return exitCode != 0 || output.contains("Sanitizer") || output.contains("runtime error:") ||
           output.contains("invalid style override");
}

int drive(const char *program, uint64_t first, uint64_t count)
{
    if (const char *seed = std::getenv("TESK_LIFECYCLE_SEED")) {
        first = std::strtoull(seed, nullptr, 0);
        count = 1;
    } else if (const char *more = std::getenv("TESK_LIFECYCLE_COUNT")) {
        count = std::strtoull(more, nullptr, 0);
    }
    for (uint64_t seed = first; seed < first + count; ++seed) {
        QTemporaryDir home;
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("KSODEBUG_HOME"), home.path());
        // Every other lifecycle claims its home's single-instance name, as a start does unless
        // told otherwise.
        if (seed % 2 == 0)
            environment.remove(QStringLiteral("KSODEBUG_ALLOW_MULTIPLE_INSTANCES"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QString::fromLocal8Bit(program),
                    {QStringLiteral("play"), QString::number(seed)});
        const bool ended = child.waitForFinished(120000);
        const QByteArray output = child.readAll();
        // A child that never started, or died before it said how its lifecycle went, failed.
        const bool told = output.contains("seed " + QByteArray::number(seed) + ": ");
        if (!ended || child.exitStatus() != QProcess::NormalExit || !told ||
            childFailed(output, child.exitCode())) {
            std::printf("%s\nlifecycle seed %llu failed%s; replay it with "
                        "TESK_LIFECYCLE_SEED=%llu\n",
                        output.constData(), static_cast<unsigned long long>(seed),
                        ended ? "" : " (it did not end)", static_cast<unsigned long long>(seed));
            return 1;
        }
    }
    std::printf("%llu lifecycles kept every promise\n", static_cast<unsigned long long>(count));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    setvbuf(stdout, nullptr, _IOLBF, 0);
    const std::string mode = argc > 2 ? argv[1] : "";
    if (mode == "drive" && argc > 3) {
        // The driver needs an application for its child processes only.
        QCoreApplication application(argc, argv);
        return drive(argv[0], std::strtoull(argv[2], nullptr, 0),
                     std::strtoull(argv[3], nullptr, 0));
    }
    if (mode == "play") {
        const uint64_t seed = std::strtoull(argv[2], nullptr, 0);
        // Kept to the process's end, whose handlers it plays.
        auto *lifecycle = new Lifecycle(seed);
        // Between 8 and 31 steps before the end.
        const int steps = 8 + int(seed % 24);
        const bool kept = lifecycle->playRandom(steps);
        lifecycle->tell();
        return kept ? 0 : 1;
    }
    if (mode == "road") {
        const std::string road = argv[2];
        // Each road claims the single-instance name of a home of its own, as a start does
        // unless told otherwise; the home outlives the process's end, which the road may play.
        static QTemporaryDir home;
        setenv("KSODEBUG_HOME", home.path().toLocal8Bit().constData(), 1);
        unsetenv("KSODEBUG_ALLOW_MULTIPLE_INSTANCES");
        auto *lifecycle = new Lifecycle(0);
        const bool kept = road == "brokercleared"          ? lifecycle->brokerClearedRoad()
                          : road == "restartgerman"        ? lifecycle->restartRoad()
                          : road == "shutdownrestart"      ? lifecycle->shutdownRestartRoad()
                          : road == "hostsapplication"     ? lifecycle->hostsApplicationRoad()
                          : road == "exitafterrun"         ? lifecycle->exitRoad(false)
                          : road == "exitwithframe"        ? lifecycle->exitRoad(true)
                          : road == "helperfirst"          ? lifecycle->helperFirstRoad()
                          : road == "hostthread"           ? lifecycle->hostThreadRoad()
                          : road == "exitfromthread"       ? lifecycle->exitFromThreadRoad()
                          : road == "nowatch"              ? lifecycle->noWatchRoad()
                          : road == "exitbeforestart"      ? lifecycle->exitBeforeStartRoad()
                          : road == "exitafterapplication" ? lifecycle->exitAfterApplicationRoad()
                                                           : false;
        return kept ? 0 : 1;
    }
    std::printf("usage: lifecycle_host play SEED | road NAME | drive FIRST COUNT\n");
    return 2;
}
