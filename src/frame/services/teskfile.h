#pragma once

#include "frame/core/cuitextutils.h" // expandEnvironmentReference

#include <QFile>
#include <QString>

// A file named relative to the installation tree, the home area or the help root: names start
// with "$KSODEBUG_INSTALL", "$KSODEBUG_HOME" or "$KSODEBUG_HLPPATH" and are expanded from the
// environment before the file is used.
class TeskFile : public QFile
{
public:
    static const QString installPrefix;
    static const QString homePrefix;
    static const QString helpPathPrefix;
    static const QChar listSeparator;

    TeskFile();
    explicit TeskFile(const QString &name);
    ~TeskFile() override;

    void setName(const QString &name);
    // Searches the folders that a "$" reference lists (";"-separated); the name is set whether
    // or not a file was found, unexpanded when none was.
    bool setNameFromSearch(const QString &name);

    // The value of the environment variable a reference such as "$KSODEBUG_HOME" names, with
    // "/" separators; null when the variable is unset.
    static QString environmentValue(const QString &reference);
    static bool replacePrefix(QString &name, const QString &prefix, const QString &value);
    static QString expandName(const QString &name);
    static bool findExisting(QString &name);

    // Forgets the cached installation folder, home area and help path, so that the next use
    // reads the environment again (tests).
    static void resetCache();
};
