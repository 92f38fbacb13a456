// Start-up, the loop exports and the process frame, driven through the C interface.
#include "testhost.h"

#include "frame/app/cuiapp.h"
#include "frame/app/cuiwinapp.h"
#include "frame/core/cuihandles.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

using namespace tesk::app;

TEST(StartupWords, SplitAtRunsOfBlanksOnly)
{
    EXPECT_TRUE(splitCommandLine(QString()).isEmpty());
    EXPECT_TRUE(splitCommandLine(QStringLiteral("   ")).isEmpty());
    EXPECT_EQ(splitCommandLine(QStringLiteral("  a   b c ")), QStringList({"a", "b", "c"}));
    // Tabs are not separators.
    EXPECT_EQ(splitCommandLine(QStringLiteral("a\tb c")), QStringList({"a\tb", "c"}));
}

TEST(StartupWords, FirstStyleSwitchChoosesExactly)
{
    auto flags = [](const char *line) {
        return styleFlags(splitCommandLine(QString::fromLatin1(line)));
    };
    EXPECT_TRUE(flags("-style wood").wood);
    EXPECT_TRUE(flags("x -style metal").metal);
    EXPECT_FALSE(flags("-style Wood").wood);
    EXPECT_FALSE(flags("-style").wood || flags("-style").metal);
    // Only the first "-style" counts.
    const StyleFlags first = flags("-style plain -style wood");
    EXPECT_FALSE(first.wood || first.metal);
}

TEST(StartupWords, FileReadingToolkitOptionsNeverReachTheToolkit)
{
    auto kept = [](const char *line) {
        return toolkitWords(splitCommandLine(QString::fromLatin1(line))).join(QLatin1Char(' '));
    };
    EXPECT_EQ(kept("-stylesheet /dev/zero -style fusion"), QStringLiteral("-style fusion"));
    // The library's own looks are its to set: the toolkit, which has none of them, never hears.
    EXPECT_EQ(kept("-style wood -reverse -style metal -style windows"),
              QStringLiteral("-reverse -style windows"));
    EXPECT_EQ(kept("--stylesheet=/dev/zero a -qwindowicon /x.png b"), QStringLiteral("a b"));
    EXPECT_EQ(kept("-platformpluginpath /p -plugin evil -testability -reverse"),
              QStringLiteral("-reverse"));
    // A value-taking option at the end takes nothing after it; look-alikes pass.
    EXPECT_EQ(kept("x -stylesheet"), QStringLiteral("x"));
    EXPECT_EQ(kept("-stylesheets y -platform offscreen stylesheet"),
              QStringLiteral("-stylesheets y -platform offscreen stylesheet"));
}

TEST(StartupInstanceId, HomeOrUnknownCutAndLowerCased)
{
    EXPECT_EQ(applicationId(nullptr), QStringLiteral("a <unknown>"));
    EXPECT_EQ(applicationId("/Home/User"), QStringLiteral("a /home/user"));
    EXPECT_EQ(applicationId("/home/USER"), applicationId("/HOME/user"));

    const QByteArray longHome = "/" + QByteArray(300, 'x');
    EXPECT_EQ(instanceIdBuffer(longHome.constData()).size(), 2 + 257);
    // Homes that differ only after byte 257 are the same home area.
    EXPECT_EQ(applicationId((longHome + "a").constData()),
              applicationId((longHome + "b").constData()));
}

TEST(Startup, TheTestHostStartedOneApplication)
{
    ASSERT_NE(CuiGetQtApp(), nullptr);
    EXPECT_EQ(CuiGetQtApp(), static_cast<void *>(application()));
    EXPECT_EQ(arguments(), QStringList({"tesk-tests"}));
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed());

    // A second start-up keeps the application that exists.
    char commandLine[] = "-style wood";
    EXPECT_EQ(CuiQtInit_Win(commandLine), 1);
    EXPECT_EQ(CuiGetQtApp(), static_cast<void *>(application()));
    EXPECT_EQ(arguments(), QStringList({"tesk-tests"}));
}

TEST(Startup, ApplicationIdComesFromTheHomeArea)
{
    const QByteArray home = testhost::homeDir().toLocal8Bit();
    EXPECT_EQ(application()->id(), applicationId(home.constData()));
    EXPECT_TRUE(application()->isInitialized());
}

TEST(Loop, ShutdownBeforeAnyFrameLeavesTheLoopRunning)
{
    ASSERT_FALSE(frameCreated());
    EXPECT_EQ(QtShutdown(), 1);
    // The loop is still alive: a queued call still arrives.
    bool delivered = false;
    QTimer::singleShot(0, [&] { delivered = true; });
    EXPECT_TRUE(testhost::pumpUntil([&] { return delivered; }));
}

TEST(Loop, ShutdownAfterAFrameQuitsTheLoop)
{
    setFrameCreated(true);
    bool quitSeen = false;
    QTimer::singleShot(0, [&] {
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&] { quitSeen = true; });
        EXPECT_EQ(QtShutdown(), 0);
    });
    // exec() returns once QtShutdown asked it to quit.
    QCoreApplication::exec();
    setFrameCreated(false);
    EXPECT_TRUE(quitSeen);
}

// A window that would refuse to close: the host's shutdown must not depend on its answer.
class StubbornWindow : public QWidget
{
public:
    int closeRequests = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closeRequests;
        event->ignore();
    }
};

TEST(Loop, ShutdownDoesNotAskTheWindows)
{
    StubbornWindow window;
    window.show();
    setFrameCreated(true);
    QTimer::singleShot(0, [] { EXPECT_EQ(QtShutdown(), 0); });
    // Without the shutdown getting through, exec() would not return and the test time out.
    QCoreApplication::exec();
    setFrameCreated(false);
    EXPECT_EQ(window.closeRequests, 0);
}

TEST(Loop, PumpCarriesOutDeferredDeletes)
{
    // An export that ends an object with deleteLater, called by a host with its own loop.
    QPointer<QObject> doomed = new QObject;
    doomed->deleteLater();
    CuiPump();
    EXPECT_TRUE(doomed.isNull());
}

TEST(Idle, ObjectLifecycleAndTicks)
{
    EXPECT_EQ(CuiRegisterIdleFunc(&testhost::recordingIdle), -1) << "nothing to store it in";
    EXPECT_EQ(CuiDeleteIdleObject(), 0);

    EXPECT_EQ(CuiCreateIdleObject(), 1);
    EXPECT_EQ(CuiCreateIdleObject(), 0);
    EXPECT_EQ(CuiRegisterIdleFunc(&testhost::recordingIdle), 0);
    const int before = testhost::idleTicks();
    EXPECT_TRUE(testhost::pumpUntil([&] { return testhost::idleTicks() >= before + 2; }, 3000));

    EXPECT_EQ(CuiDeleteIdleObject(), 1);
    EXPECT_EQ(CuiDeleteIdleObject(), 0);
    const int after = testhost::idleTicks();
    testhost::pumpFor(250);
    EXPECT_EQ(testhost::idleTicks(), after);
    EXPECT_EQ(CuiRegisterIdleFunc(&testhost::recordingIdle), -1) << "the object has gone";

    // A function refused before the object existed is not picked up by a later object.
    EXPECT_EQ(CuiCreateIdleObject(), 1);
    testhost::pumpFor(250);
    EXPECT_EQ(testhost::idleTicks(), after);
    EXPECT_EQ(CuiRegisterIdleFunc(nullptr), 0);
    EXPECT_EQ(CuiDeleteIdleObject(), 1);
}

TEST(Idle, RecreatedObjectStartsWithoutAFunction)
{
    ASSERT_EQ(CuiCreateIdleObject(), 1);
    const int before = testhost::idleTicks();
    testhost::pumpFor(250);
    EXPECT_EQ(testhost::idleTicks(), before);
    EXPECT_EQ(CuiDeleteIdleObject(), 1);
}

TEST(DeleteObject, DeletesOnlyHandedOutObjects)
{
    EXPECT_EQ(CuiDeleteObject(nullptr), 1);

    QPointer<QObject> handedOut = new QObject;
    void *handle = tesk::handles::add(handedOut);
    // The address is no handle: only the handle given out deletes.
    EXPECT_EQ(CuiDeleteObject(handedOut.data()), 1);
    EXPECT_FALSE(handedOut.isNull());
    EXPECT_EQ(CuiDeleteObject(handle), 1);
    EXPECT_TRUE(handedOut.isNull());

    // A pointer the library never handed out is refused, not deleted.
    QObject foreign;
    testhost::DebugCapture capture;
    EXPECT_EQ(CuiDeleteObject(&foreign), 1);
    EXPECT_TRUE(capture.contains("is not an object handed out by this library"));
}

TEST(DeleteObject, AHandleStaysDeadWhenItsAddressIsReused)
{
    std::vector<void *> dead;
    // Enough objects that addresses come round again, quarantine or not.
    for (int i = 0; i < 2000; ++i) {
        auto *object = new QObject;
        void *handle = tesk::handles::add(object);
        EXPECT_NE(handle, static_cast<void *>(object));
        EXPECT_EQ(tesk::handles::add(object), handle);
        EXPECT_EQ(tesk::handles::object(handle), object);
        delete object;
        dead.push_back(handle);
    }
    auto *live = new QObject;
    void *current = tesk::handles::add(live);
    for (void *handle : dead) {
        EXPECT_EQ(tesk::handles::object(handle), nullptr);
        EXPECT_NE(handle, current);
    }
    delete live;
}

TEST(ProcessFrame, SmallExports)
{
    EXPECT_EQ(CuiLoadPlugins(), 1);
    EXPECT_EQ(CuiUpdateSettings(), 0);
    // No main window has any handle yet.
    EXPECT_EQ(CuiSetActivationCallback(0x1234, nullptr), 0);
}

TEST(MessageHandler, EveryMessageEndsWithANewline)
{
    testhost::DebugCapture capture;
    qDebug("plain");
    qWarning("warned");
    EXPECT_EQ(capture.text(), "plain\nwarned\n");
}

TEST(MessageHandlerDeathTest, FatalEndsTheProcessWithCodeOne)
{
    EXPECT_EXIT(qFatal("the end"), ::testing::ExitedWithCode(1), "the end");
}

namespace {

QString runLoopChild(const char *mode)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KSODEBUG_HOME"), testhost::homeDir() + QStringLiteral("/loop"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/loop_child"),
                {QString::fromLatin1(mode)});
    child.waitForFinished(30000);
    return QString::fromLocal8Bit(child.readAllStandardOutput()) +
           QStringLiteral("exit=%1\n").arg(child.exitCode());
}

} // namespace

TEST(LoopInItsOwnProcess, AShutdownBeforeTheLoopEndsTheNextRunAtOnce)
{
    const QString output = runLoopChild("pending");
    EXPECT_TRUE(output.contains(QStringLiteral("shutdown=0\n"))) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("run=1\n"))) << qPrintable(output);
    EXPECT_FALSE(output.contains(QStringLiteral("loop held"))) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("application=no\n"))) << qPrintable(output);
}

TEST(LoopInItsOwnProcess, AHostsOwnApplicationRunsAndStaysTheHosts)
{
    const QString output = runLoopChild("hostapp");
    EXPECT_TRUE(output.contains(QStringLiteral("start=1\n"))) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("ran=yes\n"))) << qPrintable(output);
    EXPECT_FALSE(output.contains(QStringLiteral("loop held"))) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("application=host's\n"))) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("exit=0\n"))) << qPrintable(output);
}

// A host timer inside one of the library's boxes asks for the loop and then shuts down: the
// loop is refused, the box ends as if dismissed (No), and the application is never ended under it.
// The shutdown is not lost: a later box still waits for its answer, and the next run returns.
TEST(LoopInItsOwnProcess, ALoopAskedForInsideABoxIsRefusedAndTheShutdownReachesTheNextRun)
{
    const QString output = runLoopChild("inbox");
    EXPECT_TRUE(output.contains(QStringLiteral("nested=0\nshutdown=0\nbox=4\n")))
        << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("second=3\napplication=yes\nrun=1\n")))
        << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("application=no\nexit=0\n"))) << qPrintable(output);
    EXPECT_FALSE(output.contains(QStringLiteral("loop held"))) << qPrintable(output);
}

TEST(LoopInItsOwnProcess, AShutdownInsideABoxEndsTheRunningLoopOnceTheBoxIsLeft)
{
    const QString output = runLoopChild("runbox");
    EXPECT_TRUE(output.contains(QStringLiteral("nested=0\nshutdown=0\n"))) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("run=1\napplication=no\nexit=0\n")))
        << qPrintable(output);
    EXPECT_FALSE(output.contains(QStringLiteral("loop held"))) << qPrintable(output);
}

TEST(LoopInItsOwnProcess, AfterARestartClicksIntoDockPanesReachTheHost)
{
    const QString output = runLoopChild("restart");
    EXPECT_EQ(output.count(QStringLiteral("focus calls=1\n")), 2) << qPrintable(output);
    EXPECT_FALSE(output.contains(QStringLiteral("loop held"))) << qPrintable(output);
}
