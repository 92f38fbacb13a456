// The home area's ksodebug.ini as the language is read from it: the answer is empty or the code
// of one of the known languages, never a piece of the file.
#include "frame/services/cuii18n.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    const QString code = cuiLanguageFromSettings(file);
    if (code.isEmpty())
        return 0;
    for (size_t i = 0; cuiLanguageCodes[i]; ++i) {
        if (code == QLatin1String(cuiLanguageCodes[i]))
            return 0;
    }
    std::abort();
}
