#pragma once

#include <QRect>
#include <QSize>

namespace tesk::frame {

// A rectangle the host asked for, cut to what a widget can take: sizes within 0 and Qt's
// largest widget size, positions as far out as that size reaches, so no corner overflows.
QRect hostRect(int x, int y, int width, int height);

// A window size the host asked for, cut to the size of the whole desktop: a larger window
// shows nothing more, but its pixels would still be allocated.
QSize hostWindowSize(int width, int height);

} // namespace tesk::frame
