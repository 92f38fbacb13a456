// Live handles of the breakpoint proxies and hardware triggers the host made.
#pragma once

#include "frame/core/exportguard.h"

#include <tesk/tesk_global.h>

#include <QString>

#include <cstdint>

class BreakpointProxy;
class HardwareTrigger;

// The proxies and triggers the host holds handles to. A handle is a number of its own (through
// tesk::handles), never the object's address: a proxy made where a dead one lay gets a new
// handle, and the old one stays dead.
namespace tesk::breakpoints {

// A new proxy and its handle.
TeskHandle createProxy(uint32_t creationWord);
// The proxy of a live handle, else null.
BreakpointProxy *liveProxy(TeskHandle handle);
// Deletes a proxy the host still owns; false, and nothing done, for an unknown handle or a
// proxy the breakpoint dialog has taken.
bool destroyProxy(TeskHandle handle);
// The breakpoint dialog takes the proxy over: from now on only the dialog deletes it, and the
// host may go on filling it through the exports. Null for an unknown handle or one already
// taken.
BreakpointProxy *adoptProxy(TeskHandle handle);
// A proxy being destroyed leaves the sets and its handle dies (the proxy's destructor calls it).
void forgetProxy(const BreakpointProxy *proxy);

// A trigger stays the host's: the proxies it is appended to keep copies, and no export releases
// it, so its handle lives until the library is unloaded.
TeskHandle createTrigger(const QString &name, const QString &text, uint32_t direction);
HardwareTrigger *liveTrigger(TeskHandle handle);
// Appends a copy of the trigger to the proxy; false for an unknown trigger.
bool appendTrigger(BreakpointProxy &proxy, TeskHandle trigger);

// The library unloads: the proxies the host still owns and its triggers go, and every handle
// dies. Proxies a dialog took went with the dialog.
void endAll();

} // namespace tesk::breakpoints
