#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QIODevice;
class QLocalServer;
class QLocalSocket;

namespace tesk::system {

// A message on the socket: its byte count (big-endian, 32 bits), then its text in UTF-16 with a
// closing zero. At most 1 MiB: a sender that announces more is cut off.
QByteArray frameMessage(const QString &message);
enum class Framing { Incomplete, Message, Bad };
// Takes the next whole message off the device; an incomplete one is left there untouched.
Framing takeMessage(QIODevice &in, QString &message);

// Lets one instance find another that uses the same instance id: a local socket server named
// from a hash of the id (ids may hold any text, socket names may not), in a folder only this
// user may enter; both ends check that the other runs as this user. The id itself stays the
// comparison key: the server greets every client with it and a client compares, within a
// deadline. A connection lives a few seconds at most, and only a few are served at a time.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString &id, QObject *parent = nullptr);
    ~SingleInstance() override;

    QString id() const { return m_id; }
    // The socket's path for one of the names instances of this id listen under; empty when
    // no folder private to this user can be had.
    static QString serverName(const QString &id, int slot = 0);

    // True when another instance with this id is listening, under any of its names.
    bool isRunning() const;
    // Checks for another instance and starts listening as one step: instances started at the
    // same moment take turns, so each finds the ones before it. True when another was found
    // (or is starting and holds the turn for too long).
    bool claim();
    // Starts listening under the first free name so that other instances find this one; a
    // second call does nothing.
    bool listen();
    bool isListening() const;
    // The start ends while the load goes on: the socket keeps its name and goes on taking
    // connections, unanswered, so that another copy started meanwhile still finds this one. The
    // next start of the same id takes it up (claim, listen) without asking anyone; one of
    // another id, or the library's unload (dropKeptClaim), lets it go.
    void keepForNextStart();
    static void dropKeptClaim();
    // Passes text to the running instance; false when none answers within the time-out.
    bool sendMessage(const QString &message, int timeoutMs = 5000) const;

Q_SIGNALS:
    void messageReceived(const QString &message);

private:
    bool listenAs(const QString &name);
    bool takeUpKeptClaim();
    // Connects to another instance of this id that greets as one; false when none does.
    bool connectToOther(QLocalSocket &socket, int timeoutMs) const;
    void onNewConnection();
    void readMessage(QLocalSocket *socket);

    QString m_id;
    QLocalServer *m_server = nullptr;
    int m_slot = -1;
    int m_connections = 0;
    bool m_tookUpKeptClaim = false;
};

} // namespace tesk::system
