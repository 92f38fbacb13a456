// Objects stored as XML in tagged sections of a host file and loaded back.
#include "frame/core/xmlserial.h"

#include "nonregularfiles.h"

#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <vector>

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

// Broken copies are each read only as far as they go: 100,000 of them before a whole copy load
// in a blink, where reading the rest of the file for each took minutes. A line like the tag
// line inside a whole copy's text is the copy's own.
TEST_F(XmlSectionTest, AWholeCopyBehindManyBrokenOnesLoads)
{
    Probe stored = sample(4);
    stored.name = QStringLiteral("before\n[t]\nafter");
    QByteArray content;
    for (int i = 0; i < 100000; ++i)
        content += i % 2 ? "[t]\n<doc><number>5</numb\n" : "[T]\n";
    writeFile(content);
    ASSERT_EQ(storeXmlSection(fileName(), QStringLiteral("t"), stored), 1);
    Probe loaded;
    EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("t"), loaded), 1);
    EXPECT_EQ(loaded.number, 4);
    EXPECT_EQ(loaded.name, stored.name);

    int attempts = 0;
    EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("t"),
                             [&attempts](QIODevice &document) {
                                 ++attempts;
                                 return document.read(8) == "<?xml ve";
                             }),
              1);
    EXPECT_EQ(attempts, 100001);
}

// A copy whose root element, CDATA section or processing instruction is left open reads on no
// further than the next copy: all the attempts together read no more than the file holds.
TEST_F(XmlSectionTest, EachAttemptEndsWhereTheNextCopyBegins)
{
    const QByteArray kinds[] = {"<doc><number>5</number>\n", "<doc><raw><![CDATA[open\n",
                                "<doc><?note open\n", "<doc><number>5</numb\n"};
    for (const QByteArray &broken : kinds) {
        QByteArray content;
        for (int i = 0; i < 2000; ++i)
            content += "[t]\n" + broken;
        writeFile(content);
        Probe stored = sample(4);
        ASSERT_EQ(storeXmlSection(fileName(), QStringLiteral("t"), stored), 1);
        Probe loaded;
        EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("t"), loaded), 1) << broken.data();
        EXPECT_EQ(loaded.number, 4) << broken.data();

        qint64 read = 0;
        EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("t"),
                                 [&read](QIODevice &document) {
                                     read += document.readAll().size();
                                     return false;
                                 }),
                  0);
        EXPECT_LE(read, readFile().size()) << broken.data();
    }
}

// However far a copy's document runs, no more than 4 MiB of it is read: a whole document larger
// than that is no section.
TEST_F(XmlSectionTest, NoCopyIsReadPastFourMebibytes)
{
    constexpr qsizetype kMost = 4 << 20;
    writeFile("[t]\n<doc><number>3</number><raw>" + QByteArray(kMost, 'x') + "</raw></doc>\n");
    Probe loaded;
    EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("t"), loaded), 0);
    qint64 read = 0;
    loadXmlSection(fileName(), QStringLiteral("t"), [&read](QIODevice &document) {
        read = document.readAll().size();
        return false;
    });
    EXPECT_EQ(read, kMost);
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

namespace {

// A section whose value is a long text: one store writes tens of kilobytes.
class Bulky : public IXmlSerialize
{
public:
    QString text;
    void Serialize(XmlContext &c) override
    {
        if (c.Mode() == XmlContext::StoreMode)
            c.WriteText(QStringLiteral("text"), text);
        else if (c.EventType() == XmlContext::ElementStartEvent)
            c.AdoptReader(new XmlDataItem(&text), true);
    }
};

} // namespace

TEST_F(XmlSectionTest, AnyValueLoadsBackUnchanged)
{
    const QString values[] = {
        QString(),
        QStringLiteral("line\r\nnext\rlast"),
        QString(QChar(0)) + QChar(1) + QChar(0x1f) + QChar(0xfffe) + QChar(0xffff),
        QString(QChar(0xe000)) + QStringLiteral("0041") + QChar(0xe000),
        QString(QChar(0xd800)) + QStringLiteral("lone") + QChar(0xdc00),
        QStringLiteral("\xe6\xbc\xa2 \xf0\x9f\x98\x80 <&>"),
    };
    int n = 0;
    for (const QString &value : values) {
        Bulky stored;
        stored.text = value;
        const QString tag = QStringLiteral("v%1").arg(n++);
        ASSERT_EQ(storeXmlSection(fileName(), tag, stored), 1);
        Bulky loaded;
        loaded.text = QStringLiteral("not restored");
        EXPECT_EQ(loadXmlSection(fileName(), tag, loaded), 1) << n;
        EXPECT_EQ(loaded.text, value) << n;
    }
}

TEST_F(XmlSectionTest, AFailedWriteIsReportedAndCostsNothing)
{
    Bulky big;
    big.text = QString(200 * 1024, QLatin1Char('x'));
    EXPECT_EQ(storeXmlSection(QStringLiteral("/dev/full"), QStringLiteral("t"), big), 0);

    Probe first = sample(1);
    ASSERT_EQ(storeXmlSection(fileName(), QStringLiteral("first"), first), 1);
    const QByteArray before = readFile();
    // A disk with room for 100 more bytes.
    struct rlimit old
    {
    };
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit small = old;
    small.rlim_cur = rlim_t(before.size() + 100);
    const sighandler_t oldHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int result = storeXmlSection(fileName(), QStringLiteral("second"), big);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(readFile(), before);

    // A torn copy left by an older writer hides neither the sections after it nor a later
    // copy of its own tag.
    writeFile(before + "[second]\n<?xml version=\"1.0\"?>\n<doc>\n    <text>xx");
    Bulky later;
    later.text = QStringLiteral("later");
    ASSERT_EQ(storeXmlSection(fileName(), QStringLiteral("second"), later), 1);
    Bulky loaded;
    EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("second"), loaded), 1);
    EXPECT_EQ(loaded.text, QStringLiteral("later"));
}

TEST_F(XmlSectionTest, ConcurrentWritersLoseNoSection)
{
    constexpr int kWriters = 4;
    constexpr int kSections = 5;
    std::vector<pid_t> children;
    for (int w = 0; w < kWriters; ++w) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (int s = 0; s < kSections; ++s) {
                Bulky section;
                section.text = QString(40 * 1024, QLatin1Char('a' + w));
                storeXmlSection(fileName(), QStringLiteral("w%1s%2").arg(w).arg(s), section);
            }
            _exit(0);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children)
        waitpid(pid, nullptr, 0);
    for (int w = 0; w < kWriters; ++w) {
        for (int s = 0; s < kSections; ++s) {
            Bulky loaded;
            EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("w%1s%2").arg(w).arg(s), loaded),
                      1);
            EXPECT_EQ(loaded.text, QString(40 * 1024, QLatin1Char('a' + w)));
        }
    }
}

// A section goes to a regular file only; a link is followed and stays a link.
TEST_F(XmlSectionTest, SectionsAreStoredInRegularFilesOnly)
{
    const testfiles::NonRegularFiles names;
    Bulky value;
    value.text = QStringLiteral("kept");
    for (const QString &name : names.refused())
        EXPECT_EQ(storeXmlSection(name, QStringLiteral("t"), value), 0) << qPrintable(name);
    ASSERT_EQ(storeXmlSection(names.link(), QStringLiteral("t"), value), 1);
    EXPECT_TRUE(names.linkKept());
    EXPECT_TRUE(names.targetBytes().startsWith("before\n[t]\n")) << names.targetBytes().constData();
    Bulky loaded;
    EXPECT_EQ(loadXmlSection(names.link(), QStringLiteral("t"), loaded), 1);
    EXPECT_EQ(loaded.text, QStringLiteral("kept"));
    EXPECT_TRUE(names.nothingElse());
}

// Devices that never end, files of the system that state no size, folders and pipes all answer
// 0 at once.
TEST_F(XmlSectionTest, SectionsLoadFromBoundedRegularFilesOnly)
{
    const testfiles::NonRegularFiles names;
    Bulky loaded;
    for (const QString &name :
         names.refused() + QStringList{QStringLiteral("/dev/full"), QStringLiteral("/dev/zero"),
                                       QStringLiteral("/proc/version")})
        EXPECT_EQ(loadXmlSection(name, QStringLiteral("t"), loaded), 0) << qPrintable(name);
}

// The host's file may grow past any bound (every store appends, and its own data may share the
// file): each section stays readable. A section's document is read up to 4 MiB, and a store
// refuses one the loader would not read back.
TEST_F(XmlSectionTest, SectionsLoadFromFilesOfAnySizeAndOnlyBoundedOnesAreStored)
{
    Bulky value;
    value.text = QStringLiteral("small");
    ASSERT_EQ(storeXmlSection(fileName(), QStringLiteral("first"), value), 1);
    QFile file(fileName());
    ASSERT_TRUE(file.open(QIODevice::Append));
    const QByteArray hostLine = QByteArray(64 << 10, 'h') + '\n';
    for (int i = 0; i < 70; ++i)
        file.write(hostLine);
    file.write(QByteArray(5 << 20, 'x')); // one line longer than a section
    file.write("\n");
    file.close();
    value.text = QStringLiteral("later");
    ASSERT_EQ(storeXmlSection(fileName(), QStringLiteral("second"), value), 1);
    for (const char *tag : {"first", "second"}) {
        Bulky loaded;
        EXPECT_EQ(loadXmlSection(fileName(), QString::fromLatin1(tag), loaded), 1) << tag;
        EXPECT_FALSE(loaded.text.isEmpty()) << tag;
    }

    const QByteArray before = readFile();
    EXPECT_EQ(storeXmlSection(fileName(), QStringLiteral("line\nbreak"), value), 0);
    EXPECT_EQ(storeXmlSection(fileName(), QStringLiteral("line\rbreak"), value), 0);
    Bulky big;
    big.text = QString(4 << 20, QLatin1Char('b'));
    EXPECT_EQ(storeXmlSection(fileName(), QStringLiteral("big"), big), 0);
    EXPECT_EQ(readFile(), before);
    big.text.chop(128);
    EXPECT_EQ(storeXmlSection(fileName(), QStringLiteral("big"), big), 1);
    Bulky loaded;
    EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("big"), loaded), 1);
    EXPECT_EQ(loaded.text.size(), big.text.size());
}

// A host file written with CR LF line ends: the tag lines are found and their documents read.
TEST_F(XmlSectionTest, SectionsLoadFromAFileWithCarriageReturns)
{
    writeFile("host=1\r\n"
              "[t]\r\n"
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
              "<doc>\r\n"
              "    <number>5</number>\r\n"
              "    <items>\r\n"
              "        <item>one</item>\r\n"
              "    </items>\r\n"
              "</doc>\r\n"
              "[U]\r\n"
              "<doc><number>6</number></doc>\r\n");
    Probe first;
    EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("t"), first), 1);
    EXPECT_EQ(first.number, 5);
    EXPECT_EQ(first.list.items, QStringList{QStringLiteral("one")});
    Probe second;
    EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("u"), second), 1);
    EXPECT_EQ(second.number, 6);
}

// The loader reads a long line in pieces: a piece that ends the line and looks like the tag
// line is still the end of the host's line, whatever length comes before it.
TEST_F(XmlSectionTest, ATagAtTheEndOfALongerLineIsNoTagLine)
{
    for (int before = 1; before <= 80; ++before) {
        writeFile(QByteArray(before, 'h') + "[t]\n<doc><number>9</number></doc>\n" +
                  QByteArray(before, 'h') + "[t]\r\n<doc><number>8</number></doc>\n" +
                  "[t]\n<doc><number>4</number></doc>\n");
        Probe p;
        EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("t"), p), 1) << before;
        EXPECT_EQ(p.number, 4) << before;
    }
}

// The host keeps its own sections beside the library's, in its own encoding: whatever bytes
// stand before or after a stored section (a Latin-1 path a line behind it, or kilobytes of
// anything), the section loads, and so does the host's next store of it.
TEST_F(XmlSectionTest, HostSectionsOfAnyBytesAroundASectionLeaveItLoading)
{
    std::mt19937 draw(97);
    const auto anyBytes = [&draw](int most) {
        QByteArray bytes(int(draw() % uint(most + 1)), '\0');
        for (char &b : bytes)
            b = char(draw() % 8 == 0 ? '\n' : draw() % 256);
        // No line of it may read as the section's own tag line.
        return bytes.replace('[', '{');
    };
    const QByteArray latinPath = "[Host]\npath=/home/m\xfcller/x\n";
    for (int round = 0; round < 200; ++round) {
        QByteArray before = round % 3 ? anyBytes(round % 2 ? 64 : 16 * 1024) : QByteArray();
        QByteArray after = round < 2 ? latinPath : anyBytes(round % 2 ? 64 : 16 * 1024);
        if (round % 5 == 0)
            after = latinPath + after;
        writeFile(before);
        Probe stored = sample(round);
        ASSERT_EQ(storeXmlSection(fileName(), QStringLiteral("t"), stored), 1);
        {
            QFile file(fileName());
            ASSERT_TRUE(file.open(QIODevice::Append));
            file.write(after);
        }
        Probe loaded;
        ASSERT_EQ(loadXmlSection(fileName(), QStringLiteral("t"), loaded), 1) << round;
        EXPECT_EQ(loaded.number, round);
        EXPECT_EQ(loaded.list.items, stored.list.items) << round;
    }
}

// The root element's end may share its line with the host's bytes, UTF-8 or not; a file may
// begin with a byte-order mark before the tag line; a long line's characters may fall across
// the pieces it is read in. A byte that is no UTF-8 inside the document still fails it.
TEST_F(XmlSectionTest, TheDocumentEndsWithItsRootWhateverBytesFollowOnItsLine)
{
    const QByteArray document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                "<doc><number>7</number></doc>";
    const QByteArray behind[] = {"\xfc\xfc",     " host \xe9t\xe9",  "\xc3",
                                 "\xed\xa0\x80", "\xf4\x90\x80\x80", "caf\xc3\xa9"};
    for (const QByteArray &bytes : behind) {
        writeFile("[t]\n" + document + bytes + "\n[h]\n\xff\n");
        Probe p;
        EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("t"), p), 1) << bytes.toHex().data();
        EXPECT_EQ(p.number, 7);
    }
    writeFile("\xef\xbb\xbf[t]\n<doc><number>3</number></doc>\n");
    Probe marked;
    EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("t"), marked), 1);
    EXPECT_EQ(marked.number, 3);

    Probe stored = sample(8);
    stored.name = QString(50000, QChar(0xe9)) + QString(30000, QChar(0x20ac));
    writeFile({});
    ASSERT_EQ(storeXmlSection(fileName(), QStringLiteral("t"), stored), 1);
    {
        // The document on one line of some 170 KB, read in pieces of 64 KiB.
        QByteArray text = readFile();
        text.replace("\n    ", "").replace(">\n<", "><");
        writeFile(text);
    }
    Probe loaded;
    EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("t"), loaded), 1);
    EXPECT_EQ(loaded.name, stored.name);

    for (const char *inside : {"<doc><number>5\xfc</number></doc>\n", "<doc><number>5</num\xfc"}) {
        writeFile(QByteArray("[t]\n") + inside);
        Probe broken;
        EXPECT_EQ(loadXmlSection(fileName(), QStringLiteral("t"), broken), 0) << inside;
    }
}
