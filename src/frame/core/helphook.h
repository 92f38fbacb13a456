#pragma once
// The way from the subsystems to the frame's help: the areas may not include the frame's
// services, so the frame installs its help call here when the library loads.

#include <cstdint>

namespace tesk::help {

// (help topic, help map) -> 1 when the help was shown.
using HelpFunction = int (*)(int32_t contextId, int32_t mapId);

void setHelpFunction(HelpFunction function);
// False, and nothing shown, while no help is installed.
bool showHelp(int32_t contextId, int32_t mapId);

} // namespace tesk::help
