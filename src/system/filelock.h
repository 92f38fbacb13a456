#pragma once

// The exclusive lock (flock) that the library's writers of files shared between processes take:
// another writer of the same file is waited for, never for long, since the caller is the user
// interface.

#include <QString>

#include <chrono>
#include <string>

namespace tesk::system {

// Another writer of the same file is done within this; a holder of the lock that keeps it
// longer (a program guarding its own file against a second copy of itself) is not waited for.
constexpr std::chrono::milliseconds kLockWait(1500);

// What came of asking for the lock. A lock that cannot be had at all (its file is a folder, a
// pipe, a device, cannot be made, or its file system takes no locks) is no other writer: the
// caller decides what to do without it.
enum class LockState { Held, HeldByAnother, Unusable };

// Takes the exclusive lock of the open descriptor, waiting until another holder lets go (woken
// as it closes the file) but no longer than the wait. The lock goes with the descriptor. Where
// it is unusable, errno says why.
LockState lockWithin(int fd, std::chrono::milliseconds wait = kLockWait);

// The lock of a file of its own held for the life of the object: what is written under it is
// the store beside it, which a writer may replace (rename over) and so cannot be locked itself.
// The lock file is made when missing and left in place; one the user cannot write still serves,
// as flock needs no more than reading.
class HeldFileLock
{
public:
    explicit HeldFileLock(const QString &lockFileName, std::chrono::milliseconds wait = kLockWait);
    ~HeldFileLock();
    HeldFileLock(const HeldFileLock &) = delete;
    HeldFileLock &operator=(const HeldFileLock &) = delete;

    LockState state() const { return m_state; }
    bool isHeld() const { return m_state == LockState::Held; }
    // Why the lock is not held, for the debug output: "<file> is a folder", "... was held by
    // another for longer than 1.5 seconds".
    std::string whyNotHeld() const;

private:
    QString m_fileName;
    std::chrono::milliseconds m_wait;
    int m_fd = -1;
    int m_error = 0;
    LockState m_state = LockState::Unusable;
};

} // namespace tesk::system
