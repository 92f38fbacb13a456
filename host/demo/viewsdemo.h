#pragma once

// The host side of the views manager: memory views opened through the broker, one reused per
// main window, and a type the library does not know.
namespace demo {

void runViewsDemo();

} // namespace demo
