#pragma once

#include <string>

namespace hostcommon {

// Without a display the toolkit draws on a screen of its own, 800 by 800 unless told. Describes
// a screen of the given size in a file at path and has the offscreen platform use it; call
// before the toolkit starts. False (and the platform's own screen) when the file can't be
// written.
bool useOffscreenScreen(const std::string &path, int width, int height);

} // namespace hostcommon
