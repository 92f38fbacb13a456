#pragma once

// Raised by the register and memory views while a value is edited in place: main windows then
// ignore close requests, dock windows neither hide nor close, and the exit command does not
// reach the host, so the edit is never torn down under the user.
bool inPlaceEditActive();
void setInPlaceEditActive(bool active);
