#pragma once

#include <string>

// A memory view on core A as a user works it: opened through the views manager, an address
// typed, scrolled, a field and a character edited, then shown as disassembly.
namespace demo {

void runViewMemoryDemo(void *library, const std::string &screenshotDir);

} // namespace demo
