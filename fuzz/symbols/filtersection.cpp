// A host file holding a tagged filter section, as CuiFilters_Load reads it.
#include "symbols/filters/filtering.h"

#include <tesk/tesk_filters.h>

#include <QTemporaryFile>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QTemporaryFile file;
    if (!file.open())
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    Filtering::SymbolFileFilterData set;
    Filtering::loadFilterSection(set, file.fileName(), QStringLiteral("Filters"));
    const Filtering::FModuleCollFilters &list = set.ModuleFilters();
    ModuleFilterRecord record;
    for (int i = 0; i < list.Count(); ++i)
        Filtering::fillModuleFilterRecord(*list.ModuleAt(i), record);
    return 0;
}
