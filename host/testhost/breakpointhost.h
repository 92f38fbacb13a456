#pragma once

// The host side of breakpoints for the tests: a proxy handler that fills proxies as the
// debugger engine does, "hardware_capabilities" answering per breakpoint type, the breakpoint
// dialog's handler, and "gui"/"eeaccess" entries that record every word they get.

#include <tesk/tesk.h>

#include <array>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace testhost {

struct BreakpointHostCall
{
    std::string entry; // "proxy", "capabilities", "dialog", "gui", "eeaccess"
    int code = 0;
    TeskHandle object = 0;
    intptr_t argument = 0;
    std::string text;  // the text word (the extra's text for gui code 2)
    std::string extra; // the extra word as text where it is one (gui 2, dialog 3)
};

struct TypeCapabilities
{
    uint32_t supported = 0;
    std::array<uint32_t, 17> flags{};
};

class BreakpointHost
{
public:
    static BreakpointHost &instance();
    // Back to a quiet host: no calls, no refusals, every result 0; the fill is kept.
    void reset();

    std::vector<BreakpointHostCall> calls;
    // Called with every call as it is recorded, before it is answered: a test acts from inside
    // the host's entries here (destroys the dialog, say).
    std::function<void(const BreakpointHostCall &)> onCall;
    std::vector<BreakpointHostCall> callsOf(const std::string &entry) const;

    // Proxy handler: update runs fill (with the proxy handle) and answers updateResult.
    std::function<void(TeskHandle)> fill;
    int32_t updateResult = 0;
    int32_t typeChangedResult = 0;
    std::string contextText; // code 2: copied into the buffer, cut at 127 characters
    uint32_t breakpointNumber = 0;
    int32_t numberResult = 0;

    // "hardware_capabilities" per type; an unknown type answers nothing at all.
    std::map<uint32_t, TypeCapabilities> capabilities;

    // Dialog handler.
    std::string contextName = "ctx";
    std::set<std::string> refusedExpressions;
    std::set<std::string> refusedConditions;

    // 'gui' code 3: the history of field 0 (location) or 1 (value), lines joined by '\n'.
    std::map<int, std::string> histories;
    int guiResult = 0;
    // 'gui' code 4: the window names, one a line. Written as it is into the 2048-byte buffer;
    // a longer text fills it without a terminator, as a careless host would.
    std::string windows;
    int eeaccessResult = 0;
    // 'eeaccess' code 3: the completed range (result 0) or the message (otherwise).
    std::string completion;
    std::string completionMessage;
};

CuiBreakpointProxyHandler breakpointProxyHandler();
CuiBreakpointDlgHandler breakpointDialogHandler();

// Publishes "hardware_capabilities", "gui" and "eeaccess" (the breakpoint host's own);
// withdraws them.
void publishBreakpointHost();
void withdrawBreakpointHost();

// Capabilities with every one of the first seven flags set as given.
TypeCapabilities capabilitiesOf(bool supported, bool addressMask, bool addressRange,
                                bool notAddress, bool dataMatch, bool dataMask, bool dataRange,
                                bool notData);

} // namespace testhost
