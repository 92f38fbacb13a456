#include "frame/core/xmlserial.h"

#include "system/fileappend.h"
#include "system/regularfile.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace NXmlSerial {

namespace {

// A section holds a few settings; a larger document is no such section, and parsing it would
// hold the user interface for as long as it takes. The file around the sections is the host's
// and may hold anything: it is walked a line at a time and never read whole.
constexpr qint64 kMaxSectionBytes = 4 << 20;

// Characters an XML document cannot carry (NUL, most control characters, U+FFFE, a lone
// surrogate) and a carriage return, which a parser turns into a line feed, are stored as this
// private-use character and four hex digits; the character itself is escaped the same way.
constexpr char16_t kEscape = 0xE000;

// A host's file read a line at a time, in pieces: a line longer than any spelling of the tag
// line is read in several, none of which is taken for a line of its own.
class SectionLines
{
public:
    SectionLines(QFile &file, const QString &tag)
        : m_file(file)
        , m_header(QLatin1Char('[') + tag.toLower() + QLatin1Char(']'))
        , m_piece(std::max<std::size_t>(std::size_t(m_header.toUtf8().size()) * 3 + 8, 64 * 1024))
    {
    }

    // The next piece of the file, and whether it is a tag line of the section; false at the end
    // of the file or when it cannot be read.
    bool next(QByteArray &piece, bool &tagLine)
    {
        const qint64 length = m_file.readLine(m_piece.data(), qint64(m_piece.size()));
        if (length <= 0)
            return false;
        piece = QByteArray::fromRawData(m_piece.data(), qsizetype(length));
        const bool fileStart = m_file.pos() == length;
        tagLine =
            m_atLineStart && (piece.endsWith('\n') || m_file.atEnd()) && isHeader(piece, fileStart);
        m_atLineStart = piece.endsWith('\n');
        return true;
    }
    // After a seek to the start of a line.
    void restartLine() { m_atLineStart = true; }

private:
    bool isHeader(QByteArray line, bool fileStart) const
    {
        if (fileStart && line.startsWith("\xef\xbb\xbf"))
            line = line.mid(3);
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        return line.startsWith('[') && QString::fromUtf8(line).toLower() == m_header;
    }

    QFile &m_file;
    const QString m_header;
    std::vector<char> m_piece;
    bool m_atLineStart = true;
};

// The text behind a tag line as the parser asks for it, up to the next tag line of the section
// and no more than a section is read. A copy left unfinished (its root element, a CDATA section
// or a processing instruction never closed) ends where the next copy begins: a file of many
// broken copies is read a bounded number of times, not once for every copy before each.
//
// It is handed out a line at a time. The parser decodes all it is given at once and fails on
// the first byte that is no UTF-8, wherever that byte stands; the host's own sections behind the
// document may hold any bytes (Latin-1 paths, say), and the parse, which ends with the root
// element, must never have been given them.
class SectionText : public QIODevice
{
public:
    SectionText(QFile &file, SectionLines &lines, qint64 limit)
        : m_file(file)
        , m_lines(lines)
        , m_left(limit)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    bool failed() const { return m_file.error() != QFileDevice::NoError; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        qint64 given = 0;
        while (given < maxSize && m_left > 0) {
            // A line ends the read, once the parser has the few bytes that tell it the
            // encoding: fewer in its first read would end the document for it.
            if (m_taken == m_pending.size() &&
                (given >= (m_handedOut > 0 ? 1 : kLeastFirstRead) || !nextPiece()))
                break;
            const qint64 count =
                std::min({maxSize - given, qint64(m_pending.size() - m_taken), m_left});
            std::memcpy(data + given, m_pending.constData() + m_taken, std::size_t(count));
            m_taken += qsizetype(count);
            given += count;
            m_left -= count;
        }
        m_handedOut += given;
        return given > 0 ? given : -1;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    static constexpr qint64 kLeastFirstRead = 4;

    bool nextPiece()
    {
        bool tagLine = false;
        QByteArray piece;
        if (m_ended || !m_lines.next(piece, tagLine) || tagLine) {
            m_ended = true;
            return false;
        }
        if (std::exchange(m_first, false))
            m_checkUtf8 = declaredUtf8(piece);
        m_pending = QByteArray(piece.constData(), piece.size());
        m_taken = 0;
        // The host's bytes behind the root element's end on its line are no part of the
        // document, but the parser decodes what it is given before it reads that end: the text
        // ends before the first byte that is no UTF-8. A document with such a byte inside fails
        // as it would have.
        if (m_checkUtf8) {
            const qsizetype valid = m_utf8.validPrefix(m_pending);
            if (valid < m_pending.size()) {
                m_pending.truncate(valid);
                m_ended = true;
            }
        }
        return !m_pending.isEmpty();
    }

    // Whether the document's first line declares no encoding but UTF-8.
    static bool declaredUtf8(QByteArray first)
    {
        if (first.startsWith("\xef\xbb\xbf"))
            first = first.mid(3);
        if (!first.startsWith("<?xml"))
            return !first.startsWith("\xfe\xff") && !first.startsWith("\xff\xfe");
        const qsizetype end = first.indexOf("?>");
        const QByteArray declaration = first.left(end < 0 ? first.size() : end).toLower();
        const qsizetype at = declaration.indexOf("encoding");
        if (at < 0)
            return true;
        const QByteArray rest = declaration.mid(at + 8).trimmed();
        const QByteArray value = rest.startsWith('=') ? rest.mid(1).trimmed() : QByteArray();
        return value.startsWith("\"utf-8") || value.startsWith("'utf-8") ||
               value.startsWith("\"utf8") || value.startsWith("'utf8");
    }

    // UTF-8 as the parser decodes it, across pieces: a character may begin in one piece and
    // end in the next.
    struct Utf8Check
    {
        int need = 0;
        uchar low = 0x80, high = 0xbf;

        // The length of the piece up to the first byte that is no UTF-8 (that byte's
        // character begun in an earlier piece counts from 0).
        qsizetype validPrefix(const QByteArray &piece)
        {
            qsizetype start = 0;
            for (qsizetype i = 0; i < piece.size(); ++i) {
                const uchar b = uchar(piece.at(i));
                if (need > 0) {
                    if (b < low || b > high)
                        return start;
                    --need;
                    low = 0x80;
                    high = 0xbf;
                    continue;
                }
                start = i;
                if (b < 0x80)
                    continue;
                if (b >= 0xc2 && b <= 0xdf)
                    need = 1;
                else if (b >= 0xe0 && b <= 0xef)
                    need = 2, low = b == 0xe0 ? 0xa0 : 0x80, high = b == 0xed ? 0x9f : 0xbf;
                else if (b >= 0xf0 && b <= 0xf4)
                    need = 3, low = b == 0xf0 ? 0x90 : 0x80, high = b == 0xf4 ? 0x8f : 0xbf;
                else
                    return i;
            }
            return piece.size();
        }
    };

    QFile &m_file;
    SectionLines &m_lines;
    qint64 m_left;
    qint64 m_handedOut = 0;
    QByteArray m_pending;
    qsizetype m_taken = 0;
    bool m_ended = false;
    bool m_first = true;
    bool m_checkUtf8 = false;
    Utf8Check m_utf8;
};

bool storedAsIs(char16_t c)
{
    return c == 0x9 || c == 0xA || (c >= 0x20 && c < 0xD800) || (c > kEscape && c <= 0xFFFD);
}

// A value's line that begins with '[' could read as the tag line of a section, which ends the
// text the loader reads for the one before it.
bool startsTagLikeLine(const QString &value, qsizetype i)
{
    return value.at(i) == QLatin1Char('[') && i > 0 && value.at(i - 1) == QLatin1Char('\n');
}

QString encodeValue(const QString &value)
{
    QString encoded;
    encoded.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c.isHighSurrogate() && i + 1 < value.size() && value.at(i + 1).isLowSurrogate()) {
            encoded += c;
            encoded += value.at(++i);
        } else if (storedAsIs(c.unicode()) && !startsTagLikeLine(value, i)) {
            encoded += c;
        } else {
            encoded += QChar(kEscape);
            encoded += QStringLiteral("%1").arg(uint(c.unicode()), 4, 16, QLatin1Char('0'));
        }
    }
    return encoded;
}

QString decodeValue(const QString &text)
{
    if (!text.contains(QChar(kEscape)))
        return text;
    QString decoded;
    decoded.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        bool ok = false;
        const uint code = text.at(i) == QChar(kEscape) ? text.mid(i + 1, 4).toUInt(&ok, 16) : 0;
        if (ok && text.mid(i + 1, 4).size() == 4) {
            decoded += QChar(char16_t(code));
            i += 4;
        } else {
            decoded += text.at(i);
        }
    }
    return decoded;
}

} // namespace

XmlContext::XmlContext(int mode)
    : m_mode(mode)
{
}

XmlContext::~XmlContext()
{
    while (!m_readers.empty())
        PopReader();
    delete m_contentHandler;
}

void XmlContext::SetDocument(QDomDocument *document)
{
    m_document = document;
}

QDomDocument *XmlContext::Document()
{
    return m_document;
}

void XmlContext::OpenNode(const QString &name)
{
    if (m_document)
        AttachNode(m_document->createElement(name));
}

void XmlContext::AttachNode(QDomNode node)
{
    AppendNode(node);
    PushNode(node);
    m_nodeOpened = true;
}

void XmlContext::CloseNode()
{
    PopNode();
    m_nodeOpened = false;
}

void XmlContext::AppendNode(QDomNode node)
{
    if (NodeDepth() < 1) {
        if (m_document)
            m_document->appendChild(node);
        return;
    }
    TopNode().appendChild(node);
}

bool XmlContext::IsNodeOpened()
{
    return m_nodeOpened;
}

void XmlContext::Serialize(IXmlSerialize &object)
{
    const int depth = NodeDepth();
    m_nodeOpened = false;
    object.Serialize(*this);
    while (NodeDepth() > depth)
        CloseNode();
}

void XmlContext::WriteBool(const QString &name, bool value)
{
    WriteText(name, QStringLiteral("%1").arg(value ? 1 : 0));
}

void XmlContext::WriteInt(const QString &name, int value)
{
    WriteText(name, QStringLiteral("%1").arg(value, 0, 10));
}

void XmlContext::WriteText(const QString &name, const QString &value)
{
    if (!m_document)
        return;
    AttachNode(m_document->createElement(name));
    AppendNode(m_document->createTextNode(encodeValue(value)));
    CloseNode();
}

XmlContentHandler *XmlContext::ContentHandler()
{
    if (!m_contentHandler)
        m_contentHandler = new XmlContentHandler(this);
    return m_contentHandler;
}

QDomNode XmlContext::TopNode()
{
    return m_nodes.empty() ? QDomNode() : m_nodes.back();
}

int XmlContext::NodeDepth()
{
    return int(m_nodes.size());
}

void XmlContext::PushNode(QDomNode node)
{
    m_nodes.push_back(node);
}

void XmlContext::PopNode()
{
    if (!m_nodes.empty())
        m_nodes.pop_back();
}

bool XmlContext::readerAt(int depth) const
{
    return !m_readers.empty() && m_readerDepths.back() == depth;
}

void XmlContext::deliver(int eventType)
{
    m_eventType = eventType;
    m_readers.back()->Serialize(*this);
}

bool XmlContext::startElement(const QString &namespaceUri, const QString &localName,
                              const QString &qualifiedName, const QXmlStreamAttributes &attributes)
{
    if (!readerAt(m_depth)) {
        ++m_depth;
        return true;
    }
    m_namespaceUri = namespaceUri;
    m_localName = localName;
    m_qualifiedName = qualifiedName;
    m_attributes = attributes;
    ++m_depth;
    deliver(ElementStartEvent);
    return true;
}

bool XmlContext::endElement(const QString &namespaceUri, const QString &localName,
                            const QString &qualifiedName)
{
    --m_depth;
    if (!readerAt(m_depth + 1))
        return true;
    m_namespaceUri = namespaceUri;
    m_localName = localName;
    m_qualifiedName = qualifiedName;
    deliver(ElementEndEvent);
    PopReader();
    return true;
}

bool XmlContext::characters(const QString &text)
{
    if (!readerAt(m_depth))
        return true;
    m_text = decodeValue(text);
    deliver(CharactersEvent);
    return true;
}

void XmlContext::PushReader(IXmlSerialize *reader)
{
    AdoptReader(reader, false);
}

void XmlContext::AdoptReader(IXmlSerialize *reader, bool owned)
{
    m_readers.push_back(reader);
    m_readerDepths.push_back(m_depth);
    m_readerOwned.push_back(owned);
}

void XmlContext::PopReader()
{
    if (m_readers.empty())
        return;
    if (m_readerOwned.back())
        delete m_readers.back();
    m_readers.pop_back();
    m_readerDepths.pop_back();
    m_readerOwned.pop_back();
}

void XmlDataItem::Serialize(XmlContext &c)
{
    if (c.Mode() != XmlContext::LoadMode)
        return;
    // An element without text holds an empty value: it ends without a text event.
    if (c.EventType() == XmlContext::ElementEndEvent && !m_hadText) {
        if (m_type == XmlQString)
            static_cast<QString *>(m_target)->clear();
        else if (m_type == XmlStdString)
            static_cast<std::string *>(m_target)->clear();
        return;
    }
    if (c.EventType() != XmlContext::CharactersEvent)
        return;
    m_hadText = true;
    const QString &text = c.Text();
    switch (m_type) {
    case XmlInt:
        *static_cast<int *>(m_target) = text.toInt(nullptr, 10);
        break;
    case XmlBool:
        *static_cast<bool *>(m_target) = text.toInt(nullptr, 10) != 0;
        break;
    case XmlQString:
        *static_cast<QString *>(m_target) = text;
        break;
    case XmlStdString:
        *static_cast<std::string *>(m_target) = text.toLatin1().toStdString();
        break;
    }
}

void XmlBodyLoader::Serialize(XmlContext &c)
{
    c.PushReader(m_root);
}

bool XmlContentHandler::startElement(const QString &namespaceUri, const QString &localName,
                                     const QString &qualifiedName,
                                     const QXmlStreamAttributes &attributes)
{
    return m_context->startElement(namespaceUri, localName, qualifiedName, attributes);
}

bool XmlContentHandler::endElement(const QString &namespaceUri, const QString &localName,
                                   const QString &qualifiedName)
{
    return m_context->endElement(namespaceUri, localName, qualifiedName);
}

bool XmlContentHandler::characters(const QString &text)
{
    return m_context->characters(text);
}

int storeXmlSection(const QString &fileName, const QString &tag, IXmlSerialize &root)
{
    // A tag that breaks its line could never be found again.
    if (tag.contains(QLatin1Char('\n')) || tag.contains(QLatin1Char('\r')))
        return 0;
    XmlContext context(XmlContext::StoreMode);
    QDomDocument document;
    document.insertBefore(
        document.createProcessingInstruction(QStringLiteral("xml"),
                                             QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")),
        document.firstChild());
    context.SetDocument(&document);
    context.AttachNode(document.createElement(QStringLiteral("doc")));
    root.Serialize(context);
    context.CloseNode();

    // The section goes to the file in one write: another process storing at the same time, or
    // a disk that fills up, never leaves a torn section in front of the ones stored later.
    QByteArray section;
    QTextStream stream(&section);
    stream << '[' << tag << "]\n";
    stream.flush();
    const qsizetype headerBytes = section.size();
    document.save(stream, 4);
    stream.flush();
    // What the loader would not read back is not written: the store would answer 1 for a
    // section that never loads.
    if (section.size() - headerBytes > kMaxSectionBytes)
        return 0;
    return tesk::system::appendWhole(fileName, section, tesk::system::OnItsOwnLine) ? 1 : 0;
}

bool readToSectionHeader(QTextStream &stream, const QString &tag)
{
    const QString header = QLatin1Char('[') + tag.toLower() + QLatin1Char(']');
    QString line;
    while (stream.readLineInto(&line)) {
        if (line.toLower() == header)
            return true;
    }
    return false;
}

bool loadXmlDocument(QIODevice &document, IXmlSerialize &root)
{
    XmlBodyLoader body(&root);
    XmlContext context(XmlContext::LoadMode);
    context.PushReader(&body);
    XmlSaxReader reader(context.ContentHandler());
    return reader.parse(&document);
}

int loadXmlSection(const QString &fileName, const QString &tag, IXmlSerialize &root)
{
    return loadXmlSection(fileName, tag,
                          [&root](QIODevice &document) { return loadXmlDocument(document, root); });
}

int loadXmlSection(const QString &fileName, const QString &tag,
                   const std::function<bool(QIODevice &document)> &attempt)
{
    QFile file;
    if (!tesk::system::openRegular(file, fileName, QIODevice::ReadOnly))
        return 0;
    SectionLines lines(file, tag);
    QByteArray piece;
    bool tagLine = false;
    while (lines.next(piece, tagLine)) {
        if (!tagLine)
            continue;
        // A copy of the section that does not load (written by a program that was
        // interrupted) does not hide a later copy that does.
        const qint64 after = file.pos();
        SectionText document(file, lines, kMaxSectionBytes);
        if (attempt(document))
            return 1;
        if (document.failed() || !file.seek(after))
            return 0;
        lines.restartLine();
    }
    return 0;
}

} // namespace NXmlSerial
