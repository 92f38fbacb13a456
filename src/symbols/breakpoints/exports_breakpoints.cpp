// Breakpoint proxies and hardware triggers: the host's description of a breakpoint.
#include <tesk/tesk_breakpoints.h>

#include "frame/core/exportguard.h"
#include "symbols/breakpoints/breakpointhandles.h"
#include "symbols/breakpoints/breakpointproxy.h"
#include "symbols/breakpoints/hardwaretrigger.h"

#include <QObject>

using tesk::breakpoints::liveProxy;

namespace {

// Runs the body on a live proxy; an unknown handle does nothing.
template<typename Body>
void withProxy(const char *exportName, TeskHandle handle, Body &&body)
{
    tesk::guarded(exportName, [&] {
        if (BreakpointProxy *proxy = liveProxy(handle))
            body(*proxy);
    });
}

// The same, for exports that carry a text: a null text does nothing either.
template<typename Body>
void withProxyText(const char *exportName, TeskHandle handle, const char *text, Body &&body)
{
    if (!text)
        return;
    withProxy(exportName, handle,
              [&](BreakpointProxy &proxy) { body(proxy, QString::fromUtf8(text)); });
}

} // namespace

TeskHandle CuiBreakpointProxyCreate(uint32_t creationWord)
{
    return TESK_GUARDED(TeskHandle(0), [creationWord] {
        return reinterpret_cast<TeskHandle>(tesk::breakpoints::createProxy(creationWord));
    });
}

void CuiBreakpointProxyDestroy(TeskHandle proxy)
{
    TESK_GUARDED_VOID([proxy] { tesk::breakpoints::destroyProxy(proxy); });
}

void CuiBreakpointProxySetHandler(TeskHandle proxy, CuiBreakpointProxyHandler handler)
{
    withProxy(__func__, proxy, [=](BreakpointProxy &p) { p.setHandler(handler); });
}

void CuiBreakpointProxySetVpid(TeskHandle proxy, uint32_t vpid)
{
    withProxy(__func__, proxy, [=](BreakpointProxy &p) { p.setVpid(vpid); });
}

void CuiBreakpointProxySetVdata(TeskHandle proxy, intptr_t vdata)
{
    withProxy(__func__, proxy, [=](BreakpointProxy &p) { p.setVdata(vdata); });
}

void CuiBreakpointProxySetLocation(TeskHandle proxy, const char *location)
{
    withProxyText(__func__, proxy, location,
                  [](BreakpointProxy &p, const QString &text) { p.setLocation(text); });
}

void CuiBreakpointProxySetValue(TeskHandle proxy, const char *value)
{
    withProxyText(__func__, proxy, value,
                  [](BreakpointProxy &p, const QString &text) { p.setValue(text); });
}

void CuiBreakpointProxyAddClass(TeskHandle proxy, uint32_t classValue)
{
    withProxy(__func__, proxy, [=](BreakpointProxy &p) { p.addClass(classValue); });
}

void CuiBreakpointProxyClearClasses(TeskHandle proxy)
{
    withProxy(__func__, proxy, [](BreakpointProxy &p) { p.clearClasses(); });
}

void CuiBreakpointProxySetClassPos(TeskHandle proxy, uint32_t classValue)
{
    withProxy(__func__, proxy, [=](BreakpointProxy &p) { p.setClassPos(classValue); });
}

void CuiBreakpointProxySetBreakpointSize(TeskHandle proxy, uint32_t size)
{
    withProxy(__func__, proxy, [=](BreakpointProxy &p) { p.setSize(size); });
}

void CuiBreakpointProxySetForcedSize(TeskHandle proxy, uint32_t flag, uint32_t size)
{
    withProxy(__func__, proxy, [=](BreakpointProxy &p) { p.setForcedSize(flag != 0, size); });
}

void CuiBreakpointProxyAddBreakpointType(TeskHandle proxy, uint32_t type)
{
    withProxy(__func__, proxy, [=](BreakpointProxy &p) { p.addBreakpointType(type); });
}

void CuiBreakpointProxySetBreakpointTypePos(TeskHandle proxy, uint32_t position)
{
    withProxy(__func__, proxy, [=](BreakpointProxy &p) { p.setBreakpointTypePos(position); });
}

int32_t CuiBreakpointProxySetBreakpointType(TeskHandle proxy, uint32_t type)
{
    return TESK_GUARDED(int32_t(-1), [=] {
        BreakpointProxy *p = liveProxy(proxy);
        return p ? p->setBreakpointType(type) : int32_t(-1);
    });
}

uint32_t CuiBreakpointProxyGetBreakpointType(TeskHandle proxy)
{
    const BreakpointProxy *p = liveProxy(proxy);
    return p ? p->breakpointType() : 0;
}

void CuiBreakpointProxyAddQualifier(TeskHandle proxy, const char *row)
{
    if (!row)
        return;
    withProxy(__func__, proxy, [row](BreakpointProxy &p) { p.addQualifier(QObject::tr(row)); });
}

void CuiBreakpointProxyClearQualifiers(TeskHandle proxy)
{
    withProxy(__func__, proxy, [](BreakpointProxy &p) { p.clearQualifiers(); });
}

void CuiBreakpointProxyAddAction(TeskHandle proxy, const char *row)
{
    if (!row)
        return;
    withProxy(__func__, proxy, [row](BreakpointProxy &p) { p.addAction(QObject::tr(row)); });
}

void CuiBreakpointProxyClearActions(TeskHandle proxy)
{
    withProxy(__func__, proxy, [](BreakpointProxy &p) { p.clearActions(); });
}

void CuiBreakpointProxySetActionState(TeskHandle proxy, uint32_t flag)
{
    withProxy(__func__, proxy, [=](BreakpointProxy &p) { p.setActionState(flag != 0); });
}

void CuiBreakpointProxyAllowLocation(TeskHandle proxy, uint32_t flag)
{
    withProxy(__func__, proxy, [=](BreakpointProxy &p) { p.setAllowLocation(flag != 0); });
}

void CuiBreakpointProxyAllowRange(TeskHandle proxy, uint32_t flag)
{
    withProxy(__func__, proxy, [=](BreakpointProxy &p) { p.setAllowRange(flag != 0); });
}

void CuiBreakpointProxyAllowClasses(TeskHandle proxy, uint32_t flag)
{
    withProxy(__func__, proxy, [=](BreakpointProxy &p) { p.setAllowClasses(flag != 0); });
}

void CuiBreakpointProxyAllowData(TeskHandle proxy, uint32_t flag)
{
    withProxy(__func__, proxy, [=](BreakpointProxy &p) { p.setAllowData(flag != 0); });
}

void CuiBreakpointProxyAllowQualifiers(TeskHandle proxy, uint32_t flag)
{
    withProxy(__func__, proxy, [=](BreakpointProxy &p) { p.setAllowQualifiers(flag != 0); });
}

void CuiBreakpointProxyAllowActions(TeskHandle proxy, uint32_t flag)
{
    withProxy(__func__, proxy, [=](BreakpointProxy &p) { p.setAllowActions(flag != 0); });
}

void CuiBreakpointProxyAddHardwareSupportPassCount(TeskHandle proxy, const char *passCount)
{
    withProxyText(__func__, proxy, passCount,
                  [](BreakpointProxy &p, const QString &text) { p.setHardwarePassCount(text); });
}

void CuiBreakpointProxyClearHardwareSupportPassCount(TeskHandle proxy)
{
    withProxy(__func__, proxy, [](BreakpointProxy &p) { p.clearHardwarePassCount(); });
}

void CuiBreakpointProxyAppendHardwareTrigger(TeskHandle proxy, TeskHandle trigger)
{
    withProxy(__func__, proxy, [trigger](BreakpointProxy &p) {
        if (const HardwareTrigger *t = tesk::breakpoints::liveTrigger(trigger))
            p.appendHardwareTrigger(*t);
    });
}

void CuiBreakpointProxyClearHardwareSupport(TeskHandle proxy)
{
    withProxy(__func__, proxy, [](BreakpointProxy &p) { p.clearHardwareSupport(); });
}

void CuiBreakpointProxySetChained(TeskHandle proxy)
{
    withProxy(__func__, proxy, [](BreakpointProxy &p) { p.setChained(); });
}

TeskHandle CuiHardwareTriggerCreate(const char *name, const char *description, uint32_t direction)
{
    if (!name || !description)
        return 0;
    return TESK_GUARDED(TeskHandle(0), [=] {
        return reinterpret_cast<TeskHandle>(tesk::breakpoints::createTrigger(
            QString::fromUtf8(name), QString::fromUtf8(description), direction));
    });
}

void CuiHardwareTriggerAppendValue(TeskHandle trigger, const char *label, const char *value)
{
    if (!label || !value)
        return;
    TESK_GUARDED_VOID([=] {
        if (HardwareTrigger *t = tesk::breakpoints::liveTrigger(trigger))
            t->appendValue(QString::fromUtf8(label), QString::fromUtf8(value));
    });
}

int32_t CuiHardwareTriggerSetSelection(TeskHandle trigger, int32_t index)
{
    HardwareTrigger *t = tesk::breakpoints::liveTrigger(trigger);
    if (!t)
        return -1;
    t->setSelection(index);
    return index;
}
