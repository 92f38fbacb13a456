#include "system/filelock.h"

#include "system/regularfile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace tesk::system {

bool lockWithin(int fd, std::chrono::milliseconds wait)
{
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

HeldFileLock::HeldFileLock(const QString &lockFileName, std::chrono::milliseconds wait)
    : m_fd(openRegularDescriptor(lockFileName, O_RDWR | O_CREAT))
{
    m_held = m_fd >= 0 && lockWithin(m_fd, wait);
}

HeldFileLock::~HeldFileLock()
{
    // Closing the descriptor lets go of the lock.
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace tesk::system
