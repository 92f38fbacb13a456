#pragma once
// The registration of the synchronisation components at the plug-in entry.

#include <mosk/mosk.h>

// Registers the synchronisation window component and the process-wide data adaptor with the
// broker, then subscribes the mediator to the host's events (once per load of the library; the
// unload detaches it); answers the first failing registration, or 0. A missing event subject throws
// the broker's error.
MoskResult registerSyncComponents(MoskRegistrar *registrar);
// The synchronisation window goes; the component stays for the broker.
void endSyncWindow();
// The library unloads: the window component goes, after the broker let it go.
void endSyncComponents();
