#pragma once

#include <functional>

#include "frame/core/xmlsaxreader.h"

#include <QDomDocument>
#include <QDomNode>
#include <QString>
#include <QXmlStreamAttributes>

#include <deque>
#include <string>

class QIODevice;
class QTextStream;

// Objects that store themselves as XML and load themselves back, through one operation that
// serves both directions, and the tagged sections ("[tag]" line, then the document) in which
// the host's files keep them.
namespace NXmlSerial {

class XmlContext;

class IXmlSerialize
{
public:
    virtual ~IXmlSerialize() = default;
    virtual void Serialize(XmlContext &c) = 0;
};

class XmlContentHandler;

class XmlContext
{
public:
    enum { StoreMode = 1, LoadMode = 2 };
    enum { ElementStartEvent = 0, CharactersEvent = 1, ElementEndEvent = 2 };

    explicit XmlContext(int mode);
    XmlContext(const XmlContext &) = delete;
    XmlContext &operator=(const XmlContext &) = delete;
    virtual ~XmlContext();

    // Store mode.
    virtual void SetDocument(QDomDocument *document);
    virtual QDomDocument *Document();
    virtual void OpenNode(const QString &name);
    virtual void AttachNode(QDomNode node);
    virtual void CloseNode();
    virtual void AppendNode(QDomNode node);
    virtual bool IsNodeOpened();
    // Calls the object; elements it leaves open are closed for it.
    virtual void Serialize(IXmlSerialize &object);
    virtual void WriteBool(const QString &name, bool value);
    virtual void WriteInt(const QString &name, int value);
    virtual void WriteText(const QString &name, const QString &value);
    virtual XmlContentHandler *ContentHandler();
    virtual QDomNode TopNode();
    virtual int NodeDepth();
    virtual void PushNode(QDomNode node);
    virtual void PopNode();

    // Load mode: the events of the parsed input, routed to the reader bound to their depth.
    virtual bool startElement(const QString &namespaceUri, const QString &localName,
                              const QString &qualifiedName, const QXmlStreamAttributes &attributes);
    virtual bool endElement(const QString &namespaceUri, const QString &localName,
                            const QString &qualifiedName);
    virtual bool characters(const QString &text);

    // A reader receives the elements that open at the depth where it was pushed, the text at
    // that depth and the end of the element that encloses it, after which it is removed.
    void PushReader(IXmlSerialize *reader);
    void AdoptReader(IXmlSerialize *reader, bool owned);
    void PopReader();

    int Mode() const { return m_mode; }
    int EventType() const { return m_eventType; }
    QString ElementName() const { return m_qualifiedName; }
    const QString &Text() const { return m_text; }
    const QXmlStreamAttributes &Attributes() const { return m_attributes; }

private:
    bool readerAt(int depth) const;
    void deliver(int eventType);

    QDomDocument *m_document = nullptr;
    std::deque<QDomNode> m_nodes;
    bool m_nodeOpened = false;
    int m_mode;
    int m_eventType = ElementStartEvent;
    QString m_namespaceUri;
    QString m_localName;
    QString m_qualifiedName;
    QString m_text;
    QXmlStreamAttributes m_attributes;
    XmlContentHandler *m_contentHandler = nullptr;
    std::deque<IXmlSerialize *> m_readers;
    std::deque<int> m_readerDepths;
    std::deque<bool> m_readerOwned;
    int m_depth = 0;
};

enum XmlDataItemType { XmlInt = 1, XmlBool = 2, XmlQString = 3, XmlStdString = 4 };

// Binds one variable of the caller to the text of one element (load mode only).
class XmlDataItem : public IXmlSerialize
{
public:
    explicit XmlDataItem(int *target)
        : m_target(target)
        , m_type(XmlInt)
    {
    }
    explicit XmlDataItem(bool *target)
        : m_target(target)
        , m_type(XmlBool)
    {
    }
    explicit XmlDataItem(QString *target)
        : m_target(target)
        , m_type(XmlQString)
    {
    }
    explicit XmlDataItem(std::string *target)
        : m_target(target)
        , m_type(XmlStdString)
    {
    }

    void Serialize(XmlContext &c) override;

private:
    void *m_target;
    XmlDataItemType m_type;
    bool m_hadText = false;
};

// The reader of a section's document: hands the children of "doc" to the root object.
class XmlBodyLoader : public IXmlSerialize
{
public:
    explicit XmlBodyLoader(IXmlSerialize *root)
        : m_root(root)
    {
    }
    void Serialize(XmlContext &c) override;

private:
    IXmlSerialize *m_root;
};

class XmlContentHandler : public XmlSaxHandler
{
public:
    explicit XmlContentHandler(XmlContext *context)
        : m_context(context)
    {
    }

    bool startElement(const QString &namespaceUri, const QString &localName,
                      const QString &qualifiedName,
                      const QXmlStreamAttributes &attributes) override;
    bool endElement(const QString &namespaceUri, const QString &localName,
                    const QString &qualifiedName) override;
    bool characters(const QString &text) override;

private:
    XmlContext *m_context;
};

// Appends "[tag]" and the root object's document to the file in one locked write; 1, or 0 when
// the section could not be written whole, its tag breaks the line or its document is larger
// than a section is read (4 MiB; the file is then as it was). Text values are encoded so that any
// text, control characters included, loads back unchanged.
int storeXmlSection(const QString &fileName, const QString &tag, IXmlSerialize &root);
// Loads the root object from the document behind the first "[tag]" line (tag compared without
// regard to letter case) that holds a complete document; 1 when one was read, else 0 (also for
// a name that is no regular file). Of each copy no more than 4 MiB is read, however large the
// file around it.
int loadXmlSection(const QString &fileName, const QString &tag, IXmlSerialize &root);
// The same walk for a caller that loads each copy of the section its own way (into a fresh
// object, say): the attempt reads the text behind each "[tag]" line in turn, up to the next such
// line, until it answers true; 1 then, else 0. However many broken copies the file holds, it is
// read no more than twice: an attempt reads no further than its own copy.
int loadXmlSection(const QString &fileName, const QString &tag,
                   const std::function<bool(QIODevice &document)> &attempt);
// Loads the root object from one document, reading the device only as far as the document
// goes; whether it was read whole.
bool loadXmlDocument(QIODevice &document, IXmlSerialize &root);
bool readToSectionHeader(QTextStream &stream, const QString &tag);

} // namespace NXmlSerial
