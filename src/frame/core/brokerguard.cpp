#include "frame/core/brokerguard.h"

#include "system/debugoutput.h"

#include <string>

namespace tesk::broker {

void reportFailure(const char *operation, const char *what)
{
    tesk::system::debugOutput(std::string(operation) + ": " + what + "\n");
}

} // namespace tesk::broker
