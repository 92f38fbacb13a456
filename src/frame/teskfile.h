#pragma once

#include <QFile>
#include <QString>

// A file whose name may begin with "$KSODEBUG_INSTALL", "$KSODEBUG_HOME" or
// "$KSODEBUG_HLPPATH": the reference is replaced by that directory before the name is set.
class TeskFile : public QFile
{
public:
    explicit TeskFile(const QString &name);

    // The name with a leading directory reference expanded; unchanged when the reference is
    // unknown or its variable is not set.
    static QString expandName(const QString &name);
};
