// File names relative to the installation tree, the home area and the help roots.
#include "scopedenv.h"

#include "frame/services/teskfile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class TeskFileTest : public ::testing::Test
{
protected:
    void SetUp() override { TeskFile::resetCache(); }
    void TearDown() override { TeskFile::resetCache(); }

    static void touch(const QString &path)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
};

} // namespace

TEST_F(TeskFileTest, PrefixesExpandWithTheSeparatorInserted)
{
    ScopedEnv install("KSODEBUG_INSTALL", "C:\\kso\\install");
    ScopedEnv home("KSODEBUG_HOME", "/home/user/.kso");
    EXPECT_EQ(TeskFile::expandName(QStringLiteral("$KSODEBUG_HOMEksodebug.ini")),
              QStringLiteral("/home/user/.kso/ksodebug.ini"));
    EXPECT_EQ(TeskFile::expandName(QStringLiteral("$KSODEBUG_INSTALL\\etc\\tesk_de.qm")),
              QStringLiteral("C:/kso/install/etc/tesk_de.qm"));
    EXPECT_EQ(TeskFile::expandName(QStringLiteral("plain\\name.txt")),
              QStringLiteral("plain/name.txt"));
    TeskFile file(QStringLiteral("$KSODEBUG_HOME/ksodebug.ini"));
    EXPECT_EQ(file.fileName(), QStringLiteral("/home/user/.kso/ksodebug.ini"));
}

TEST_F(TeskFileTest, InstallationPrefixWinsOverHomeAndUnsetFolderLeavesRoot)
{
    ScopedEnv home("KSODEBUG_HOME", "/home/user");
    {
        ScopedEnv install("KSODEBUG_INSTALL", "/opt/kso");
        EXPECT_EQ(TeskFile::expandName(QStringLiteral("$KSODEBUG_INSTALL/$KSODEBUG_HOME/x")),
                  QStringLiteral("/opt/kso/$KSODEBUG_HOME/x"));
    }
    TeskFile::resetCache();
    ScopedEnv install("KSODEBUG_INSTALL", nullptr);
    EXPECT_EQ(TeskFile::expandName(QStringLiteral("$KSODEBUG_INSTALL/etc/qt_de.qm")),
              QStringLiteral("/etc/qt_de.qm"));
}

TEST_F(TeskFileTest, SearchListsTryEveryFolderInOrder)
{
    QTemporaryDir first, second;
    touch(second.filePath(QStringLiteral("gui/page.htm")));
    const QByteArray list =
        (first.path() + QLatin1Char(';') + second.path() + QStringLiteral("/;")).toLocal8Bit();
    ScopedEnv help("KSODEBUG_HLPPATH", list.constData());

    QString name = QStringLiteral("$KSODEBUG_HLPPATH/gui/page.htm");
    EXPECT_TRUE(TeskFile::findExisting(name));
    EXPECT_EQ(name, second.filePath(QStringLiteral("gui/page.htm"))); // "//" collapsed

    QString missing = QStringLiteral("$KSODEBUG_HLPPATH\\gui\\none.htm");
    EXPECT_FALSE(TeskFile::findExisting(missing));
    EXPECT_EQ(missing, QStringLiteral("$KSODEBUG_HLPPATH/gui/none.htm"));

    TeskFile file;
    EXPECT_FALSE(file.setNameFromSearch(QStringLiteral("$KSODEBUG_HLPPATH/x.htm")));
    EXPECT_EQ(file.fileName(), QStringLiteral("$KSODEBUG_HLPPATH/x.htm"));
    EXPECT_TRUE(file.setNameFromSearch(QStringLiteral("$KSODEBUG_HLPPATH/gui/page.htm")));
    EXPECT_TRUE(file.exists());
}

TEST_F(TeskFileTest, SearchWithoutReferenceOrVariableAsksTheFileItself)
{
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("present")));
    QString present = dir.filePath(QStringLiteral("present"));
    EXPECT_TRUE(TeskFile::findExisting(present));
    ScopedEnv unset("TESK_NO_SUCH_FOLDER_LIST", nullptr);
    QString unsetName = QStringLiteral("$TESK_NO_SUCH_FOLDER_LIST/present");
    EXPECT_FALSE(TeskFile::findExisting(unsetName));
}

TEST_F(TeskFileTest, EnvironmentReferencesInTypedNames)
{
    ScopedEnv dumps("TESK_DUMPS", "/var/dumps");
    ScopedEnv unset("TESK_UNSET_DUMPS", nullptr);
    QString text = QStringLiteral("out:$TESK_DUMPS/nav.txt and $TESK_DUMPS/again");
    EXPECT_TRUE(expandEnvironmentReference(text));
    EXPECT_EQ(text, QStringLiteral("out:/var/dumps/nav.txt and $TESK_DUMPS/again"));

    QString atEnd = QStringLiteral("file$TESK_DUMPS");
    expandEnvironmentReference(atEnd);
    EXPECT_EQ(atEnd, QStringLiteral("file$TESK_DUMPS"));

    QString unsetText = QStringLiteral("$TESK_UNSET_DUMPS/x");
    expandEnvironmentReference(unsetText);
    EXPECT_EQ(unsetText, QStringLiteral("$TESK_UNSET_DUMPS/x"));
}
