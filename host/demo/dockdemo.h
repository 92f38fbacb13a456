#pragma once

#include <string>

// The host side of dock windows: a pane docked on the left of the main window, its layout
// record saved, and a second main window built from that record.
namespace demo {

void runDockDemo(void *library, const std::string &screenshotDir);

} // namespace demo
