#pragma once

// What crosses the connection between the object inspector and the external inspector tool.
// A frame is a 4-byte little-endian body length followed by the body; the body is written with
// the data-stream format of the 3.3 toolkit series (version 6, big-endian), which is what the
// tool reads. Object ids travel as 4 bytes; flags as 32-bit integers, never as C++ bools.

#include "frame/core/softcheck.h"

#include <QByteArray>
#include <QDataStream>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTcpSocket>

#include <functional>

class QProgressDialog;
class QTextStream;
class QTimer;

namespace tesk::inspector {

using ObjectId = quint32;
// "None" in every id field of a record.
constexpr ObjectId kNoObject = 0xFFFFFFFFu;

// Streams set up for the wire: version 6, big-endian.
void prepareStream(QDataStream &stream);

void writeId(QDataStream &stream, ObjectId id);
ObjectId readId(QDataStream &stream);
void writeFlag(QDataStream &stream, bool flag);
bool readFlag(QDataStream &stream);

// Lists read from the socket come from a peer we do not trust: their counts are never used to
// reserve memory, and reading stops at the first item the stream cannot deliver.
bool readItems(QDataStream &stream, const std::function<bool(QDataStream &)> &readOne);
void writeStringList(QDataStream &stream, const QStringList &list);
bool readStringList(QDataStream &stream, QStringList &list);

} // namespace tesk::inspector

class Streamable
{
public:
    virtual QDataStream &read(QDataStream &stream) = 0;
    virtual QDataStream &write(QDataStream &stream) const = 0;
    virtual ~Streamable() = default;
};

class Dumpable
{
public:
    virtual void dump(QTextStream &stream) const = 0;
    virtual ~Dumpable() = default;
};

// Writes and reads a list of records, each as its own read and write operations do.
template<typename Record>
void writeRecords(QDataStream &stream, const QList<Record> &records)
{
    stream << quint32(records.size());
    for (const Record &record : records)
        record.write(stream);
}

template<typename Record>
bool readRecords(QDataStream &stream, QList<Record> &records)
{
    records.clear();
    return tesk::inspector::readItems(stream, [&records](QDataStream &s) {
        Record record;
        record.read(s);
        if (s.status() == QDataStream::Ok)
            records.append(record);
        return true;
    });
}

class ProtocolCommand
{
public:
    enum Type : qint32 {
        NoCmd = 0,
        RequestObjectTree = 1,
        SignalBegin = 2,
        Login = 3,
        ObjectTreeData = 4,
        SetSignalFilter = 5,
        StopTracing = 6,
        SignalEnd = 7,
        _TypeMax = SignalEnd
    };

    ProtocolCommand() = default;
    // A received body. One too short to hold a type is NoCmd, so that nobody acts on it.
    explicit ProtocolCommand(const QByteArray &buff);
    ProtocolCommand(Type type, const Streamable *data);

    Type type() const { return m_type; }
    bool isValid() const { return m_type > NoCmd && m_type <= _TypeMax; }
    QByteArray buffer() const { return m_buff; }
    // False when the record could not be read completely.
    bool getData(Streamable *data) const;

private:
    Type m_type = NoCmd;
    QByteArray m_buff;
};

struct LoginData final : Streamable
{
    LoginData() = default;
    LoginData(qint32 version, qint32 processId, const QString &applicationPath)
        : version(version)
        , processId(processId)
        , applicationPath(applicationPath)
    {
    }
    QDataStream &read(QDataStream &stream) override;
    QDataStream &write(QDataStream &stream) const override;

    qint32 version = -1;
    qint32 processId = -1;
    QString applicationPath;
};

// One activation handed to the inspector's hooks.
struct MemberData final : Streamable
{
    MemberData() = default;
    MemberData(tesk::inspector::ObjectId objectId, const QString &textA, const QString &textB,
               const QString &textC, bool opening)
        : objectId(objectId)
        , textA(textA)
        , textB(textB)
        , textC(textC)
        , opening(opening)
    {
    }
    QDataStream &read(QDataStream &stream) override;
    QDataStream &write(QDataStream &stream) const override;

    tesk::inspector::ObjectId objectId = 0;
    QString textA;
    QString textB;
    QString textC;
    bool opening = false;
};

// A null string matches any value; a disabled filter matches nothing.
struct SignalFilter final : Streamable
{
    SignalFilter() = default;
    SignalFilter(const QString &textB, const QString &textA, const QString &textC, bool enabled)
        : textB(textB)
        , textA(textA)
        , textC(textC)
        , enabled(enabled)
    {
    }
    QDataStream &read(QDataStream &stream) override;
    QDataStream &write(QDataStream &stream) const override;

    bool matches(const MemberData &record) const;
    // Four lines: the three strings in wire order, then 1 or 0.
    QString toText() const;

    QString textB;
    QString textA;
    QString textC;
    bool enabled = false;
};

class SignalFilterList final : public QList<SignalFilter>, public Streamable
{
public:
    SignalFilterList() = default;
    // Groups of four lines as toText writes them; an empty line is a null string. A last line
    // without its newline ends the text.
    explicit SignalFilterList(const QString &text);

    QDataStream &read(QDataStream &stream) override;
    QDataStream &write(QDataStream &stream) const override;

    bool matches(const MemberData &record) const;
    QString toText() const;
};

// Cuts frames out of a socket's byte stream and writes them.
class ProtocolPacket : public QObject
{
    Q_OBJECT

public:
    // One limit for the frames of the link both ways. The largest is the object tree the
    // client sends (some 6 KB a widget: about 40,000 widgets fit); a frame beyond it is
    // neither sent nor taken in. A reader's buffer grows with the bytes that arrive, not with
    // the length a frame announces.
    static constexpr qint64 kDefaultMaxPacketSize = 256 * 1024 * 1024;
    // What a sender lets wait in its socket for a reader that does not keep up: one frame of
    // the largest size. Past it the link is dropped.
    static constexpr qint64 kMaxBufferedBytes = kDefaultMaxPacketSize + 4;

    ProtocolPacket();
    explicit ProtocolPacket(const QByteArray &body);
    explicit ProtocolPacket(const ProtocolCommand &command);
    ~ProtocolPacket() override;

    void setSocket(QTcpSocket *socket);
    void reset();
    // A frame announcing more than this aborts the connection.
    void setMaxPacketSize(qint64 bytes) { m_maxPacketSize = bytes; }
    // Shows a progress dialog when no complete frame has arrived a second from now.
    void waitForResponse();

    const QByteArray &body() const { return buffer; }

    static void send(QTcpSocket *socket, const ProtocolPacket &packet);
    // False when the frame was not written: too large, or the socket would hold more than
    // maxBuffered bytes with it (then the socket is aborted).
    static bool send(QTcpSocket *socket, const QByteArray &body,
                     qint64 maxBuffered = kMaxBufferedBytes);

Q_SIGNALS:
    void packetReady(QByteArray &body);
    void packetAborted();

public Q_SLOTS:
    void readyRead();

private:
    bool readLength();
    bool readBody();
    void deliver();
    void abortConnection(quint32 announced);

    QByteArray buffer;
    qint32 packetSize = -1;
    qint32 receivedSize = 0;
    qint64 m_maxPacketSize = kDefaultMaxPacketSize;
    QPointer<QTcpSocket> m_input_socket; // not owned: forgotten when it is deleted
    QProgressDialog *progressDialog = nullptr;
    QTimer *progressTimer = nullptr;
};
