#pragma once

#include <QList>
#include <QRect>

namespace tesk::frame {

// Brings a remembered window geometry back onto the desktop: a position on no screen moves
// near the primary screen's corner, a size larger than the desktop shrinks to two thirds of
// it. screens are the available geometries; primary is one of them (or empty).
void checkWindowSizesAreSane(const QList<QRect> &screens, const QRect &primary, int &x, int &y,
                             int &width, int &height);

} // namespace tesk::frame
