#pragma once

// The register data sets of a simulated target: the demo host describes its registers to the
// library and sends value lines, as the engine does after every stop.
void runRegisterDemo(void *library);
