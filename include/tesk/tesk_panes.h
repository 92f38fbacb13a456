/* The library's own panes (register pane, data navigator, event pane) as the host reaches
   them: debugger events, persistent state, the window box; and the tables of host functions
   through which the library asks about a window box. */
#ifndef TESK_PANES_H
#define TESK_PANES_H

#include <tesk/tesk_global.h>

/* Debugger events of CuiAbstractPaneEvent. 23 to 25 are accepted and do nothing. */
enum {
    CUI_PANE_EVENT_GENERAL = 13,
    CUI_PANE_EVENT_STOP = 14,
    CUI_PANE_EVENT_START = 15,
    CUI_PANE_EVENT_DEAD = 16,
    CUI_PANE_EVENT_CONNECTION_CHANGED = 17,
    CUI_PANE_EVENT_SCOPE = 18,
    CUI_PANE_EVENT_REGISTER_MODIFIED = 19,
    CUI_PANE_EVENT_MEMORY_MODIFIED = 20,
    CUI_PANE_EVENT_CHIP_MODIFIED = 21,
    CUI_PANE_EVENT_INSTRUCTION_BREAK = 22,
    CUI_PANE_EVENT_LAST_ACCEPTED = 25
};

/* The printer a pane's text commands write through: (context, 0, printf format, values...). */
typedef int (*CuiPaneOutputFn)(void *context, int zero, const char *format, ...);

/* The code callback of a tabbed pane frame: the window box, the area left to the host as
   {left, top, right, bottom}, and the reason: 1 the size changed, 3 the frame took the focus,
   also when its window is activated again with the focus in the frame. */
typedef void (*CuiCodeCallbackFn)(TeskHandle windowBox, int *rect, int reason);

/* Host table "windBoxFuncs": 13 entries, each taking the window-box handle first.
   0 has tab bar and scroll bar, 1 has header, 2 tab count, 3 header count (int (box));
   4 tab text, 5 header label (1 when the buffer holds the text), 6 tab tool tip (0 when it
   does): int (box, index, 127, char buffer[128]);
   7 drag over, 8 drop: int (box, copy, global x, global y, UTF-8 text);
   9 tab may show its menu, 10 close tab, 11 second tab command: int (box, index);
   12 tabs above the main area: int (box).
   Host table "xryFuncs": 0 tab selected: int (box, index); 1 horizontal scroll moved by a
   delta: int (box, delta). Missing tables or entries are answered as "no", 0 or no text. */
typedef int (*CuiWindBoxQueryFn)(TeskHandle box);
typedef int (*CuiWindBoxTextFn)(TeskHandle box, int index, int size, char *buffer);
typedef int (*CuiWindBoxDragFn)(TeskHandle box, int copy, int x, int y, const char *utf8Text);
typedef int (*CuiWindBoxIndexFn)(TeskHandle box, int index);

/* 0 for 13 to 25 (13 to 22 reach the pane), -1 for any other code or an unknown pane. */
TESK_EXPORT int CuiAbstractPaneEvent(TeskHandle pane, int code, int ignored, int argument);
/* Deletes the pane; 0 (also for a null pane), -1 for an unknown pane. */
TESK_EXPORT int CuiAbstractPaneDestroy(TeskHandle pane);
/* The next four answer 0, or -1 for an unknown pane or a null out pointer. */
TESK_EXPORT int CuiAbstractPaneSetWindBox(TeskHandle pane, TeskHandle windowBox);
TESK_EXPORT int CuiAbstractPaneGetWindBox(TeskHandle pane, TeskHandle *windowBox);
/* Plain text the pane restores its state from. */
TESK_EXPORT int TeskPaneSetPersistData(TeskHandle pane, const char *text);
/* The pane's state as text, at most length bytes with the terminating zero. */
TESK_EXPORT int TeskPaneGetPersistData(TeskHandle pane, unsigned length, char *buffer);

/* The family and pixel size of the font headers are drawn in. The family is copied into the
   buffer, at most length bytes with the terminating zero. 0, or 1 when the family was cut or
   nothing was written (length 0, a null pointer, no application). */
TESK_EXPORT int CuiHeaderGetFontInfo(unsigned length, char *buffer, int *pixelSize);

#endif
