#pragma once
// The one-line entry dialog lives with the dialogs, the views that ask for a value below them;
// the dialogs install their entry here when the library is loaded.

#include <cstdint>

namespace tesk::core {

// (caption, prompt, initial text, answer buffer, its size without the terminator, confirm
// label, help id) -> non-zero when confirmed.
using SimpleEntryHook = int (*)(const char *caption, const char *message, const char *value,
                                char *buffer, int32_t size, const char *okText, int32_t helpId);

void setSimpleEntryHook(SimpleEntryHook hook);
// 0 without an installed entry.
int simpleEntry(const char *caption, const char *message, const char *value, char *buffer,
                int32_t size, const char *okText, int32_t helpId);

} // namespace tesk::core
