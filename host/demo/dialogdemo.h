#pragma once

#include <string>

// The host's questions: a three-button prompt in the library's own box, and a find and
// replace panel left up that calls the host back with what the user wants to find.
namespace demo {

// Unattended (no display), the demo answers the prompt and presses Find itself.
void runDialogDemo(void *library, const std::string &screenshotDir, bool interactive);
// After the loop has ended (and taken the panel with its window): frees the find record.
void finishDialogDemo();

} // namespace demo
