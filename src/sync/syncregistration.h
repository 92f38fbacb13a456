#pragma once

#include <mosk/mosk.h>

// Registers the synchronisation window component and the process-wide data adaptor with the
// broker; answers the first failing registration, or 0.
MoskResult registerSyncComponents(MoskRegistrar *registrar);
