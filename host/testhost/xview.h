#pragma once

// What the X server shows, asked of the server itself rather than of the toolkit, and the
// server's own pointer (XTest), which the window manager sees as a user's hand. The toolkit's
// word (isVisible, geometry) is what the library asked for; a window manager may have decided
// otherwise, late or for good.

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace testhost::xview {

// Whether the server can be asked: a display of the xcb platform is open.
bool available();

struct Shown
{
    bool exists = false;
    bool mapped = false;
    bool viewable = false;
    // The client area on the root window, and the frame the window manager says it drew.
    QRect client;
    QMargins frame;
    bool frameKnown = false;
    QRect framed() const { return client.marginsAdded(frame); }
};

// The top-level window as the server has it.
Shown shown(const QWidget *window);
// Whether the server shows the window mapped where the toolkit has it; true when it cannot be
// asked.
bool agrees(const QWidget *window);
// The window manager's free area (_NET_WORKAREA of the first desktop); null without one.
QRect workArea();
// Where the window stands in the window manager's stacking order, bottom first
// (_NET_CLIENT_LIST_STACKING); -1 when the manager does not list it.
int stackingIndex(const QWidget *window);
// One line of both views of the window, for a failure to tell a late frame from a wrong one.
QString describe(const QWidget *window);

// Every top-level window of the main window the toolkit shows, checked against the server:
// mapped and viewable, a floating dock above its main window, the frames within the work
// area. Empty when all hold; else the first fault with both views.
QString mismatch(const QWidget *mainWindow);
// A dock window of the main window that the toolkit holds docked but the server still shows as
// a window of its own that the window manager keeps: empty when there is none.
QString dockedApart(const QWidget *mainWindow);

// The window's client area resized on the server, as a window manager's tool asks it (the
// manager takes the request), the toolkit not asked.
void resizeOnServer(const QWidget *window, QSize size);

// The server's pointer, moved and pressed as a hand does (the window manager takes part).
void pointerTo(QPoint global);
void press();
void release();
// Presses at the point, moves there a step at a time with the button held, holds a moment,
// lets go.
void drag(QPoint from, QPoint to);
void doubleClick(QPoint at);

} // namespace testhost::xview
