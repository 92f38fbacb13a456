/* Breakpoint descriptions: the host fills a breakpoint proxy (what is to be set and what the
   target allows) before the breakpoint dialog takes it over, and answers which hardware
   comparison features a breakpoint type has through its "hardware_capabilities" function. */
#ifndef TESK_BREAKPOINTS_H
#define TESK_BREAKPOINTS_H

#include <tesk/tesk_global.h>

/* Breakpoint types, as the type list of the dialog names them; a type the proxy offers
   outside these gets no row. */
enum {
    CUI_BREAKPOINT_SOFTWARE_INSTRUCTION = 0, /* "Software Instruction" */
    CUI_BREAKPOINT_HARDWARE_INSTRUCTION = 1, /* "Hardware Instruction" */
    CUI_BREAKPOINT_HARDWARE_READ = 2,        /* "Hardware Read" */
    CUI_BREAKPOINT_HARDWARE_WRITE = 3,       /* "Hardware Write" */
    CUI_BREAKPOINT_HARDWARE_ACCESS = 4,      /* "Hardware Access" */
    CUI_BREAKPOINT_DATAVALUE_READ = 5,       /* "Hardware DataValue Read" */
    CUI_BREAKPOINT_DATAVALUE_WRITE = 6,      /* "Hardware DataValue Write" */
    CUI_BREAKPOINT_DATAVALUE_ACCESS = 7      /* "Hardware DataValue Access" */
};

/* Codes of the proxy's handler. */
enum {
    /* a: vdata, b: creation word. Sent when the dialog is first shown: fill the proxy here,
       through the exports below, and not before handing it over. The types, classes, rows and
       triggers are appended to, so a proxy filled earlier as well lists everything twice. The
       result is handed back to whoever asked for the update. */
    CUI_BREAKPOINT_PROXY_UPDATE = 0,
    /* a: vdata, b: position of the new type among the types offered. */
    CUI_BREAKPOINT_PROXY_TYPE_CHANGED = 1,
    /* a: the caller's value, b: a char[CUI_BREAKPOINT_PROXY_TEXT_SIZE] to fill with text. */
    CUI_BREAKPOINT_PROXY_TEXT = 2,
    /* a: creation word, b: a uint32_t* (0 on entry) for the number of the breakpoint being
       edited; answer 0 when it holds the number. */
    CUI_BREAKPOINT_PROXY_NUMBER = 3
};
#define CUI_BREAKPOINT_PROXY_TEXT_SIZE 128

typedef int32_t (*CuiBreakpointProxyHandler)(uint32_t code, TeskHandle proxy, intptr_t a,
                                             intptr_t b, intptr_t c);

/* What the dialog asks of the host's "gui" and "eeaccess" entries (CuiHostEntryFn,
   tesk_registry.h), besides its handler below; the object is the dialog, the argument vdata
   unless said otherwise:
   'gui' 3       when first shown, per field (argument 0 location, 1 value; text the context
                 name): extra is a char[CUI_BREAKPOINT_DLG_HISTORY_SIZE] to fill with that
                 field's history, entries separated by '\n'; answer 0 when it holds it;
   'eeaccess' 3  "Autocomplete Range" on a field: text is a char[CUI_BREAKPOINT_DLG_RANGE_SIZE]
                 holding the field's text, to be replaced by the completed range; extra is a
                 char[CUI_BREAKPOINT_DLG_RANGE_SIZE] for the message when answering non-zero.
   On OK, once the command is built: 'gui' 2 per field with an entry to remember (argument 0
   location, 1 value; text the context name; extra the entry, a const char*); when an edited
   breakpoint is replaced, "clear,h <number>" to 'gui' 0 (extra the window box) and then to
   'eeaccess' 0; then the command prefixed "gui " to 'eeaccess' 0, which accepts it unless it
   answers 1, and last the bare command to 'gui' 0 (extra the window box). */
#define CUI_BREAKPOINT_DLG_HISTORY_SIZE 512
#define CUI_BREAKPOINT_DLG_RANGE_SIZE 1024
#define CUI_BREAKPOINT_DLG_CONTEXT_SIZE 64

/* The breakpoint dialog's handler: (code, dialog, vdata, text, extra).
   0: text points to a writable, zeroed char[CUI_BREAKPOINT_DLG_CONTEXT_SIZE] that the handler
      fills with the name of the context that keys the entry histories (at most 63 bytes and
      the terminator; a longer name is cut there). The parameter keeps its const so that every
      handler written for this type still builds: for code 0 the handler casts it to char * and
      writes, the buffer being its own for the call;
   2: text is an expression, answer 0 when it can be evaluated;
   3: text is a condition value, extra its name (const char*), answer 0 when acceptable. */
typedef int (*CuiBreakpointDlgHandler)(int code, TeskHandle dialog, intptr_t vdata,
                                       const char *text, intptr_t extra);

/* The function the host registers as "hardware_capabilities": (code, capabilities object,
   a, b, c); its results are ignored. The capabilities object is opaque: it only tells one
   query from another, is not a handle any export takes, and is gone once the call returns.
   0: a vdata, b breakpoint type, c a uint32_t* (0 on entry): non-zero when the target has
      hardware comparison for that type;
   1: a the word written by code 0, b a CuiHardwareCapabilityFlags* (zeroed) to fill. */
enum { CUI_HARDWARE_CAPABILITIES_SUPPORTED = 0, CUI_HARDWARE_CAPABILITIES_FLAGS = 1 };
typedef int (*CuiHardwareCapabilitiesFn)(int code, TeskHandle capabilities, intptr_t a, intptr_t b,
                                         intptr_t c);

/* The block the host writes for code 1: seventeen 32-bit words, each true when not 0. */
typedef struct CuiHardwareCapabilityFlags
{
    uint32_t addressMaskAllowed;
    uint32_t addressRangeAllowed;
    uint32_t notAddressAllowed;
    uint32_t dataMatchAllowed;
    uint32_t dataMaskAllowed;
    uint32_t dataRangeAllowed;
    uint32_t notDataAllowed;
    uint32_t further[10]; /* the host's own; nothing in the library reads them */
} CuiHardwareCapabilityFlags;

#ifdef __cplusplus
static_assert(sizeof(CuiHardwareCapabilityFlags) == 17 * 4, "seventeen 32-bit words");
#else
TESK_STATIC_ASSERT(sizeof(CuiHardwareCapabilityFlags) == 17 * 4, "seventeen 32-bit words");
#endif

/* Proxies. Texts are UTF-8; a null text or a handle the library did not make is ignored.
   A proxy handed to the breakpoint dialog belongs to the dialog: Destroy refuses it. */
TESK_EXPORT TeskHandle CuiBreakpointProxyCreate(uint32_t creationWord);
TESK_EXPORT void CuiBreakpointProxyDestroy(TeskHandle proxy);
/* Required: without a handler the dialog cannot ask for its update, reports a critical error
   and closes. */
TESK_EXPORT void CuiBreakpointProxySetHandler(TeskHandle proxy, CuiBreakpointProxyHandler handler);
TESK_EXPORT void CuiBreakpointProxySetVpid(TeskHandle proxy, uint32_t vpid);
TESK_EXPORT void CuiBreakpointProxySetVdata(TeskHandle proxy, intptr_t vdata);
/* White space is simplified and a leading "(I A)" removed. */
TESK_EXPORT void CuiBreakpointProxySetLocation(TeskHandle proxy, const char *location);
TESK_EXPORT void CuiBreakpointProxySetValue(TeskHandle proxy, const char *value);
TESK_EXPORT void CuiBreakpointProxyAddClass(TeskHandle proxy, uint32_t classValue);
TESK_EXPORT void CuiBreakpointProxyClearClasses(TeskHandle proxy);
/* The current class as a class value, not as a position. */
TESK_EXPORT void CuiBreakpointProxySetClassPos(TeskHandle proxy, uint32_t classValue);
/* A size of 0 means the size is not forced. */
TESK_EXPORT void CuiBreakpointProxySetBreakpointSize(TeskHandle proxy, uint32_t size);
TESK_EXPORT void CuiBreakpointProxySetForcedSize(TeskHandle proxy, uint32_t flag, uint32_t size);
TESK_EXPORT void CuiBreakpointProxyAddBreakpointType(TeskHandle proxy, uint32_t type);
TESK_EXPORT void CuiBreakpointProxySetBreakpointTypePos(TeskHandle proxy, uint32_t position);
/* Tells the handler (CUI_BREAKPOINT_PROXY_TYPE_CHANGED) and answers its result; -1 without a
   handler or for an unknown proxy. */
TESK_EXPORT int32_t CuiBreakpointProxySetBreakpointType(TeskHandle proxy, uint32_t type);
TESK_EXPORT uint32_t CuiBreakpointProxyGetBreakpointType(TeskHandle proxy);
/* Condition and action rows: a name, '=' and a value. The text is translated. */
TESK_EXPORT void CuiBreakpointProxyAddQualifier(TeskHandle proxy, const char *row);
TESK_EXPORT void CuiBreakpointProxyClearQualifiers(TeskHandle proxy);
TESK_EXPORT void CuiBreakpointProxyAddAction(TeskHandle proxy, const char *row);
TESK_EXPORT void CuiBreakpointProxyClearActions(TeskHandle proxy);
/* 0: stop at the breakpoint; otherwise continue. */
TESK_EXPORT void CuiBreakpointProxySetActionState(TeskHandle proxy, uint32_t flag);
TESK_EXPORT void CuiBreakpointProxyAllowLocation(TeskHandle proxy, uint32_t flag);
TESK_EXPORT void CuiBreakpointProxyAllowRange(TeskHandle proxy, uint32_t flag);
TESK_EXPORT void CuiBreakpointProxyAllowClasses(TeskHandle proxy, uint32_t flag);
TESK_EXPORT void CuiBreakpointProxyAllowData(TeskHandle proxy, uint32_t flag);
TESK_EXPORT void CuiBreakpointProxyAllowQualifiers(TeskHandle proxy, uint32_t flag);
TESK_EXPORT void CuiBreakpointProxyAllowActions(TeskHandle proxy, uint32_t flag);
TESK_EXPORT void CuiBreakpointProxyAddHardwareSupportPassCount(TeskHandle proxy,
                                                               const char *passCount);
/* The pass count becomes "Off". */
TESK_EXPORT void CuiBreakpointProxyClearHardwareSupportPassCount(TeskHandle proxy);
/* The proxy keeps a copy: later changes of the host's trigger do not reach it. */
TESK_EXPORT void CuiBreakpointProxyAppendHardwareTrigger(TeskHandle proxy, TeskHandle trigger);
TESK_EXPORT void CuiBreakpointProxyClearHardwareSupport(TeskHandle proxy);
/* The breakpoint is chained to another one: it can be neither edited nor copied. */
TESK_EXPORT void CuiBreakpointProxySetChained(TeskHandle proxy);

/* Hardware triggers. direction 0 is an input trigger, any other an output trigger; 0 for a
   null text. A trigger stays the host's: each proxy it is appended to keeps its own copy, so
   one trigger may be appended to any number of proxies, one after the other. No export
   releases a trigger; it lives until the library is unloaded. */
TESK_EXPORT TeskHandle CuiHardwareTriggerCreate(const char *name, const char *description,
                                                uint32_t direction);
TESK_EXPORT void CuiHardwareTriggerAppendValue(TeskHandle trigger, const char *label,
                                               const char *value);
/* -1 means no value chosen. Answers the index. */
TESK_EXPORT int32_t CuiHardwareTriggerSetSelection(TeskHandle trigger, int32_t index);

/* The breakpoint dialog. The host creates it, hands it a proxy (which the dialog owns from
   then on) and its callbacks, and runs it with CuiDialogExec; the setters come before it is
   first shown. A closed dialog deletes itself: its handle is dead from then on, and the
   exports ignore it as they ignore any handle the library did not give out. */
typedef void (*CuiBreakpointDlgHelpCallback)(uint32_t helpId);

/* parent 0, or a handle the library did not give out: the current main window. */
TESK_EXPORT TeskHandle CuiBreakpointDlgCreate(TeskHandle parent);
TESK_EXPORT int CuiBreakpointDlgDestroy(TeskHandle dialog);
TESK_EXPORT void CuiBreakpointDlgSetFuncHandler(TeskHandle dialog, CuiBreakpointDlgHandler handler);
TESK_EXPORT void CuiBreakpointDlgSetVdata(TeskHandle dialog, intptr_t vdata);
/* A later proxy replaces (and deletes) the earlier one; once the dialog has been shown the
   proxy is refused and stays the host's. */
TESK_EXPORT void CuiBreakpointDlgSetBreakpoint(TeskHandle dialog, TeskHandle proxy);
/* 0 create, 1 edit, 2 copy. */
TESK_EXPORT void CuiBreakpointDlgSetMode(TeskHandle dialog, uint32_t mode);
/* Handed to the proxy's text query for process and thread breakpoints. */
TESK_EXPORT void CuiBreakpointDlgSetTextBox(TeskHandle dialog, intptr_t value);
TESK_EXPORT void CuiBreakpointDlgSetWindBox(TeskHandle dialog, intptr_t windBox);
TESK_EXPORT void CuiBreakpointDlgSetHelpId(TeskHandle dialog, uint32_t helpId);
TESK_EXPORT void CuiBreakpointDlgSetHelpCallback(TeskHandle dialog,
                                                 CuiBreakpointDlgHelpCallback callback);
/* UTF-8; a leading "(I A)" is removed. */
TESK_EXPORT void CuiBreakpointDlgSetInitialLocation(TeskHandle dialog, const char *location);
TESK_EXPORT void CuiBreakpointDlgSetInitialBreakpointType(TeskHandle dialog, uint32_t type);

#endif
