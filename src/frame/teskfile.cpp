#include "frame/teskfile.h"

#include <QByteArray>
#include <QtGlobal>

TeskFile::TeskFile(const QString &name)
    : QFile(expandName(name))
{
}

QString TeskFile::expandName(const QString &name)
{
    static const char *const references[] = {"KSODEBUG_INSTALL", "KSODEBUG_HOME",
                                             "KSODEBUG_HLPPATH"};
    for (const char *reference : references) {
        const QString prefix = QLatin1Char('$') + QLatin1String(reference);
        if (!name.startsWith(prefix) || !qEnvironmentVariableIsSet(reference))
            continue;
        QString rest = name.mid(prefix.size());
        QString directory = qEnvironmentVariable(reference);
        // "$KSODEBUG_INSTALL" + "etc/..." and "$KSODEBUG_INSTALL/etc/..." name the same file.
        if (!directory.endsWith(QLatin1Char('/')))
            directory += QLatin1Char('/');
        while (rest.startsWith(QLatin1Char('/')))
            rest.remove(0, 1);
        return directory + rest;
    }
    return name;
}
