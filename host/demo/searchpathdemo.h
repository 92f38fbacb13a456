#pragma once

#include <string>

// The search paths and directory mappings the engine keeps for its simulated target, edited in
// the library's dialog and read back.
namespace demo {

// The dialog shows the paths and mappings kept (the simulated target's until the user accepts
// others); what the user accepts with OK is kept, and stored in the file keepSearchPathsIn
// named. Unattended, the demo keeps a picture and presses OK.
void runSearchPathDemo(void *library, const std::string &screenshotDir, bool interactive);

// The file in which the search paths are kept across starts; those it holds are read now (the
// simulated target's when there is none).
void keepSearchPathsIn(const std::string &file);

} // namespace demo
