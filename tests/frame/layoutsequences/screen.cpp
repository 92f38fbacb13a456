// The sequences make the screen smaller as they go: the toolkit's own screen is set large
// before the library starts it, and each sequence tells it its size as a window system does.
#include "offscreenscreen.h"

namespace {

const bool g_screen =
    hostcommon::useOffscreenScreen("/tmp/tesk-layoutsequences-screen-1600x1200.json", 1600, 1200);

} // namespace
