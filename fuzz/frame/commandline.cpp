// The host's start-up command line: its words are never empty nor hold a blank, and joined by
// single blanks give the line with its runs of blanks closed up; a style is chosen only by the
// words that name it, and never two at once.
#include "frame/app/cuiapp.h"

#include <QByteArray>
#include <QRegularExpression>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line =
        QString::fromLocal8Bit(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QStringList words = tesk::app::splitCommandLine(line);
    for (const QString &word : words) {
        if (word.isEmpty() || word.contains(u' '))
            std::abort();
    }
    static const QRegularExpression blanks(QStringLiteral(" +"));
    QString closed = QString(line).replace(blanks, QStringLiteral(" "));
    if (closed.startsWith(u' '))
        closed.remove(0, 1);
    if (closed.endsWith(u' '))
        closed.chop(1);
    if (words.join(u' ') != closed)
        std::abort();

    const tesk::app::StyleFlags flags = tesk::app::styleFlags(words);
    if (flags.wood && flags.metal)
        std::abort();
    const qsizetype at = words.indexOf(QStringLiteral("-style"));
    const QString chosen = at >= 0 && at + 1 < words.size() ? words.at(at + 1) : QString();
    if (flags.wood != (chosen == QLatin1String("wood")) ||
        flags.metal != (chosen == QLatin1String("metal")))
        std::abort();
    return 0;
}
