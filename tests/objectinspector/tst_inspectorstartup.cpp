// The road from a host's start-up to the inspector tool: the library makes the client when
// QT_INSPECTOR_PORT is set, in this process and in a host of its own.
#include "inspectorpeer.h"
#include "testhost.h"

#include "objectinspector/inspectorstartup.h"
#include "objectinspector/objecttree.h"
#include "objectinspector/qtobjectinspector.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

using tesk::inspector::startClientFromEnvironment;
using tesk::inspector::startUpClient;

namespace {

// Starts a child host that finds the peer through the port variable; extra variables go to the
// child's environment as well. False when it did not start.
bool startChild(QProcess &child, const InspectorPeer &peer, const char *program,
                const QProcessEnvironment &extra = {}, const QStringList &arguments = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_INSPECTOR_PORT"), QString::number(peer.port()));
    env.insert(QStringLiteral("KSODEBUG_ALLOW_MULTIPLE_INSTANCES"), QString());
    env.insert(extra);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationDirPath() + '/' + QLatin1String(program), arguments);
    return child.waitForStarted();
}

// Closes the child's input, its sign to end, and expects it to end normally with 0.
void expectEndsCleanly(QProcess &child)
{
    child.closeWriteChannel();
    testhost::pumpUntil([&] { return child.state() == QProcess::NotRunning; }, 30000);
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
}

} // namespace

TEST(InspectorAtStartUp, OneClientAndOnlyWhenThePortIsNamed)
{
    if (!tesk::inspector::clientAtStartUp())
        GTEST_SKIP() << "built without TESK_INSPECTOR";
    qunsetenv("QT_INSPECTOR_PORT");
    {
        testhost::DebugCapture capture;
        startClientFromEnvironment();
        EXPECT_EQ(startUpClient(), nullptr);
        EXPECT_EQ(capture.text(), "") << "nobody asked for the link";
    }
    InspectorPeer peer;
    peer.exportPort();
    startClientFromEnvironment();
    QtObjectInspector *client = startUpClient();
    ASSERT_NE(client, nullptr);
    EXPECT_TRUE(client->isLive());
    ASSERT_TRUE(peer.waitForCommands(1));
    EXPECT_EQ(peer.commands()[0].type(), ProtocolCommand::Login);
    startClientFromEnvironment();
    EXPECT_EQ(startUpClient(), client) << "a second start-up keeps the first client";
    delete client;
    EXPECT_EQ(startUpClient(), nullptr);
    qunsetenv("QT_INSPECTOR_PORT");
}

TEST(InspectorAtStartUp, AHostsStartUpLogsInAndAnswersTheTool)
{
    if (!tesk::inspector::clientAtStartUp())
        GTEST_SKIP() << "built without TESK_INSPECTOR";
    InspectorPeer peer;
    QProcess child;
    ASSERT_TRUE(startChild(child, peer, "inspected_child"));

    ASSERT_TRUE(peer.waitForCommands(1, 30000)) << child.readAllStandardError().toStdString();
    const ProtocolCommand login = peer.commands()[0];
    ASSERT_EQ(login.type(), ProtocolCommand::Login);
    LoginData data;
    ASSERT_TRUE(login.getData(&data));
    EXPECT_EQ(data.processId, qint32(child.processId()));
    EXPECT_EQ(
        QFileInfo(data.applicationPath).canonicalFilePath(),
        QFileInfo(QCoreApplication::applicationDirPath() + "/inspected_child").canonicalFilePath());

    peer.clear();
    peer.send(ProtocolCommand::RequestObjectTree);
    ASSERT_TRUE(peer.waitForCommands(1, 30000));
    ASSERT_EQ(peer.commands()[0].type(), ProtocolCommand::ObjectTreeData);
    ObjectTree tree;
    ASSERT_TRUE(peer.commands()[0].getData(&tree));
    EXPECT_EQ(tree.applicationPath(), data.applicationPath);

    expectEndsCleanly(child);
    EXPECT_EQ(child.readAllStandardOutput().toStdString(), "client=yes\n");
}

// A host that owns its application, unloads the library and then deletes the application: the
// client and its hooks went with the library, and nothing of it is called afterwards. The
// library's loop ended the client, or, when the host ran only its own loop, the unload did.
TEST(InspectorAtStartUp, AHostThatUnloadsTheLibraryEndsCleanly)
{
    if (!tesk::inspector::clientAtStartUp())
        GTEST_SKIP() << "built without TESK_INSPECTOR";
    for (const QStringList &arguments : {QStringList(), QStringList{QStringLiteral("ownloop")}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        InspectorPeer peer;
        QProcess child;
        // What an unloaded library leaves behind is the leak check's business (ctest
        // library_unloads_leaving_nothing), not this test's.
        QProcessEnvironment noLeakCheck;
        noLeakCheck.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        ASSERT_TRUE(startChild(child, peer, "dlopen_host_child", noLeakCheck, arguments));
        ASSERT_TRUE(peer.waitForCommands(1, 30000)) << child.readAllStandardError().toStdString();
        EXPECT_EQ(peer.commands()[0].type(), ProtocolCommand::Login);
        // Tracing: the signal hooks are in use.
        const SignalFilterList noFilter;
        peer.send(ProtocolCommand::SetSignalFilter, &noFilter);
        expectEndsCleanly(child);
    }
}

// A traced host that does nothing sends nothing: the event loop's wake-ups that the client's
// own writes cause are not reported (each report would cause the next).
TEST(InspectorAtStartUp, ATracedIdleHostSendsNothingBeyondItsLogin)
{
    if (!tesk::inspector::clientAtStartUp())
        GTEST_SKIP() << "built without TESK_INSPECTOR";
    InspectorPeer peer;
    QProcess child;
    ASSERT_TRUE(startChild(child, peer, "inspected_child"));
    ASSERT_TRUE(peer.waitForCommands(1, 30000)) << child.readAllStandardError().toStdString();
    // Once its start-up output is out, the child waits for its input and nothing else.
    testhost::pumpUntil([&] { return child.canReadLine(); }, 30000);
    testhost::pumpUntil([] { return false; }, 500);
    peer.clear();
    const SignalFilterList noFilter;
    peer.send(ProtocolCommand::SetSignalFilter, &noFilter);
    testhost::pumpUntil([] { return false; }, 1500);
    const QList<MemberData> records = peer.records();
    EXPECT_TRUE(records.isEmpty()) << records.size() << " records, the first of "
                                   << (records.isEmpty() ? "" : qPrintable(records[0].textB));
    // What wakes the host up from outside is reported, with its wake-up.
    child.write("x");
    ASSERT_TRUE(peer.waitForCommands(4, 30000));
    QStringList members;
    for (const MemberData &record : peer.records())
        members << record.textB;
    const QString shown = members.mid(0, 20).join(QLatin1Char(' '));
    EXPECT_TRUE(members.contains(QStringLiteral("awake()"))) << qPrintable(shown);
    EXPECT_TRUE(
        members.contains(QStringLiteral("activated(QSocketDescriptor,QSocketNotifier::Type)")))
        << qPrintable(shown);
    expectEndsCleanly(child);
}
