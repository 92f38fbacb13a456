// The inspector client against a peer of our own: start-up, login, tree requests, tracing
// with filters and nesting, the real activation hooks, and reconnection.
#include "inspectorpeer.h"
#include "modalanswers.h"
#include "printers.h"
#include "testhost.h"

#include "objectinspector/objecttree.h"
#include "objectinspector/qtobjectinspector.h"
#include "objectinspector/signalhooks.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTcpSocket>
#include <QtEndian>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Ids far above those the process gives its objects, so no record poses as the socket.
constexpr tesk::inspector::ObjectId kFakeIds = 0x70000000;

MemberData recordOf(tesk::inspector::ObjectId id, const char *member, bool opening)
{
    return MemberData(id, QStringLiteral("QPushButton"), QString::fromLatin1(member),
                      QStringLiteral("b"), opening);
}

MemberData record(int n, const char *member, bool opening)
{
    return recordOf(kFakeIds + n, member, opening);
}

SignalFilterList filterOn(const QString &textB, const QString &textC = QString())
{
    SignalFilterList filters;
    filters.append(SignalFilter(textB, QString(), textC, true));
    return filters;
}

QString describe(const QList<MemberData> &records)
{
    QStringList lines;
    for (const MemberData &r : records)
        lines.append(QStringLiteral("%1 %2").arg(r.opening ? "begin" : "end", r.textB));
    return lines.join(QLatin1Char(','));
}

class InspectorTest : public ::testing::Test
{
protected:
    void SetUp() override { peer.exportPort(); }
    void TearDown() override { qunsetenv("QT_INSPECTOR_PORT"); }

    // A live client whose hooks only the test calls, logged in to the peer.
    std::unique_ptr<QtObjectInspector> start(bool realHooks = false)
    {
        auto inspector = std::make_unique<QtObjectInspector>();
        if (!realHooks)
            SignalHooks::detach(inspector.get());
        EXPECT_TRUE(inspector->isLive());
        EXPECT_TRUE(peer.waitForCommands(1));
        EXPECT_EQ(peer.commands().value(0).type(), ProtocolCommand::Login);
        peer.clear();
        return inspector;
    }

    void setFilters(QtObjectInspector &inspector, const SignalFilterList &filters)
    {
        peer.send(ProtocolCommand::SetSignalFilter, &filters);
        ASSERT_TRUE(testhost::pumpUntil([&] { return inspector.isTracing(); }));
    }

    // Waits until the records stop coming.
    QList<MemberData> settledRecords(int atLeast)
    {
        testhost::pumpUntil([&] { return peer.records().size() >= atLeast; }, 3000);
        testhost::pumpFor(100);
        return peer.records();
    }

    InspectorPeer peer;
    // The tests press buttons and run the application's events, which may open any window.
    testhost::ModalAnswers modalAnswers;
};

} // namespace

TEST(InspectorStartUp, WithoutAUsablePortItStaysInert)
{
    qunsetenv("QT_INSPECTOR_PORT");
    {
        testhost::DebugCapture capture;
        QtObjectInspector inspector;
        EXPECT_FALSE(inspector.isLive());
        EXPECT_EQ(capture.text(),
                  "QtObjectInspector: failed to read QT_INSPECTOR_PORT from environment\n");
    }
    for (const char *value : {"abc", "", "70000"}) {
        qputenv("QT_INSPECTOR_PORT", value);
        testhost::DebugCapture capture;
        QtObjectInspector inspector;
        EXPECT_FALSE(inspector.isLive());
        EXPECT_TRUE(capture.contains(std::string("QtObjectInspector: environment variable "
                                                 "QT_INSPECTOR_PORT does not contain an int: \"") +
                                     value + "\""))
            << capture.text();
        EXPECT_EQ(SignalHooks::attached(), nullptr);
    }
    qunsetenv("QT_INSPECTOR_PORT");
}

TEST(InspectorLogin, LoginFrameBytes)
{
    InspectorPeer raw(InspectorPeer::Mode::RawBytes);
    raw.exportPort();
    QtObjectInspector inspector;
    SignalHooks::detach(&inspector);
    const QString path = QCoreApplication::applicationFilePath();
    const int bodySize = 16 + 2 * int(path.size());
    ASSERT_TRUE(testhost::pumpUntil([&] { return raw.rawBytes().size() >= 4 + bodySize; }));

    QByteArray expected(4, '\0');
    qToLittleEndian<quint32>(quint32(bodySize), expected.data());
    expected += QByteArray::fromHex("00000003 00000001");
    QByteArray word(4, '\0');
    qToBigEndian<qint32>(qint32(QCoreApplication::applicationPid()), word.data());
    expected += word;
    qToBigEndian<quint32>(quint32(2 * path.size()), word.data());
    expected += word;
    for (QChar c : path) {
        expected += char(c.unicode() >> 8);
        expected += char(c.unicode() & 0xff);
    }
    EXPECT_EQ(raw.rawBytes().toHex(), expected.toHex());
    qunsetenv("QT_INSPECTOR_PORT");
}

TEST_F(InspectorTest, AnswersATreeRequestWithOneTreeFrame)
{
    QWidget window;
    window.setObjectName(QStringLiteral("requested window"));
    auto inspector = start();
    peer.sendBytes(QByteArray::fromHex("04000000 00000001"));
    ASSERT_TRUE(peer.waitForCommands(1));
    testhost::pumpFor(50);
    ASSERT_EQ(peer.commands().size(), 1);
    const ProtocolCommand &answer = peer.commands()[0];
    ASSERT_EQ(answer.type(), ProtocolCommand::ObjectTreeData);

    ObjectTree tree;
    ASSERT_TRUE(answer.getData(&tree));
    EXPECT_EQ(tree.applicationPath(), QCoreApplication::applicationFilePath());
    const ObjectNode *node = tree.node(tesk::inspector::objectId(&window));
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->name(), QStringLiteral("requested window"));
    EXPECT_EQ(tree.parent(node), tree.node(0));
    // The client itself is no part of the application's trees.
    EXPECT_EQ(tree.node(tesk::inspector::objectId(inspector.get())), nullptr);
}

TEST_F(InspectorTest, RequestsInOneBurstAreAnsweredByOneTree)
{
    auto inspector = start();
    QByteArray burst;
    for (int i = 0; i < 20; ++i)
        burst += QByteArray::fromHex("04000000 00000001");
    peer.sendBytes(burst);
    ASSERT_TRUE(peer.waitForCommands(1));
    testhost::pumpFor(200);
    EXPECT_EQ(peer.commands(ProtocolCommand::ObjectTreeData).size(), 1);
    // A later request is answered again.
    peer.send(ProtocolCommand::RequestObjectTree);
    ASSERT_TRUE(peer.waitForCommands(2));
}

TEST_F(InspectorTest, TheTreeOfALargeApplicationFitsTheFrameLimit)
{
    // Thousands of widgets make a tree of tens of megabytes; a reader with the link's one
    // limit takes it in.
    std::vector<std::unique_ptr<QPushButton>> buttons;
    for (int i = 0; i < 5000; ++i)
        buttons.push_back(std::make_unique<QPushButton>(QStringLiteral("button %1").arg(i)));
    auto inspector = start();
    peer.send(ProtocolCommand::RequestObjectTree);
    ASSERT_TRUE(peer.waitForCommands(1, 60000));
    const ProtocolCommand &answer = peer.commands()[0];
    ASSERT_EQ(answer.type(), ProtocolCommand::ObjectTreeData);
    EXPECT_GT(answer.buffer().size(), 16 * 1024 * 1024);
    EXPECT_EQ(peer.connections(), 1);
}

TEST_F(InspectorTest, IgnoresCommandsItDoesNotTake)
{
    auto inspector = start();
    testhost::DebugCapture capture;
    // Login (a client command), an unknown type and a body too short for a type.
    peer.sendBytes(QByteArray::fromHex("04000000 00000003 04000000 00000063 02000000 0001"));
    peer.send(ProtocolCommand::RequestObjectTree);
    ASSERT_TRUE(peer.waitForCommands(1));
    EXPECT_EQ(peer.commands()[0].type(), ProtocolCommand::ObjectTreeData);
    EXPECT_FALSE(inspector->isTracing());
    EXPECT_TRUE(capture.contains("_TypeMax"));
}

TEST_F(InspectorTest, AFilteredStretchIsSuppressedDownToItsClosingRecord)
{
    auto inspector = start();
    setFilters(*inspector, filterOn(QStringLiteral("clicked()")));
    const int base = QtObjectInspector::signalNesting();

    inspector->signalBegin(record(1, "clicked()", true)); // opens a stretch at depth 1
    inspector->signalBegin(record(2, "toggled(bool)", true));
    inspector->signalEnd(record(2, "toggled(bool)", false));
    inspector->signalEnd(record(1, "clicked()", false)); // closes it
    EXPECT_EQ(QtObjectInspector::filterNesting(), -1);
    inspector->signalBegin(record(3, "pressed()", true));
    inspector->signalBegin(record(4, "clicked()", true)); // a stretch at depth 2
    inspector->signalEnd(record(4, "clicked()", false));
    inspector->signalEnd(record(3, "pressed()", false));
    inspector->signalBegin(record(5, "clicked()", true));
    inspector->signalEnd(record(5, "clicked()", false));
    EXPECT_EQ(QtObjectInspector::signalNesting(), base);

    const QList<MemberData> records = settledRecords(2);
    EXPECT_EQ(describe(records), QStringLiteral("begin pressed(),end pressed()"));
    ASSERT_EQ(peer.commands().size(), 2);
    EXPECT_EQ(peer.commands()[0].type(), ProtocolCommand::SignalBegin);
    EXPECT_EQ(peer.commands()[1].type(), ProtocolCommand::SignalEnd);
    EXPECT_EQ(records[0].objectId, kFakeIds + 3);
}

TEST_F(InspectorTest, TheLinksOwnRecordsAreNeitherSentNorCounted)
{
    auto inspector = start();
    setFilters(*inspector, SignalFilterList()); // no filters: everything is reported
    const auto *socket =
        inspector->findChild<QTcpSocket *>(QStringLiteral("qtobjectinspector socket"));
    ASSERT_NE(socket, nullptr);
    const tesk::inspector::ObjectId socketId = tesk::inspector::objectId(socket);
    const int base = QtObjectInspector::signalNesting();

    inspector->signalBegin(recordOf(socketId, "readyRead()", true));
    EXPECT_EQ(QtObjectInspector::signalNesting(), base);
    inspector->signalBegin(record(7, "pressed()", true));
    inspector->signalEnd(recordOf(socketId, "readyRead()", false));
    EXPECT_EQ(QtObjectInspector::signalNesting(), base + 1);
    inspector->signalEnd(record(7, "pressed()", false));

    EXPECT_EQ(describe(settledRecords(2)), QStringLiteral("begin pressed(),end pressed()"));
}

TEST_F(InspectorTest, StopTracingKeepsTheStretchUntilNewFilters)
{
    auto inspector = start();
    setFilters(*inspector, filterOn(QStringLiteral("clicked()")));
    const int base = QtObjectInspector::signalNesting();
    inspector->signalBegin(record(1, "clicked()", true));
    EXPECT_EQ(QtObjectInspector::filterNesting(), base + 1);

    peer.send(ProtocolCommand::StopTracing);
    ASSERT_TRUE(testhost::pumpUntil([&] { return !inspector->isTracing(); }));
    inspector->signalBegin(record(2, "pressed()", true));
    inspector->signalEnd(record(2, "pressed()", false));
    inspector->signalEnd(record(1, "clicked()", false));
    EXPECT_EQ(QtObjectInspector::filterNesting(), base + 1);
    EXPECT_EQ(QtObjectInspector::signalNesting(), base);

    setFilters(*inspector, filterOn(QStringLiteral("clicked()")));
    EXPECT_EQ(QtObjectInspector::filterNesting(), -1);
    inspector->signalBegin(record(3, "released()", true));
    inspector->signalEnd(record(3, "released()", false));
    EXPECT_EQ(describe(settledRecords(2)), QStringLiteral("begin released(),end released()"));
}

TEST_F(InspectorTest, TheDepthNeverGoesBelowZero)
{
    auto inspector = start();
    testhost::DebugCapture capture;
    const int base = QtObjectInspector::signalNesting();
    for (int i = 0; i <= base; ++i)
        inspector->signalBegin(record(1, "clicked()", false));
    EXPECT_EQ(QtObjectInspector::signalNesting(), 0);
    EXPECT_TRUE(capture.contains(
        "ASSERT: \"g_signal_nest > 0\" in file objectinspector/qtobjectinspector.cpp"));
    inspector->signalEnd(record(1, "clicked()", false));
    EXPECT_EQ(QtObjectInspector::signalNesting(), 0);
}

TEST_F(InspectorTest, RealActivationsArriveNestedAndWithoutTheLinksOwnTraffic)
{
    QWidget window;
    window.setObjectName(QStringLiteral("probe window"));
    auto *button = new QPushButton(&window);
    button->setObjectName(QStringLiteral("probe button"));
    QObject::connect(button, SIGNAL(clicked()), &window, SLOT(update()));

    auto inspector = start(true);
    ASSERT_EQ(SignalHooks::attached(), inspector.get());
    // The peer runs in this process: its own activity would otherwise be traced too.
    setFilters(*inspector, filterOn(QString(), QString::fromLatin1(InspectorPeer::kName)));
    button->click();
    const auto *socket = inspector->findChild<QTcpSocket *>();
    ASSERT_NE(socket, nullptr);

    QList<MemberData> probe;
    testhost::pumpUntil([&] {
        probe.clear();
        for (const MemberData &r : peer.records()) {
            if (r.textC.startsWith(QLatin1String("probe")))
                probe.append(r);
        }
        return !probe.isEmpty() && !probe.last().opening && probe.last().textB == "clicked(bool)";
    });
    EXPECT_EQ(describe(probe), QStringLiteral("begin pressed(),end pressed(),"
                                              "begin released(),end released(),"
                                              "begin clicked(bool),begin update(),end update(),"
                                              "end clicked(bool)"));
    const tesk::inspector::ObjectId buttonId = tesk::inspector::objectId(button);
    for (const MemberData &r : probe) {
        if (r.textB == QLatin1String("clicked(bool)")) {
            EXPECT_EQ(r.objectId, buttonId);
            EXPECT_EQ(r.textA, QStringLiteral("QPushButton"));
        }
    }
    for (const MemberData &r : peer.records()) {
        EXPECT_NE(r.objectId, tesk::inspector::objectId(socket));
        EXPECT_NE(r.textC, QString::fromLatin1(InspectorPeer::kName));
        EXPECT_NE(r.textC, QStringLiteral("qtobjectinspector socket"));
    }
    inspector.reset();
    EXPECT_EQ(SignalHooks::attached(), nullptr);
}

TEST_F(InspectorTest, AClosedLinkIsRemadeOnceAndStays)
{
    auto inspector = start();
    peer.dropClient();
    ASSERT_TRUE(peer.waitForConnections(2, 8000));
    ASSERT_TRUE(peer.waitForCommands(1));
    EXPECT_EQ(peer.commands()[0].type(), ProtocolCommand::Login);

    // A second report of the same loss, or a stale retry, must not tear the new link down.
    testhost::pumpFor(2500);
    EXPECT_EQ(peer.connections(), 2);
    ASSERT_NE(peer.client(), nullptr);
    EXPECT_EQ(peer.client()->state(), QAbstractSocket::ConnectedState);
}

TEST_F(InspectorTest, AnOversizedFrameDropsTheLinkWhichIsRemade)
{
    auto inspector = start();
    testhost::DebugCapture capture;
    peer.sendBytes(QByteArray::fromHex("00000080 00000001"));
    ASSERT_TRUE(peer.waitForConnections(2, 8000));
    EXPECT_TRUE(capture.contains("exceeds the limit"));
    ASSERT_TRUE(peer.waitForCommands(1));
    EXPECT_EQ(peer.commands()[0].type(), ProtocolCommand::Login);
}
