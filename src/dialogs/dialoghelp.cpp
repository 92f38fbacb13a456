#include "dialogs/dialoghelp.h"

#include "frame/core/helphook.h"

namespace tesk::dialogs {

namespace {
constexpr int kDialogHelpMap = 10;
} // namespace

void showDialogHelp(int helpId)
{
    tesk::help::showHelp(helpId, kDialogHelpMap);
}

} // namespace tesk::dialogs
