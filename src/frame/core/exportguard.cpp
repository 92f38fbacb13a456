#include "frame/core/exportguard.h"

#include "frame/core/brokerguard.h"
#include "system/debugoutput.h"

#include <mosk/mosk.h>

#include <QCoreApplication>
#include <QThread>
#include <QtGlobal>

#include <atomic>
#include <cstdlib>
#include <cxxabi.h>
#include <semaphore.h>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

// The library's own module, as the C++ runtime names it to thread-end routines.
extern "C" void *__dso_handle;

namespace tesk {

namespace {

std::atomic<bool> g_processEnding{false};
bool g_started = false;

void markProcessEnding()
{
    g_processEnding = true;
}

// exit() ends the calling thread's thread-storage objects before it runs any exit handler or
// static destructor, whatever order those were registered in; so a thread-end routine of the
// process's main thread, watched from the load, or of the library's thread, sees the process
// end before anything of it is destroyed, also when the host registered its own handler after
// the load. The routine is the broker's semaphore post on a box mapped apart from the library
// and the heap: a routine in the library would keep it mapped until the thread ends (no dlclose
// could unload it), and the post may come after an unload, when nothing owns the box any more.
// One box per load, with a post for each of at most two threads; nothing else is ever written
// to it. Where the box cannot be mapped, the plain road is taken: a routine of the library's
// own, which keeps the library mapped (and a dlclose then leaves it loaded, as it was) until
// the thread ends, rather than not seeing the process end at all.
struct ThreadEndBox
{
    sem_t posts[2];
};
ThreadEndBox *g_threadEndBox = nullptr;
bool g_boxRefused = false;
std::atomic<bool> g_endedPlainly[2] = {};
std::atomic<pid_t> g_watchedThreads[2] = {};
// The toolkit's object of a watched thread other than the main one: its end is the process's
// only while the application runs there. A helper thread that made the first call before any
// application existed ends while the process goes on.
std::atomic<QThread *> g_watchedToolkitThreads[2] = {};

void endedPlainly(void *ended)
{
    *static_cast<std::atomic<bool> *>(ended) = true;
}

void watchThreadEnd(QThread *toolkitThread)
{
    const pid_t thread = ::gettid();
    for (const std::atomic<pid_t> &watched : g_watchedThreads) {
        if (watched == thread)
            return;
    }
    if (!g_threadEndBox && !g_boxRefused) {
        void *page = ::mmap(nullptr, sizeof(ThreadEndBox), PROT_READ | PROT_WRITE,
                            MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        g_boxRefused = page == MAP_FAILED;
        if (!g_boxRefused) {
            g_threadEndBox = static_cast<ThreadEndBox *>(page);
            for (sem_t &posts : g_threadEndBox->posts)
                ::sem_init(&posts, 0, 0);
        }
    }
    int slot = 0;
    for (; slot < 2; ++slot) {
        pid_t expected = 0;
        if (g_watchedThreads[slot].compare_exchange_strong(expected, thread))
            break;
    }
    if (slot == 2)
        return;
    g_watchedToolkitThreads[slot] = toolkitThread;
    if (!g_threadEndBox) {
        abi::__cxa_thread_atexit(&endedPlainly, &g_endedPlainly[slot], &__dso_handle);
        return;
    }
    // The last argument names the module the routine belongs to: the broker's.
    abi::__cxa_thread_atexit(&::moskPostSemaphore, &g_threadEndBox->posts[slot],
                             reinterpret_cast<void *>(&::moskPostSemaphore));
}

bool slotEnded(int slot)
{
    int posts = 0;
    return g_endedPlainly[slot] ||
           (g_threadEndBox && ::sem_getvalue(&g_threadEndBox->posts[slot], &posts) == 0 &&
            posts > 0);
}

bool threadEnded()
{
    for (int slot = 0; slot < 2; ++slot) {
        if (!slotEnded(slot))
            continue;
        if (g_watchedThreads[slot] == ::getpid())
            return true;
        const QCoreApplication *application = QCoreApplication::instance();
        if (application && application->thread() == g_watchedToolkitThreads[slot])
            return true;
    }
    return false;
}

// The thread that loaded the library, which stands for the library's own until a call claims
// one; and the application an export last ran on with its thread, so that another thread is
// told apart without the toolkit's thread records (which a thread of the host's would
// otherwise get, and keep past an unload of the toolkit).
std::atomic<pid_t> g_loadingThread{0};
std::atomic<const QCoreApplication *> g_seenApplication{nullptr};
std::atomic<pid_t> g_applicationThread{0};
std::atomic<bool> g_claimed{false};

} // namespace

void watchProcessEnd()
{
    pid_t none = 0;
    g_loadingThread.compare_exchange_strong(none, ::gettid());
    std::atexit(&markProcessEnding);
    // The main thread ends only with the process; a thread of the broker's that loads the
    // plug-in may end before it.
    if (::gettid() == ::getpid())
        watchThreadEnd(nullptr);
}

bool processEnding()
{
    return g_processEnding || threadEnded();
}

void reportEscapedException(const char *exportName, const char *what)
{
    qWarning("%s: %s", exportName, what);
}

namespace {

// The thread that runs the library as the calling thread sees it (claiming it when none is
// known yet and the caller claims).
QThread *libraryThread(QThread *current, bool claims)
{
    static const bool watched = (watchProcessEnd(), true);
    (void)watched;
    static std::atomic<QThread *> starter{nullptr};
    QThread *expected = nullptr;
    QThread *owner = nullptr;
    if (claims) {
        owner = starter.compare_exchange_strong(expected, current) ? current : expected;
        g_claimed = true;
    } else {
        owner = (expected = starter.load()) ? expected : current;
    }
    // A host that made its own application started the library on that application's thread.
    if (const QCoreApplication *application = QCoreApplication::instance())
        owner = application->thread();
    return owner;
}

} // namespace

bool onLibraryThread(const char *exportName, bool claims)
{
    QThread *const current = QThread::currentThread();
    if (current == libraryThread(current, claims)) {
        // Only the thread that runs the library's application: the broker's own, which may load
        // the plug-in first, and a helper that called before any application existed, end
        // while the process goes on.
        if (const QCoreApplication *application = QCoreApplication::instance()) {
            g_applicationThread = ::gettid();
            g_seenApplication = application;
            if (claims)
                watchThreadEnd(current);
        }
        return true;
    }
    system::debugOutput(std::string(exportName) +
                        ": called from a thread other than the one that started the library; "
                        "refused\n");
    return false;
}

bool enters(const char *name, Claim claim)
{
    if (processEnding())
        return false;
    if (claim == Claim::Thread)
        return onLibraryThread(name);
    if (isLibraryThread())
        return true;
    system::debugOutput(std::string(name) +
                        ": called from a thread other than the one that started the library; "
                        "refused\n");
    return false;
}

bool isLibraryThread()
{
    const QCoreApplication *application = QCoreApplication::instance();
    if (application && application == g_seenApplication)
        return ::gettid() == g_applicationThread;
    if (!application && !g_claimed)
        return ::gettid() == g_loadingThread;
    QThread *const current = QThread::currentThread();
    return current == libraryThread(current, false);
}

bool applicationExists()
{
    return QCoreApplication::instance() != nullptr;
}

bool started()
{
    // At the process's end the toolkit's statics may be gone while the application still stands.
    return g_started && applicationExists() && !processEnding();
}

void setStarted(bool running)
{
    g_started = running;
    // Notifications a host thread sends from now on are carried to this start's thread.
    if (running)
        broker::makeCarrier();
}

} // namespace tesk
