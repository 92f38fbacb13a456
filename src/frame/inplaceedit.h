#pragma once

class KFormattedData;
class KMediator_Display;
class KMediator_Format;

// The process-wide in-place-edit flag: raised while the formatting library's editor runs,
// so that the frame can tell a value being edited from ordinary input.
void setInPlaceEditActive(bool active);
bool isInPlaceEditActive();

namespace tesk {

// Runs the formatting library's in-place editor through the modal seam, with the flag raised
// around it. Returns the engine's result.
int runInPlaceEditor(KMediator_Format &engine, KMediator_Display &display, KFormattedData &data);

} // namespace tesk
