#pragma once

// One rule for every top-level window the library places: its frame, title bar included,
// stays within the free area of its screen (the screen less the panels a desktop keeps).

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;
class QWidget;

namespace tesk::system {

// The client area of a window whose frame (the client area with the margins) lies within the
// free area: no larger than the free area, and moved into it as little as it can be.
QRect withinFreeArea(const QRect &client, const QMargins &frame, const QRect &free);

// The margins of a top-level window's frame as the window system reports them; while it has
// reported none (before the window first shows on a desktop), those of a usual title bar and
// border. None for a window without a frame.
QMargins frameMargins(const QWidget *window);

// The screen that shows most of the rectangle; the fallback, else the primary screen, when none
// shows any of it.
QScreen *screenShowing(const QRect &rect, QScreen *fallback = nullptr);

// Sizes and places a top-level window: its frame at the position, its client area of the size,
// both kept by the rule above within the free area of the screen it then stands on.
void placeInFreeArea(QWidget *window, QPoint framePosition, QSize clientSize);
// The same for where the window stands now.
void keepInFreeArea(QWidget *window);

} // namespace tesk::system
