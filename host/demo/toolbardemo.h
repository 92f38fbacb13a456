#pragma once

// The host side of the editor toolbars: the find toolbar reports back, the script list is
// stored in a section of a host file, and the test command prints the menu state.
namespace demo {

void runToolbarDemo(void *library, const char *homeDir);

} // namespace demo
