#pragma once

// The boxes a host opens that take their size only as they show: the library's three-button
// prompt and the toolkit's message box lay out their text there, the entry dialog its message.
// Placement tests open each as the host does, on the window that shows.

#include <functional>
#include <vector>

namespace testhost {

struct SizingBox
{
    const char *name;
    std::function<void()> open;
};

const std::vector<SizingBox> &boxesSizedAsTheyShow();

} // namespace testhost
