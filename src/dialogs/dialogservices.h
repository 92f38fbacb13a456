#pragma once

namespace tesk::dialogs {

// Hands the dialogs' services (the one-line entry, the file chooser) to the views and the frame.
void installServices();

} // namespace tesk::dialogs
