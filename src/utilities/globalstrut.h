#pragma once

#include <QSize>

// The smallest size any size hint of the table family reports. Qt 6 has no application-wide
// strut any more, so the library keeps its own; it is 0 x 0 unless someone sets it.
QSize cuiGlobalStrut();
void cuiSetGlobalStrut(const QSize &strut);
