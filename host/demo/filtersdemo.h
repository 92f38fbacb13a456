#pragma once

#include <string>

// The event filters as the engine keeps them: a section in one of its files, read back and
// handed out as records, and the dialog in which the user edits them.
namespace demo {

// Loads the filters the last run stored (the engine's own file at the first start).
void runFiltersDemo(void *library, const std::string &home, const std::string &screenshotDir);
// Stores the filters, as the user left them, in place of those stored before; false when they
// could not be stored (or before runFiltersDemo).
bool storeFilters(void *library);

} // namespace demo
