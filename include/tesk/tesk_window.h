/* The status bar of a main window and the host's veto while it closes. The handle is the
   window's frame context; a handle no window has leaves the current main window in charge. */
#ifndef TESK_WINDOW_H
#define TESK_WINDOW_H

#include <tesk/tesk_global.h>
#include <tesk/tesk_panes.h>

/* Fields: 1 busy indicator, 2 message, 3 position, 4 "LOG", 5 "JOU", 6 "STDIOLog".
   A null tip removes the field's tool tip. Texts are Latin-1 plain text, cut after 64 KiB; a
   field shows one line (line breaks become blanks), elided when long. */
TESK_EXPORT void CuiSetStatusText(TeskHandle handle, int field, const char *text, const char *tip);
TESK_EXPORT void QtSetStatusText(int field, const char *text, TeskHandle handle);
/* 1 secure world, 2 normal world, anything else: no padlock. On the current main window. */
TESK_EXPORT void CuiSetPadlockState(int state);
/* 0..99 shows a progress bar, 100 removes it. */
TESK_EXPORT void CuiShowProgress(TeskHandle handle, int percent, int unused);
/* state > 0 advances the busy indicator one step, 0 starts it, < 0 stops it. */
TESK_EXPORT void CuiShowRunState(TeskHandle handle, int state, const char *text);
/* Called from the host's close commands to keep the window open; handle 0 names the window
   whose menu is calling the host. */
TESK_EXPORT void QtSetDontClose(TeskHandle handle, int flag);

/* Gives the current main window's tabbed frame the host's code callback and window box and
   builds it from the box ("windBoxFuncs"); a frame is built once. */
TESK_EXPORT void QtRegisterCodeCB(CuiCodeCallbackFn callback, TeskHandle windowBox);

/* ---- store switches and the current window ---- */
TESK_EXPORT void QtSetIsDockingWindow(int flag);
TESK_EXPORT int QtGetIsDockingWindow(void);
TESK_EXPORT int QtIsQtWindow(void);
/* flag non-zero: the library does not handle the next window itself. */
TESK_EXPORT void QtDoNotHandle(int flag);
/* 1: the library handles windows; anything else as QtDoNotHandle(1). */
TESK_EXPORT void CuiSetIsQtWindow(int flag);
/* Whether a new frame was requested with QtCreateNewCode(1). */
TESK_EXPORT int QtIsTopLevelWindow(void);
TESK_EXPORT int QtIsNewCode(void);
TESK_EXPORT void QtSetAllowDynamicTick(int flag);
TESK_EXPORT int QtGetAllowDynamicTick(void);
TESK_EXPORT void QtSetNextQtSense(int flag);
TESK_EXPORT int QtGetNextQtSense(void);
/* The current main window as an opaque value, and back; a value that is no listed window is
   refused. */
TESK_EXPORT void *CuiGetCurrentCode(void);
TESK_EXPORT void CuiSetCurrentCode(void *window);
/* 1 when a main window has the handle; it becomes current. */
TESK_EXPORT int QtSetCurrentCodeFromBox(TeskHandle handle);

/* ---- main windows ---- */
/* Native ids: the area of the current main window the host paints, the window itself, and
   the drawing area of the dock window created last. */
TESK_EXPORT TeskHandle QtGetCodeHandle(void);
TESK_EXPORT TeskHandle CuiCodeWindowGetWId(void);
TESK_EXPORT TeskHandle QtGetWidgetHandle(void);
TESK_EXPORT void QtSetCodeTitle(TeskHandle handle, const char *title);
TESK_EXPORT void QtIconifyWindow(TeskHandle handle);
/* keep 0 removes the colour icon of the menu bar. */
TESK_EXPORT void QtAddRemoveColorIcon(TeskHandle handle, int keep);
/* Colours the main window or dock window with that handle (0xRRGGBB); handle 0 does nothing. */
TESK_EXPORT void CuiChangeColorIconForWindow(TeskHandle handle, unsigned int rgb);
/* Shows the window's "Output" dock window; 0 when no main window has the handle. */
TESK_EXPORT int QtShowOutputWindow(TeskHandle handle);
/* A dock window for the host's pane of that window box, in the window whose menu calls. */
TESK_EXPORT void QtWindowCreate(const char *name, CuiCodeCallbackFn callback, TeskHandle box);
/* A dock window holding a toolkit widget. */
TESK_EXPORT void QtWindowCreate2(const char *name, void *widget, TeskHandle box);
/* Brings a window geometry back onto the screens of the desktop. */
TESK_EXPORT void CuiCheckWindowSizesAreSane(int *x, int *y, int *width, int *height);

/* ---- top-level windows ---- */
/* Size callback of a top-level window: (context, {left, top, width, height}, code), code 0
   closed, 1 resized, 2 focused. */
typedef void (*CuiTopLevelSizeFn)(TeskHandle context, int *rect, int code);
/* A separate window with a menu bar and an area the host draws into; its handle is hostData
   or the returned native id of that area. The window becomes the current top-level window. */
TESK_EXPORT TeskHandle QtTopLevelCreate(TeskHandle hostData, CuiTopLevelSizeFn sizeCallback,
                                        TeskHandle sizeContext);
TESK_EXPORT void QtSetTopTitle(TeskHandle handle, const char *title);
/* Shows and raises every top-level window of that caption; 1 when there was one. */
TESK_EXPORT int QtRaiseWindowByName(const char *name);
/* Lays the current top-level window out again. */
TESK_EXPORT void QtResizeTopLevelWindow(void);

/* ---- dock windows ---- */
/* Options 666 dock or float, 667 hide, 668 close the dock window of the pane handle. Always
   returns 0. */
TESK_EXPORT int CuiPopupProcessGenericOption(int handle, int option);
/* 1 for 666, 667 and 668, else 0; the first argument is not read. */
TESK_EXPORT int CuiPopupIsGenericOption(int ignored, int option);
/* ---- panes in dock windows ---- */
/* On the dock window registered for the pane handle; nothing for an unknown handle. */
TESK_EXPORT void CuiPaneDock(int paneHandle);
TESK_EXPORT void CuiPaneUndock(int paneHandle);
TESK_EXPORT void CuiPaneHide(int paneHandle);
/* Closed once control is back in the event loop. */
TESK_EXPORT void CuiPaneClose(int paneHandle);
/* The dock window of the current main window that is closing only hides. */
TESK_EXPORT void QtSetDontClosePane(void);
TESK_EXPORT void QtResizePane(void);
/* Shows a widget the library handed out; 1. */
TESK_EXPORT int CuiWindowShow(void *window);
TESK_EXPORT void CuiWindowShowFromBox(TeskHandle box);
TESK_EXPORT void CuiWindowHideFromBox(TeskHandle box);
TESK_EXPORT void CuiWindowSetConnectionName(TeskHandle box, const char *name);
/* Colour 1..17 of the window table (modulo 18); 0 and negative indexes clear the colour. */
TESK_EXPORT void CuiWindowSetColorIndex(TeskHandle box, int index);

/* ---- layout records ----
   Records are Latin-1 text the host keeps as it is. Buffers the library writes a record into
   must hold 256 bytes; a longer caption is cut. An index outside the lists writes an empty
   record and answers 0. The handle selects the main window (the current one stays when no
   window has it). */
/* Orders the dock windows by their place within their areas; the records are indexed so. */
TESK_EXPORT void QtSortWindowList(TeskHandle handle);
TESK_EXPORT int QtDockWindowCount(TeskHandle handle);
TESK_EXPORT void CuiGetDockWindowPersistanceData(TeskHandle handle, int index, char *buffer);
/* Keeps the record for the next dock window the window creates. */
TESK_EXPORT void CuiSetDockWindowPersistanceData(TeskHandle handle, const char *record);
TESK_EXPORT TeskHandle QtGetPersistWindowBox(TeskHandle handle, int index);
TESK_EXPORT int QtToolbarCount(TeskHandle handle);
/* Valid until the next call. */
TESK_EXPORT const char *QtReturnToolbarTitle(TeskHandle handle, int index);
TESK_EXPORT void QtToolbarData(TeskHandle handle, int index, char *buffer);
/* The name carries five characters before the toolbar's title. 0 applied, 1 no such toolbar. */
TESK_EXPORT int QtSetToolbarData(const char *name, const char *record);
/* The geometry of the next top-level frame; a negative x or y becomes 2. */
TESK_EXPORT void QtSetTopPersistanceData(int x, int y, int width, int height);

/* The next dock window of the current main window goes to area 0 right, any other area
   bottom (4 on a line of its own); ignored while a layout record waits for that window. */
TESK_EXPORT void QtCreateDocked(int area, int newLine);

#endif
