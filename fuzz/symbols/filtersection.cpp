// A host file holding a tagged filter section, as CuiFilters_Load reads it. The same bytes then
// stand as the host's own text before and after the list stored again (cut where the first
// byte says): whatever they are, the stored section loads.
#include "frame/core/xmlserial.h"
#include "symbols/filters/filtering.h"

#include <tesk/tesk_filters.h>

#include <QFile>
#include <QTemporaryFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool writeFile(const QString &name, const QByteArray &bytes, QIODevice::OpenMode mode)
{
    QFile file(name);
    return file.open(mode) && file.write(bytes) == bytes.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QTemporaryFile file;
    if (!file.open())
        return 0;
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    file.write(input);
    file.close();

    const QString tag = QStringLiteral("Filters");
    Filtering::SymbolFileFilterData set;
    Filtering::loadFilterSection(set, file.fileName(), tag);
    const Filtering::FModuleCollFilters &list = set.ModuleFilters();
    ModuleFilterRecord record;
    for (int i = 0; i < list.Count(); ++i)
        Filtering::fillModuleFilterRecord(*list.ModuleAt(i), record);

    if (!input.isEmpty()) {
        const qsizetype cut = 1 + qsizetype(uint8_t(input[0])) * (input.size() - 1) / 256;
        if (writeFile(file.fileName(), input.mid(1, cut - 1),
                      QIODevice::WriteOnly | QIODevice::Truncate) &&
            NXmlSerial::storeXmlSection(file.fileName(), tag, set) == 1 &&
            writeFile(file.fileName(), input.mid(cut), QIODevice::Append)) {
            Filtering::SymbolFileFilterData again;
            if (Filtering::loadFilterSection(again, file.fileName(), tag) != 1)
                std::abort();
        }
    }
    return 0;
}
