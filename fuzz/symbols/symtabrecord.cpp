// The host's symbol records, as CuiSymtabDataSourceAddModule/AddFunction/AddVariable receive
// them: the fields must stay inside the text and, when the text has blanks enough, put back
// together with blanks give the text again.
#include "symbols/symtabrecord.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView text(reinterpret_cast<const char *>(data), qsizetype(size));
    for (int count : {tesk::symbols::kModuleFields, tesk::symbols::kSymbolFields}) {
        const tesk::symbols::RecordFields fields = tesk::symbols::splitRecord(text, count);
        if (fields.size() != count)
            std::abort();
        QByteArray joined;
        for (int k = 0; k < count; ++k) {
            const QByteArrayView f = fields[k];
            if (!f.isEmpty() && (f.data() < text.data() || f.data() + f.size() > text.end()))
                std::abort();
            joined += (k ? " " : "") + f.toByteArray();
        }
        if (text.count(' ') >= count - 1 && joined != text)
            std::abort();
    }
    return 0;
}
