#include "frame/windows/menuseam.h"

#include "frame/menus/mt.h"

#include <utility>

int g_menuCallbackState = 0;

namespace tesk::frame {

namespace {
MenuManagerOps &installed()
{
    static MenuManagerOps ops = tesk::menus::managerOps();
    return ops;
}
} // namespace

MenuManagerOps setMenuManagerOps(const MenuManagerOps &ops)
{
    return std::exchange(installed(), ops);
}

const MenuManagerOps &menuManagerOps()
{
    return installed();
}

} // namespace tesk::frame
