#pragma once

#include <string>

// Memory file operations, a memory fill and the simulator target's configuration, as the
// debugger engine runs them: each command the dialog hands over and each value read back is
// printed.
namespace demo {

// Unattended (no display), the demo fills the dialogs itself and takes their pictures.
void runMemoryDialogsDemo(void *library, const std::string &screenshotDir, bool interactive);
// The fill dialog alone, for the user to answer.
void runFillMemoryDialog(void *library);

} // namespace demo
