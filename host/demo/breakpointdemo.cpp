#include "breakpointdemo.h"
#include "demoexports.h"

#include <tesk/tesk.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// The simulated target compares addresses in hardware for every type but the software
// instruction; data values only for the read, write and access types.
int hardwareCapabilities(int code, TeskHandle, intptr_t, intptr_t b, intptr_t c)
{
    static uint32_t type = 0;
    if (code == CUI_HARDWARE_CAPABILITIES_SUPPORTED) {
        type = uint32_t(b);
        *reinterpret_cast<uint32_t *>(c) = type != 0;
    } else if (code == CUI_HARDWARE_CAPABILITIES_FLAGS && type != 0) {
        auto *flags = reinterpret_cast<CuiHardwareCapabilityFlags *>(b);
        flags->addressMaskAllowed = flags->addressRangeAllowed = flags->notAddressAllowed = 1;
        const uint32_t data = type >= 2 ? 1 : 0;
        flags->dataMatchAllowed = flags->dataMaskAllowed = flags->dataRangeAllowed = data;
        flags->notDataAllowed = data;
    }
    return 0;
}

int32_t proxyHandler(uint32_t code, TeskHandle, intptr_t a, intptr_t b, intptr_t)
{
    switch (code) {
    case CUI_BREAKPOINT_PROXY_TYPE_CHANGED:
        std::printf("host: breakpoint type changed to position %ld\n", static_cast<long>(b));
        return 0;
    case CUI_BREAKPOINT_PROXY_TEXT:
        std::snprintf(reinterpret_cast<char *>(b), CUI_BREAKPOINT_PROXY_TEXT_SIZE, "%ld",
                      static_cast<long>(a));
        return 0;
    case CUI_BREAKPOINT_PROXY_NUMBER:
        *reinterpret_cast<uint32_t *>(b) = 1;
        return 0;
    default:
        return 0;
    }
}

} // namespace

TeskHandle describeBreakpoint(void *library)
{
    DEMO_RESOLVE(library, CuiFunctionRegistryAddFunction)
    ("hardware_capabilities", reinterpret_cast<CuiRegistryFn>(&hardwareCapabilities));

    const TeskHandle proxy = DEMO_RESOLVE(library, CuiBreakpointProxyCreate)(1);
    DEMO_RESOLVE(library, CuiBreakpointProxySetHandler)(proxy, &proxyHandler);
    DEMO_RESOLVE(library, CuiBreakpointProxySetLocation)(proxy, "(I A) main");
    const auto addType = DEMO_RESOLVE(library, CuiBreakpointProxyAddBreakpointType);
    for (uint32_t type = 0; type < 8; ++type)
        addType(proxy, type);
    DEMO_RESOLVE(library, CuiBreakpointProxyAllowLocation)(proxy, 1);
    DEMO_RESOLVE(library, CuiBreakpointProxyAllowData)(proxy, 1);

    const TeskHandle trigger =
        DEMO_RESOLVE(library, CuiHardwareTriggerCreate)("TRIG0", "Trigger 0", 1);
    DEMO_RESOLVE(library, CuiHardwareTriggerAppendValue)(trigger, "Unchanged", "0");
    DEMO_RESOLVE(library, CuiHardwareTriggerAppendValue)(trigger, "Pulse", "1");
    DEMO_RESOLVE(library, CuiBreakpointProxyAppendHardwareTrigger)(proxy, trigger);
    DEMO_RESOLVE(library, CuiBreakpointProxyAddHardwareSupportPassCount)(proxy, "Off");

    DEMO_RESOLVE(library, CuiBreakpointProxySetBreakpointType)(proxy, 2);
    return proxy;
}

void runBreakpointDemo(void *library)
{
    const TeskHandle proxy = describeBreakpoint(library);
    std::printf("host: described a breakpoint of type %u\n",
                DEMO_RESOLVE(library, CuiBreakpointProxyGetBreakpointType)(proxy));
    DEMO_RESOLVE(library, CuiBreakpointProxyDestroy)(proxy);
}
