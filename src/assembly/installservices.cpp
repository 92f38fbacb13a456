// The one place where each area that provides services to the areas below it installs them,
// when the library is loaded: only the whole library sees every area.
#include "dialogs/dialogservices.h"
#include "frame/windows/frameservices.h"
#include "gui_components/gc_panes/panes/panecommandrunner.h"

namespace {

const bool g_servicesInstalled = [] {
    tesk::frame::installServices();
    tesk::panes::installServices();
    tesk::dialogs::installServices();
    return true;
}();

} // namespace
