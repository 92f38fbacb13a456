#pragma once
// The synchronisation components hold the host's interfaces as every component does.

#include "frame/core/brokerref.h"

namespace tesk::sync {
using tesk::broker::BrokerRef;
using tesk::broker::dropError;
} // namespace tesk::sync
