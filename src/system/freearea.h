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

// The margins of a top-level window's frame as the window system has reported them: none
// before a window manager has framed the window (or while it is still sizing the frame it took
// the window into), and none where no window manager frames it.
QMargins frameMargins(const QWidget *window);

// The screen that shows most of the rectangle; the fallback, else the primary screen, when none
// shows any of it.
QScreen *screenShowing(const QRect &rect, QScreen *fallback = nullptr);

// Sizes and places a top-level window: its frame at the position, its client area of the size
// (no smaller than the window takes), both kept by the rule above within the free area of the
// screen it then stands on. A window whose frame is not known yet is placed as having none and
// placed again by the same rule once the window manager has framed it after the show. A framed
// window whose window manager answers with another geometry than asked, or reports another
// frame, as one still framing a window it has just mapped may, is placed again, a few times at
// most.
void placeInFreeArea(QWidget *window, QPoint framePosition, QSize clientSize);
// Where placeInFreeArea would put the window's client area now, without placing it.
QRect freePlaceFor(const QWidget *window, QPoint framePosition, QSize clientSize);
// The same for where the window stands now (or was last asked to stand, while its frame is
// not known), at its size.
void keepInFreeArea(QWidget *window);
// The same for a window shown again: now, and again once its window manager has framed it
// anew and told where it put it, which the toolkit may hear of only after the show.
void keepInFreeAreaAsFramed(QWidget *window);
// Under a window manager: a window shown again while the manager still let go of it from its
// hide is left unmapped by the manager, shown to the toolkit and to no one else; it is
// mapped again once the manager had its time.
void keepMappedOnceShown(QWidget *window);
// The same at another size, its frame where it stands.
void resizeInFreeArea(QWidget *window, QSize clientSize);

// Places a dialog as it shows: its frame within the free area, and clear of the windows kept on
// top of the others (a find and replace panel), beside one where the free area has room, so
// that none covers its buttons.
void placeDialogOnShow(QWidget *dialog);

// Where a top-level window's frame stands, or was last asked to stand while the window manager
// has not told its frame yet.
QPoint framePosition(const QWidget *window);

} // namespace tesk::system
