#pragma once

// The demo's simulated multi-core target behind the host's synchronisation components.

#include <string>

namespace demo {

// Registers the event subject and the synchronisation access (before the plug-in entry,
// which subscribes the library to the subject's events).
void installSimulatedCores();
// Runs, steps and stops the cores now and then; after each event the library's copy of the
// coupling data is printed as read through its registered data adaptor.
void syncTick(int tick);
// Has the synchronisation window opened over the simulated cores while they run, stop and
// step, writes syncwindow.png into the directory (empty: no picture) and closes it again.
void showSyncWindow(const std::string &screenshotDir);
// Opens the synchronisation window for the user, who closes it.
void openSynchronisationWindow();
// What the library asked of the target.
void reportSimulatedCores();

} // namespace demo
