// Which hardware comparison features a breakpoint type has on the current target.
#pragma once

#include <tesk/tesk_breakpoints.h>

#include <cstdint>

class QObject;

// What the target's hardware can compare for one breakpoint type, as the host's
// "hardware_capabilities" function answers it. Built for the question at hand, read, dropped:
// nothing is cached, since the answer depends on the target of the moment.
class HardwareCapabilities
{
public:
    // Asks the function registered as "hardware_capabilities"; std::runtime_error when the
    // host has registered none.
    HardwareCapabilities(intptr_t vdata, uint32_t breakpointType);
    // The same for the object that asks: its second question is not put once the host ended
    // the asker while answering the first (its flags then read as none).
    HardwareCapabilities(intptr_t vdata, uint32_t breakpointType, const QObject &asker);
    // Asks the given function (null: the same error).
    HardwareCapabilities(intptr_t vdata, uint32_t breakpointType, CuiHardwareCapabilitiesFn query);

    intptr_t vdata() const { return m_vdata; }
    uint32_t breakpointType() const { return m_breakpointType; }

    bool hardwareSupported() const { return m_hardwareSupported != 0; }
    bool addressMaskAllowed() const { return m_flags.addressMaskAllowed != 0; }
    bool addressRangeAllowed() const { return m_flags.addressRangeAllowed != 0; }
    bool notAddressAllowed() const { return m_flags.notAddressAllowed != 0; }
    bool dataMatchAllowed() const { return m_flags.dataMatchAllowed != 0; }
    bool dataMaskAllowed() const { return m_flags.dataMaskAllowed != 0; }
    bool dataRangeAllowed() const { return m_flags.dataRangeAllowed != 0; }
    bool notDataAllowed() const { return m_flags.notDataAllowed != 0; }
    // The ten words after notDataAllowed (index 0 to 9); false outside.
    bool further(int index) const;
    // The seventeen words of the host's block in order (index 0 to 16); false outside.
    bool flag(int index) const;

private:
    HardwareCapabilities(intptr_t vdata, uint32_t breakpointType, CuiHardwareCapabilitiesFn query,
                         const QObject *asker);
    void ask(CuiHardwareCapabilitiesFn query, const QObject *asker);

    intptr_t m_vdata;
    uint32_t m_breakpointType;
    uint32_t m_hardwareSupported = 0;
    CuiHardwareCapabilityFlags m_flags = {};
};
