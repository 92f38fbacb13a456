#include "system/filelock.h"

#include "system/regularfile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <thread>
#include <unistd.h>

namespace tesk::system {

namespace {

// A holder that lets go without closing the file (LOCK_UN) sends no event: the lock is asked
// again at least this often.
constexpr std::chrono::milliseconds kRecheck(100);

// Wakes a waiter when the lock file is closed anywhere, as a holder does when it lets go (also
// when it ends or crashes): the waiter asks again at once, where one that slept between tries
// would lose the lock to every writer that came meanwhile. Without a watch (no inotify left)
// the waiter sleeps between tries.
class CloseWatch
{
public:
    explicit CloseWatch(int fd)
        : m_fd(::inotify_init1(IN_CLOEXEC | IN_NONBLOCK))
    {
        const std::string path = "/proc/self/fd/" + std::to_string(fd);
        if (m_fd >= 0 && ::inotify_add_watch(m_fd, path.c_str(), IN_CLOSE) < 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~CloseWatch()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    CloseWatch(const CloseWatch &) = delete;
    CloseWatch &operator=(const CloseWatch &) = delete;

    void wait(std::chrono::milliseconds most)
    {
        if (m_fd < 0) {
            std::this_thread::sleep_for(std::min(most, std::chrono::milliseconds(10)));
            return;
        }
        pollfd watched{m_fd, POLLIN, 0};
        if (::poll(&watched, 1, int(most.count())) <= 0)
            return;
        alignas(inotify_event) char events[4096];
        while (::read(m_fd, events, sizeof events) > 0) {
        }
    }

private:
    int m_fd;
};

std::string describe(int error)
{
    switch (error) {
    case EISDIR:
        return "is a folder";
    case EINVAL:
        return "is no regular file";
    default:
        return std::string("cannot be used: ") + std::strerror(error);
    }
}

std::string seconds(std::chrono::milliseconds wait)
{
    const auto tenths = (wait.count() + 50) / 100;
    return std::to_string(tenths / 10) + '.' + std::to_string(tenths % 10);
}

} // namespace

LockState lockWithin(int fd, std::chrono::milliseconds wait)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + wait;
    std::optional<CloseWatch> watch;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return LockState::Held;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return LockState::Unusable;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return LockState::HeldByAnother;
        // Asked once more after the watch is set: a holder that let go in between is seen.
        if (!watch)
            watch.emplace(fd);
        else
            watch->wait(std::min(left, kRecheck));
    }
}

HeldFileLock::HeldFileLock(const QString &lockFileName, std::chrono::milliseconds wait)
    : m_fileName(lockFileName)
    , m_wait(wait)
    , m_fd(openRegularDescriptor(lockFileName, O_RDONLY | O_CREAT))
{
    if (m_fd < 0) {
        m_error = errno;
        return;
    }
    m_state = lockWithin(m_fd, wait);
    if (m_state == LockState::Unusable)
        m_error = errno;
}

HeldFileLock::~HeldFileLock()
{
    // Closing the descriptor lets go of the lock.
    if (m_fd >= 0)
        ::close(m_fd);
}

std::string HeldFileLock::whyNotHeld() const
{
    const std::string name = QFile::encodeName(m_fileName).toStdString();
    switch (m_state) {
    case LockState::Held:
        return name + " is held";
    case LockState::HeldByAnother:
        return name + " was held by another for longer than " + seconds(m_wait) + " seconds";
    case LockState::Unusable:
        break;
    }
    return name + ' ' + describe(m_error);
}

} // namespace tesk::system
