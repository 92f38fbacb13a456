#include "frame/core/moskutil.h"


namespace tesk::broker {

MoskResult answerQuery(void *object, void **out, uint32_t id, uint32_t version,
                       const InterfaceVersion *supported, std::size_t count)
{
    if (!out)
        return moskErrorCreateStandardError(1, MOSK_ERR_FAILED);
    *out = nullptr;
    for (std::size_t i = 0; i < count; ++i) {
        if (supported[i].id != id)
            continue;
        if (version > supported[i].highestVersion)
            return moskErrorCreateStandardError(1, MOSK_ERR_VERSION);
        *out = object;
        static_cast<MoskBase *>(object)->ops->AddRef(object);
        return nullptr;
    }
    return moskErrorCreateStandardError(1, MOSK_ERR_NO_INTERFACE);
}

} // namespace tesk::broker


