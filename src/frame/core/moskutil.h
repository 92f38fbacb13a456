#pragma once

#include <mosk/mosk.hpp>

#include <cstddef>
#include <cstdint>

namespace tesk::broker {

struct InterfaceVersion
{
    uint32_t id;
    uint32_t highestVersion;
};

// The library's QueryInterface rule: an implemented id up to its version stores the object
// and adds a reference; too high a version answers (1, 0x10101), an unknown id (1, 0x10100),
// both with null stored.
MoskResult answerQuery(void *object, void **out, uint32_t id, uint32_t version,
                       const InterfaceVersion *supported, std::size_t count);

template<std::size_t N>
MoskResult answerQuery(void *object, void **out, uint32_t id, uint32_t version,
                       const InterfaceVersion (&supported)[N])
{
    return answerQuery(object, out, id, version, supported, N);
}

} // namespace tesk::broker
