#pragma once
// What the synchronisation tests share: the library's components fetched from the broker as a
// host fetches them, and the simulated cores put back as a fresh host would have them.

#include "simulatedcores.h"

#include "sync/syncobservable.h"

#include <tesk/tesk_sync.h>

#include <mosk/mosk.hpp>

#include <utility>
#include <vector>

namespace synctest {

// One reference for the caller.
template<typename Interface>
Interface *component(const char *id)
{
    MoskBroker *broker = moskGetObjectBroker();
    void *object = nullptr;
    mosk::release(broker->ops->getComponent(broker, GCDS_CATEGORY, id, &object));
    return static_cast<Interface *>(object);
}

// The code of an error result, which it releases.
inline uint32_t codeOf(MoskResult result)
{
    const uint32_t code = moskErrorCode(result);
    mosk::release(result);
    return code;
}

inline SimulatedCores &freshCores()
{
    SimulatedCores &cores = SimulatedCores::installed();
    cores.reset();
    return cores;
}

// Records what an observable tells it.
struct Recorder : ASyncObserver
{
    void update(int a, int b) override { updates.emplace_back(a, b); }
    std::vector<std::pair<int, int>> updates;
};

} // namespace synctest
