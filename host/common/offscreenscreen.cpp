#include "offscreenscreen.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace hostcommon {

bool useOffscreenScreen(const std::string &path, int width, int height)
{
    // Written whole under a name of this process's own, then renamed: programs started at the
    // same moment read one whole file or the other, never one half written.
    const std::string own = path + "." + std::to_string(getpid());
    std::ofstream file(own);
    file << R"({"screens": [{"name": "offscreen", "x": 0, "y": 0, "width": )" << width
         << R"(, "height": )" << height << R"(, "logicalDpi": 96}]})" << '\n';
    file.close();
    if (!file || std::rename(own.c_str(), path.c_str()) != 0) {
        std::remove(own.c_str());
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        return false;
    }
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path).c_str(), 1);
    return true;
}

} // namespace hostcommon
