#pragma once
// The box that tells the user a host record broke the symbol tables' rules.

#include <exception>

namespace tesk::symbols {

// A critical box captioned "Runtime Exception" with the error text and a single Cancel button.
void showRuntimeException(const std::exception &error);

} // namespace tesk::symbols
