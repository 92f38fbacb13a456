#pragma once

// The data navigator in a dock window over the symbols the demo publishes: the host
// restores a state text that shows the functions named main, and prints what its "datanav"
// function receives when a function's disassembly is asked for.

#include <string>

namespace demo {

// The navigator in its dock window on the right, without the rest of the show; false when no
// pane was made.
bool openNavigator(void *library);
void runNavigatorDemo(void *library, const std::string &screenshotDir);

} // namespace demo
