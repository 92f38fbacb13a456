// The language choice, the installed catalogues and the translated label tables.
#include "nonregularfiles.h"
#include "scopedenv.h"
#include "testhost.h"

#include "frame/services/cuicontextmenumap.h"
#include "frame/services/cuii18n.h"
#include "frame/services/teskfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

namespace {

class LanguageTest : public ::testing::Test
{
protected:
    void SetUp() override { TeskFile::resetCache(); }
    void TearDown() override
    {
        QFile::remove(settingsFile());
        unsetenv("KSODEBUG_LANG");
        cuiInstallTranslations(); // back to English for the tests that follow
    }

    static QString settingsFile() { return QDir(testhost::homeDir()).filePath("ksodebug.ini"); }

    static void writeSettings(const char *text)
    {
        QFile file(settingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    static QString languageVariable() { return qEnvironmentVariable("KSODEBUG_LANGUAGE"); }
};

} // namespace

TEST_F(LanguageTest, SettingsFileKeyIgnoresCaseButLanguageNameDoesNot)
{
    ScopedEnv lang("KSODEBUG_LANG", "ko");
    writeSettings("[text]\n"
                  "Text.Internationalization.Language = japanese\n"
                  "TEXT.INTERNATIONALIZATION.LANGUAGE=  Japanese  =ignored\n");
    EXPECT_EQ(cuiCurrentLanguage(), QStringLiteral("ja"));
    EXPECT_EQ(languageVariable(), QStringLiteral("ja"));
}

TEST_F(LanguageTest, UnknownNameFallsBackToTheVariableThenEnglish)
{
    writeSettings("text.internationalization.language=Klingon\n");
    {
        ScopedEnv lang("KSODEBUG_LANG", "de");
        EXPECT_EQ(cuiCurrentLanguage(), QStringLiteral("de"));
        EXPECT_EQ(languageVariable(), QStringLiteral("de"));
    }
    QFile::remove(settingsFile());
    ScopedEnv lang("KSODEBUG_LANG", nullptr);
    EXPECT_EQ(cuiCurrentLanguage(), QStringLiteral("en"));
    EXPECT_EQ(languageVariable(), QStringLiteral("en"));
}

TEST_F(LanguageTest, GermanCatalogueRelabelsStandardLabelsAndDictionary)
{
    setenv("KSODEBUG_LANG", "de", 1);
    EXPECT_EQ(CuiUpdateSettings(), 0);
    EXPECT_EQ(CuiUpdateSettings(), 0);
    // Installed once however often it is asked for; catalogues that are missing are skipped.
    // The library's catalogue and the toolkit's, which the build stages beside it.
    ASSERT_EQ(cuiInstalledCatalogues().size(), 2);
    EXPECT_TRUE(cuiInstalledCatalogues().first().endsWith(QStringLiteral("/etc/tesk_de.qm")));
    EXPECT_TRUE(cuiInstalledCatalogues().last().endsWith(QStringLiteral("/etc/qt_de.qm")));
    EXPECT_EQ(cuiStandardLabel(12), QStringLiteral("Abbrechen"));
    EXPECT_EQ(cuiStandardLabel(13), QStringLiteral("&Ja"));
    EXPECT_EQ(cuiStandardLabel(2014), QStringLiteral("Fehler"));
    EXPECT_EQ(CuiContextMenuMap::lookup(QStringLiteral("#318")),
              QStringLiteral("Corvasim konfigurieren..."));
    EXPECT_EQ(CuiContextMenuMap::lookup(QStringLiteral("#100109")),
              QStringLiteral("Haltepunkt entfernen"));
    EXPECT_EQ(QObject::tr("Close"), QStringLiteral("Schließen"));

    unsetenv("KSODEBUG_LANG");
    CuiUpdateSettings();
    EXPECT_TRUE(cuiInstalledCatalogues().isEmpty());
    EXPECT_EQ(cuiStandardLabel(12), QStringLiteral("Cancel"));
    EXPECT_EQ(CuiContextMenuMap::lookup(QStringLiteral("#318")),
              QStringLiteral("Configure Corvasim..."));
}

// The settings file and the catalogues are read from regular files only: a pipe in their place
// is not waited on and a device not read.
TEST_F(LanguageTest, SettingsAndCataloguesComeFromRegularFilesOnly)
{
    ScopedEnv lang("KSODEBUG_LANG", nullptr);
    {
        const testfiles::FedPipe pipe(settingsFile(),
                                      "text.internationalization.language=Japanese\n");
        EXPECT_EQ(cuiCurrentLanguage(), QStringLiteral("en"));
    }
    QFile::remove(settingsFile());

    QFile staged(TeskFile::expandName(TeskFile::installPrefix + QStringLiteral("/etc/tesk_de.qm")));
    ASSERT_TRUE(staged.open(QIODevice::ReadOnly));
    QTemporaryDir install;
    ASSERT_TRUE(QDir(install.path()).mkpath(QStringLiteral("etc")));
    const testfiles::FedPipe pipe(install.filePath(QStringLiteral("etc/tesk_de.qm")),
                                  staged.readAll());
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), install.filePath("etc/qt_de.qm")));
    {
        ScopedEnv at("KSODEBUG_INSTALL", install.path().toLocal8Bit().constData());
        ScopedEnv german("KSODEBUG_LANG", "de");
        TeskFile::resetCache();
        CuiUpdateSettings();
        EXPECT_TRUE(cuiInstalledCatalogues().isEmpty())
            << qPrintable(cuiInstalledCatalogues().join(' '));
        EXPECT_EQ(cuiStandardLabel(12), QStringLiteral("Cancel"));
    }
    TeskFile::resetCache();
}

TEST_F(LanguageTest, StandardLabelTableHoldsItsIdsOnly)
{
    cuiInstallTranslations();
    const QMap<int, QString> &labels = cuiStandardLabels();
    EXPECT_EQ(labels.size(), 44);
    EXPECT_EQ(labels.firstKey(), 11);
    EXPECT_EQ(labels.lastKey(), 3013);
    EXPECT_FALSE(labels.contains(2019));
    EXPECT_FALSE(labels.contains(10));
    EXPECT_FALSE(labels.contains(42));
    EXPECT_EQ(labels.value(2017), QStringLiteral("Kestrova Debugger"));
}

TEST_F(LanguageTest, DictionaryHasBothKeyFamiliesWithTheirGaps)
{
    const QMap<QString, QString> &labels = CuiContextMenuMap::instance();
    EXPECT_EQ(labels.size(), 301 + 133);
    EXPECT_TRUE(CuiContextMenuMap::lookup(QStringLiteral("#106")).isNull());
    EXPECT_TRUE(CuiContextMenuMap::lookup(QStringLiteral("#371")).isNull());
    EXPECT_TRUE(CuiContextMenuMap::lookup(QStringLiteral("#0100")).isNull());
    EXPECT_TRUE(CuiContextMenuMap::lookup(QStringLiteral("Close")).isNull());
    EXPECT_EQ(CuiContextMenuMap::lookup(QStringLiteral("#208")), QStringLiteral("## REMOVED ##"));
    EXPECT_EQ(CuiContextMenuMap::lookup(QStringLiteral("#191")), QStringLiteral("Print &&"));
    EXPECT_EQ(CuiContextMenuMap::lookup(QStringLiteral("#403")), QStringLiteral("Favorites..."));
    EXPECT_EQ(CuiContextMenuMap::lookup(QStringLiteral("#101400")), QStringLiteral("Set Value..."));
}

TEST(LanguageLists, ExportsListLanguagesCodesAndEncodings)
{
    const char *const *names = CuiI18NGetLanguageList();
    const char *const *codes = CuiI18NGetLocaleList();
    const char *const *encodings = CuiI18NGetEncodingList();
    const char *expectedNames[] = {"English", "Japanese", "Korean", "Chinese", "XXX"};
    const char *expectedCodes[] = {"en", "ja", "ko", "cn", "xx"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_STREQ(names[i], expectedNames[i]);
        EXPECT_STREQ(codes[i], expectedCodes[i]);
    }
    EXPECT_EQ(names[5], nullptr);
    EXPECT_EQ(codes[5], nullptr);
    EXPECT_STREQ(encodings[0], "ASCII");
    EXPECT_STREQ(encodings[1], "UTF-8");
    EXPECT_STREQ(encodings[2], "Locale");
    EXPECT_EQ(encodings[3], nullptr);
}
