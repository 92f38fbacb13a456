#pragma once

#include <QString>
#include <QXmlStreamAttributes>

class QIODevice;

class QXmlStreamReader;

namespace NXmlSerial {

// The events a SAX-style reader delivers; each handler returns false to stop the parse.
class XmlSaxHandler
{
public:
    virtual ~XmlSaxHandler() = default;
    virtual bool startDocument() { return true; }
    virtual bool endDocument() { return true; }
    virtual bool startElement(const QString &namespaceUri, const QString &localName,
                              const QString &qualifiedName,
                              const QXmlStreamAttributes &attributes) = 0;
    virtual bool endElement(const QString &namespaceUri, const QString &localName,
                            const QString &qualifiedName) = 0;
    virtual bool characters(const QString &text) = 0;
};

// Turns a document into SAX events. Text between two tags reaches the handler as one
// characters event however the stream reader splits it (entities, character references,
// CDATA sections). Parsing ends with the root element: what follows it in the input (in a
// file of tagged sections, the next section) is not part of this document.
class XmlSaxReader
{
public:
    explicit XmlSaxReader(XmlSaxHandler *handler);

    bool parse(const QString &text);
    // Reads the device only as far as the parse goes.
    bool parse(QIODevice *device);
    QString errorString() const { return m_error; }

private:
    bool run(QXmlStreamReader &reader);
    bool deliver(QXmlStreamReader &reader, bool &rootClosed);
    bool flushText();

    XmlSaxHandler *m_handler;
    QString m_pendingText;
    int m_depth = 0;
    QString m_error;
};

} // namespace NXmlSerial
