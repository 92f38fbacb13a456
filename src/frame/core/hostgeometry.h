#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace tesk::frame {

// A rectangle the host asked for, cut to what a widget can take: sizes within 0 and Qt's
// largest widget size, positions as far out as that size reaches, so no corner overflows.
QRect hostRect(int x, int y, int width, int height);

// A window size the host asked for, cut to the size of the whole desktop: a larger window
// shows nothing more, but its pixels would still be allocated.
QSize hostWindowSize(int width, int height);

// A remembered floating geometry brought onto the screen that shows most of it (the primary
// screen when none does): no larger than that screen's free area and wholly inside it, so a
// window saved on a screen that is gone, or with a size no screen has, stays within reach.
QRect onAvailableScreen(const QRect &wanted);

// A main window placed where the host asks, its frame at (x, y) and its client area of the
// size, the frame kept within the free area of the screen it stands on.
void placeHostWindow(QWidget *window, int x, int y, int width, int height);

} // namespace tesk::frame
