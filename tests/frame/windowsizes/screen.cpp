// The tests of this folder look at main windows of a usual desktop's size: the toolkit's own
// screen is set that large before the library starts it, so that no window is cut to a
// smaller one.
#include "offscreenscreen.h"

namespace {

const bool g_screen =
    hostcommon::useOffscreenScreen("/tmp/tesk-windowsizes-screen.json", 1280, 800);

} // namespace
