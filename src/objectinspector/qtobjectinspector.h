#pragma once

// The client end of the link to an external inspector tool on this machine: it logs in,
// answers the tool's requests for the object tree and, while the tool traces, streams the
// activations its hooks receive, minus the stretches the tool's filters suppress. Nothing in
// the library creates one; a host or a diagnostic build does, after the application object.

#include "objectinspector/protocol.h"

#include <QObject>

class QTcpSocket;
class QTimer;

class QtObjectInspector : public QObject
{
    Q_OBJECT

public:
    using ObjectId = tesk::inspector::ObjectId;

    // Reads the tool's port from QT_INSPECTOR_PORT; without a usable one it stays inert.
    QtObjectInspector();
    ~QtObjectInspector() override;

    void signalBegin(const MemberData &record);
    void signalEnd(const MemberData &record);
    // One of the link's own objects was activated (its socket read or wrote).
    void linkActivity() { linkActive = true; }

    bool isLive() const { return socket != nullptr; }
    bool isTracing() const { return tracing; }
    quint16 port() const { return quint16(m_port); }
    // The inspector, its frame reader, its socket and everything below them: their activations are
    // the link's own traffic and are never reported.
    bool isOwnObject(const QObject *object) const;

    // The activation depth shared by all inspectors, and the depth at which a suppressed
    // stretch began (-1: none).
    static int signalNesting();
    static int filterNesting();

private Q_SLOTS:
    void connectToInspector();
    void handlePacket(QByteArray &body);
    void connected();
    void sendObjectTree();

private:
    bool readPort();
    void report(ProtocolCommand::Type type, const MemberData &record);
    void deliver(ProtocolCommand::Type type, const MemberData &record);
    void settleWakeUp();
    void send(const QByteArray &frame);
    bool isLinkTraffic(ObjectId id) const;
    void setFilters(const ProtocolCommand &command);

    QTcpSocket *socket = nullptr;
    ObjectId readNotifierId = tesk::inspector::kNoObject;
    ObjectId writeNotifierId = tesk::inspector::kNoObject;
    ObjectId socketId = tesk::inspector::kNoObject;
    quint32 lastConnectAttempt = 0;
    bool tracing = false;
    bool treeRequested = false;
    SignalFilterList filters;
    int m_port = -1;
    // The event loop's wake-ups are held until it is known what woke it: one in which only the
    // link was active was caused by the link's own writes, and reporting it would cause the next.
    struct HeldRecord
    {
        ProtocolCommand::Type type;
        MemberData record;
    };
    ObjectId dispatcherId = tesk::inspector::kNoObject;
    QList<HeldRecord> heldWakeUp;
    bool linkActive = false;
    bool wroteInWakeUp = false;
    bool wroteInPreviousWakeUp = false;
    bool wakeUpReported = false;
    ProtocolPacket packet;
    // The one retry: restarted, never stacked.
    QTimer *retryTimer = nullptr;
};
