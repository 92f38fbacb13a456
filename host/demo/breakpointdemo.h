#pragma once

// The breakpoint side of the demo host: it answers "hardware_capabilities" per breakpoint type
// and describes a breakpoint through a proxy whose handler it answers, as the engine does
// before it opens the breakpoint dialog.
#include <tesk/tesk_global.h>

void runBreakpointDemo(void *library);
// The simulated target's breakpoint, a hardware read with one output trigger, as a new proxy
// that the caller owns (or hands to a breakpoint dialog).
TeskHandle describeBreakpoint(void *library);
