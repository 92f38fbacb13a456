#include "symbols/breakpoints/breakpointhandles.h"

#include "frame/core/cuihandles.h"
#include "symbols/breakpoints/breakpointproxy.h"
#include "symbols/breakpoints/hardwaretrigger.h"

#include <memory>
#include <unordered_map>
#include <unordered_set>

namespace tesk::breakpoints {

namespace {

struct ProxySets
{
    std::unordered_set<const void *> live;
    std::unordered_set<const void *> adopted;
};

// Never destroyed: a dialog may delete its proxy while the library unloads.
ProxySets &proxies()
{
    static auto *sets = new ProxySets;
    return *sets;
}

struct TriggerSets
{
    std::unordered_map<const void *, std::unique_ptr<HardwareTrigger>> live;
    // The proxies each trigger was appended to, and the other way round.
    std::unordered_map<const void *, std::unordered_set<const void *>> owners;
    std::unordered_map<const void *, std::unordered_set<const void *>> owned;
};

// Never destroyed, as the proxies: a proxy deleted while the library unloads still lets go of
// its triggers.
TriggerSets &triggerSets()
{
    static auto *sets = new TriggerSets;
    return *sets;
}

std::unordered_map<const void *, std::unique_ptr<HardwareTrigger>> &triggers()
{
    return triggerSets().live;
}

// The proxy lets go of its triggers; one that no proxy holds any more is released.
void releaseTriggersOf(const BreakpointProxy *proxy)
{
    TriggerSets &sets = triggerSets();
    const auto owned = sets.owned.find(proxy);
    if (owned == sets.owned.end())
        return;
    for (const void *trigger : owned->second) {
        const auto owners = sets.owners.find(trigger);
        if (owners == sets.owners.end())
            continue;
        owners->second.erase(proxy);
        if (!owners->second.empty())
            continue;
        sets.owners.erase(owners);
        handles::dropPlain(trigger);
        sets.live.erase(trigger);
    }
    sets.owned.erase(owned);
}

const void *handleWord(TeskHandle handle)
{
    return reinterpret_cast<const void *>(handle);
}

} // namespace

TeskHandle createProxy(uint32_t creationWord)
{
    auto *proxy = new BreakpointProxy(creationWord);
    proxies().live.insert(proxy);
    const auto handle = reinterpret_cast<TeskHandle>(handles::addPlain(proxy));
    proxy->setHandle(handle);
    return handle;
}

BreakpointProxy *liveProxy(TeskHandle handle)
{
    void *object = handles::plain<BreakpointProxy>(handleWord(handle));
    return proxies().live.count(object) ? static_cast<BreakpointProxy *>(object) : nullptr;
}

bool destroyProxy(TeskHandle handle)
{
    BreakpointProxy *proxy = liveProxy(handle);
    if (!proxy || proxies().adopted.count(proxy))
        return false;
    delete proxy;
    return true;
}

BreakpointProxy *adoptProxy(TeskHandle handle)
{
    BreakpointProxy *proxy = liveProxy(handle);
    if (!proxy || !proxies().adopted.insert(proxy).second)
        return nullptr;
    return proxy;
}

void forgetProxy(const BreakpointProxy *proxy)
{
    handles::dropPlain(proxy);
    proxies().live.erase(proxy);
    proxies().adopted.erase(proxy);
    releaseTriggersOf(proxy);
}

TeskHandle createTrigger(const QString &name, const QString &text, uint32_t direction)
{
    auto trigger = std::make_unique<HardwareTrigger>(name, text, direction);
    HardwareTrigger *raw = trigger.get();
    triggers().emplace(raw, std::move(trigger));
    return reinterpret_cast<TeskHandle>(handles::addPlain(raw));
}

HardwareTrigger *liveTrigger(TeskHandle handle)
{
    const auto it = triggers().find(handles::plain<HardwareTrigger>(handleWord(handle)));
    return it == triggers().end() ? nullptr : it->second.get();
}

bool appendTrigger(BreakpointProxy &proxy, TeskHandle handle)
{
    HardwareTrigger *trigger = liveTrigger(handle);
    if (!trigger)
        return false;
    proxy.appendHardwareTrigger(*trigger);
    // Only proxies the host made hold triggers; a copy never outlives its original here.
    if (proxies().live.count(&proxy)) {
        triggerSets().owners[trigger].insert(&proxy);
        triggerSets().owned[&proxy].insert(trigger);
    }
    return true;
}

} // namespace tesk::breakpoints
