#include "offscreenscreen.h"

#include <cstdlib>
#include <fstream>

namespace hostcommon {

bool useOffscreenScreen(const std::string &path, int width, int height)
{
    std::ofstream file(path);
    file << R"({"screens": [{"name": "offscreen", "x": 0, "y": 0, "width": )" << width
         << R"(, "height": )" << height << R"(, "logicalDpi": 96}]})" << '\n';
    file.close();
    if (!file) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        return false;
    }
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path).c_str(), 1);
    return true;
}

} // namespace hostcommon
