#include "frame/moskutil.h"

#include <initializer_list>

namespace tesk::broker {

void writeInterfaceInfo(uint32_t id, uint32_t *outId, uint32_t *v1, uint32_t *v2, uint32_t *v3)
{
    if (outId)
        *outId = id;
    for (uint32_t *word : {v1, v2, v3}) {
        if (word)
            *word = 0;
    }
}

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


