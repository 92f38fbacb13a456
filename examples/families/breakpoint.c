/*
 * The breakpoint dialog over a proxy with a hardware trigger. The proxy's handler is required:
 * the dialog asks it for the description (CUI_BREAKPOINT_PROXY_UPDATE) when first shown, and
 * the host fills the proxy then (filled before as well, the types would be listed twice).
 * OK sends "gui <command>" to 'eeaccess' and then the command to 'gui' (tesk_registry.h).
 *
 *   breakpoint [ticks]    without ticks the user presses OK or Cancel
 */
#include "example.h"

#include <stdio.h>
#include <string.h>

static int g_updates;

/* Hardware comparison for every type but 0 (software); data comparisons for the data types. */
static int capabilities(int code, TeskHandle query, intptr_t a, intptr_t b, intptr_t c)
{
    static uint32_t type;
    (void)query, (void)a;
    printf("breakpoint: hardware_capabilities %d\n", code);
    if (code == CUI_HARDWARE_CAPABILITIES_SUPPORTED) {
        type = (uint32_t)b;
        *(uint32_t *)c = type != 0;
    } else if (code == CUI_HARDWARE_CAPABILITIES_FLAGS && type != 0) {
        CuiHardwareCapabilityFlags *flags = (CuiHardwareCapabilityFlags *)b;
        flags->addressMaskAllowed = flags->addressRangeAllowed = 1;
        flags->dataMatchAllowed = type >= 2;
    }
    return 0;
}

static int32_t proxyHandler(uint32_t code, TeskHandle proxy, intptr_t a, intptr_t b, intptr_t c)
{
    TeskHandle trigger;
    uint32_t type;
    (void)a, (void)c;
    switch (code) {
    case CUI_BREAKPOINT_PROXY_UPDATE:
        ++g_updates;
        for (type = 0; type <= 4; ++type) /* 0 software instruction, 1-4 hardware ones */
            CuiBreakpointProxyAddBreakpointType(proxy, type);
        CuiBreakpointProxySetLocation(proxy, "main");
        CuiBreakpointProxyAllowLocation(proxy, 1);
        CuiBreakpointProxyAllowData(proxy, 1);
        CuiBreakpointProxyAllowQualifiers(proxy, 1);
        CuiBreakpointProxyAllowActions(proxy, 1);
        trigger = CuiHardwareTriggerCreate("TRIG0", "External trigger 0", 0);
        CuiHardwareTriggerAppendValue(trigger, "Ignore", "0");
        CuiHardwareTriggerAppendValue(trigger, "Break on pulse", "1");
        CuiHardwareTriggerSetSelection(trigger, 1);
        CuiBreakpointProxyAppendHardwareTrigger(proxy, trigger); /* the proxy keeps a copy */
        CuiBreakpointProxyAddHardwareSupportPassCount(proxy, "Off");
        return 0;
    case CUI_BREAKPOINT_PROXY_TEXT:
        snprintf((char *)b, CUI_BREAKPOINT_PROXY_TEXT_SIZE, "thread %ld", (long)a);
        return 0;
    case CUI_BREAKPOINT_PROXY_NUMBER:
        *(uint32_t *)b = 1; /* edit mode: the breakpoint being replaced */
        return 0;
    default:
        return 0;
    }
}

/* The dialog's handler: 0 the context name (char[64]), 2 an expression, 3 a condition. */
static int dialogHandler(int code, TeskHandle dialog, intptr_t vdata, const char *text,
                         intptr_t extra)
{
    (void)dialog, (void)vdata, (void)extra;
    if (code == 0)
        snprintf((char *)text, 64, "core0");
    return 0;
}

static int eeaccess(int code, intptr_t object, intptr_t argument, const char *text, intptr_t extra)
{
    (void)object, (void)extra;
    printf("breakpoint: eeaccess %d (%ld) \"%s\"\n", code, (long)argument,
           code == 0 && text ? text : "");
    return code == 0 ? 0 : 1; /* commands accepted; no completion */
}

static int gui(int code, intptr_t object, intptr_t argument, const char *text, intptr_t extra)
{
    (void)object, (void)extra;
    printf("breakpoint: gui %d (%ld) \"%s\"\n", code, (long)argument,
           code == 0 || code == 2 || code == 3 ? text : "");
    return code == 0 ? 0 : 1; /* no histories, no window list */
}

int main(int argc, char **argv)
{
    TeskHandle proxy, dialog;
    int answer;
    setvbuf(stdout, NULL, _IOLBF, 0);
    if (!exampleStart("breakpoint"))
        return 2;
    CuiFunctionRegistryAddFunction("eeaccess", (CuiRegistryFn)&eeaccess);
    CuiFunctionRegistryAddFunction("gui", (CuiRegistryFn)&gui);
    CuiFunctionRegistryAddFunction("hardware_capabilities", (CuiRegistryFn)&capabilities);
    QtFrameShow();
    exampleIdle(exampleTicks(argc, argv, 0), NULL);

    proxy = CuiBreakpointProxyCreate(1);
    CuiBreakpointProxySetHandler(proxy, &proxyHandler);
    CuiBreakpointProxySetVdata(proxy, 1);
    dialog = CuiBreakpointDlgCreate(0);
    CuiBreakpointDlgSetFuncHandler(dialog, &dialogHandler);
    CuiBreakpointDlgSetVdata(dialog, 1);
    CuiBreakpointDlgSetMode(dialog, 0);
    CuiBreakpointDlgSetInitialBreakpointType(dialog, 1);
    CuiBreakpointDlgSetBreakpoint(dialog, proxy); /* the dialog owns the proxy from here */
    answer = CuiDialogExec((void *)dialog);       /* the closed dialog deletes itself */
    printf("breakpoint: the dialog answered %d; the proxy was asked for its description %d "
           "time(s)\n",
           answer, g_updates);
    exampleRun();
    return g_updates == 1 ? 0 : 1;
}
