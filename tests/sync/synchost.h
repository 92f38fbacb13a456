#pragma once
// What the synchronisation tests share: the library's components fetched from the broker as a
// host fetches them, and the simulated cores put back as a fresh host would have them.

#include "simulatedcores.h"

#include "sync/syncdata.h"
#include "sync/syncdatamediator.h"
#include "sync/syncobservable.h"

#include <tesk/tesk_sync.h>

#include <mosk/mosk.hpp>

#include <initializer_list>
#include <string>
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

struct CoreSetup
{
    uint32_t id;
    uint32_t events;
    uint32_t flags;
};

// Replaces the data set's cores by these, named "core <id>", and tells the mediator's
// subscribers as a read would.
inline void fillCores(SyncData &data, SyncDataMediator &mediator,
                      std::initializer_list<CoreSetup> cores)
{
    data.clear();
    for (const CoreSetup &core : cores) {
        auto *connection = new SyncDataConnection(core.id, SyncDataEventSet(core.events));
        connection->setFlags(core.flags);
        connection->setName("core " + std::to_string(core.id));
        data.add(connection);
    }
    mediator.notify(0, 0);
}

// Records what an observable tells it.
struct Recorder : ASyncObserver
{
    void update(int a, int b) override { updates.emplace_back(a, b); }
    std::vector<std::pair<int, int>> updates;
};

} // namespace synctest
