#pragma once

#include <mosk/mosk.hpp>

namespace mosk {

// The broker's own factories: static objects that live as long as the process.
void *valueFactory();
void *dictionaryFactory();

} // namespace mosk
