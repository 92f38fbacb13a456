#include "system/singleinstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace tesk::system {

namespace {

constexpr int kConnectTimeoutMs = 1000;
constexpr int kGreetingTimeoutMs = 1000;

// Greeting: the id in UTF-8 and a newline. Message: a 32-bit byte count, then the text as
// UTF-16 with its terminating zero (2n + 2 bytes for n characters).
QByteArray greeting(const QString &id)
{
    return id.toUtf8() + '\n';
}

bool connectTo(QLocalSocket &socket, const QString &id, int timeoutMs)
{
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(SingleInstance::serverName(id));
    return socket.waitForConnected(timeoutMs);
}

// A server that is not processing events yet still accepts the connection; only a greeting
// that names another id tells a stranger apart.
bool greetedBySameId(QLocalSocket &socket, const QString &id)
{
    QByteArray received;
    while (!received.contains('\n')) {
        if (!socket.waitForReadyRead(kGreetingTimeoutMs))
            return true;
        received += socket.readAll();
    }
    return received.left(received.indexOf('\n')) == id.toUtf8();
}

} // namespace

SingleInstance::SingleInstance(const QString &id, QObject *parent)
    : QObject(parent)
    , m_id(id)
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName(const QString &id)
{
    const QByteArray hash = QCryptographicHash::hash(id.toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("tesk-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash.toHex()));
}

bool SingleInstance::isRunning() const
{
    if (isListening())
        return false;
    QLocalSocket socket;
    if (!connectTo(socket, m_id, kConnectTimeoutMs))
        return false;
    return greetedBySameId(socket, m_id);
}

bool SingleInstance::listen()
{
    if (m_server)
        return m_server->isListening();
    m_server = new QLocalServer(this);
    // An abstract socket vanishes with its process: a crashed instance leaves nothing behind
    // that could be mistaken for a running one, and a live one cannot be replaced.
    m_server->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    return m_server->listen(serverName(m_id));
}

bool SingleInstance::isListening() const
{
    return m_server && m_server->isListening();
}

bool SingleInstance::sendMessage(const QString &message, int timeoutMs) const
{
    QLocalSocket socket;
    if (!connectTo(socket, m_id, timeoutMs) || !greetedBySameId(socket, m_id))
        return false;
    QByteArray payload(reinterpret_cast<const char *>(message.utf16()), (message.size() + 1) * 2);
    QByteArray frame;
    QDataStream(&frame, QIODevice::WriteOnly) << quint32(payload.size());
    frame += payload;
    socket.write(frame);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        // A sender may write and hang up before this side ever looks: read what is buffered
        // before letting the socket go.
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            readMessage(socket);
            socket->deleteLater();
        });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
        socket->write(greeting(m_id));
        socket->flush();
        readMessage(socket);
    }
}

void SingleInstance::readMessage(QLocalSocket *socket)
{
    constexpr qint64 kMaxMessageBytes = 1 << 20;
    while (socket->bytesAvailable() >= 4) {
        QByteArray header = socket->peek(4);
        quint32 size = 0;
        QDataStream(header) >> size;
        if (size > kMaxMessageBytes || size % 2) {
            socket->abort();
            return;
        }
        if (socket->bytesAvailable() < 4 + qint64(size))
            return;
        socket->read(4);
        const QByteArray payload = socket->read(size);
        QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(payload.constData()),
                                          payload.size() / 2);
        if (text.endsWith(QChar(0)))
            text.chop(1);
        Q_EMIT messageReceived(text);
    }
}

} // namespace tesk::system
