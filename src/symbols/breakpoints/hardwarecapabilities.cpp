#include "symbols/breakpoints/hardwarecapabilities.h"

#include "frame/core/cuifunctionregistry.h"
#include "system/lifetime.h"

#include <QString>

#include <stdexcept>

namespace {

constexpr int kNamedFlags = 7;
constexpr int kFurtherFlags = 10;

CuiHardwareCapabilitiesFn registeredQuery()
{
    return CuiFunctionRegistry::instance()->function<CuiHardwareCapabilitiesFn>(
        QStringLiteral("hardware_capabilities"));
}

} // namespace

HardwareCapabilities::HardwareCapabilities(intptr_t vdata, uint32_t breakpointType)
    : HardwareCapabilities(vdata, breakpointType, registeredQuery(), nullptr)
{
}

HardwareCapabilities::HardwareCapabilities(intptr_t vdata, uint32_t breakpointType,
                                           const QObject &asker)
    : HardwareCapabilities(vdata, breakpointType, registeredQuery(), &asker)
{
}

HardwareCapabilities::HardwareCapabilities(intptr_t vdata, uint32_t breakpointType,
                                           CuiHardwareCapabilitiesFn query)
    : HardwareCapabilities(vdata, breakpointType, query, nullptr)
{
}

HardwareCapabilities::HardwareCapabilities(intptr_t vdata, uint32_t breakpointType,
                                           CuiHardwareCapabilitiesFn query, const QObject *asker)
    : m_vdata(vdata)
    , m_breakpointType(breakpointType)
{
    if (!query)
        throw std::runtime_error("Function 'hardwareCapabilites' not found in function registry");
    ask(query, asker);
}

void HardwareCapabilities::ask(CuiHardwareCapabilitiesFn query, const QObject *asker)
{
    const auto self = reinterpret_cast<TeskHandle>(this);
    uint32_t supported = 0;
    query(CUI_HARDWARE_CAPABILITIES_SUPPORTED, self, m_vdata, intptr_t(m_breakpointType),
          reinterpret_cast<intptr_t>(&supported));
    m_hardwareSupported = supported;
    if (asker && tesk::lifetime::doomed(asker))
        return;
    // The host fills a block of its own: what it writes cannot reach past the flags.
    CuiHardwareCapabilityFlags flags = {};
    query(CUI_HARDWARE_CAPABILITIES_FLAGS, self, intptr_t(m_hardwareSupported),
          reinterpret_cast<intptr_t>(&flags), 0);
    m_flags = flags;
}

bool HardwareCapabilities::further(int index) const
{
    return index >= 0 && index < kFurtherFlags && m_flags.further[index] != 0;
}

bool HardwareCapabilities::flag(int index) const
{
    if (index < 0 || index >= kNamedFlags + kFurtherFlags)
        return false;
    const uint32_t words[kNamedFlags] = {m_flags.addressMaskAllowed, m_flags.addressRangeAllowed,
                                         m_flags.notAddressAllowed,  m_flags.dataMatchAllowed,
                                         m_flags.dataMaskAllowed,    m_flags.dataRangeAllowed,
                                         m_flags.notDataAllowed};
    return index < kNamedFlags ? words[index] != 0 : further(index - kNamedFlags);
}
