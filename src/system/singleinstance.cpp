#include "system/singleinstance.h"

#include "system/debugoutput.h"
#include "system/filelock.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tesk::system {

namespace {

constexpr int kConnectTimeoutMs = 1000;
// However slowly a stranger answers, it holds start-up no longer than this.
constexpr int kGreetingDeadlineMs = 1000;
constexpr qsizetype kMaxGreetingBytes = 4096;
// Messages are short: a connection still open after this long is dropped, and no more than a
// few are served at a time.
constexpr int kConnectionLifetimeMs = 5000;
constexpr int kMaxConnections = 8;
// Instances allowed to share an id each listen under a name of their own: the first free one
// of these. A later one stays findable when an earlier one ends.
constexpr int kNameSlots = 16;

// A starting instance holds the turn to check and claim for its check: about a greeting's
// deadline for each instance that is still starting and does not greet yet. One that holds it
// longer is another copy that hangs while starting.
constexpr std::chrono::milliseconds kClaimWait(10000);

// Greeting: the id in UTF-8 and a newline. Message: a 32-bit byte count, then the text as
// UTF-16 with its terminating zero (2n + 2 bytes for n characters).
QByteArray greeting(const QString &id)
{
    return id.toUtf8() + '\n';
}

// A folder only this user may enter, as the socket's home: nobody else can reach the socket,
// take its name first, or learn the id it greets with.
bool privateToThisUser(const QByteArray &path)
{
    struct stat info
    {
    };
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

// The folder, made if need be, when it is private to this user; empty otherwise.
QByteArray privateFolder(const QByteArray &path)
{
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return QByteArray();
    return privateToThisUser(path) ? path : QByteArray();
}

// sun_path holds 108 bytes; the socket's own name takes up to 49 of them after the folder.
constexpr qsizetype kMaxFolderLength = 56;
constexpr int kNumberedFolders = 8;

QByteArray findSocketDirectory()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && privateToThisUser(runtime))
        return runtime;
    const QString temporary = QDir::tempPath() + QStringLiteral("/tesk-%1").arg(::getuid());
    QByteArray folder = privateFolder(QFile::encodeName(temporary));
    if (!folder.isEmpty())
        return folder;
    // Somebody else made the usual folder (or opened it up): every instance of this user then
    // agrees on the next private one, under the home folder or else the first numbered one
    // nobody else took, so that the check stays on.
    const QByteArray home = QFile::encodeName(QDir::homePath() + QStringLiteral("/.tesk"));
    if (home.size() <= kMaxFolderLength && home.startsWith('/'))
        folder = privateFolder(home);
    for (int number = 1; folder.isEmpty() && number <= kNumberedFolders; ++number)
        folder = privateFolder(QFile::encodeName(temporary + QStringLiteral("-%1").arg(number)));
    static bool reportedAny = false;
    static QByteArray reported;
    if (!reportedAny || reported != folder) {
        reportedAny = true;
        reported = folder;
        if (folder.isEmpty())
            qWarning("single instance: no folder private to this user for its socket "
                     "(%s is not); instances are not told apart",
                     QFile::encodeName(temporary).constData());
        else
            qWarning("single instance: %s is not private to this user; the socket lives in %s",
                     QFile::encodeName(temporary).constData(), folder.constData());
    }
    return folder;
}

QString socketDirectory()
{
    return QFile::decodeName(findSocketDirectory());
}

bool peerIsThisUser(qintptr descriptor)
{
    struct ucred peer
    {
    };
    socklen_t length = sizeof peer;
    return descriptor >= 0 &&
           ::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 &&
           peer.uid == ::getuid();
}

bool connectTo(QLocalSocket &socket, const QString &name, int timeoutMs)
{
    if (name.isEmpty())
        return false;
    socket.connectToServer(name);
    return socket.waitForConnected(timeoutMs) && peerIsThisUser(socket.socketDescriptor());
}

// A server that is not processing events yet still accepts the connection; only a greeting
// that names another id tells a stranger apart.
bool greetedBySameId(QLocalSocket &socket, const QString &id)
{
    QDeadlineTimer deadline(kGreetingDeadlineMs);
    QByteArray received;
    while (!received.contains('\n')) {
        if (received.size() > kMaxGreetingBytes)
            return false;
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return received.isEmpty();
        received += socket.read(kMaxGreetingBytes + 1 - received.size());
    }
    return received.left(received.indexOf('\n')) == id.toUtf8();
}

// The listening socket of a start that ended, for the next start of the load.
struct KeptClaim
{
    int descriptor = -1;
    QString id;
    QByteArray path;
    int slot = -1;
    // The name's file as it was kept: a socket's descriptor does not tell which file names it.
    dev_t device = 0;
    ino_t inode = 0;
};

// On the heap, ended by the unload: a host's exit handler may unload the library after the
// process's end destroyed its statics.
KeptClaim *g_kept = nullptr;

KeptClaim &keptClaim()
{
    if (!g_kept)
        g_kept = new KeptClaim;
    return *g_kept;
}

// Whether the kept name still names the kept socket, not one another instance put there after
// finding it dead.
bool stillNamed(const KeptClaim &kept)
{
    struct stat named
    {
    };
    return ::lstat(kept.path.constData(), &named) == 0 && named.st_dev == kept.device &&
           named.st_ino == kept.inode;
}

} // namespace

SingleInstance::SingleInstance(const QString &id, QObject *parent)
    : QObject(parent)
    , m_id(id)
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName(const QString &id, int slot)
{
    const QString directory = socketDirectory();
    if (directory.isEmpty())
        return QString();
    const QByteArray hash = QCryptographicHash::hash(id.toUtf8(), QCryptographicHash::Sha1);
    const QString name =
        directory + QStringLiteral("/tesk-%1").arg(QString::fromLatin1(hash.toHex()));
    return slot == 0 ? name : name + QStringLiteral("-%1").arg(slot);
}

bool SingleInstance::connectToOther(QLocalSocket &socket, int timeoutMs) const
{
    for (int slot = 0; slot < kNameSlots; ++slot) {
        if (slot == m_slot && isListening())
            continue;
        socket.abort();
        if (connectTo(socket, serverName(m_id, slot), timeoutMs) && greetedBySameId(socket, m_id))
            return true;
    }
    return false;
}

bool SingleInstance::isRunning() const
{
    QLocalSocket socket;
    return connectToOther(socket, kConnectTimeoutMs);
}

void SingleInstance::keepForNextStart()
{
    dropKeptClaim();
    if (!isListening())
        return;
    const QByteArray path = QFile::encodeName(m_server->fullServerName());
    const QByteArray spare = path + ".kept";
    const int descriptor = ::fcntl(int(m_server->socketDescriptor()), F_DUPFD_CLOEXEC, 0);
    if (descriptor < 0)
        return;
    // Closing the server removes its name: a second name of the same socket puts it back.
    ::unlink(spare.constData());
    if (::link(path.constData(), spare.constData()) != 0) {
        ::close(descriptor);
        return;
    }
    m_server->close();
    if (::rename(spare.constData(), path.constData()) != 0) {
        ::unlink(spare.constData());
        ::close(descriptor);
        return;
    }
    struct stat named
    {
    };
    if (::lstat(path.constData(), &named) != 0) {
        ::close(descriptor);
        return;
    }
    keptClaim() = {descriptor, m_id, path, m_slot, named.st_dev, named.st_ino};
}

void SingleInstance::dropKeptClaim()
{
    if (!g_kept)
        return;
    KeptClaim &kept = *g_kept;
    if (kept.descriptor >= 0) {
        if (stillNamed(kept))
            ::unlink(kept.path.constData());
        ::close(kept.descriptor);
    }
    delete std::exchange(g_kept, nullptr);
}

bool SingleInstance::takeUpKeptClaim()
{
    KeptClaim &kept = keptClaim();
    if (kept.descriptor < 0 || kept.id != m_id || !stillNamed(kept))
        return false;
    if (!m_server->listen(kept.descriptor))
        return false;
    m_slot = kept.slot;
    m_tookUpKeptClaim = true;
    kept = KeptClaim();
    return true;
}

bool SingleInstance::claim()
{
    // A restart within the load holds the claim its start had: a copy started meanwhile found
    // this one, and may be waiting on its own question.
    const KeptClaim &kept = keptClaim();
    if (kept.descriptor >= 0 && kept.id == m_id && listen() && m_tookUpKeptClaim)
        return false;
    // Checked and then claimed by each in turn, or every one of several started at the same
    // moment would check before any listens, and none would find another. Each listens before
    // it lets go of its turn: the next checks the moment it has the turn, and would miss one
    // that listened only afterwards.
    bool running = false;
    const QString name = serverName(m_id);
    std::optional<HeldFileLock> turn;
    if (!name.isEmpty())
        turn.emplace(name + QStringLiteral(".claim"), kClaimWait);
    if (turn && turn->state() == LockState::HeldByAnother) {
        // Another copy that keeps the turn this long is running, though hanging in its start.
        running = true;
    } else {
        if (turn && turn->state() == LockState::Unusable)
            debugOutput("single instance: the claim lock " + turn->whyNotHeld() +
                        "; instances started at the same moment may not find each other\n");
        running = isRunning();
    }
    listen();
    return running;
}

bool SingleInstance::listen()
{
    if (m_server)
        return m_server->isListening();
    m_server = new QLocalServer(this);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    if (takeUpKeptClaim())
        return true;
    dropKeptClaim();
    for (int slot = 0; slot < kNameSlots; ++slot) {
        if (listenAs(serverName(m_id, slot))) {
            m_slot = slot;
            return true;
        }
    }
    return false;
}

bool SingleInstance::listenAs(const QString &name)
{
    if (name.isEmpty())
        return false;
    if (m_server->listen(name))
        return true;
    // A crashed instance leaves its socket file behind; a live one answers on it and keeps it.
    QLocalSocket probe;
    if (m_server->serverError() != QAbstractSocket::AddressInUseError ||
        connectTo(probe, name, kConnectTimeoutMs))
        return false;
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

bool SingleInstance::isListening() const
{
    return m_server && m_server->isListening();
}

bool SingleInstance::sendMessage(const QString &message, int timeoutMs) const
{
    QLocalSocket socket;
    if (!connectToOther(socket, timeoutMs))
        return false;
    socket.write(frameMessage(message));
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        if (!peerIsThisUser(socket->socketDescriptor()) || m_connections >= kMaxConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++m_connections;
        connect(socket, &QObject::destroyed, this, [this] { --m_connections; });
        QTimer::singleShot(kConnectionLifetimeMs, socket, [socket] { socket->abort(); });
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
    for (;;) {
        QString text;
        switch (takeMessage(*socket, text)) {
        case Framing::Bad:
            socket->abort();
            return;
        case Framing::Incomplete:
            return;
        case Framing::Message:
            Q_EMIT messageReceived(text);
            break;
        }
    }
}

QByteArray frameMessage(const QString &message)
{
    QByteArray payload(reinterpret_cast<const char *>(message.utf16()), (message.size() + 1) * 2);
    QByteArray frame;
    QDataStream(&frame, QIODevice::WriteOnly) << quint32(payload.size());
    return frame + payload;
}

Framing takeMessage(QIODevice &in, QString &message)
{
    constexpr qint64 kMaxMessageBytes = 1 << 20;
    if (in.bytesAvailable() < 4)
        return Framing::Incomplete;
    QByteArray header = in.peek(4);
    quint32 size = 0;
    QDataStream(header) >> size;
    if (size > kMaxMessageBytes || size % 2)
        return Framing::Bad;
    if (in.bytesAvailable() < 4 + qint64(size))
        return Framing::Incomplete;
    in.read(4);
    const QByteArray payload = in.read(size);
    message = QString::fromUtf16(reinterpret_cast<const char16_t *>(payload.constData()),
                                 payload.size() / 2);
    if (message.endsWith(QChar(0)))
        message.chop(1);
    return Framing::Message;
}

} // namespace tesk::system
