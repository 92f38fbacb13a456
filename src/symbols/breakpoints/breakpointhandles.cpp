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

// The host's triggers: the proxies keep copies, so a trigger outlives every proxy it was appended
// to and lives until the library unloads. Never destroyed, as the proxies.
std::unordered_map<const void *, std::unique_ptr<HardwareTrigger>> &triggers()
{
    static auto *live = new std::unordered_map<const void *, std::unique_ptr<HardwareTrigger>>;
    return *live;
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
    return true;
}

} // namespace tesk::breakpoints
