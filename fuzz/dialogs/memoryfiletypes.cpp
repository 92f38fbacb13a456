// The host's list of memory file types, one "<flag><separator><type word> <description>" a line,
// as the memory operations dialog reads it.
#include "dialogs/memoryoperationsdlg.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto types = tesk::dialogs::parseMemoryFileTypes(text);
    // One type per line that holds anything; a flag is a single digit.
    if (types.size() != size_t(text.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size()))
        std::abort();
    for (const auto &type : types) {
        if (type.flag < 0 || type.flag > 9 || type.text.contains(QLatin1Char('\n')))
            std::abort();
    }
    return 0;
}
