#include "frame/core/exportguard.h"

#include <QCoreApplication>
#include <QtGlobal>

namespace tesk {

void reportEscapedException(const char *exportName, const char *what)
{
    qWarning("%s: %s", exportName, what);
}

bool applicationExists()
{
    return QCoreApplication::instance() != nullptr;
}

} // namespace tesk
