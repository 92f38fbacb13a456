#pragma once

#include <string>

// The host side of menus: it registers its menu callbacks, fills the recent-file and
// connection menus, sets toggles and sensitivity, defines a context menu item by item and
// answers the cycle buttons.
namespace demo {

void runMenuDemo(void *library, const std::string &screenshotDir);

} // namespace demo
