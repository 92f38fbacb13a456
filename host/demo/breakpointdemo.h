#pragma once

// The breakpoint side of the demo host: it answers "hardware_capabilities" per breakpoint type
// and describes a breakpoint through a proxy whose handler it answers, as the engine does
// before it opens the breakpoint dialog.
void runBreakpointDemo(void *library);
