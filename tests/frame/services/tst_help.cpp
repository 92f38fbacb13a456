// Help maps, help descriptions and the messages of the help system, answered through the modal
// seam; help pages go to a recording opener instead of the desktop.
#include "modalanswers.h"
#include "scopedenv.h"
#include "testhost.h"

#include "frame/services/cuihelpsystem.h"
#include "frame/services/teskfile.h"
#include "system/documentopener.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace {

using tesk::system::ModalSeam;

class HelpTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        m_previousOpener = tesk::system::setDocumentOpener([this](const QString &file) {
            m_opened << file;
            return m_openResult;
        });
        setHelpPath(m_root.path().toLocal8Bit());
        m_answers.answerMessageBoxes(QMessageBox::Ok);
    }

    void TearDown() override
    {
        tesk::system::setDocumentOpener(m_previousOpener);
        QtDeregisterHelp(77);
        m_helpPath.reset();
        TeskFile::resetCache();
    }

    void setHelpPath(const QByteArray &value)
    {
        m_helpPath.reset();
        m_helpPath = std::make_unique<ScopedEnv>("KSODEBUG_HLPPATH", value.constData());
        TeskFile::resetCache();
    }

    QString page(const QString &relative, const QTemporaryDir &root) const
    {
        const QString path = root.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }
    QString page(const QString &relative) const { return page(relative, m_root); }

    const testhost::ModalAnswers::Seen &lastBox() const { return m_answers.seen().back(); }

    QTemporaryDir m_root;
    QStringList m_opened;
    int m_openResult = 0;
    testhost::ModalAnswers m_answers;
    tesk::system::DocumentOpener m_previousOpener;
    std::unique_ptr<ScopedEnv> m_helpPath;
};

} // namespace

TEST_F(HelpTest, BuiltInMapOpensItsPageFromTheHelpRoot)
{
    const QString expected = page(QString::fromLatin1(cuiBuiltInHelpPage(782)));
    EXPECT_EQ(QtHelp(782, 10), 1);
    EXPECT_EQ(m_opened, QStringList{expected});
    EXPECT_TRUE(m_answers.seen().empty());
}

TEST_F(HelpTest, BuiltInMapCoversItsContextIds)
{
    int count = 0;
    for (int id = -1; id <= 3000; ++id)
        count += !cuiBuiltInHelpPage(id).isNull();
    EXPECT_EQ(count, 785);
    for (int id : {50, 101, 738, 854, 1000, 1028, 2000}) {
        const QByteArray path = cuiBuiltInHelpPage(id);
        EXPECT_EQ(path.count('/'), 2) << path.constData();
        EXPECT_TRUE(path.endsWith(".htm"));
    }
}

TEST_F(HelpTest, UnknownTopicMapOrFileIsExplained)
{
    EXPECT_EQ(QtHelp(99999, 10), 0);
    ASSERT_EQ(m_answers.seen().size(), 1u);
    EXPECT_EQ(lastBox().caption, QStringLiteral("Unable to Display Help"));
    EXPECT_EQ(lastBox().text, QStringLiteral("Could not find the following help topic:\n\n\t\t99999"
                                             "\n\nPlease report this information to your\nhelp "
                                             "file vendor."));

    EXPECT_EQ(QtHelp(1, 4242), 0);
    EXPECT_EQ(lastBox().text,
              QStringLiteral("Could not find the following help application\ncontext:\n\n\t\t4242"
                             "\n\nPlease report this information to your help\nfile vendor."));

    EXPECT_EQ(QtHelp(101, 10), 0); // no such page under the help root
    EXPECT_EQ(lastBox().text,
              QStringLiteral("Could not find the following help file:\n\n$KSODEBUG_HLPPATH/%1\n\n"
                             "Please set the KSODEBUG_HLPPATH environment variable\nto point to "
                             "the root of help file installation.")
                  .arg(QString::fromLatin1(cuiBuiltInHelpPage(101))));
    EXPECT_TRUE(m_opened.isEmpty());
}

TEST_F(HelpTest, DesktopFailureShowsTheSystemText)
{
    page(QString::fromLatin1(cuiBuiltInHelpPage(50)));
    m_openResult = ENOENT;
    EXPECT_EQ(QtHelp(50, 10), 0);
    ASSERT_EQ(m_answers.seen().size(), 1u);
    EXPECT_EQ(lastBox().caption, QStringLiteral("Error calling ShellExecuteEx"));
    EXPECT_EQ(lastBox().text, QString::fromLocal8Bit(std::strerror(ENOENT)));
}

TEST_F(HelpTest, HostMapsAreCopiedAndRegisteredOnce)
{
    const QString first = page(QStringLiteral("host/first.htm"));
    char topic[] = "host/first.htm";
    const TeskHelpEntry entries[] = {{5, topic}, {6, "host/other.htm"}, {-1, nullptr}};
    EXPECT_EQ(QtRegisterHelp(entries, 77), 1);
    std::strcpy(topic, "host/gone.htm"); // the host reuses its buffer
    const TeskHelpEntry replacement[] = {{5, "host/second.htm"}, {-1, nullptr}};
    EXPECT_EQ(QtRegisterHelp(replacement, 77), 0);
    EXPECT_EQ(QtRegisterHelp(nullptr, 78), 0);

    EXPECT_EQ(QtHelp(5, 77), 1);
    EXPECT_EQ(m_opened, QStringList{first});

    EXPECT_EQ(QtDeregisterHelp(77), 1);
    EXPECT_EQ(QtDeregisterHelp(77), 0);
    EXPECT_EQ(QtHelp(5, 77), 0);
}

TEST_F(HelpTest, LaterFolderOfTheHelpPathIsSearched)
{
    QTemporaryDir second;
    const QString expected = page(QString::fromLatin1(cuiBuiltInHelpPage(120)), second);
    setHelpPath((m_root.path() + QLatin1Char(';') + second.path()).toLocal8Bit());
    EXPECT_EQ(QtHelp(120, 10), 1);
    EXPECT_EQ(m_opened, QStringList{expected});
}

TEST_F(HelpTest, DescriptionsSelectMapTopics)
{
    const QString p120 = page(QString::fromLatin1(cuiBuiltInHelpPage(120)));
    char text[64] = "#120@10; the rest is ignored";
    int32_t context = -5;
    char *buffer = text;
    EXPECT_EQ(QtHelpDesc(&context, &buffer, sizeof text), TESK_HELPDESC_SHOWN);
    EXPECT_EQ(context, -5); // only a file result stores the id
    std::strcpy(text, "see item 120;");
    EXPECT_EQ(QtHelpDesc(&context, &buffer, sizeof text), TESK_HELPDESC_SHOWN);
    EXPECT_EQ(m_opened, (QStringList{p120, p120}));
    EXPECT_TRUE(m_answers.seen().empty());

    CuiHelpSystem *help = CuiHelpSystem::instance();
    EXPECT_TRUE(help->parseDescription(QStringLiteral("7 @ 77 ;")));
    EXPECT_EQ(help->contextId(), 7);
    EXPECT_EQ(help->mapId(), 77);
    EXPECT_TRUE(help->parseDescription(QStringLiteral("item 8;")));
    EXPECT_EQ(help->mapId(), 77); // the current map stays
    EXPECT_FALSE(help->parseDescription(QStringLiteral("x@10;")));
    EXPECT_FALSE(help->parseDescription(QStringLiteral("item;")));
    EXPECT_TRUE(help->parseDescription(QStringLiteral("1@10;"))); // back to the built-in map
}

TEST_F(HelpTest, DescriptionNamingAFileCopiesItsLocatedPath)
{
    const QString manual = page(QStringLiteral("manual.htm"));
    char text[256] = "#42@docs\\manual.htm>main;";
    char *buffer = text;
    int32_t context = 0;
    EXPECT_EQ(QtHelpDesc(&context, &buffer, sizeof text), TESK_HELPDESC_FILE);
    EXPECT_EQ(context, 42);
    EXPECT_EQ(QString::fromLatin1(text), manual + QStringLiteral(">main"));
    EXPECT_TRUE(m_opened.isEmpty());
    EXPECT_TRUE(m_answers.seen().empty());

    std::strcpy(text, "1@absent.htm;");
    EXPECT_EQ(QtHelpDesc(&context, &buffer, sizeof text), TESK_HELPDESC_NOTHING);
    EXPECT_EQ(lastBox().caption, QStringLiteral("Unable to Display Help"));
    EXPECT_TRUE(lastBox().text.contains(QStringLiteral("$KSODEBUG_HLPPATH/absent.htm")));
}

TEST_F(HelpTest, DescriptionsThatCannotBeServedShowWhy)
{
    page(QStringLiteral("manual.htm"));
    char small[16] = "1@manual.htm;";
    char *buffer = small;
    EXPECT_EQ(QtHelpDesc(nullptr, &buffer, sizeof small), TESK_HELPDESC_NOTHING);
    EXPECT_EQ(lastBox().caption, QStringLiteral("Unable to Load the Help System"));
    EXPECT_EQ(lastBox().text, QStringLiteral("Internal Error (caught filename buffer overrun)\n\n"
                                             "Please report this information to your\nhelp file "
                                             "vendor."));
    EXPECT_STREQ(small, "1@manual.htm;"); // untouched

    char noSemicolon[] = "120@10";
    buffer = noSemicolon;
    EXPECT_EQ(QtHelpDesc(nullptr, &buffer, sizeof noSemicolon), TESK_HELPDESC_NOTHING);
    EXPECT_EQ(lastBox().caption, QStringLiteral("Detailed Description"));
    EXPECT_EQ(lastBox().text,
              QStringLiteral("No detailed description is available for this item."));
    EXPECT_EQ(lastBox().kind, ModalSeam::Kind::MessageBox);

    // The ";" lies beyond the size the host gave: the text is not read past it.
    char unterminated[8];
    std::memcpy(unterminated, "1@10;", 5);
    std::memset(unterminated + 2, 'x', 6);
    buffer = unterminated;
    EXPECT_EQ(QtHelpDesc(nullptr, &buffer, sizeof unterminated), TESK_HELPDESC_NOTHING);
    EXPECT_EQ(QtHelpDesc(nullptr, nullptr, 10), TESK_HELPDESC_NOTHING);
    EXPECT_EQ(m_answers.seen().size(), 4u);
}
