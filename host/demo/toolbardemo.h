#pragma once

// The host side of the editor toolbars: the find toolbar reports back, the script list is
// kept in a section of a host file, and the test command prints the menu state. A separate
// top-level window gets menus and a find toolbar of its own.
#include <string>

namespace demo {

// Loads the script list the last run stored, then makes the toolbars.
void runToolbarDemo(void *library, const char *homeDir, const std::string &screenshotDir);
// Stores the script list, as the user left it, in place of the one stored before; false when it
// could not be stored (or before runToolbarDemo).
bool storeScriptList(void *library);

} // namespace demo
