// The help description text of QtHelpDesc ("120@10;", "see item 120;", "120@file.htm>window;").
#include "frame/services/cuihelpsystem.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CuiHelpSystem *help = CuiHelpSystem::instance();
    if (help)
        help->parseDescription(
            QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
