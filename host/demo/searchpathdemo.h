#pragma once

#include <string>

// The search paths and directory mappings the engine keeps for its simulated target, edited in
// the library's dialog and read back.
namespace demo {

// Unattended, the demo adds a mapping itself, keeps a picture and presses OK.
void runSearchPathDemo(void *library, const std::string &screenshotDir, bool interactive);

} // namespace demo
