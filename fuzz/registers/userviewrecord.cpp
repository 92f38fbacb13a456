// The "User" view record as the persistence store hands it back: entries of a full register
// name and its group number, read into a data set whose registers are fixed here. Whatever the
// record holds, the set then writes each of its registers at most once, the entries of those it
// lacks only as the record held them, and a record that reads back into the same record.
#include "registers/regdata.h"

#include <tesk/tesk_registers.h>

#include <QSet>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void fill(RegData &set)
{
    RegDataRecord view{};
    view.kind = REG_RECORD_ITEM;
    view.flags = REG_FLAG_VIEW;
    view.name = "Core";
    set.addRecord(view);
    const struct
    {
        const char *name;
        uint32_t flags;
    } registers[] = {
        {"R0", 0}, {"R1", 0}, {"CPSR", REG_FLAG_GROUP_HEAD}, {"N", REG_FLAG_IN_GROUP}, {"PC", 0}};
    for (const auto &r : registers) {
        RegDataRecord item{};
        item.kind = REG_RECORD_ITEM;
        item.name = r.name;
        item.flags = r.flags;
        item.type = REG_TYPE_RADIX_16;
        item.width = 8;
        set.addRecord(item);
    }
}

QStringList entriesOf(const QString &text)
{
    return text.section(QLatin1Char('\n'), 0, 0).split(QStringLiteral("\\\\"), Qt::SkipEmptyParts);
}

// No register of the set twice; an entry for a register the set lacks is one the record held.
bool namesAreSound(const RegData &set, const QString &text, const QString &stored)
{
    const QStringList held = entriesOf(stored);
    QSet<QString> seen;
    for (const QString &entry : entriesOf(text)) {
        const QString name = entry.section(QStringLiteral("^^"), 0, 0);
        if (!set.item(name)) {
            if (name.isEmpty() || !held.contains(entry))
                return false;
            continue;
        }
        if (seen.contains(name))
            return false;
        seen.insert(name);
    }
    return true;
}

QString written(RegData &set)
{
    QString text;
    set.serializeUserView(text, false);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    RegData first(1);
    fill(first);
    const QString stored =
        QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    QString read = stored;
    first.serializeUserView(read, true);
    const QString saved = written(first);
    if (!namesAreSound(first, saved, stored))
        std::abort();

    RegData second(2);
    fill(second);
    QString again = saved;
    second.serializeUserView(again, true);
    if (written(second) != saved)
        std::abort();
    return 0;
}
