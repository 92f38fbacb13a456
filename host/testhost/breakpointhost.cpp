#include "breakpointhost.h"

#include <algorithm>
#include <cstring>

namespace testhost {

namespace {

std::string textOf(const char *text)
{
    return text ? text : "";
}

int32_t proxyHandler(uint32_t code, TeskHandle proxy, intptr_t a, intptr_t b, intptr_t c)
{
    BreakpointHost &h = BreakpointHost::instance();
    h.calls.push_back({"proxy", int(code), proxy, a, std::to_string(b), std::to_string(c)});
    if (h.onCall)
        h.onCall(BreakpointHostCall(h.calls.back()));
    switch (code) {
    case CUI_BREAKPOINT_PROXY_UPDATE:
        if (h.fill)
            h.fill(proxy);
        return h.updateResult;
    case CUI_BREAKPOINT_PROXY_TYPE_CHANGED:
        return h.typeChangedResult;
    case CUI_BREAKPOINT_PROXY_TEXT: {
        auto *buffer = reinterpret_cast<char *>(b);
        const size_t n = std::min(h.contextText.size(), size_t(CUI_BREAKPOINT_PROXY_TEXT_SIZE));
        std::memcpy(buffer, h.contextText.data(), n); // a host that forgets the terminator
        if (n < CUI_BREAKPOINT_PROXY_TEXT_SIZE)
            buffer[n] = 0;
        return 0;
    }
    case CUI_BREAKPOINT_PROXY_NUMBER:
        *reinterpret_cast<uint32_t *>(b) = h.breakpointNumber;
        return h.numberResult;
    default:
        return -1;
    }
}

int capabilitiesFn(int code, TeskHandle object, intptr_t a, intptr_t b, intptr_t c)
{
    BreakpointHost &h = BreakpointHost::instance();
    h.calls.push_back({"capabilities", code, object, a, std::to_string(b), std::to_string(c)});
    if (h.onCall)
        h.onCall(BreakpointHostCall(h.calls.back()));
    static uint32_t lastType = 0;
    if (code == CUI_HARDWARE_CAPABILITIES_SUPPORTED) {
        lastType = uint32_t(b);
        const auto it = h.capabilities.find(lastType);
        if (it != h.capabilities.end())
            *reinterpret_cast<uint32_t *>(c) = it->second.supported;
    } else if (code == CUI_HARDWARE_CAPABILITIES_FLAGS) {
        const auto it = h.capabilities.find(lastType);
        if (it != h.capabilities.end())
            std::memcpy(reinterpret_cast<void *>(b), it->second.flags.data(), 17 * 4);
    }
    return 0;
}

int dialogHandler(int code, TeskHandle dialog, intptr_t vdata, const char *text, intptr_t extra)
{
    BreakpointHost &h = BreakpointHost::instance();
    const std::string extraText = code == 3 ? textOf(reinterpret_cast<const char *>(extra)) : "";
    h.calls.push_back({"dialog", code, dialog, vdata, code == 0 ? "" : textOf(text), extraText});
    if (h.onCall)
        h.onCall(BreakpointHostCall(h.calls.back()));
    switch (code) {
    case 0:
        std::strncpy(const_cast<char *>(text), h.contextName.c_str(), 63);
        return 0;
    case 2:
        return h.refusedExpressions.count(textOf(text)) ? 1 : 0;
    case 3:
        return h.refusedConditions.count(textOf(text)) ? 1 : 0;
    default:
        return -1;
    }
}

int gui(int code, intptr_t object, intptr_t argument, const char *text, intptr_t extra)
{
    BreakpointHost &h = BreakpointHost::instance();
    const std::string extraText =
        code == 2 ? textOf(reinterpret_cast<const char *>(extra)) : std::to_string(extra);
    h.calls.push_back({"gui", code, object, argument, textOf(text), extraText});
    if (h.onCall)
        h.onCall(BreakpointHostCall(h.calls.back()));
    const auto history = h.histories.find(int(argument));
    if (code == 3 && extra && history != h.histories.end()) {
        constexpr size_t historySize = 512;
        std::strncpy(reinterpret_cast<char *>(extra), history->second.c_str(), historySize - 1);
    }
    if (code == 4 && text) {
        constexpr size_t windowListSize = 2048;
        std::memcpy(const_cast<char *>(text), h.windows.data(),
                    std::min(h.windows.size(), windowListSize));
    }
    return h.guiResult;
}

int eeaccess(int code, intptr_t object, intptr_t argument, const char *text, intptr_t extra)
{
    BreakpointHost &h = BreakpointHost::instance();
    h.calls.push_back({"eeaccess", code, object, argument, textOf(text), std::to_string(extra)});
    if (h.onCall)
        h.onCall(BreakpointHostCall(h.calls.back()));
    constexpr size_t completionSize = 1024;
    if (code == 3 && text && extra) {
        // The field's text comes in the buffer the completed range goes back in.
        auto *buffer = const_cast<char *>(text);
        if (h.eeaccessResult == 0)
            std::strncpy(buffer, h.completion.c_str(), completionSize - 1);
        else
            std::strncpy(reinterpret_cast<char *>(extra), h.completionMessage.c_str(),
                         completionSize - 1);
    }
    return h.eeaccessResult;
}

} // namespace

BreakpointHost &BreakpointHost::instance()
{
    static BreakpointHost host;
    return host;
}

void BreakpointHost::reset()
{
    auto keptFill = std::move(fill);
    *this = BreakpointHost();
    fill = std::move(keptFill);
}

std::vector<BreakpointHostCall> BreakpointHost::callsOf(const std::string &entry) const
{
    std::vector<BreakpointHostCall> result;
    for (const BreakpointHostCall &call : calls) {
        if (call.entry == entry)
            result.push_back(call);
    }
    return result;
}

CuiBreakpointProxyHandler breakpointProxyHandler()
{
    return &proxyHandler;
}

CuiBreakpointDlgHandler breakpointDialogHandler()
{
    return &dialogHandler;
}

void publishBreakpointHost()
{
    withdrawBreakpointHost();
    CuiFunctionRegistryAddFunction("hardware_capabilities",
                                   reinterpret_cast<CuiRegistryFn>(&capabilitiesFn));
    CuiFunctionRegistryAddFunction("gui", reinterpret_cast<CuiRegistryFn>(&gui));
    CuiFunctionRegistryAddFunction("eeaccess", reinterpret_cast<CuiRegistryFn>(&eeaccess));
}

void withdrawBreakpointHost()
{
    CuiFunctionRegistryRemoveFunction("hardware_capabilities");
    CuiFunctionRegistryRemoveFunction("gui");
    CuiFunctionRegistryRemoveFunction("eeaccess");
}

TypeCapabilities capabilitiesOf(bool supported, bool addressMask, bool addressRange,
                                bool notAddress, bool dataMatch, bool dataMask, bool dataRange,
                                bool notData)
{
    TypeCapabilities c;
    c.supported = supported;
    const bool flags[7] = {addressMask, addressRange, notAddress, dataMatch,
                           dataMask,    dataRange,    notData};
    for (int i = 0; i < 7; ++i)
        c.flags[i] = flags[i];
    return c;
}

} // namespace testhost
