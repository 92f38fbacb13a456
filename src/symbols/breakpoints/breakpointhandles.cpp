#include "symbols/breakpoints/breakpointhandles.h"

#include "frame/core/cuihandles.h"
#include "symbols/breakpoints/breakpointproxy.h"
#include "symbols/breakpoints/hardwaretrigger.h"

#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace tesk::breakpoints {

namespace {

struct ProxySets
{
    std::unordered_set<const void *> live;
    std::unordered_set<const void *> adopted;
};

using Triggers = std::unordered_map<const void *, std::unique_ptr<HardwareTrigger>>;

// Not destroyed with the statics: a dialog may delete its proxy while the library unloads.
// endAll lets them go once the dialogs have.
ProxySets *g_proxies = nullptr;
// The host's triggers: the proxies keep copies, so a trigger outlives every proxy it was appended
// to and lives until the library unloads.
Triggers *g_triggers = nullptr;

ProxySets &proxies()
{
    if (!g_proxies)
        g_proxies = new ProxySets;
    return *g_proxies;
}

Triggers &triggers()
{
    if (!g_triggers)
        g_triggers = new Triggers;
    return *g_triggers;
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

void endAll()
{
    if (g_proxies) {
        // Each proxy leaves the sets as it goes.
        const std::unordered_set<const void *> live = g_proxies->live;
        for (const void *proxy : live)
            delete static_cast<const BreakpointProxy *>(proxy);
    }
    delete std::exchange(g_proxies, nullptr);
    if (g_triggers) {
        for (const auto &trigger : *g_triggers)
            handles::dropPlain(trigger.first);
    }
    delete std::exchange(g_triggers, nullptr);
}

} // namespace tesk::breakpoints
