// The lock that writers of shared files take: what stands in its way is told apart (another
// holder, or a lock file nobody can lock), and a waiter gets the lock as soon as its holder lets
// go, however long the wait it was allowed.
#include "system/filelock.h"

#include "nonregularfiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using tesk::system::HeldFileLock;
using tesk::system::LockState;
using namespace std::chrono_literals;

TEST(FileLock, AnotherHolderAndAnUnusableFileAreToldApart)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("store.lock"));
    const HeldFileLock first(name);
    ASSERT_TRUE(first.isHeld());
    const HeldFileLock second(name, 20ms);
    EXPECT_EQ(second.state(), LockState::HeldByAnother);
    EXPECT_NE(second.whyNotHeld().find("was held by another for longer than"), std::string::npos)
        << second.whyNotHeld();

    const testfiles::NonRegularFiles odd;
    for (const QString &path : odd.refused()) {
        const HeldFileLock lock(path);
        EXPECT_EQ(lock.state(), LockState::Unusable) << qPrintable(path);
        EXPECT_NE(lock.whyNotHeld().find(QFile::encodeName(path).toStdString()), std::string::npos);
    }
    EXPECT_NE(HeldFileLock(odd.folder()).whyNotHeld().find("is a folder"), std::string::npos);
}

TEST(FileLock, AWaiterTakesTheLockWhenItsHolderLetsGo)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("store.lock"));
    auto holder = std::make_unique<HeldFileLock>(name);
    ASSERT_TRUE(holder->isHeld());
    std::thread letGo([&holder] {
        std::this_thread::sleep_for(50ms);
        holder.reset();
    });
    const HeldFileLock waiter(name, 60s);
    letGo.join();
    EXPECT_TRUE(waiter.isHeld());
}
