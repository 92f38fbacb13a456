#pragma once

#include <string>

class QWidget;

namespace tesk::host {
class MemoryStore;
}

// The register data sets of a simulated target: the demo host describes its registers to the
// library and sends value lines, as the engine does after every stop.
void runRegisterDemo(void *library);
// A register pane over the simulated core, docked on the right of the main window: the
// register pane's widget, or null.
QWidget *openRegisterPane(void *library);
// A step of the simulated core: every general register changes and the pane colours them.
void stepSimulatedCore();
// The same data set in a register pane docked into the main window: the user view comes from
// the host's store, a value is edited and the core steps.
void runRegisterPaneDemo(void *library, const std::string &screenshotDir);
// The host's settings store, which register panes read their user view from when they show a
// data set and write it to when the user changes it: registered with the broker at its first use,
// it lives as long as the demo. The demo keeps its records between runs beside the layout.
tesk::host::MemoryStore &registerSettingsStore();
