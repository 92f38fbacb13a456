#pragma once

// The host side of the main window's tabbed frame: it publishes its window-box tables, gives
// the frame its code callback, and hears of tab choices, scroll moves and size changes.
namespace demo {

// Publishes the window-box tables; before the main window is created.
void publishWindowBoxTables(void *library);
// Builds the main window's frame; once the window exists, before it is shown, so that the
// first size the host hears of is the shown one.
void buildMainWindowFrame();

} // namespace demo
