#pragma once

namespace tesk::frame {

// Hands the frame's services, its help included, to the areas below it.
void installServices();

} // namespace tesk::frame
