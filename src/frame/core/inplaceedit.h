#pragma once

class KFormattedData;
class KMediator_Display;
class KMediator_Format;

// The process-wide in-place-edit flag, raised by the register and memory views while a value is
// edited in place: main windows then ignore close requests, dock windows neither hide nor
// close, and the exit command does not reach the host, so the edit is never torn down under
// the user.
void setInPlaceEditActive(bool active);
bool isInPlaceEditActive();

namespace tesk {

// Runs the formatting library's in-place editor through the modal seam, with the flag raised
// around it. Returns the engine's result.
int runInPlaceEditor(KMediator_Format &engine, KMediator_Display &display, KFormattedData &data);

} // namespace tesk
