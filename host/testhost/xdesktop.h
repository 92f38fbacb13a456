#pragma once

// A display of its own for a test program, as a user's desktop is: an X server (Xvfb) of 1024 by
// 600, bare or with a window manager (openbox) that frames every window and keeps a 28 px panel
// free at the top. Started before the library starts the toolkit, on a display no other run
// holds, and ended with the process, however it ends.

#include <QString>

namespace testhost {

enum class XDesktop { Bare, WithWindowManager };

// Starts the display and has the toolkit use it. Empty when it is up; otherwise what is missing
// or failed, naming the package that brings it (the toolkit then draws offscreen).
QString startXDesktop(XDesktop kind);

// Whether the program only lists its tests: it needs no display for that.
bool listingTests();

} // namespace testhost
