#include "frame/core/xmlserial.h"

#include <QFile>
#include <QTextStream>

namespace NXmlSerial {

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
    AppendNode(m_document->createTextNode(value));
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
    m_text = text;
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
    if (c.Mode() != XmlContext::LoadMode || c.EventType() != XmlContext::CharactersEvent)
        return;
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

    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return 0;
    QTextStream stream(&file);
    stream << '[' << tag << "]\n";
    document.save(stream, 4);
    stream.flush();
    file.close();
    return 1;
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

int loadXmlSection(const QString &fileName, const QString &tag, IXmlSerialize &root)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    QTextStream stream(&file);
    if (!readToSectionHeader(stream, tag))
        return 0;
    // The stream has read ahead in the file; what it has not yet handed out is the text after
    // the tag line, which is where the document starts.
    const QString rest = stream.readAll();
    file.close();

    XmlBodyLoader body(&root);
    XmlContext context(XmlContext::LoadMode);
    context.PushReader(&body);
    XmlSaxReader reader(context.ContentHandler());
    return reader.parse(rest) ? 1 : 0;
}

} // namespace NXmlSerial
