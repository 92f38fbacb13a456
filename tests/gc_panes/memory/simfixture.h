#pragma once

// The simulated target registered as the host's memory-access component before the library's
// bridge first looks for it, and reset for every test.
#include "simulatedtarget.h"

#include <gtest/gtest.h>

class SimulatedTargetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SimulatedTarget::registerWithBroker();
        sim().reset();
    }

    static SimulatedTarget &sim() { return SimulatedTarget::installed(); }
    static int reads() { return sim().count(SimulatedTarget::Kind::Read); }
    // The (offset, length) of every read the host saw, in order.
    static std::vector<std::pair<uint32_t, uint32_t>> readLog()
    {
        std::vector<std::pair<uint32_t, uint32_t>> log;
        for (const auto &a : sim().log()) {
            if (a.kind == SimulatedTarget::Kind::Read)
                log.emplace_back(a.offset, a.length);
        }
        return log;
    }
};
