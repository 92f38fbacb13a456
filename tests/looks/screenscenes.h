#pragma once

// Whole windows as a user meets them: opened as a host opens them and looked at without being
// resized first, a main window with a debugger's usual docks, windows the host gives no size.

#include "inspect.h"

namespace looks {

// A main window of the run's screen size with a register dock, a register pane of 200 registers,
// two memory views, the symbols and an output dock: no larger than the screen, the register
// values whole and each memory view showing at least eight rows.
void usualDocks(Inspector &inspector, Faults &faults, const Setting &setting);

// The analysis and settings windows shown without a size from the host, and a top-level window
// with its find toolbar, file name and state set: usable as they open.
void windowsAsTheyOpen(Inspector &inspector, Faults &faults, const Setting &setting);

} // namespace looks
