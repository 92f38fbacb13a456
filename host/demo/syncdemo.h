#pragma once

// The demo's simulated multi-core target behind the host's synchronisation components.

namespace demo {

// Registers the event subject and the synchronisation access (before the plug-in entry,
// which subscribes the library to the subject's events).
void installSimulatedCores();
// Runs, steps and stops the cores now and then; after each event the library's copy of the
// coupling data is printed as read through its registered data adaptor.
void syncTick(int tick);
// What the library asked of the target.
void reportSimulatedCores();

} // namespace demo
