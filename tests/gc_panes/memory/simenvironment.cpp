// The simulated target is in the broker before any test can create the library's bridge,
// which looks for the memory-access component only once.
#include "simulatedtarget.h"

#include <gtest/gtest.h>

namespace {

class SimulatedTargetEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { SimulatedTarget::registerWithBroker(); }
};

const ::testing::Environment *const environment =
    ::testing::AddGlobalTestEnvironment(new SimulatedTargetEnvironment);

} // namespace
