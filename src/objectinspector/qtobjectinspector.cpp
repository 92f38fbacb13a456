#include "objectinspector/qtobjectinspector.h"

#include "objectinspector/objecttree.h"
#include "objectinspector/signalhooks.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDateTime>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

#include <utility>

namespace {

const char kPortVariable[] = "QT_INSPECTOR_PORT";
constexpr int kRetryMs = 2000;
constexpr quint32 kRetrySeconds = 2;

int g_signal_nest = 0;
int g_filter_nest = -1;

quint32 secondsSince1970()
{
    return quint32(QDateTime::currentSecsSinceEpoch());
}

} // namespace

using tesk::inspector::objectId;

QtObjectInspector::QtObjectInspector()
{
    if (!QCoreApplication::instance()) {
        qWarning("QtObjectInspector must be constructed after QApplication");
        return;
    }
    if (!readPort())
        return;
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance(thread()))
        dispatcherId = objectId(dispatcher);
    socket = new QTcpSocket(this);
    socket->setObjectName(QStringLiteral("qtobjectinspector socket"));
    socketId = objectId(socket);
    retryTimer = new QTimer(this);
    retryTimer->setSingleShot(true);
    // Attempts are counted in whole seconds: an early timer would find too little time passed
    // and wait a second round.
    retryTimer->setTimerType(Qt::PreciseTimer);
    connect(retryTimer, &QTimer::timeout, this, &QtObjectInspector::connectToInspector);
    connect(socket, &QTcpSocket::connected, this, &QtObjectInspector::connected);
    // Queued: the socket finishes tearing a lost connection down before a new one starts, and
    // a remote close, which reports both an error and a disconnect, is seen twice but acted on
    // once (the second call finds the new attempt under way).
    connect(socket, &QTcpSocket::disconnected, this, &QtObjectInspector::connectToInspector,
            Qt::QueuedConnection);
    connect(socket, &QTcpSocket::errorOccurred, this, &QtObjectInspector::connectToInspector,
            Qt::QueuedConnection);
    packet.setSocket(socket);
    connect(&packet, &ProtocolPacket::packetReady, this, &QtObjectInspector::handlePacket);
    SignalHooks::attach(this);
    connectToInspector();
}

QtObjectInspector::~QtObjectInspector()
{
    SignalHooks::detach(this);
    packet.setSocket(nullptr);
    delete socket;
}

bool QtObjectInspector::readPort()
{
    if (!qEnvironmentVariableIsSet(kPortVariable)) {
        qWarning("QtObjectInspector: failed to read %s from environment", kPortVariable);
        return false;
    }
    const QByteArray value = qgetenv(kPortVariable);
    bool ok = false;
    const int port = value.toInt(&ok, 10);
    // The socket takes a 16-bit port; anything else is as unusable as text.
    if (!ok || port < 0 || port > 65535) {
        qWarning("QtObjectInspector: environment variable %s does not contain an int: \"%s\"",
                 kPortVariable, value.constData());
        return false;
    }
    m_port = port;
    return true;
}

bool QtObjectInspector::isOwnObject(const QObject *object) const
{
    for (const QObject *o = object; o; o = o->parent()) {
        if (o == this || o == &packet)
            return true;
    }
    return false;
}

int QtObjectInspector::signalNesting()
{
    return g_signal_nest;
}

int QtObjectInspector::filterNesting()
{
    return g_filter_nest;
}

void QtObjectInspector::connectToInspector()
{
    if (!socket)
        return;
    // A live link, or one being made, is left alone: this call is a stale retry or the second
    // report of a loss already answered.
    const QAbstractSocket::SocketState state = socket->state();
    if (state == QAbstractSocket::ConnectedState || state == QAbstractSocket::ConnectingState ||
        state == QAbstractSocket::HostLookupState)
        return;
    if (state != QAbstractSocket::UnconnectedState)
        socket->abort();
    const quint32 now = secondsSince1970();
    if (QCoreApplication::instance() && now - lastConnectAttempt >= kRetrySeconds) {
        lastConnectAttempt = now;
        retryTimer->stop();
        // The loopback address, not the name: the toolkit's host-name cache would keep our
        // text, which goes when the library unloads while the host's look-ups still read it.
        socket->connectToHost(QHostAddress(QHostAddress::LocalHost), quint16(m_port));
    } else {
        retryTimer->start(kRetryMs);
    }
}

void QtObjectInspector::connected()
{
    // A partial frame of the lost connection means nothing on the new one.
    packet.reset();
    const QObject *read = socket->findChild<QObject *>(QStringLiteral("read"));
    const QObject *write = socket->findChild<QObject *>(QStringLiteral("write"));
    readNotifierId = read ? objectId(read) : tesk::inspector::kNoObject;
    writeNotifierId = write ? objectId(write) : tesk::inspector::kNoObject;
    const LoginData login(1, qint32(QCoreApplication::applicationPid()),
                          QCoreApplication::applicationFilePath());
    send(ProtocolCommand(ProtocolCommand::Login, &login).buffer());
}

void QtObjectInspector::handlePacket(QByteArray &body)
{
    const ProtocolCommand command(body);
    switch (command.type()) {
    case ProtocolCommand::RequestObjectTree:
        // Built once control is back in the event loop, not inside the socket's notification;
        // requests that arrive before then are answered by that one tree.
        if (!treeRequested) {
            treeRequested = true;
            QTimer::singleShot(0, this, &QtObjectInspector::sendObjectTree);
        }
        break;
    case ProtocolCommand::SetSignalFilter:
        setFilters(command);
        break;
    case ProtocolCommand::StopTracing:
        tracing = false;
        break;
    default:
        break;
    }
}

void QtObjectInspector::setFilters(const ProtocolCommand &command)
{
    SignalFilterList received;
    if (!command.getData(&received)) {
        qWarning("QtObjectInspector: a filter list that could not be read was ignored");
        return;
    }
    filters = received;
    g_filter_nest = -1;
    tracing = true;
}

void QtObjectInspector::sendObjectTree()
{
    treeRequested = false;
    if (socket->state() != QAbstractSocket::ConnectedState)
        return;
    ObjectTree tree;
    tree.build();
    tree.link();
    send(ProtocolCommand(ProtocolCommand::ObjectTreeData, &tree).buffer());
}

void QtObjectInspector::signalBegin(const MemberData &record)
{
    report(ProtocolCommand::SignalBegin, record);
}

void QtObjectInspector::signalEnd(const MemberData &record)
{
    report(ProtocolCommand::SignalEnd, record);
}

bool QtObjectInspector::isLinkTraffic(ObjectId id) const
{
    if (!socket || id == tesk::inspector::kNoObject)
        return false;
    return id == socketId || id == readNotifierId || id == writeNotifierId;
}

void QtObjectInspector::report(ProtocolCommand::Type type, const MemberData &record)
{
    if (isLinkTraffic(record.objectId)) {
        linkActive = true;
        return;
    }
    const bool wakeUp =
        dispatcherId != tesk::inspector::kNoObject && record.objectId == dispatcherId;
    if (wakeUp && tracing) {
        // A wake-up begins: the one before it is settled.
        if (record.opening && record.textB == QLatin1String("awake()"))
            settleWakeUp();
        if (!wakeUpReported) {
            heldWakeUp.append({type, record});
            return;
        }
    } else if (!wakeUp) {
        // Something besides the link happened in this wake-up: it is reported whole.
        wakeUpReported = true;
        const QList<HeldRecord> held = std::exchange(heldWakeUp, {});
        for (const HeldRecord &h : held)
            deliver(h.type, h.record);
    }
    deliver(type, record);
}

void QtObjectInspector::settleWakeUp()
{
    // The link's writes wake the loop once more: to write, or to watch the socket again.
    const bool own = linkActive || wroteInWakeUp || wroteInPreviousWakeUp;
    wroteInPreviousWakeUp = std::exchange(wroteInWakeUp, false);
    linkActive = false;
    wakeUpReported = false;
    const QList<HeldRecord> held = std::exchange(heldWakeUp, {});
    if (!own) {
        for (const HeldRecord &h : held)
            deliver(h.type, h.record);
    }
}

void QtObjectInspector::send(const QByteArray &frame)
{
    wroteInWakeUp = true;
    ProtocolPacket::send(socket, frame);
}

void QtObjectInspector::deliver(ProtocolCommand::Type type, const MemberData &record)
{
    if (record.opening)
        ++g_signal_nest;
    if (tracing) {
        if (g_filter_nest != -1 && g_filter_nest <= g_signal_nest) {
            if (g_filter_nest == g_signal_nest)
                g_filter_nest = -1;
        } else if (record.opening && filters.matches(record)) {
            TESK_CHECK(g_filter_nest == -1);
            g_filter_nest = g_signal_nest;
        } else if (socket && socket->state() == QAbstractSocket::ConnectedState) {
            send(ProtocolCommand(type, &record).buffer());
        }
    }
    if (!record.opening) {
        if (type == ProtocolCommand::SignalBegin)
            TESK_CHECK(g_signal_nest > 0);
        // Unbalanced closing records must not drive the depth below the outermost level.
        if (g_signal_nest > 0)
            --g_signal_nest;
    }
}
