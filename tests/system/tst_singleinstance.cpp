// Finding another instance by its id, and passing it text.
#include "testhost.h"

#include "system/singleinstance.h"

#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using tesk::system::SingleInstance;

namespace {
QString uniqueId(const char *tag)
{
    return QStringLiteral("a /test/%1/%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QLatin1String(tag));
}
} // namespace

TEST(SingleInstance, FoundOnlyOnceListeningAndOnlyUnderItsId)
{
    SingleInstance first(uniqueId("found"));
    SingleInstance second(uniqueId("found"));
    SingleInstance stranger(uniqueId("other"));
    EXPECT_FALSE(second.isRunning());

    ASSERT_TRUE(first.listen());
    EXPECT_TRUE(first.listen()); // a second call changes nothing
    EXPECT_TRUE(second.isRunning());
    EXPECT_FALSE(stranger.isRunning());
    // The name is taken while the first one lives.
    EXPECT_FALSE(second.listen());
}

TEST(SingleInstance, NameIsFreedWithItsOwner)
{
    {
        SingleInstance owner(uniqueId("freed"));
        ASSERT_TRUE(owner.listen());
    }
    SingleInstance later(uniqueId("freed"));
    EXPECT_FALSE(later.isRunning());
    EXPECT_TRUE(later.listen());
}

TEST(SingleInstance, MessagesArriveWhole)
{
    SingleInstance receiver(uniqueId("message"));
    ASSERT_TRUE(receiver.listen());
    QSignalSpy received(&receiver, &SingleInstance::messageReceived);

    SingleInstance sender(uniqueId("message"));
    const QString text = QStringLiteral("open Grüße.elf");
    // Another instance is another process; a thread of its own stands in for it here, so that
    // this loop can greet it while it waits.
    std::atomic<bool> sent{false};
    std::thread other([&] { sent = sender.sendMessage(text, 3000); });
    const bool arrived = testhost::pumpUntil([&] { return received.count() == 1; });
    other.join();
    ASSERT_TRUE(arrived);
    EXPECT_TRUE(sent);
    EXPECT_EQ(received.at(0).at(0).toString(), text);

    SingleInstance nobody(uniqueId("nobody"));
    EXPECT_FALSE(nobody.sendMessage(text, 200));
}
