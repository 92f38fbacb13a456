#include "objectinspector/protocol.h"

#include <QDataStream>
#include <QProgressDialog>
#include <QTcpSocket>
#include <QTimer>
#include <QtEndian>

namespace tesk::inspector {

void prepareStream(QDataStream &stream)
{
    stream.setVersion(QDataStream::Qt_3_3);
    stream.setByteOrder(QDataStream::BigEndian);
}

void writeId(QDataStream &stream, ObjectId id)
{
    stream << quint32(id);
}

ObjectId readId(QDataStream &stream)
{
    quint32 id = kNoObject;
    stream >> id;
    return id;
}

void writeFlag(QDataStream &stream, bool flag)
{
    stream << qint32(flag ? 1 : 0);
}

bool readFlag(QDataStream &stream)
{
    qint32 flag = 0;
    stream >> flag;
    return flag != 0;
}

bool readItems(QDataStream &stream, const std::function<bool(QDataStream &)> &readOne)
{
    quint32 count = 0;
    stream >> count;
    for (quint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        if (!readOne(stream))
            return false;
        // An item cut short by the end of the body is not kept.
        if (stream.status() != QDataStream::Ok)
            return false;
    }
    return stream.status() == QDataStream::Ok;
}

void writeStringList(QDataStream &stream, const QStringList &list)
{
    stream << quint32(list.size());
    for (const QString &text : list)
        stream << text;
}

bool readStringList(QDataStream &stream, QStringList &list)
{
    list.clear();
    return readItems(stream, [&list](QDataStream &s) {
        QString text;
        s >> text;
        if (s.status() == QDataStream::Ok)
            list.append(text);
        return true;
    });
}

} // namespace tesk::inspector

using namespace tesk::inspector;

// --- ProtocolCommand -------------------------------------------------------------------------

ProtocolCommand::ProtocolCommand(const QByteArray &buff)
    : m_buff(buff)
{
    if (!TESK_CHECK(buff.size() >= qsizetype(sizeof(Type))))
        return;
    QDataStream stream(m_buff);
    prepareStream(stream);
    qint32 type = NoCmd;
    stream >> type;
    m_type = Type(type);
    // An unknown type is kept, so that the receiver can see it and ignore it.
    TESK_CHECK((int)m_type > 0 && (int)m_type <= _TypeMax);
}

ProtocolCommand::ProtocolCommand(Type type, const Streamable *data)
    : m_type(type)
{
    QDataStream stream(&m_buff, QIODevice::WriteOnly);
    prepareStream(stream);
    stream << qint32(type);
    if (data)
        data->write(stream);
}

bool ProtocolCommand::getData(Streamable *data) const
{
    if (!TESK_CHECK(m_type != NoCmd) || !TESK_CHECK(!m_buff.isNull()) || !TESK_CHECK(data != 0))
        return false;
    QDataStream stream(m_buff);
    prepareStream(stream);
    qint32 type = NoCmd;
    stream >> type;
    TESK_CHECK(type == m_type);
    data->read(stream);
    return stream.status() == QDataStream::Ok;
}

// --- Records ---------------------------------------------------------------------------------

QDataStream &LoginData::read(QDataStream &stream)
{
    return stream >> version >> processId >> applicationPath;
}

QDataStream &LoginData::write(QDataStream &stream) const
{
    return stream << version << processId << applicationPath;
}

QDataStream &MemberData::read(QDataStream &stream)
{
    objectId = readId(stream);
    stream >> textA >> textB >> textC;
    opening = readFlag(stream);
    return stream;
}

QDataStream &MemberData::write(QDataStream &stream) const
{
    writeId(stream, objectId);
    stream << textA << textB << textC;
    writeFlag(stream, opening);
    return stream;
}

QDataStream &SignalFilter::read(QDataStream &stream)
{
    stream >> textB >> textA >> textC;
    enabled = readFlag(stream);
    return stream;
}

QDataStream &SignalFilter::write(QDataStream &stream) const
{
    stream << textB << textA << textC;
    writeFlag(stream, enabled);
    return stream;
}

namespace {

// Null is a wildcard; otherwise null and empty are different texts, as the tool sees them.
bool fieldMatches(const QString &filter, const QString &value)
{
    return filter.isNull() || (!value.isNull() && filter == value);
}

} // namespace

bool SignalFilter::matches(const MemberData &record) const
{
    return enabled && fieldMatches(textB, record.textB) && fieldMatches(textA, record.textA) &&
           fieldMatches(textC, record.textC);
}

QString SignalFilter::toText() const
{
    // Joined, not put through arg(): a filter text may itself hold "%1".
    const QLatin1Char newline('\n');
    return textB + newline + textA + newline + textC + newline + QLatin1Char(enabled ? '1' : '0') +
           newline;
}

namespace {

// Reads the lines of the filter text form one at a time.
class FilterTextReader
{
public:
    explicit FilterTextReader(const QString &text)
        : m_text(text)
    {
    }

    bool atEnd() const { return m_pos >= m_text.size(); }

    // The next line, null when empty; a line without its newline takes the rest of the text
    // and ends the reading.
    QString nextField()
    {
        const qsizetype end = m_text.indexOf(QLatin1Char('\n'), m_pos);
        TESK_CHECK(end != -1);
        const qsizetype stop = end == -1 ? m_text.size() : end;
        const QString field = m_text.mid(m_pos, stop - m_pos);
        m_pos = end == -1 ? m_text.size() : end + 1;
        return field.isEmpty() ? QString() : field;
    }

private:
    const QString &m_text;
    qsizetype m_pos = 0;
};

} // namespace

SignalFilterList::SignalFilterList(const QString &text)
{
    FilterTextReader reader(text);
    while (!reader.atEnd()) {
        SignalFilter filter;
        filter.textB = reader.nextField();
        if (reader.atEnd())
            break;
        filter.textA = reader.nextField();
        if (reader.atEnd())
            break;
        filter.textC = reader.nextField();
        if (reader.atEnd())
            break;
        bool ok = false;
        const int enabled = reader.nextField().toInt(&ok);
        TESK_CHECK(ok);
        filter.enabled = enabled != 0;
        append(filter);
    }
}

QDataStream &SignalFilterList::read(QDataStream &stream)
{
    readRecords(stream, *this);
    return stream;
}

QDataStream &SignalFilterList::write(QDataStream &stream) const
{
    writeRecords(stream, *this);
    return stream;
}

bool SignalFilterList::matches(const MemberData &record) const
{
    for (const SignalFilter &filter : *this) {
        if (filter.matches(record))
            return true;
    }
    return false;
}

QString SignalFilterList::toText() const
{
    QString text;
    for (const SignalFilter &filter : *this)
        text += filter.toText();
    return text;
}

// --- ProtocolPacket --------------------------------------------------------------------------

ProtocolPacket::ProtocolPacket() = default;

ProtocolPacket::ProtocolPacket(const QByteArray &body)
    : buffer(body)
{
}

ProtocolPacket::ProtocolPacket(const ProtocolCommand &command)
    : buffer(command.buffer())
{
}

ProtocolPacket::~ProtocolPacket()
{
    delete progressDialog;
    delete progressTimer;
}

void ProtocolPacket::setSocket(QTcpSocket *socket)
{
    if (m_input_socket)
        disconnect(m_input_socket, nullptr, this, nullptr);
    reset();
    m_input_socket = socket;
    if (socket)
        connect(socket, &QTcpSocket::readyRead, this, &ProtocolPacket::readyRead);
}

void ProtocolPacket::reset()
{
    packetSize = -1;
    receivedSize = 0;
    buffer.clear();
}

void ProtocolPacket::waitForResponse()
{
    if (!progressDialog) {
        progressDialog = new QProgressDialog;
        // A fresh progress dialog shows itself after a while on its own; only the timer may.
        progressDialog->reset();
        progressTimer = new QTimer;
        progressTimer->setSingleShot(true);
        connect(progressTimer, &QTimer::timeout, progressDialog, &QWidget::show);
        connect(progressDialog, &QProgressDialog::canceled, this, &ProtocolPacket::packetAborted);
    }
    progressDialog->reset();
    progressDialog->setLabelText(tr("Waiting for response..."));
    progressTimer->start(1000);
}

void ProtocolPacket::readyRead()
{
    if (!TESK_CHECK(m_input_socket != 0))
        return;
    while (m_input_socket && m_input_socket->bytesAvailable() > 0) {
        if (packetSize == -1 && !readLength())
            return;
        if (packetSize == -1 || m_input_socket->bytesAvailable() <= 0)
            continue;
        if (!readBody())
            return;
        if (receivedSize == packetSize)
            deliver();
    }
}

bool ProtocolPacket::readLength()
{
    if (m_input_socket->bytesAvailable() < qint64(sizeof(quint32)))
        return false;
    uchar packet_size[sizeof(quint32)];
    const qint64 got =
        m_input_socket->read(reinterpret_cast<char *>(packet_size), sizeof(packet_size));
    const size_t i = got < 0 ? 0 : size_t(got);
    if (!TESK_CHECK(i == sizeof(packet_size)))
        return false;
    const quint32 announced = qFromLittleEndian<quint32>(packet_size);
    // An empty frame carries not even a type: nothing to deliver.
    if (!TESK_CHECK(announced > 0))
        return true;
    if (announced > quint64(m_maxPacketSize) || announced > quint32(INT32_MAX)) {
        abortConnection(announced);
        return false;
    }
    packetSize = qint32(announced);
    buffer.clear();
    receivedSize = 0;
    if (progressDialog && progressDialog->isVisible()) {
        progressDialog->setLabelText(tr("Receiving data..."));
        progressDialog->setMaximum(packetSize);
    }
    return true;
}

bool ProtocolPacket::readBody()
{
    const qint64 packet_remaining = packetSize - receivedSize;
    if (!TESK_CHECK(packet_remaining > 0))
        return false;
    const qint64 read_size = qMin(m_input_socket->bytesAvailable(), packet_remaining);
    buffer.resize(receivedSize + read_size);
    const qint64 i = m_input_socket->read(buffer.data() + receivedSize, read_size);
    TESK_CHECK(i == read_size);
    buffer.resize(receivedSize + qMax<qint64>(i, 0));
    if (i <= 0)
        return false;
    receivedSize += qint32(i);
    if (progressDialog && progressDialog->isVisible())
        progressDialog->setValue(receivedSize);
    return true;
}

void ProtocolPacket::deliver()
{
    if (progressDialog) {
        if (progressTimer->isActive())
            progressTimer->stop();
        progressDialog->reset();
    }
    QByteArray body = buffer;
    reset();
    emit packetReady(body);
}

void ProtocolPacket::abortConnection(quint32 announced)
{
    qWarning("ProtocolPacket: a frame of %u bytes exceeds the limit of %lld bytes; "
             "the connection is dropped",
             announced, m_maxPacketSize);
    reset();
    QTcpSocket *socket = m_input_socket;
    socket->abort();
}

void ProtocolPacket::send(QTcpSocket *socket, const ProtocolPacket &packet)
{
    send(socket, packet.buffer);
}

bool ProtocolPacket::send(QTcpSocket *socket, const QByteArray &body, qint64 maxBuffered)
{
    const qint64 size = body.size();
    if (!TESK_CHECK(size > 0) || !socket)
        return false;
    if (size > kDefaultMaxPacketSize) {
        qWarning("ProtocolPacket: a frame of %lld bytes exceeds the limit of %lld bytes; "
                 "it is not sent",
                 size, kDefaultMaxPacketSize);
        return false;
    }
    uchar length[sizeof(quint32)];
    if (socket->bytesToWrite() + qint64(sizeof(length)) + size > maxBuffered) {
        qWarning("ProtocolPacket: the reader does not keep up (%lld bytes wait to be written); "
                 "the connection is dropped",
                 socket->bytesToWrite());
        socket->abort();
        return false;
    }
    qToLittleEndian<quint32>(quint32(size), length);
    socket->write(reinterpret_cast<const char *>(length), sizeof(length));
    socket->write(body);
    return true;
}
