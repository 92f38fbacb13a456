#pragma once

#include <mosk/mosk.hpp>

namespace mosk {

// The broker's own factories, which live as long as the broker.
void *valueFactory();
void *dictionaryFactory();
void endFactories();

} // namespace mosk
