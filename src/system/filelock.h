#pragma once

// The exclusive lock (flock) that the library's writers of files shared between processes take:
// another writer of the same file is waited for, never for long, since the caller is the user
// interface.

#include <QString>

#include <chrono>

namespace tesk::system {

// Another writer of the same file is done within this; a holder of the lock that keeps it
// longer (a program guarding its own file against a second copy of itself) is not waited for.
constexpr std::chrono::milliseconds kLockWait(1500);

// Takes the exclusive lock of the open descriptor, trying without blocking and again every
// 10 ms until the wait is over. The lock goes with the descriptor. False when another holds it
// for longer, or the lock cannot be taken at all.
bool lockWithin(int fd, std::chrono::milliseconds wait = kLockWait);

// The lock of a file of its own held for the life of the object: what is written under it is
// the store beside it, which a writer may replace (rename over) and so cannot be locked itself.
// The lock file is made when missing and left in place.
class HeldFileLock
{
public:
    explicit HeldFileLock(const QString &lockFileName, std::chrono::milliseconds wait = kLockWait);
    ~HeldFileLock();
    HeldFileLock(const HeldFileLock &) = delete;
    HeldFileLock &operator=(const HeldFileLock &) = delete;

    // False when the file could not be made or another kept the lock for longer than the wait.
    bool isHeld() const { return m_held; }

private:
    int m_fd = -1;
    bool m_held = false;
};

} // namespace tesk::system
