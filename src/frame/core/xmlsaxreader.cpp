#include "frame/core/xmlsaxreader.h"

#include <QXmlStreamReader>

#include <utility>

namespace NXmlSerial {

XmlSaxReader::XmlSaxReader(XmlSaxHandler *handler)
    : m_handler(handler)
{
}

bool XmlSaxReader::flushText()
{
    if (m_pendingText.isEmpty())
        return true;
    const QString text = std::exchange(m_pendingText, QString());
    return m_handler->characters(text);
}

bool XmlSaxReader::deliver(QXmlStreamReader &reader, bool &rootClosed)
{
    switch (reader.tokenType()) {
    case QXmlStreamReader::StartDocument:
        return m_handler->startDocument();
    case QXmlStreamReader::StartElement:
        ++m_depth;
        return flushText() &&
               m_handler->startElement(reader.namespaceUri().toString(), reader.name().toString(),
                                       reader.qualifiedName().toString(), reader.attributes());
    case QXmlStreamReader::EndElement:
        rootClosed = --m_depth == 0;
        return flushText() &&
               m_handler->endElement(reader.namespaceUri().toString(), reader.name().toString(),
                                     reader.qualifiedName().toString());
    case QXmlStreamReader::Characters:
        // Text outside the root element is only the layout of the file.
        if (m_depth > 0)
            m_pendingText += reader.text();
        return true;
    default:
        return true;
    }
}

bool XmlSaxReader::parse(const QString &text)
{
    QXmlStreamReader reader(text);
    return run(reader);
}

bool XmlSaxReader::parse(QIODevice *device)
{
    QXmlStreamReader reader(device);
    return run(reader);
}

bool XmlSaxReader::run(QXmlStreamReader &reader)
{
    m_pendingText.clear();
    m_depth = 0;
    m_error.clear();
    if (!m_handler) {
        m_error = QStringLiteral("no handler");
        return false;
    }
    bool rootClosed = false;
    while (!rootClosed && !reader.atEnd()) {
        reader.readNext();
        if (reader.hasError())
            break;
        if (!deliver(reader, rootClosed)) {
            m_error = QStringLiteral("the handler stopped the parse");
            return false;
        }
    }
    if (reader.hasError()) {
        m_error = reader.errorString();
        return false;
    }
    if (!rootClosed) {
        m_error = QStringLiteral("the document has no complete root element");
        return false;
    }
    return m_handler->endDocument();
}

} // namespace NXmlSerial
