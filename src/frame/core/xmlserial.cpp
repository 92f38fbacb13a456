#include "frame/core/xmlserial.h"

#include "system/fileappend.h"
#include "system/regularfile.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>
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

// The text behind a tag line as the parser asks for it, up to the most a section is read. A
// broken copy fails where its text breaks off, so the first pieces are small: a file of many
// broken copies costs what was read of each, not the rest of the file for every one of them.
class SectionText : public QIODevice
{
public:
    SectionText(QFile &file, qint64 limit)
        : m_file(file)
        , m_left(limit)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    bool failed() const { return m_failed; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 wanted = std::min({maxSize, m_left, m_piece});
        if (wanted <= 0)
            return m_left > 0 ? 0 : -1;
        m_piece = std::min(m_piece * 2, kLargestPiece);
        const qint64 read = m_file.read(data, wanted);
        if (read < 0) {
            m_failed = true;
            return -1;
        }
        m_left -= read;
        return read == 0 ? -1 : read;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    static constexpr qint64 kLargestPiece = 64 * 1024;

    QFile &m_file;
    qint64 m_left;
    qint64 m_piece = 256;
    bool m_failed = false;
};

bool storedAsIs(char16_t c)
{
    return c == 0x9 || c == 0xA || (c >= 0x20 && c < 0xD800) || (c > kEscape && c <= 0xFFFD);
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
        } else if (storedAsIs(c.unicode())) {
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
    const QString header = QLatin1Char('[') + tag.toLower() + QLatin1Char(']');
    // A line longer than any spelling of the tag line is read in pieces, none of which is taken
    // for a line of its own.
    std::vector<char> piece(std::size_t(header.toUtf8().size()) * 3 + 8);
    bool atLineStart = true;
    bool firstLine = true;
    for (;;) {
        const qint64 length = file.readLine(piece.data(), qint64(piece.size()));
        if (length <= 0)
            return 0;
        QByteArray line = QByteArray::fromRawData(piece.data(), qsizetype(length));
        const bool fileStart = std::exchange(firstLine, false);
        const bool candidate = atLineStart && (line.endsWith('\n') || file.atEnd());
        atLineStart = line.endsWith('\n');
        if (!candidate)
            continue;
        if (fileStart && line.startsWith("\xef\xbb\xbf"))
            line = line.mid(3);
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (QString::fromUtf8(line).toLower() != header)
            continue;
        // A copy of the section that does not load (written by a program that was
        // interrupted) does not hide a later copy that does.
        const qint64 after = file.pos();
        SectionText document(file, kMaxSectionBytes);
        if (attempt(document))
            return 1;
        if (document.failed() || !file.seek(after))
            return 0;
    }
}

} // namespace NXmlSerial
