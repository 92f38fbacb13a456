#pragma once

// The host side of the views manager: memory views opened through the broker, one reused per
// main window, and a type the library does not know.
#include <tesk/tesk_views.h>

namespace demo {

// The library's views manager as a host fetches it from the broker, with one reference for the
// caller; null (and a line saying why) when the broker has none.
IGcp_ViewsManager *viewsManager();
// The next new pane goes to the bottom of the main window, on a new line or beside the last
// (QtCreateDocked before it is made); without that it would float on its own at 0,0.
void placeNextPaneAtBottom(void *library, bool newLine);
void runViewsDemo(void *library);

} // namespace demo
