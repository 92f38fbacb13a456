// The breakpoint command built and sent for any fields, proxy and host answers: the first bytes
// steer the host (which checks fail, what the capabilities say, the user's answer, the engine's
// results), the rest are the fields, one a line: location, value, forced size, then condition
// and action rows.
#include "symbols/breakpoints/breakpointcommand.h"
#include "symbols/breakpoints/breakpointhostface.h"
#include "symbols/breakpoints/breakpointproxy.h"
#include "symbols/breakpoints/hardwarecapabilities.h"

#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace tesk::breakpoints;

namespace {

constexpr size_t kSteering = 8;
uint8_t g_steer[kSteering];

bool bit(int index)
{
    return (g_steer[index / 8] >> (index % 8)) & 1;
}

int capabilityAnswer(int code, TeskHandle, intptr_t, intptr_t b, intptr_t c)
{
    if (code == CUI_HARDWARE_CAPABILITIES_SUPPORTED)
        *reinterpret_cast<uint32_t *>(c) = bit(0);
    else
        for (int i = 0; i < 17; ++i)
            reinterpret_cast<uint32_t *>(b)[i] = bit(1 + i);
    return 0;
}

int32_t proxyHandler(uint32_t code, TeskHandle, intptr_t, intptr_t b, intptr_t)
{
    if (code == CUI_BREAKPOINT_PROXY_TEXT)
        std::memset(reinterpret_cast<char *>(b), 'p', CUI_BREAKPOINT_PROXY_TEXT_SIZE);
    if (code == CUI_BREAKPOINT_PROXY_NUMBER)
        *reinterpret_cast<uint32_t *>(b) = g_steer[7];
    return bit(18) ? 1 : 0;
}

class FakeHost : public BreakpointHostFace
{
public:
    QString contextName() override { return QStringLiteral("ctx"); }
    bool checkExpression(const QString &expression) override
    {
        return !bit(19) || !expression.contains(u'x');
    }
    bool checkCondition(const QString &, const QString &) override { return !bit(20); }
    bool hasEeaccess() override { return !bit(21); }
    bool hasGui() override { return !bit(22); }
    int eeaccessCommand(const QString &command) override
    {
        sent += command;
        return bit(23) ? 1 : 0;
    }
    int guiCommand(const QString &command) override
    {
        sent += command;
        return 0;
    }
    void recordHistory(int, const QString &, const QString &) override {}
    HardwareCapabilities capabilities(intptr_t vdata, uint32_t type) override
    {
        return HardwareCapabilities(vdata, type, bit(24) ? nullptr : &capabilityAnswer);
    }
    Answer askReplace(const QString &) override { return Answer(g_steer[6] % 3); }

    QString sent;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < kSteering)
        return 0;
    std::memcpy(g_steer, data, kSteering);
    const QStringList lines = QString::fromUtf8(reinterpret_cast<const char *>(data + kSteering),
                                                qsizetype(size - kSteering))
                                  .split(u'\n');
    CommandInput input;
    input.type = g_steer[4] % 10;
    if (bit(25))
        input.classValue = g_steer[5] % 7;
    input.forcedSizeEnabled = input.forcedSizeChecked = bit(26);
    input.location = lines.value(0);
    input.value = lines.value(1);
    input.forcedSize = lines.value(2);
    for (qsizetype i = 3; i < lines.size(); ++i)
        (i % 2 ? input.conditions : input.actions).append(lines.at(i));
    input.continueAfter = bit(27);
    input.mode = g_steer[5] % 3;
    input.vdata = bit(28);

    BreakpointProxy proxy(1);
    if (!bit(29)) {
        BreakpointProxySettings settings = proxy.settings();
        settings.handler = &proxyHandler;
        proxy.setSettings(settings);
    }
    if (bit(30))
        proxy.setHardwarePassCount(lines.value(2));
    HardwareTrigger trigger(lines.value(0), QString(), g_steer[6] & 1);
    trigger.appendValue(lines.value(1), lines.value(2));
    trigger.setSelection(int8_t(g_steer[6]) >> 1);
    proxy.appendHardwareTrigger(trigger);
    const BreakpointProxy unchanged(proxy);

    FakeHost host;
    const CommandResult result = acceptCommand(input, proxy, bit(31) ? &unchanged : nullptr, host);
    // A failure always says why or was the user's choice; a success always sent something.
    if (result.code == CommandResult::Success && host.sent.isEmpty())
        std::abort();
    return 0;
}
