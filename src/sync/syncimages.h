#pragma once
// The synchronisation window's own pictures, drawn for this library.

namespace tesk::sync {

// 18 x 15, five colours: a flat chip seen from above at an angle.
extern const char *const kCoreChipXpm[];
// 16 x 16, ten colours: two chips joined by a link, the window's icon.
extern const char *const kSyncWindowXpm[];

} // namespace tesk::sync
