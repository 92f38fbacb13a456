#include "frame/services/cuii18n.h"

#include "frame/services/cuicontextmenumap.h"
#include "frame/services/teskfile.h"
#include "system/regularfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPointer>
#include <QTextStream>
#include <QTranslator>

#include <array>
#include <utility>

const char *const cuiLanguageNames[] = {"English", "Japanese", "Korean", "Chinese", "XXX", nullptr};
const char *const cuiLanguageCodes[] = {"en", "ja", "ko", "cn", "xx", nullptr};
const char *const cuiEncodingNames[] = {"ASCII", "UTF-8", "Locale", nullptr};

namespace {

struct StandardLabel
{
    int id;
    const char *text;
};

const StandardLabel standardLabelTexts[] = {
    {11, QT_TRANSLATE_NOOP("QObject", "OK")},
    {12, QT_TRANSLATE_NOOP("QObject", "Cancel")},
    {13, QT_TRANSLATE_NOOP("QObject", "&Yes")},
    {14, QT_TRANSLATE_NOOP("QObject", "&No")},
    {15, QT_TRANSLATE_NOOP("QObject", "&Abort")},
    {16, QT_TRANSLATE_NOOP("QObject", "&Retry")},
    {17, QT_TRANSLATE_NOOP("QObject", "&Ignore")},
    {18, QT_TRANSLATE_NOOP("QObject", "&Continue")},
    {19, QT_TRANSLATE_NOOP("QObject", "&Find")},
    {20, QT_TRANSLATE_NOOP("QObject", "Replace")},
    {21, QT_TRANSLATE_NOOP("QObject", "Close")},
    {22, QT_TRANSLATE_NOOP("QObject", "Help")},
    {23, QT_TRANSLATE_NOOP("QObject", "Find-Rep")},
    {24, QT_TRANSLATE_NOOP("QObject", "Rep-Find")},
    {25, QT_TRANSLATE_NOOP("QObject", "Replace All")},
    {26, QT_TRANSLATE_NOOP("QObject", "Search Backwards")},
    {27, QT_TRANSLATE_NOOP("QObject", "Stop at Top/Bottom")},
    {28, QT_TRANSLATE_NOOP("QObject", "Reg-expression")},
    {29, QT_TRANSLATE_NOOP("QObject", "Insensitive Searches")},
    {30, QT_TRANSLATE_NOOP("QObject", "Set")},
    {31, QT_TRANSLATE_NOOP("QObject", "Speed")},
    {32, QT_TRANSLATE_NOOP("QObject", "Amount")},
    {33, QT_TRANSLATE_NOOP("QObject", "Filter")},
    {34, QT_TRANSLATE_NOOP("QObject", "Create")},
    {35, QT_TRANSLATE_NOOP("QObject", "Rename")},
    {36, QT_TRANSLATE_NOOP("QObject", "Add")},
    {37, QT_TRANSLATE_NOOP("QObject", "Change")},
    {38, QT_TRANSLATE_NOOP("QObject", "Install")},
    {39, QT_TRANSLATE_NOOP("QObject", "Submit")},
    {40, QT_TRANSLATE_NOOP("QObject", "Print")},
    {41, QT_TRANSLATE_NOOP("QObject", "Send")},
    {2011, QT_TRANSLATE_NOOP("QObject", "Working")},
    {2012, QT_TRANSLATE_NOOP("QObject", "Prompt")},
    {2013, QT_TRANSLATE_NOOP("QObject", "Warning")},
    {2014, QT_TRANSLATE_NOOP("QObject", "Error")},
    {2015, QT_TRANSLATE_NOOP("QObject", "Information")},
    {2016, QT_TRANSLATE_NOOP("QObject", "Copyright Notice")},
    {2017, QT_TRANSLATE_NOOP("QObject", "Kestrova Debugger")},
    {2018, QT_TRANSLATE_NOOP("QObject", "Paste Operation")},
    {2020, QT_TRANSLATE_NOOP("QObject", "Find")},
    {2021, QT_TRANSLATE_NOOP("QObject", "Scripts")},
    {3011,
     QT_TRANSLATE_NOOP("QObject", "A character is not valid for the encoding used in this file")},
    {3012, QT_TRANSLATE_NOOP("QObject",
                             "This text contains multibyte characters which may not be compatible "
                             "with the encoding in this file.\n\nDo you wish to complete the Paste "
                             "operation?")},
    {3013, QT_TRANSLATE_NOOP("QObject", "Show this dialog for this file again")},
};

// The library's own texts, then the toolkit's, the control library's and the formatting
// library's.
const char *const catalogueStems[] = {"/etc/tesk_", "/etc/qt_", "/etc/pennoct_", "/etc/glyphon_"};
constexpr size_t catalogueCount = std::size(catalogueStems);
// The toolkit's own catalogue, the largest, takes a few hundred kilobytes.
constexpr qint64 kMaxCatalogueBytes = 16 << 20;
// The settings file holds a few lines of settings.
constexpr qint64 kMaxSettingsBytes = 1 << 20;

// A translator reads its catalogue where it was loaded from: the bytes live as long as it. It
// belongs to the application it translates, so that a library the process's end unloads
// before the application has gone leaves it held.
class CatalogueTranslator final : public QTranslator
{
public:
    using QTranslator::QTranslator;
    QByteArray bytes;
};

struct Catalogues
{
    std::array<QPointer<CatalogueTranslator>, catalogueCount> translators{};
    std::array<bool, catalogueCount> installed{};
    QStringList installedFiles;
};

// Kept until the library unloads: the application holds pointers to installed translators.
Catalogues &catalogues()
{
    static Catalogues c;
    return c;
}

QMap<int, QString> &standardLabels()
{
    static QMap<int, QString> labels;
    return labels;
}

QString languageFromSettings()
{
    QByteArray bytes;
    if (!tesk::system::readRegular(
            TeskFile::expandName(TeskFile::homePrefix + QStringLiteral("/ksodebug.ini")),
            kMaxSettingsBytes, bytes))
        return QString();
    QBuffer settings(&bytes);
    settings.open(QIODevice::ReadOnly | QIODevice::Text);
    return cuiLanguageFromSettings(settings);
}

void removeInstalled(Catalogues &c)
{
    for (size_t i = 0; i < catalogueCount; ++i) {
        if (c.installed[i])
            QCoreApplication::removeTranslator(c.translators[i]);
        c.installed[i] = false;
    }
    c.installedFiles.clear();
}

void installCatalogues(Catalogues &c, const QString &code)
{
    for (size_t i = 0; i < catalogueCount; ++i) {
        const QString name =
            TeskFile::expandName(TeskFile::installPrefix + QLatin1String(catalogueStems[i]) + code +
                                 QStringLiteral(".qm"));
        CatalogueTranslator *translator = c.translators[i];
        QByteArray bytes;
        if (!tesk::system::readRegular(name, kMaxCatalogueBytes, bytes) ||
            !translator->load(reinterpret_cast<const uchar *>(bytes.constData()), int(bytes.size()),
                              QStringLiteral(".")))
            continue;
        translator->bytes = std::move(bytes);
        c.installed[i] = QCoreApplication::installTranslator(c.translators[i]);
        if (c.installed[i])
            c.installedFiles << name;
    }
}

void rebuildStandardLabels()
{
    QMap<int, QString> &labels = standardLabels();
    labels.clear();
    for (const StandardLabel &label : standardLabelTexts)
        labels.insert(label.id, QCoreApplication::translate("QObject", label.text));
}

} // namespace

QString cuiLanguageFromSettings(QIODevice &settings)
{
    QTextStream stream(&settings);
    QString line;
    while (stream.readLineInto(&line)) {
        if (!line.contains(QLatin1String("text.internationalization.language"),
                           Qt::CaseInsensitive))
            continue;
        const QString value = line.section(QLatin1Char('='), 1, 1).simplified();
        for (size_t i = 0; cuiLanguageNames[i]; ++i) {
            if (value == QLatin1String(cuiLanguageNames[i]))
                return QString::fromLatin1(cuiLanguageCodes[i]);
        }
    }
    return QString();
}

QString cuiCurrentLanguage()
{
    QString code = languageFromSettings();
    if (code.isEmpty())
        code = qEnvironmentVariableIsSet("KSODEBUG_LANG") ? qEnvironmentVariable("KSODEBUG_LANG")
                                                          : QStringLiteral("en");
    qputenv("KSODEBUG_LANGUAGE", code.toLocal8Bit());
    return code;
}

void cuiInstallTranslations()
{
    Catalogues &c = catalogues();
    for (QPointer<CatalogueTranslator> &translator : c.translators) {
        if (!translator)
            translator = new CatalogueTranslator(QCoreApplication::instance());
    }
    const QString code = cuiCurrentLanguage();
    removeInstalled(c);
    installCatalogues(c, code);
    CuiContextMenuMap::refill();
    rebuildStandardLabels();
}

void cuiRemoveTranslations()
{
    Catalogues &c = catalogues();
    // A translator takes itself off the application as it goes.
    for (QPointer<CatalogueTranslator> &translator : c.translators)
        delete translator.data();
    c = Catalogues();
}

QStringList cuiInstalledCatalogues()
{
    return catalogues().installedFiles;
}

const QMap<int, QString> &cuiStandardLabels()
{
    return standardLabels();
}

QString cuiStandardLabel(int id)
{
    return standardLabels().value(id);
}
