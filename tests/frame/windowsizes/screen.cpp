// The tests of this folder look at main windows of a usual desktop's size: the toolkit's own
// screen is set that large before the library starts it, so that no window is cut to a
// smaller one.
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

struct WideScreen
{
    WideScreen()
    {
        const std::string path = "/tmp/tesk-windowsizes-screen.json";
        std::ofstream(path) << R"({"screens": [{"name": "wide", "x": 0, "y": 0, )"
                            << R"("width": 1280, "height": 800, "logicalDpi": 96}]})";
        setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path).c_str(), 1);
    }
} g_screen;

} // namespace
