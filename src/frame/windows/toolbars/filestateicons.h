#pragma once

// The find toolbar's file-state pictures (16 by 16 XPM): locked, writable and read-only.
namespace tesk::frame {

extern const char *const kLockedIcon[];
extern const char *const kWritableIcon[];
extern const char *const kReadOnlyIcon[];

} // namespace tesk::frame
