#include "inspectorpeer.h"

#include "testhost.h"

#include <QTcpSocket>

const char InspectorPeer::kName[] = "inspector peer";

InspectorPeer::InspectorPeer(Mode mode)
    : m_mode(mode)
{
    m_server.setObjectName(QString::fromLatin1(kName));
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, &InspectorPeer::accept);
}

InspectorPeer::~InspectorPeer()
{
    m_packet.reset();
    delete m_client;
}

void InspectorPeer::exportPort() const
{
    qputenv("QT_INSPECTOR_PORT", QByteArray::number(port()));
}

void InspectorPeer::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        ++m_connections;
        delete m_client;
        m_client = socket;
        socket->setObjectName(QString::fromLatin1(kName));
        if (m_mode == Mode::RawBytes) {
            connect(socket, &QTcpSocket::readyRead, this, &InspectorPeer::readRaw);
            continue;
        }
        m_packet = std::make_unique<ProtocolPacket>();
        m_packet->setObjectName(QString::fromLatin1(kName));
        m_packet->setSocket(socket);
        connect(m_packet.get(), &ProtocolPacket::packetReady, this, &InspectorPeer::store);
    }
}

void InspectorPeer::store(QByteArray &body)
{
    m_commands.append(ProtocolCommand(body));
}

void InspectorPeer::readRaw()
{
    m_raw += m_client->readAll();
}

bool InspectorPeer::waitForConnections(int count, int timeoutMs)
{
    return testhost::pumpUntil([&] { return m_connections >= count; }, timeoutMs);
}

bool InspectorPeer::waitForCommands(int count, int timeoutMs)
{
    return testhost::pumpUntil([&] { return m_commands.size() >= count; }, timeoutMs);
}

bool InspectorPeer::waitForClientGone(int timeoutMs)
{
    return testhost::pumpUntil(
        [&] { return !m_client || m_client->state() == QAbstractSocket::UnconnectedState; },
        timeoutMs);
}

void InspectorPeer::send(ProtocolCommand::Type type, const Streamable *data)
{
    ProtocolPacket::send(m_client, ProtocolCommand(type, data).buffer());
}

void InspectorPeer::sendBytes(const QByteArray &bytes)
{
    m_client->write(bytes);
}

void InspectorPeer::dropClient()
{
    if (m_client)
        m_client->abort();
}

QList<ProtocolCommand> InspectorPeer::commands(ProtocolCommand::Type type) const
{
    QList<ProtocolCommand> result;
    for (const ProtocolCommand &command : m_commands) {
        if (command.type() == type)
            result.append(command);
    }
    return result;
}

QList<MemberData> InspectorPeer::records() const
{
    QList<MemberData> result;
    for (const ProtocolCommand &command : m_commands) {
        if (command.type() != ProtocolCommand::SignalBegin &&
            command.type() != ProtocolCommand::SignalEnd)
            continue;
        MemberData record;
        command.getData(&record);
        result.append(record);
    }
    return result;
}

void InspectorPeer::clear()
{
    m_commands.clear();
    m_raw.clear();
}
