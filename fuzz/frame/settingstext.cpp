// The settings text form ("1:name=value:..."), read into a settings group and written back.
#include "frame/core/usettings.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    usettings::KUniversalSettings group;
    if (usettings::settingsFromString(group, text)) {
        std::string written;
        usettings::settingsToString(group, written);
        usettings::KUniversalSettings again;
        usettings::settingsFromString(again, written);
    }
    return 0;
}
