// Objects stored as XML in tagged sections of a host file and loaded back.
#include "frame/core/xmlserial.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace NXmlSerial;

namespace {

// Collects the text of every element it is bound to.
class TextCollector : public IXmlSerialize
{
public:
    explicit TextCollector(QStringList *texts)
        : m_texts(texts)
    {
    }
    void Serialize(XmlContext &c) override
    {
        if (c.EventType() == XmlContext::CharactersEvent)
            m_texts->append(c.Text());
    }

private:
    QStringList *m_texts;
};

// Reads the "items" element: a list of "item" texts.
class ItemList : public IXmlSerialize
{
public:
    QStringList items;
    void Serialize(XmlContext &c) override
    {
        if (c.EventType() == XmlContext::ElementStartEvent &&
            c.ElementName() == QLatin1String("item"))
            c.AdoptReader(new TextCollector(&items), true);
    }
};

class Probe : public IXmlSerialize
{
public:
    int number = 0;
    bool flag = false;
    QString name;
    std::string raw;
    ItemList list;
    bool ended = false;

    void Serialize(XmlContext &c) override
    {
        if (c.Mode() == XmlContext::StoreMode) {
            c.WriteInt(QStringLiteral("number"), number);
            c.WriteBool(QStringLiteral("flag"), flag);
            c.WriteText(QStringLiteral("name"), name);
            c.WriteText(QStringLiteral("raw"), QString::fromStdString(raw));
            c.OpenNode(QStringLiteral("items"));
            for (const QString &item : list.items)
                c.WriteText(QStringLiteral("item"), item);
            return; // "items" is left open: the caller closes it
        }
        if (c.EventType() == XmlContext::ElementEndEvent) {
            ended = true;
            return;
        }
        if (c.EventType() != XmlContext::ElementStartEvent)
            return;
        const QString element = c.ElementName();
        if (element == QLatin1String("number"))
            c.AdoptReader(new XmlDataItem(&number), true);
        else if (element == QLatin1String("flag"))
            c.AdoptReader(new XmlDataItem(&flag), true);
        else if (element == QLatin1String("name"))
            c.AdoptReader(new XmlDataItem(&name), true);
        else if (element == QLatin1String("raw"))
            c.AdoptReader(new XmlDataItem(&raw), true);
        else if (element == QLatin1String("items"))
            c.PushReader(&list);
    }
};

// Writes itself through the context's Serialize, which closes what it leaves open.
class Wrapper : public IXmlSerialize
{
public:
    Probe inner;
    void Serialize(XmlContext &c) override { c.Serialize(inner); }
};

class XmlSectionTest : public ::testing::Test
{
protected:
    QString fileName() const { return m_dir.filePath(QStringLiteral("host.ini")); }

    void writeFile(const QByteArray &content) const
    {
        QFile file(fileName());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    QByteArray readFile() const
    {
        QFile file(fileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static Probe sample(int number)
    {
        Probe p;
        p.number = number;
        p.flag = true;
        p.name = QStringLiteral("a < b & \"c\"");
        p.raw = "core:1";
        p.list.items = {QStringLiteral("one"), QStringLiteral("two")};
        return p;
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(XmlSectionTest, StoreAppendsTagLineAndIndentedDocument)
{
    writeFile("host text\n");
    Wrapper root;
    root.inner = sample(5);
    EXPECT_EQ(storeXmlSection(fileName(), QStringLiteral("Scripts"), root), 1);
    EXPECT_EQ(readFile(), QByteArray("host text\n"
                                     "[Scripts]\n"
                                     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                     "<doc>\n"
                                     "    <number>5</number>\n"
                                     "    <flag>1</flag>\n"
                                     "    <name>a &lt; b &amp; \"c\"</name>\n"
                                     "    <raw>core:1</raw>\n"
                                     "    <items>\n"
                                     "        <item>one</item>\n"
                                     "        <item>two</item>\n"
                                     "    </items>\n"
                                     "</doc>\n"));
    EXPECT_EQ(
        storeXmlSection(m_dir.filePath(QStringLiteral("no/such/dir/f")), QStringLiteral("x"), root),
        0);
}

TEST_F(XmlSectionTest, EachOfTwoSectionsLoadsWithTagCaseIgnored)
{
    Probe first = sample(1);
    Probe second = sample(2);
    second.flag = false;
    second.list.items = {QStringLiteral("three")};
    ASSERT_EQ(storeXmlSection(fileName(), QStringLiteral("FIRST"), first), 1);
    ASSERT_EQ(storeXmlSection(fileName(), QStringLiteral("second"), second), 1);

    Probe loaded;
    EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("first"), loaded), 1);
    EXPECT_EQ(loaded.number, 1);
    EXPECT_TRUE(loaded.flag);
    EXPECT_EQ(loaded.name, first.name);
    EXPECT_EQ(loaded.raw, "core:1");
    EXPECT_EQ(loaded.list.items, first.list.items);
    EXPECT_TRUE(loaded.ended);

    Probe loadedSecond;
    EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("SECOND"), loadedSecond), 1);
    EXPECT_EQ(loadedSecond.number, 2);
    EXPECT_FALSE(loadedSecond.flag);
    EXPECT_EQ(loadedSecond.list.items, QStringList{QStringLiteral("three")});
}

TEST_F(XmlSectionTest, TagLineMustMatchExactly)
{
    Probe p = sample(3);
    writeFile("[scripts] \n<?xml version=\"1.0\"?><doc><number>3</number></doc>\n");
    EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("scripts"), p), 0);
    EXPECT_EQ(loadXmlSection(m_dir.filePath(QStringLiteral("absent")), QStringLiteral("x"), p), 0);
    EXPECT_EQ(p.number, 3);
}

TEST_F(XmlSectionTest, TypedValuesConvertAndUnknownElementsAreSkipped)
{
    writeFile("[t]\n<doc><unknown><number>99</number>text</unknown>"
              "<number>12x</number><flag>7</flag><name>a&amp;b&#x43;<![CDATA[<d>]]>e</name>"
              "<raw>r&lt;s</raw></doc>\n");
    Probe p;
    EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("t"), p), 1);
    EXPECT_EQ(p.number, 0); // not a number
    EXPECT_TRUE(p.flag);
    EXPECT_EQ(p.name, QStringLiteral("a&bC<d>e")); // text in several pieces is joined
    EXPECT_EQ(p.raw, "r<s");

    writeFile("[t]\n<doc><flag>yes</flag><number>-4</number></doc>");
    p.flag = true;
    EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("t"), p), 1);
    EXPECT_FALSE(p.flag);
    EXPECT_EQ(p.number, -4);
}

TEST_F(XmlSectionTest, BrokenDocumentFailsKeepingWhatWasRead)
{
    writeFile("[t]\n<doc><number>8</number><items><item>one</item><item>tw</items></doc>\n");
    Probe p;
    EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("t"), p), 0);
    EXPECT_EQ(p.number, 8);
    EXPECT_EQ(p.list.items, QStringList{QStringLiteral("one")});

    writeFile("[t]\n<doc><number>8</number>");
    EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("t"), p), 0);
    writeFile("[t]\n");
    EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("t"), p), 0);
}

TEST(XmlContextTest, StoreModeKeepsItsNodeStack)
{
    QDomDocument document;
    XmlContext c(XmlContext::StoreMode);
    c.SetDocument(&document);
    EXPECT_EQ(c.Document(), &document);
    c.OpenNode(QStringLiteral("doc"));
    EXPECT_TRUE(c.IsNodeOpened());
    c.WriteInt(QStringLiteral("n"), -3);
    EXPECT_FALSE(c.IsNodeOpened());
    EXPECT_EQ(c.NodeDepth(), 1);
    EXPECT_EQ(c.TopNode().nodeName(), QStringLiteral("doc"));
    EXPECT_EQ(document.toString(-1), QStringLiteral("<doc><n>-3</n></doc>"));
}
