// Breakpoint proxies and hardware triggers: the host's description of a breakpoint.
#include <tesk/tesk_breakpoints.h>

#include "frame/core/exportguard.h"
#include "symbols/breakpoints/breakpointhandles.h"
#include "symbols/breakpoints/breakpointproxy.h"
#include "symbols/breakpoints/hardwaretrigger.h"
#include "system/lifetime.h"

#include <QObject>

namespace {

// Each host setter changes one field of the record and keeps the others.
template<typename Change>
void changeSettings(BreakpointProxy &proxy, Change change)
{
    BreakpointProxySettings settings = proxy.settings();
    change(settings);
    proxy.setSettings(settings);
}

} // namespace

TeskHandle CuiBreakpointProxyCreate(uint32_t creationWord)
{
    return TESK_GUARDED(TeskHandle(0),
                        [creationWord] { return tesk::breakpoints::createProxy(creationWord); });
}

void CuiBreakpointProxyDestroy(TeskHandle proxy)
{
    TESK_GUARDED_VOID([proxy] { tesk::breakpoints::destroyProxy(proxy); });
}

void CuiBreakpointProxySetHandler(TeskHandle proxy, CuiBreakpointProxyHandler handler)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy, [=](BreakpointProxy &p) {
        changeSettings(p, [=](BreakpointProxySettings &s) { s.handler = handler; });
    });
}

void CuiBreakpointProxySetVpid(TeskHandle proxy, uint32_t vpid)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy, [=](BreakpointProxy &p) {
        changeSettings(p, [=](BreakpointProxySettings &s) { s.vpid = vpid; });
    });
}

void CuiBreakpointProxySetVdata(TeskHandle proxy, intptr_t vdata)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy, [=](BreakpointProxy &p) {
        changeSettings(p, [=](BreakpointProxySettings &s) { s.vdata = vdata; });
    });
}

void CuiBreakpointProxySetLocation(TeskHandle proxy, const char *location)
{
    if (!location)
        return;
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy,
                      [&](BreakpointProxy &p) { p.setLocation(QString::fromUtf8(location)); });
}

void CuiBreakpointProxySetValue(TeskHandle proxy, const char *value)
{
    if (!value)
        return;
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy,
                      [&](BreakpointProxy &p) { p.setValue(QString::fromUtf8(value)); });
}

void CuiBreakpointProxyAddClass(TeskHandle proxy, uint32_t classValue)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy, [=](BreakpointProxy &p) { p.addClass(classValue); });
}

void CuiBreakpointProxyClearClasses(TeskHandle proxy)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy, [](BreakpointProxy &p) { p.clearClasses(); });
}

void CuiBreakpointProxySetClassPos(TeskHandle proxy, uint32_t classValue)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy, [=](BreakpointProxy &p) {
        changeSettings(p, [=](BreakpointProxySettings &s) { s.classPos = classValue; });
    });
}

void CuiBreakpointProxySetBreakpointSize(TeskHandle proxy, uint32_t size)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy, [=](BreakpointProxy &p) { p.setSize(size); });
}

void CuiBreakpointProxySetForcedSize(TeskHandle proxy, uint32_t flag, uint32_t size)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy,
                      [=](BreakpointProxy &p) { p.setForcedSize(flag != 0, size); });
}

void CuiBreakpointProxyAddBreakpointType(TeskHandle proxy, uint32_t type)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy,
                      [=](BreakpointProxy &p) { p.addBreakpointType(type); });
}

void CuiBreakpointProxySetBreakpointTypePos(TeskHandle proxy, uint32_t position)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy, [=](BreakpointProxy &p) {
        changeSettings(p, [=](BreakpointProxySettings &s) { s.breakpointTypePos = position; });
    });
}

int32_t CuiBreakpointProxySetBreakpointType(TeskHandle proxy, uint32_t type)
{
    return TESK_ON_LIVE(BreakpointProxy, proxy, int32_t(-1), [=](BreakpointProxy &p) {
        // The host may destroy whatever it likes in its handler; deletion waits for the scope.
        int32_t result = -1;
        tesk::lifetime::callHost(nullptr, [&] { result = p.setBreakpointType(type); });
        return result;
    });
}

uint32_t CuiBreakpointProxyGetBreakpointType(TeskHandle proxy)
{
    return TESK_ON_LIVE(BreakpointProxy, proxy, uint32_t(0),
                        [](BreakpointProxy &p) { return p.breakpointType(); });
}

void CuiBreakpointProxyAddQualifier(TeskHandle proxy, const char *row)
{
    if (!row)
        return;
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy,
                      [row](BreakpointProxy &p) { p.addQualifier(QObject::tr(row)); });
}

void CuiBreakpointProxyClearQualifiers(TeskHandle proxy)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy, [](BreakpointProxy &p) { p.clearQualifiers(); });
}

void CuiBreakpointProxyAddAction(TeskHandle proxy, const char *row)
{
    if (!row)
        return;
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy,
                      [row](BreakpointProxy &p) { p.addAction(QObject::tr(row)); });
}

void CuiBreakpointProxyClearActions(TeskHandle proxy)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy, [](BreakpointProxy &p) { p.clearActions(); });
}

void CuiBreakpointProxySetActionState(TeskHandle proxy, uint32_t flag)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy,
                      [=](BreakpointProxy &p) { p.setActionState(flag != 0); });
}

void CuiBreakpointProxyAllowLocation(TeskHandle proxy, uint32_t flag)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy, [=](BreakpointProxy &p) {
        changeSettings(p, [=](BreakpointProxySettings &s) { s.allowLocation = flag != 0; });
    });
}

void CuiBreakpointProxyAllowRange(TeskHandle proxy, uint32_t flag)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy, [=](BreakpointProxy &p) {
        changeSettings(p, [=](BreakpointProxySettings &s) { s.allowRange = flag != 0; });
    });
}

void CuiBreakpointProxyAllowClasses(TeskHandle proxy, uint32_t flag)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy, [=](BreakpointProxy &p) {
        changeSettings(p, [=](BreakpointProxySettings &s) { s.allowClasses = flag != 0; });
    });
}

void CuiBreakpointProxyAllowData(TeskHandle proxy, uint32_t flag)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy, [=](BreakpointProxy &p) {
        changeSettings(p, [=](BreakpointProxySettings &s) { s.allowData = flag != 0; });
    });
}

void CuiBreakpointProxyAllowQualifiers(TeskHandle proxy, uint32_t flag)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy, [=](BreakpointProxy &p) {
        changeSettings(p, [=](BreakpointProxySettings &s) { s.allowQualifiers = flag != 0; });
    });
}

void CuiBreakpointProxyAllowActions(TeskHandle proxy, uint32_t flag)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy, [=](BreakpointProxy &p) {
        changeSettings(p, [=](BreakpointProxySettings &s) { s.allowActions = flag != 0; });
    });
}

void CuiBreakpointProxyAddHardwareSupportPassCount(TeskHandle proxy, const char *passCount)
{
    if (!passCount)
        return;
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy, [&](BreakpointProxy &p) {
        p.setHardwarePassCount(QString::fromUtf8(passCount));
    });
}

void CuiBreakpointProxyClearHardwareSupportPassCount(TeskHandle proxy)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy,
                      [](BreakpointProxy &p) { p.clearHardwarePassCount(); });
}

void CuiBreakpointProxyAppendHardwareTrigger(TeskHandle proxy, TeskHandle trigger)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy, [trigger](BreakpointProxy &p) {
        tesk::breakpoints::appendTrigger(p, trigger);
    });
}

void CuiBreakpointProxyClearHardwareSupport(TeskHandle proxy)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy, [](BreakpointProxy &p) { p.clearHardwareSupport(); });
}

void CuiBreakpointProxySetChained(TeskHandle proxy)
{
    TESK_ON_LIVE_VOID(BreakpointProxy, proxy, [](BreakpointProxy &p) { p.setChained(); });
}

TeskHandle CuiHardwareTriggerCreate(const char *name, const char *description, uint32_t direction)
{
    if (!name || !description)
        return 0;
    return TESK_GUARDED(TeskHandle(0), [=] {
        return tesk::breakpoints::createTrigger(QString::fromUtf8(name),
                                                QString::fromUtf8(description), direction);
    });
}

void CuiHardwareTriggerAppendValue(TeskHandle trigger, const char *label, const char *value)
{
    if (!label || !value)
        return;
    TESK_ON_LIVE_VOID(HardwareTrigger, trigger, [=](HardwareTrigger &t) {
        t.appendValue(QString::fromUtf8(label), QString::fromUtf8(value));
    });
}

int32_t CuiHardwareTriggerSetSelection(TeskHandle trigger, int32_t index)
{
    return TESK_ON_LIVE(HardwareTrigger, trigger, int32_t(-1), [index](HardwareTrigger &t) {
        t.setSelection(index);
        return index;
    });
}
