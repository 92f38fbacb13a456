#pragma once

#include <tesk/tesk_global.h>

#include <QString>

class QDragMoveEvent;
class QDropEvent;
class QWidget;

// Plain-text drags between the library's panes and the host: the window box under the mouse
// is asked whether it takes the text, and is handed the text when it is dropped.
namespace tesk::frame::dragdrop {

// The host's word for its drags, kept for it.
int setDragContext(int context);
int dragContext();
// The window box's answer to the last drag over it; bit 2 allows a move.
int lastDragOverAnswer();

// The library's own relay: its widgets hand over the drag events they are delivering.
void dragMove(QWidget *widget, TeskHandle windowBox, QDragMoveEvent *event);
void drop(QWidget *widget, TeskHandle windowBox, QDropEvent *event);
// The host's relay (the exports): the event must be one the library is relaying at this moment
// (the host answers a window box's drag question by passing it on to another box), and the
// widget one of this library's live widgets; anything else is refused unread, as is every call
// without the application.
void hostDragMove(const void *widget, TeskHandle windowBox, const void *event);
void hostDrop(const void *widget, TeskHandle windowBox, const void *event);
void startDrag(int mode, const QString &text);

} // namespace tesk::frame::dragdrop
