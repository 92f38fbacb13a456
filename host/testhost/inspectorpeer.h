#pragma once

// The inspector tool's side of the link, for the tests and benchmarks: a listener on 127.0.0.1
// with an ephemeral port that reads the client's frames, decodes them and can answer.

#include "objectinspector/protocol.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

class InspectorPeer : public QObject
{
    Q_OBJECT

public:
    // Everything the peer owns carries this name, so that a filter on it keeps the peer's own
    // activity out of a trace taken in the same process.
    static const char kName[];

    enum class Mode { Frames, RawBytes };

    explicit InspectorPeer(Mode mode = Mode::Frames);
    ~InspectorPeer() override;

    quint16 port() const { return m_server.serverPort(); }
    // Points QT_INSPECTOR_PORT at this peer.
    void exportPort() const;

    bool waitForConnections(int count, int timeoutMs = 5000);
    bool waitForCommands(int count, int timeoutMs = 5000);
    bool waitForClientGone(int timeoutMs = 5000);

    void send(ProtocolCommand::Type type, const Streamable *data = nullptr);
    void sendBytes(const QByteArray &bytes);
    void dropClient();

    int connections() const { return m_connections; }
    QTcpSocket *client() const { return m_client; }
    const QList<ProtocolCommand> &commands() const { return m_commands; }
    QList<ProtocolCommand> commands(ProtocolCommand::Type type) const;
    // The activation records received, begins and ends in arrival order.
    QList<MemberData> records() const;
    const QByteArray &rawBytes() const { return m_raw; }
    void clear();

private:
    void accept();
    void store(QByteArray &body);
    void readRaw();

    Mode m_mode;
    QTcpServer m_server;
    QPointer<QTcpSocket> m_client;
    std::unique_ptr<ProtocolPacket> m_packet;
    int m_connections = 0;
    QList<ProtocolCommand> m_commands;
    QByteArray m_raw;
};
