// The data navigator's state text as TeskPaneSetPersistData receives it back from the host:
// whatever the reader takes, a filter written into a fresh state text comes back unchanged.
#include "symbols/datanavstate.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto entries = tesk::symbols::readStateText(text);
    if (!entries)
        return 0;
    for (const auto &[key, value] : *entries) {
        if (key != QLatin1String("global_filter"))
            continue;
        // The reader's answer, written as the pane writes it, reads back the same.
        const QString filter =
            tesk::symbols::writePatterns(tesk::symbols::readPatterns(value, false), false);
        const QByteArray again =
            ":1:global_ontop=images:global_filter=\"" + filter.toLatin1() + "\":image_sort_asc=0";
        const auto back = tesk::symbols::readStateText(again);
        if (!back || back->size() != 3 ||
            (*back)[1].second != QString::fromLatin1(filter.toLatin1()))
            __builtin_trap();
    }
    return 0;
}
