#include "symbols/symtabrecord.h"

namespace tesk::symbols {

RecordFields splitRecord(QByteArrayView text, int count)
{
    // Appended, not sized: a sized array would leave the views uninitialised.
    RecordFields fields;
    for (int k = 0; k < count; ++k)
        fields.append(QByteArrayView());
    qsizetype pos = 0;
    for (int k = 0; k < count; ++k) {
        const QByteArrayView rest = text.sliced(pos);
        const qsizetype blank = k + 1 < count ? rest.indexOf(' ') : -1;
        if (blank < 0) {
            fields[k] = rest;
            break;
        }
        fields[k] = rest.first(blank);
        pos += blank + 1;
    }
    return fields;
}

} // namespace tesk::symbols
