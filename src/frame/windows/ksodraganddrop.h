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

void dragMove(QWidget *widget, TeskHandle windowBox, QDragMoveEvent *event);
void drop(QWidget *widget, TeskHandle windowBox, QDropEvent *event);
void startDrag(int mode, const QString &text);

} // namespace tesk::frame::dragdrop
