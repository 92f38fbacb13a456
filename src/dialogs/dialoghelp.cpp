#include "dialogs/dialoghelp.h"

#include "frame/core/services.h"

namespace tesk::dialogs {

namespace {
constexpr int kDialogHelpMap = 10;
} // namespace

void showDialogHelp(int helpId)
{
    tesk::core::helpServices().showHelp(helpId, kDialogHelpMap);
}

} // namespace tesk::dialogs
