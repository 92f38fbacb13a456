#pragma once

#include <cstdint>

// The demo's simulated target behind the memory-access component.

// The views' event subject: registered before the plug-in entry, which subscribes to it; the
// current target is core A.
void registerViewsEventSubject();
// Registers it with the broker (before the library first looks for it) and fills it.
void installSimulatedTarget();
// A host event while the target runs: memory that the target changes by itself moves on; the
// views repaint and read it at the next stop.
void advanceSimulatedTarget();
// The target stopped: the memory views read again and show what changed in their change
// colour.
void simulatedTargetStopped();
// A step of core A: its stack and a counter change, and the memory views read again, showing
// the changed values in their change colour.
void stepSimulatedMemory();
// Fills the target's memory as a fill dialog answered: from start up to end when the user gave
// the end, else length bytes; fillSize and the expression as the memory-access component takes
// them. False when the target refused (an expression that is no number). The views show the
// fill at once, as they show every write: the target tells them with a target update.
bool fillSimulatedMemory(int target, uint32_t start, uint32_t end, uint32_t length, bool endGiven,
                         int fillSize, const char *expression);
// What the library asked of the target.
void reportSimulatedTarget();
