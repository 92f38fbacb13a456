#pragma once

#include <string>

// The host's smaller questions: a check list of cores, a line of text and the about box.
namespace demo {

// Unattended (no display), the demo ticks, types and presses OK itself.
void runEntryDemo(void *library, const std::string &screenshotDir, bool interactive);

} // namespace demo
