// The whole text of CuiSymtabDataSourceAddImage, taken as the image's name: an image is added
// once however often it comes, a search for every image finds it under exactly that name, and
// a module record naming a blank-free image lands in it.
#include "symbols/symtabdatasource.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The export passes a C string: the text ends at its first zero.
    const QByteArray text =
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0').first();
    SymtabDataSource source;
    source.addImage(QByteArrayView(text));
    source.addImage(QByteArrayView(text));
    std::vector<SymImage *> images;
    source.searchImages(QStringLiteral("*"), images);
    if (images.size() != 1 || images.front()->name != QString::fromLatin1(text))
        std::abort();
    if (!text.isEmpty() && !text.contains(' ')) {
        source.addModule(QByteArrayView(text + " module file.c"));
        if (images.front()->modules.size() != 1)
            std::abort();
    }
    return 0;
}
