#pragma once

// Lets a test put a help function of its own in the library's place and the real one back.

#include "frame/core/services.h"

#include <cstdint>

namespace testhost {

// Installs the function as the library's help (null: no help shown).
inline void setHelpFunction(int (*function)(int32_t contextId, int32_t mapId))
{
    struct Function final : tesk::core::HelpServices
    {
        int (*call)(int32_t, int32_t) = nullptr;
        bool showHelp(int32_t contextId, int32_t mapId) override
        {
            return call && call(contextId, mapId) != 0;
        }
    };
    static Function help;
    help.call = function;
    tesk::core::install(&help);
}

} // namespace testhost
