#include "frame/windows/menuseam.h"

#include <utility>

namespace tesk::frame {

namespace {
// Read through a function: the menus install their builder during static initialisation.
MenuBuilder *&installed()
{
    static MenuBuilder *builder = nullptr;
    return builder;
}
} // namespace

MenuBuilder *setMenuBuilder(MenuBuilder *builder)
{
    return std::exchange(installed(), builder);
}

MenuBuilder *menuBuilder()
{
    return installed();
}

} // namespace tesk::frame
