#include "frame/core/exportguard.h"

#include <QtGlobal>

namespace tesk {

void reportEscapedException(const char *exportName, const char *what)
{
    qWarning("%s: %s", exportName, what);
}

} // namespace tesk
