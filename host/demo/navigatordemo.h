#pragma once

// The data navigator in a dock window over the symbols the demo publishes: the host
// restores a state text that shows the functions named main, and prints what its "datanav"
// function receives when a function's disassembly is asked for.

#include <cstdint>
#include <string>

namespace demo {

// The state text of a navigator that shows the functions named main.
extern const char *const kNavigatorMainFunctions;

// The navigator in its dock window on the right, restored from the state text (the one a
// navigator's state gave, TeskPaneGetPersistData), without the rest of the show; false when no
// pane was made.
bool openNavigator(void *library, const std::string &state = kNavigatorMainFunctions);
// The state text of the navigator in the dock window with that window box (QtGetPersistWindowBox);
// empty for a box no navigator of the demo's has.
std::string navigatorState(void *library, intptr_t windowBox);
void runNavigatorDemo(void *library, const std::string &screenshotDir);

} // namespace demo
