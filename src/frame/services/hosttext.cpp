#include "frame/services/hosttext.h"

#include <QTextDocument>

namespace tesk::frame {

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
