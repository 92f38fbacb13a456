#include "frame/core/hosttextlimit.h"

#include <cstring>

namespace tesk::core {

QString hostText(const char *latin1)
{
    if (!latin1)
        return QString();
    return QString::fromLatin1(latin1, qsizetype(strnlen(latin1, size_t(kMaxHostTextBytes))));
}

QString hostTextUtf8(const char *utf8)
{
    if (!utf8)
        return QString();
    return QString::fromUtf8(utf8, qsizetype(strnlen(utf8, size_t(kMaxHostTextBytes))));
}

bool hostTextIsCut(const char *text)
{
    return text && strnlen(text, size_t(kMaxHostTextBytes) + 1) > size_t(kMaxHostTextBytes);
}

} // namespace tesk::core
