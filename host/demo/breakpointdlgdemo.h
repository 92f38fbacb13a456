#pragma once

#include <string>

// The breakpoint dialog as the engine opens it to create a breakpoint: over the simulated
// target's proxy, with a condition and an action already on it.
namespace demo {

void runBreakpointDialogDemo(void *library, const std::string &screenshotDir);
// The same dialog for the user to work in, until OK or Cancel.
void runBreakpointDialogByHand(void *library);

} // namespace demo
