#include "registers/regenumtable.h"

#include <tesk/tesk_registers.h>

namespace {

quint32 overrideTypeFor(QChar first)
{
    switch (first.unicode()) {
    case 1:
        return REG_TYPE_RADIX_10;
    case 2:
        return REG_TYPE_BINARY;
    case 4:
        return REG_TYPE_RADIX_16;
    default:
        return 9;
    }
}

} // namespace

RegEnumTable RegEnumTable::fromString(const QString &text)
{
    RegEnumTable table;
    if (text.isEmpty() || text.front().unicode() < 9) {
        table.valid = 0;
        if (!text.isEmpty())
            table.overrideType = overrideTypeFor(text.front());
        if (text.size() > 2 && text.at(1) == QLatin1Char(':'))
            table.bitSize = text.mid(2).toUInt(nullptr, 10);
        return table;
    }
    quint32 counter = 0;
    for (const QString &entry : text.split(QLatin1Char('\t'))) {
        const QStringList parts = entry.split(QLatin1Char('='));
        if (parts.size() > 2) {
            table.valid = 0;
            break;
        }
        if (parts.size() == 2) {
            bool ok = false;
            const quint32 value = parts.at(1).toUInt(&ok, 0);
            if (ok)
                counter = value;
        }
        table.names.append(parts.at(0));
        table.values.append(counter);
        ++counter;
    }
    return table;
}
