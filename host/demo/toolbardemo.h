#pragma once

// The host side of the editor toolbars: the find toolbar reports back, the script list is
// stored in a section of a host file, and the test command prints the menu state. A separate
// top-level window gets menus and a find toolbar of its own.
#include <string>

namespace demo {

void runToolbarDemo(void *library, const char *homeDir, const std::string &screenshotDir);

} // namespace demo
