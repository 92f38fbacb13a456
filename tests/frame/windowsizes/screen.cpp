// The tests of this folder look at main windows of a usual desktop's size: the toolkit's own
// screen is set larger before the library starts it, so that no window, frame included, is cut
// to a smaller one.
#include "offscreenscreen.h"

namespace {

const bool g_screen =
    hostcommon::useOffscreenScreen("/tmp/tesk-windowsizes-screen-1600x1200.json", 1600, 1200);

} // namespace
