#include "frame/services/hosttext.h"

#include <QTextDocument>

#include <cstring>

namespace tesk::frame {

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

QString hostLine(const char *latin1)
{
    QString line = hostText(latin1);
    for (QChar &c : line) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char(' ');
    }
    return line;
}

QString escapedFragment(const QString &plain)
{
    QString escaped = plain.toHtmlEscaped();
    escaped.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return escaped;
}

QString plainToolTip(const QString &plain)
{
    if (!Qt::mightBeRichText(plain))
        return plain;
    return QLatin1String("<qt>") + escapedFragment(plain) + QLatin1String("</qt>");
}

} // namespace tesk::frame
