#pragma once

namespace tesk::panes {

// Hands the panes' services (the tabbed pane frame, the panes' text commands) to the frame.
void installServices();

} // namespace tesk::panes
