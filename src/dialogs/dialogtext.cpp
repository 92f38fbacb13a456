#include "dialogs/dialogtext.h"

#include "frame/core/cuitextutils.h"
#include "frame/core/hosttext.h"

#include <algorithm>

namespace tesk::dialogs {

const char *const kCutMark = "\n[...]";

QString dialogTextLatin1(const char *latin1, bool translate)
{
    if (!latin1)
        return QString();
    // Only a text short enough can have a translation worth looking up.
    if (!core::hostTextIsCut(latin1))
        return translate ? tesk::core::translatedLatin1(latin1) : QString::fromLatin1(latin1);
    return QString::fromLatin1(latin1, kMaxDialogTextBytes) + QLatin1String(kCutMark);
}

QString dialogTextUtf8(const char *utf8)
{
    if (!utf8)
        return QString();
    if (!core::hostTextIsCut(utf8))
        return QString::fromUtf8(utf8);
    return QString::fromUtf8(utf8, kMaxDialogTextBytes) + QLatin1String(kCutMark);
}

QString dialogListLatin1(const char *latin1)
{
    if (!latin1)
        return QString();
    if (!core::hostTextIsCut(latin1))
        return QString::fromLatin1(latin1);
    QString text = QString::fromLatin1(latin1, kMaxDialogTextBytes);
    if (latin1[kMaxDialogTextBytes] != '\n')
        text.truncate(std::max<qsizetype>(text.lastIndexOf(QLatin1Char('\n')), 0));
    return text;
}

} // namespace tesk::dialogs
