// Finding another instance by its id, and passing it text.
#include "testhost.h"

#include "system/singleinstance.h"

#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

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
}

TEST(SingleInstance, TheLatestToStartStaysFindableWhenAnEarlierOneEnds)
{
    auto first = std::make_unique<SingleInstance>(uniqueId("latest"));
    ASSERT_TRUE(first->listen());
    // A second instance started anyway (answered Yes, or several allowed).
    SingleInstance second(uniqueId("latest"));
    ASSERT_TRUE(second.listen());
    EXPECT_TRUE(second.isRunning()); // the first, not itself

    first.reset();
    SingleInstance third(uniqueId("latest"));
    EXPECT_TRUE(third.isRunning());
    EXPECT_FALSE(second.isRunning());
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

// A start's claim kept for the next start lets go of its name at the unload only while the name
// is still its socket's: another instance that found it dead may have put its own there.
TEST(SingleInstance, AKeptClaimLetsGoOnlyOfItsOwnName)
{
    const QString id = uniqueId("kept");
    const QByteArray path = QFile::encodeName(SingleInstance::serverName(id));
    ASSERT_FALSE(path.isEmpty());
    {
        SingleInstance owner(id);
        ASSERT_TRUE(owner.listen());
        owner.keepForNextStart();
    }
    struct stat named
    {
    };
    ASSERT_EQ(::lstat(path.constData(), &named), 0);
    SingleInstance::dropKeptClaim();
    EXPECT_NE(::lstat(path.constData(), &named), 0) << "the kept name stayed";

    {
        SingleInstance owner(id);
        ASSERT_TRUE(owner.listen());
        owner.keepForNextStart();
    }
    // Another instance's socket under the same name.
    ASSERT_EQ(::unlink(path.constData()), 0);
    const int other = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(other, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    SingleInstance::dropKeptClaim();
    EXPECT_EQ(::lstat(path.constData(), &named), 0) << "another instance's name was taken";
    ::close(other);
    ::unlink(path.constData());
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

namespace {

int connectRaw(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

TEST(SingleInstanceHostile, SocketLivesInAFolderOnlyThisUserMayEnter)
{
    const QString name = SingleInstance::serverName(uniqueId("private"));
    ASSERT_FALSE(name.isEmpty());
    struct stat folder
    {
    };
    ASSERT_EQ(::lstat(QFile::encodeName(QFileInfo(name).path()).constData(), &folder), 0)
        << qPrintable(name);
    EXPECT_TRUE(S_ISDIR(folder.st_mode));
    EXPECT_EQ(folder.st_uid, ::getuid());
    EXPECT_EQ(folder.st_mode & 077, 0u);

    if (::geteuid() != 0)
        GTEST_SKIP() << "another user can only be tried as root";
    SingleInstance owner(uniqueId("private"));
    ASSERT_TRUE(owner.listen());
    const pid_t child = fork();
    if (child == 0) {
        // Another user: may neither connect nor take the name.
        _exit(::setuid(65534) == 0 && connectRaw(name) < 0 ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

namespace {
// Sets an environment variable for the scope's life.
class EnvSetting
{
public:
    EnvSetting(const char *name, const QByteArray &value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~EnvSetting()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};
} // namespace

TEST(SingleInstanceHostile, AnOpenTemporaryFolderFallsBackToAPrivateOne)
{
    QTemporaryDir temporary(QStringLiteral("/tmp/tsi-XXXXXX"));
    QTemporaryDir home(QStringLiteral("/tmp/tsh-XXXXXX"));
    ASSERT_TRUE(temporary.isValid() && home.isValid());
    // Another user's folder would do the same; one this user opened up is as unsafe.
    const QByteArray usual =
        QFile::encodeName(temporary.path() + QStringLiteral("/tesk-%1").arg(::getuid()));
    ASSERT_EQ(::mkdir(usual.constData(), 0755), 0);
    ASSERT_EQ(::chmod(usual.constData(), 0755), 0);
    EnvSetting runtime("XDG_RUNTIME_DIR", QByteArray());
    EnvSetting tmp("TMPDIR", QFile::encodeName(temporary.path()));
    {
        EnvSetting homeDir("HOME", QFile::encodeName(home.path()));
        const QString name = SingleInstance::serverName(uniqueId("fallback"));
        EXPECT_EQ(QFileInfo(name).path(), home.path() + QStringLiteral("/.tesk"));
        SingleInstance first(uniqueId("fallback"));
        SingleInstance second(uniqueId("fallback"));
        ASSERT_TRUE(first.listen());
        EXPECT_TRUE(second.isRunning());
    }
    // A home folder too long for a socket's path: the first numbered folder instead.
    EnvSetting homeDir("HOME", QByteArray(200, 'h').prepend('/'));
    const QString name = SingleInstance::serverName(uniqueId("numbered"));
    EXPECT_EQ(QFileInfo(name).path(), QFile::decodeName(usual) + QStringLiteral("-1"));
    SingleInstance first(uniqueId("numbered"));
    SingleInstance second(uniqueId("numbered"));
    ASSERT_TRUE(first.listen());
    EXPECT_TRUE(second.isRunning());
}

TEST(SingleInstanceHostile, ATricklingStrangerCannotHoldStartUp)
{
    const QString id = uniqueId("trickle");
    const QByteArray path = QFile::encodeName(SingleInstance::serverName(id));
    const int server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(server, 4), 0);
    // A greeting of one byte every 50 ms, for 20 s, never ending its line.
    std::atomic<bool> stop{false};
    std::atomic<int> sent{0};
    std::thread stranger([&] {
        const int client = ::accept(server, nullptr, nullptr);
        for (int i = 0; i < 400 && !stop; ++i) {
            if (::send(client, "x", 1, MSG_NOSIGNAL) != 1)
                break;
            ++sent;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        ::close(client);
    });
    SingleInstance second(id);
    const bool running = second.isRunning();
    // The stranger was heard (it is no instance) and let go long before its 20 s were up.
    const int sentByThen = sent;
    stop = true;
    stranger.join();
    ::close(server);
    ::unlink(path.constData());
    EXPECT_FALSE(running);
    EXPECT_GT(sentByThen, 0);
    EXPECT_LT(sentByThen, 200);
}

TEST(SingleInstanceHostile, IdleConnectionsAreDroppedAndFewAreServed)
{
    SingleInstance owner(uniqueId("idle"));
    ASSERT_TRUE(owner.listen());
    std::vector<int> clients;
    for (int i = 0; i < 20; ++i) {
        const int fd = connectRaw(SingleInstance::serverName(owner.id()));
        ASSERT_GE(fd, 0);
        clients.push_back(fd);
    }
    testhost::pumpFor(500);
    int greeted = 0;
    char buffer[4096];
    for (int fd : clients)
        greeted += ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT) > 0;
    EXPECT_GT(greeted, 0);
    EXPECT_LE(greeted, 8);

    testhost::pumpFor(6000);
    int open = 0;
    for (int fd : clients) {
        open += ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT) < 0 && errno == EAGAIN;
        ::close(fd);
    }
    EXPECT_EQ(open, 0);
}
