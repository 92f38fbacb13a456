// The settings text form ("1:name=value:..."), read into a settings group and written back; and
// the input as a value, written and read back.
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
        // Whatever was read is written so that it reads back the same.
        std::string rewritten;
        usettings::settingsToString(again, rewritten);
        if (rewritten != written)
            __builtin_trap();
    }
    // Any value comes back from its text as it was set.
    usettings::KUniversalSettings set;
    set.setString("Value", text);
    std::string form;
    usettings::settingsToString(set, form);
    usettings::KUniversalSettings back;
    if (!usettings::settingsFromString(back, form) || back.getString("Value") != text)
        __builtin_trap();
    return 0;
}
