#include "frame/core/entryseams.h"

namespace tesk::core {

namespace {
SimpleEntryHook &entryHook()
{
    static SimpleEntryHook hook = nullptr;
    return hook;
}
} // namespace

void setSimpleEntryHook(SimpleEntryHook hook)
{
    entryHook() = hook;
}

int simpleEntry(const char *caption, const char *message, const char *value, char *buffer,
                int32_t size, const char *okText, int32_t helpId)
{
    return entryHook() ? entryHook()(caption, message, value, buffer, size, okText, helpId) : 0;
}

} // namespace tesk::core
