// Wire records, their bytes, filter matching and the frame reader.
#include "printers.h"
#include "testhost.h"

#include "objectinspector/protocol.h"

#include <QDataStream>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <memory>

namespace {

QByteArray bytes(const char *hex)
{
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}

template<typename Record>
QByteArray written(const Record &record)
{
    QByteArray buffer;
    QDataStream stream(&buffer, QIODevice::WriteOnly);
    tesk::inspector::prepareStream(stream);
    record.write(stream);
    return buffer;
}

template<typename Record>
Record readBack(const QByteArray &buffer, QDataStream::Status *status = nullptr)
{
    Record record;
    QDataStream stream(buffer);
    tesk::inspector::prepareStream(stream);
    record.read(stream);
    if (status)
        *status = stream.status();
    return record;
}

// Two ends of a loopback connection: frames are written on one and read on the other.
struct SocketPair
{
    SocketPair()
    {
        server.listen(QHostAddress::LocalHost, 0);
        writer.connectToHost(QHostAddress::LocalHost, server.serverPort());
        testhost::pumpUntil([&] { return server.hasPendingConnections(); });
        reader.reset(server.nextPendingConnection());
        testhost::pumpUntil([&] { return writer.state() == QAbstractSocket::ConnectedState; });
    }

    void write(const QByteArray &data)
    {
        writer.write(data);
        writer.flush();
    }

    QTcpServer server;
    QTcpSocket writer;
    std::unique_ptr<QTcpSocket> reader;
};

class PacketTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pair.reader);
        packet.setSocket(pair.reader.get());
        QObject::connect(&packet, &ProtocolPacket::packetReady,
                         [this](QByteArray &body) { bodies.append(body); });
    }

    bool waitForBodies(int count)
    {
        return testhost::pumpUntil([&] { return bodies.size() >= count; }, 3000);
    }

    SocketPair pair;
    ProtocolPacket packet;
    QList<QByteArray> bodies;
};

} // namespace

TEST(ProtocolBytes, LoginBodyIsBigEndianAfterItsType)
{
    const LoginData login(1, 0x01020304, QStringLiteral("/a\u00e9"));
    const ProtocolCommand command(ProtocolCommand::Login, &login);
    EXPECT_EQ(command.buffer(), bytes("00000003 00000001 01020304 00000006 002f 0061 00e9"));
    EXPECT_EQ(command.buffer().size(), 16 + 2 * 3);

    const LoginData fresh;
    EXPECT_EQ(fresh.version, -1);
    EXPECT_EQ(fresh.processId, -1);
    EXPECT_TRUE(fresh.applicationPath.isNull());
}

TEST(ProtocolBytes, NullAndEmptyStringsStayApart)
{
    const MemberData record(0x0a0b0c0d, QString(), QStringLiteral(""), QStringLiteral("x"), true);
    const QByteArray wire = written(record);
    EXPECT_EQ(wire, bytes("0a0b0c0d ffffffff 00000000 00000002 0078 00000001"));

    const MemberData back = readBack<MemberData>(wire);
    EXPECT_EQ(back.objectId, 0x0a0b0c0du);
    EXPECT_TRUE(back.textA.isNull());
    EXPECT_FALSE(back.textB.isNull());
    EXPECT_TRUE(back.textB.isEmpty());
    EXPECT_EQ(back.textC, QStringLiteral("x"));
    EXPECT_TRUE(back.opening);
}

TEST(ProtocolBytes, FilterFieldsTravelAsBThenAThenC)
{
    const SignalFilter filter(QStringLiteral("b"), QStringLiteral("a"), QString(), true);
    EXPECT_EQ(written(filter), bytes("00000002 0062 00000002 0061 ffffffff 00000001"));

    // Any non-zero flag reads as set.
    const SignalFilter back = readBack<SignalFilter>(bytes("ffffffff ffffffff ffffffff 00000007"));
    EXPECT_TRUE(back.enabled);
    EXPECT_TRUE(back.textB.isNull());
}

TEST(ProtocolBytes, CommandWithoutRecordIsItsTypeAlone)
{
    EXPECT_EQ(ProtocolCommand(ProtocolCommand::RequestObjectTree, nullptr).buffer(),
              bytes("00000001"));

    SocketPair pair;
    ProtocolPacket::send(&pair.writer,
                         ProtocolPacket(ProtocolCommand(ProtocolCommand::StopTracing, nullptr)));
    ASSERT_TRUE(testhost::pumpUntil([&] { return pair.reader->bytesAvailable() >= 8; }));
    EXPECT_EQ(pair.reader->readAll(), bytes("04000000 00000006"));
}

TEST(ProtocolCommands, ShortOrUnknownBodiesAreNotValidCommands)
{
    testhost::DebugCapture capture;
    const ProtocolCommand shortBody(bytes("000001"));
    EXPECT_EQ(shortBody.type(), ProtocolCommand::NoCmd);
    EXPECT_FALSE(shortBody.isValid());
    EXPECT_TRUE(capture.contains("ASSERT: \"buff.size() >= qsizetype(sizeof(Type))\""));

    const ProtocolCommand unknown(bytes("00000009"));
    EXPECT_EQ(int(unknown.type()), 9);
    EXPECT_FALSE(unknown.isValid());
    EXPECT_TRUE(capture.contains("\"(int)m_type > 0 && (int)m_type <= _TypeMax\" in file "
                                 "objectinspector/protocol.cpp"));

    MemberData record;
    EXPECT_FALSE(shortBody.getData(&record));
    EXPECT_TRUE(capture.contains("\"m_type != NoCmd\""));
}

TEST(ProtocolCommands, RecordsRoundTripThroughACommand)
{
    SignalFilterList filters;
    filters.append(SignalFilter(QStringLiteral("clicked()"), QString(), QString(), true));
    filters.append(SignalFilter(QString(), QStringLiteral("QTimer"), QStringLiteral(""), false));
    const ProtocolCommand sent(ProtocolCommand::SetSignalFilter, &filters);

    const ProtocolCommand received(sent.buffer());
    EXPECT_EQ(received.type(), ProtocolCommand::SetSignalFilter);
    SignalFilterList back;
    back.append(SignalFilter()); // reading replaces what was there
    ASSERT_TRUE(received.getData(&back));
    ASSERT_EQ(back.size(), 2);
    EXPECT_EQ(back[0].textB, QStringLiteral("clicked()"));
    EXPECT_TRUE(back[0].textA.isNull());
    EXPECT_TRUE(back[0].enabled);
    EXPECT_FALSE(back[1].textC.isNull());
    EXPECT_FALSE(back[1].enabled);
}

TEST(ProtocolCommands, HostileCountsReserveNothingAndFail)
{
    // A filter list claiming two billion entries and holding one.
    const QByteArray body = bytes("00000005 7fffffff ffffffff ffffffff ffffffff 00000001");
    SignalFilterList filters;
    EXPECT_FALSE(ProtocolCommand(body).getData(&filters));
    EXPECT_LE(filters.size(), 1);
}

TEST(SignalFilters, NullIsAWildcardAndEmptyMatchesOnlyEmpty)
{
    const MemberData named(1, QStringLiteral("QPushButton"), QStringLiteral("clicked()"),
                           QStringLiteral("ok"), true);
    const MemberData unnamed(1, QStringLiteral("QPushButton"), QStringLiteral("clicked()"),
                             QStringLiteral(""), true);
    const MemberData nullName(1, QStringLiteral("QPushButton"), QStringLiteral("clicked()"),
                              QString(), true);

    const SignalFilter anyName(QStringLiteral("clicked()"), QString(), QString(), true);
    EXPECT_TRUE(anyName.matches(named));
    EXPECT_TRUE(anyName.matches(unnamed));

    const SignalFilter emptyName(QStringLiteral("clicked()"), QString(), QStringLiteral(""), true);
    EXPECT_FALSE(emptyName.matches(named));
    EXPECT_TRUE(emptyName.matches(unnamed));
    EXPECT_FALSE(emptyName.matches(nullName));

    const SignalFilter otherClass(QString(), QStringLiteral("QTimer"), QString(), true);
    EXPECT_FALSE(otherClass.matches(named));
}

TEST(SignalFilters, DisabledNeverMatchesAndEmptyListMatchesNothing)
{
    const MemberData record(1, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), true);
    const SignalFilter exact(QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("C"), false);
    EXPECT_FALSE(exact.matches(record));
    EXPECT_FALSE(SignalFilter().matches(record));

    SignalFilterList list;
    EXPECT_FALSE(list.matches(record));
    list.append(exact);
    EXPECT_FALSE(list.matches(record));
    list.append(SignalFilter(QString(), QString(), QString(), true));
    EXPECT_TRUE(list.matches(record));
}

TEST(SignalFilters, TextFormRoundTripsAndEndsAtALastLineWithoutNewline)
{
    SignalFilterList list;
    list.append(SignalFilter(QStringLiteral("clicked()"), QString(), QStringLiteral("ok"), true));
    list.append(SignalFilter(QString(), QStringLiteral("QTimer"), QString(), false));
    const QString text = list.toText();
    EXPECT_EQ(text, QStringLiteral("clicked()\n\nok\n1\n\nQTimer\n\n0\n"));

    const SignalFilterList back(text);
    ASSERT_EQ(back.size(), 2);
    EXPECT_TRUE(back[0].textA.isNull());
    EXPECT_EQ(back[0].textC, QStringLiteral("ok"));
    EXPECT_TRUE(back[0].enabled);
    EXPECT_EQ(back[1].textA, QStringLiteral("QTimer"));
    EXPECT_FALSE(back[1].enabled);

    testhost::DebugCapture capture;
    const SignalFilterList unterminated(QStringLiteral("b\na\nc\n1\nx\ny"));
    ASSERT_EQ(unterminated.size(), 1);
    EXPECT_EQ(unterminated[0].textB, QStringLiteral("b"));
    EXPECT_TRUE(capture.contains("\"end != -1\""));

    const SignalFilterList lastFlag(QStringLiteral("b\na\nc\n1"));
    ASSERT_EQ(lastFlag.size(), 1);
    EXPECT_TRUE(lastFlag[0].enabled);
}

TEST(SignalFilters, PlaceholdersInTheTextsAreKeptAsTyped)
{
    const SignalFilter filter(QStringLiteral("valueChanged(%1)"), QStringLiteral("Q%2"),
                              QStringLiteral("%3%4"), true);
    EXPECT_EQ(filter.toText(), QStringLiteral("valueChanged(%1)\nQ%2\n%3%4\n1\n"));
    SignalFilterList list;
    list.append(filter);
    const SignalFilterList back(list.toText());
    ASSERT_EQ(back.size(), 1);
    EXPECT_EQ(back[0].textB, QStringLiteral("valueChanged(%1)"));
    EXPECT_EQ(back[0].textC, QStringLiteral("%3%4"));
    EXPECT_TRUE(back[0].enabled);
}

TEST_F(PacketTest, FramesInOneBurstArriveInOrder)
{
    pair.write(bytes("04000000 00000001 05000000 00000006 ff"));
    ASSERT_TRUE(waitForBodies(2));
    EXPECT_EQ(bodies[0], bytes("00000001"));
    EXPECT_EQ(bodies[1], bytes("00000006 ff"));
}

TEST_F(PacketTest, SplitFramesAreCompletedAcrossReads)
{
    pair.write(bytes("080000"));
    testhost::pumpFor(100);
    EXPECT_TRUE(bodies.isEmpty());
    EXPECT_EQ(pair.reader->bytesAvailable(), 3); // a partial length is left where it is

    pair.write(bytes("00 00000002"));
    testhost::pumpFor(100);
    EXPECT_TRUE(bodies.isEmpty());
    pair.write(bytes("0000000a 04000000 00000001"));
    ASSERT_TRUE(waitForBodies(2));
    EXPECT_EQ(bodies[0], bytes("00000002 0000000a"));
    EXPECT_EQ(bodies[1], bytes("00000001"));
}

TEST_F(PacketTest, EmptyFramesAreSkipped)
{
    testhost::DebugCapture capture;
    pair.write(bytes("00000000 04000000 00000006"));
    ASSERT_TRUE(waitForBodies(1));
    testhost::pumpFor(50);
    ASSERT_EQ(bodies.size(), 1);
    EXPECT_EQ(bodies[0], bytes("00000006"));
    EXPECT_TRUE(capture.contains("\"announced > 0\""));
}

TEST_F(PacketTest, OversizedOrNegativeLengthsDropTheConnection)
{
    testhost::DebugCapture capture;
    packet.setMaxPacketSize(64);
    // 0xffffffff would read as -1, the "no length yet" mark, if it were taken in.
    for (const char *length : {"41000000", "ffffffff"}) {
        SocketPair other;
        packet.setSocket(other.reader.get());
        other.write(bytes(length) + bytes("00000001"));
        ASSERT_TRUE(testhost::pumpUntil(
            [&] { return other.reader->state() == QAbstractSocket::UnconnectedState; }));
    }
    EXPECT_TRUE(bodies.isEmpty());
    EXPECT_TRUE(capture.contains("a frame of 65 bytes exceeds the limit of 64 bytes"));
    EXPECT_TRUE(capture.contains("a frame of 4294967295 bytes exceeds"));
}

TEST_F(PacketTest, ASenderWhoseReaderLagsDropsTheLink)
{
    testhost::DebugCapture capture;
    const QByteArray body(40, 'x');
    // Nothing has left the socket yet: the second frame would make 88 bytes wait.
    EXPECT_TRUE(ProtocolPacket::send(&pair.writer, body, 80));
    EXPECT_FALSE(ProtocolPacket::send(&pair.writer, body, 80));
    EXPECT_EQ(pair.writer.state(), QAbstractSocket::UnconnectedState);
    EXPECT_TRUE(capture.contains("does not keep up"));
}

TEST_F(PacketTest, ANewSocketDropsThePartialFrame)
{
    pair.write(bytes("08000000 0000"));
    testhost::pumpFor(100);
    SocketPair other;
    packet.setSocket(other.reader.get());
    other.write(bytes("04000000 00000001"));
    ASSERT_TRUE(waitForBodies(1));
    EXPECT_EQ(bodies[0], bytes("00000001"));
}
