#pragma once

// Whole windows as a user meets them, looked at as they open, without a resize first.
#include "inspect.h"

namespace looks {

// A main window of the screen's size with a debugger's usual docks: within the screen, the
// register values whole, each memory view showing its rows.
void usualDocks(Inspector &inspector, Faults &faults, const Setting &setting);
// Windows the host gives no size, a narrowed main window's editor toolbars, and a top-level
// window's find toolbar: usable as they are.
void windowsAsTheyOpen(Inspector &inspector, Faults &faults, const Setting &setting);
// A main window the host asks larger than the screen, and one on a desktop that keeps a panel:
// the frame and the status bar within the screen's free area.
void freeArea(Inspector &inspector, Faults &faults, const Setting &setting);

// A layout the user changed (a dock sized by the host, the bottom area dragged higher, a dock
// joining it), stored and restored in a new window: the drag kept, each dock back as it was.
void layoutAgain(Inspector &inspector, Faults &faults, const Setting &setting);

} // namespace looks
