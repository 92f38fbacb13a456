#pragma once

// The library stores its lists (the script list, the event filters) by appending a section
// "[tag]" to a host file, and loads the first section of that tag. A host that stores more than
// once replaces its section instead, so that the file holds one section per tag, the newest.

#include <string>

namespace demo {

// The library's store function: CuiScriptFiles_Store or CuiFilters_Store.
using SectionStore = int (*)(const char *file, const char *tag);

// Stores the section with the library's function into a scratch file beside the file, then
// writes the file again with its other sections as they were and this section in place of its
// earlier ones, and renames it over the file: a stop while writing leaves the file as it was.
// False, and the file unchanged, when the library stored nothing or the file could not be
// written.
bool storeSection(const std::string &file, const std::string &tag, SectionStore store);

} // namespace demo
