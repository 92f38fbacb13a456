#pragma once

#include <QMap>
#include <QString>

class QIODevice;

// The language of the interface: chosen in the home area's "ksodebug.ini" or by KSODEBUG_LANG,
// published in KSODEBUG_LANGUAGE, and installed as translation catalogues from the
// installation tree together with the translated label tables.

// Null-terminated, matching by position.
extern const char *const cuiLanguageNames[];
extern const char *const cuiLanguageCodes[];
extern const char *const cuiEncodingNames[];

// The code of the language named on the settings' "text.internationalization.language" line,
// or empty when none names a known one.
QString cuiLanguageFromSettings(QIODevice &settings);
// The code of the language in use; also sets KSODEBUG_LANGUAGE to it.
QString cuiCurrentLanguage();
// (Re)installs the catalogues of the current language and rebuilds the standard labels and the
// context-menu label dictionary.
void cuiInstallTranslations();
// Takes the library's catalogues off the application and deletes them with their bytes: a host's
// application that outlives the library must not translate through them.
void cuiRemoveTranslations();
// The catalogue files that the last installation installed, in order (diagnostics and tests).
QStringList cuiInstalledCatalogues();

// Standard labels (button texts, captions, messages) by id, in the installed language.
const QMap<int, QString> &cuiStandardLabels();
QString cuiStandardLabel(int id);
