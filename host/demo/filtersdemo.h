#pragma once

#include <string>

// The event filters as the engine keeps them: a section in one of its files, read back and
// handed out as records, and the dialog in which the user edits them.
namespace demo {

void runFiltersDemo(void *library, const std::string &home, const std::string &screenshotDir);

} // namespace demo
