#include "dialogs/dialogtext.h"

#include "frame/core/hosttext.h"

#include <algorithm>

namespace tesk::dialogs {

const char *const kCutMark = "\n[...]";
const char *const kLineCutMark = " [...]";

namespace {

QString latin1Text(const char *latin1, bool translate, const char *mark)
{
    if (!latin1)
        return QString();
    // Only a text short enough can have a translation worth looking up.
    if (!core::hostTextIsCut(latin1))
        return translate ? core::translatedLatin1(latin1) : QString::fromLatin1(latin1);
    return core::hostText(latin1) + QLatin1String(mark);
}

QString utf8Text(const char *utf8, const char *mark)
{
    if (!utf8)
        return QString();
    const QString text = core::hostTextUtf8(utf8);
    return core::hostTextIsCut(utf8) ? text + QLatin1String(mark) : text;
}

} // namespace

QString dialogTextLatin1(const char *latin1, bool translate)
{
    return latin1Text(latin1, translate, kCutMark);
}

QString dialogTextUtf8(const char *utf8)
{
    return utf8Text(utf8, kCutMark);
}

QString dialogLineLatin1(const char *latin1, bool translate)
{
    return latin1Text(latin1, translate, kLineCutMark);
}

QString dialogLineUtf8(const char *utf8)
{
    return utf8Text(utf8, kLineCutMark);
}

QString dialogListLatin1(const char *latin1)
{
    if (!latin1)
        return QString();
    if (!core::hostTextIsCut(latin1))
        return QString::fromLatin1(latin1);
    QString text = core::hostText(latin1);
    if (latin1[kMaxDialogTextBytes] != '\n')
        text.truncate(std::max<qsizetype>(text.lastIndexOf(QLatin1Char('\n')), 0));
    return text;
}

} // namespace tesk::dialogs
