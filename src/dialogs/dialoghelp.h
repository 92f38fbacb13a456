#pragma once

// The help record the dialogs keep: a C function called with the dialog's help id.
using CuiHelpFunction = void (*)(int helpId);

namespace tesk::dialogs {

// The help function the exports install: the topic of that id in the dialogs' help map.
void showDialogHelp(int helpId);

} // namespace tesk::dialogs
