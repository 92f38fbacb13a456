#pragma once

#include <string>

// The host's smaller questions: a check list of cores, a line of text, a line to go to, a
// source file that was not found, the user's contact details and the about box.
namespace demo {

// Unattended (no display), the demo ticks, types and presses OK itself.
void runEntryDemo(void *library, const std::string &screenshotDir, bool interactive);

} // namespace demo
