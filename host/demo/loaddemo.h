#pragma once

#include <string>

// Load Image and Load Binary as the engine asks them; unattended, the demo picks the library's
// own file and a few options itself. Load Binary's command comes back through "gui" and
// "addToLoadBinaryMRU".
namespace demo {

// Each dialog alone, for the user to answer.
void askLoadImage(void *library);
void askLoadBinary(void *library);
void runLoadDemo(void *library, const std::string &libraryPath, const std::string &screenshotDir,
                 bool interactive);

} // namespace demo
