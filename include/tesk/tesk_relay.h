/* The host's tool tip and the text drag-and-drop relay between panes and window boxes. */
#ifndef TESK_RELAY_H
#define TESK_RELAY_H

#include <tesk/tesk_global.h>

/* Shows one tool tip (Latin-1 plain text, shown as it is; cut after 64 KiB) at a global
   position, replacing the one shown before; CuiToolTipHide removes it. Answers nothing before
   start-up. */
TESK_EXPORT void CuiToolTipShowAt(const char *text, int x, int y);
TESK_EXPORT void CuiToolTipHide(void);

/* A word the host keeps with the library for its drags. */
TESK_EXPORT int CuiKsoDragAndDrop_setDragContext(int context);
/* Writes the word to *out and returns out (nothing written when out is null). */
TESK_EXPORT int *CuiKsoDragAndDrop_getDragContext(int *out);
/* Starts a drag of UTF-8 text: mode 0 copies, any other mode lets the target move it. */
TESK_EXPORT void CuiKsoDragAndDrop_dragStart(int mode, const char *utf8Text);

/* Passes a drag the library is relaying on to another window box, from inside entry 7 (drag
   over) or 8 (drop) of the host's "windBoxFuncs" table: widget is the library's widget, event
   the QDragMoveEvent or QDropEvent being relayed. Plain-text drags are offered to the box
   through those same entries. Any other event, a widget that is not a live widget of the
   library, or a call before start-up is refused without being read. */
TESK_EXPORT void CuiKsoDragAndDrop_dragMoveEvent(void *widget, TeskHandle windowBox,
                                                 void *dragMoveEvent);
TESK_EXPORT void CuiKsoDragAndDrop_dropEvent(void *widget, TeskHandle windowBox, void *dropEvent);

#endif
