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
   whose menu is calling the host. A main window asked to close (its close button, the window
   manager) sends the menu callback TESK_CLOSE_ASKED first, then File > Close Window's id
   (TESK_MENU_MAIN_CLOSE_WINDOW, tesk_menuids.h); a veto during either keeps it open. */
#define TESK_CLOSE_ASKED 66666
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
/* Closes the dock windows of the main window with that handle and the window itself, once
   control is back in the event loop; another main window becomes current. Otherwise a
   top-level window with that handle (QtTopLevelCreate) is closed the same way, without its
   size callback being told. A handle no window has closes nothing. */
TESK_EXPORT void QtCloseCode(TeskHandle handle);
/* The current main window's newest dock window takes a quarter of the window's height. */
TESK_EXPORT void QtSetCurrentWindowHeight(void);
/* The extent of the current main window's newest dock window (the height less 2); -1 when
   there is no main window or no dock window. */
TESK_EXPORT int QtGetWindWidth(void);
TESK_EXPORT int QtGetWindHeight(void);
/* Brings a window geometry back onto the screens of the desktop. */
TESK_EXPORT void CuiCheckWindowSizesAreSane(int *x, int *y, int *width, int *height);

/* ---- dock windows by index or name ----
   The handle selects the main window (the current one stays when no window has it). Indexes
   outside the list answer 0 or an empty text. Texts are Latin-1; a returned text stays valid
   while its dock window lives and that text of it is unchanged. */
/* The window box and caption of the dock window at that place of the creation order. */
TESK_EXPORT TeskHandle QtGetWindowBox(TeskHandle handle, int index);
TESK_EXPORT const char *QtGetWindowTitle(TeskHandle handle, int index);
/* The host's name of the dock window at that place of the sorted list (QtSortWindowList). */
TESK_EXPORT const char *QtReturnKSOTitle(TeskHandle handle, int index);
/* The window box of the first dock window of that host name; 0 when none. */
TESK_EXPORT TeskHandle QtFindWindowByKSOName(TeskHandle handle, const char *name);
/* Marks the newest dock window of the main window with that handle as the one that shows
   data the host goes to; nothing when no main window has the handle. */
TESK_EXPORT void QtSetGoto(int flag, TeskHandle handle);
/* Shows the first marked dock window of that name and answers its window box; 0 when none or
   when no main window has the handle. */
TESK_EXPORT TeskHandle QtFindGotoWindowToShowData(TeskHandle handle, const char *name);
/* The window box of the main window holding the dock window of that box; else the box. */
TESK_EXPORT TeskHandle QtFindCodeWinFromPane(TeskHandle box);
/* The dock window, else the main window's frame, that has the box takes the focus and tells
   the host through its code callback. */
TESK_EXPORT void CuiNotifyQtWidgetAboutSetFocusInBox(TeskHandle box);

/* ---- main or top-level windows by handle ---- */
/* Where the window's frame (title bar included) stands and the size of its inside, as
   QtResizePosWindow and QtSetTopPersistanceData take them, so that what the host stores comes
   back where it was; and whether the window is minimised, which is also the result. 0 and
   nothing written when no window has the handle or an out pointer is null. */
TESK_EXPORT int QtGetSizePos(TeskHandle handle, int *x, int *y, int *width, int *height,
                             int *minimised);
/* The window's inside takes the size, its frame kept within the free area of its screen.
   0 when no window has the handle, else 1. */
TESK_EXPORT int QtResizeWindowByBox(TeskHandle handle, int width, int height);
/* Shows the window (the way a host shows a top-level window it made); 1 for a main window,
   0 for a top-level window or none. */
TESK_EXPORT int QtRaiseWindowByBox(TeskHandle handle);
/* A main window's frame goes to x, y and its inside takes the size (no smaller than the
   window's least size), all kept within the free area of its screen: a window manager's frame
   counts once it has framed the window. A top-level window stays; otherwise the dock window
   with that box takes the size (x and y are not used). Width and height are kept within the
   screen. A dock window takes both, whatever its area: a height of 0 shrinks it to the least
   its area lets it have (its smallest height when other dock windows share the area). To
   change one of them, pass the other as the dock has it now: the width and height of its
   record (QtSortWindowList, then CuiGetDockWindowPersistanceData at its index; the two
   numbers before "visible"). */
TESK_EXPORT void QtResizePosWindow(TeskHandle handle, int x, int y, int width, int height);
/* The available size (without task bars) of a screen, 99 the primary one. 0, or 1 and
   nothing written for a screen that does not exist or a null out pointer. */
TESK_EXPORT int CuiGetDesktopSize(int screen, int *width, int *height);

/* ---- top-level windows ---- */
/* Size callback of a top-level window: (context, {left, top, width, height}, code), code 0
   closed, 1 resized, 2 focused or activated (the user turned to the window). */
typedef void (*CuiTopLevelSizeFn)(TeskHandle context, int *rect, int code);
/* A separate window with a menu bar and an area the host draws into; its handle is hostData
   or the returned native id of that area. The window becomes the current top-level window. */
TESK_EXPORT TeskHandle QtTopLevelCreate(TeskHandle hostData, CuiTopLevelSizeFn sizeCallback,
                                        TeskHandle sizeContext);
/* The caption (Latin-1) is also the name the window is raised by. The caption
   "Synchronization Control", given here or at creation, brings that window's icon and the
   records of its menu items (see QtAppendMenu in tesk_menu.h). */
TESK_EXPORT void QtSetTopTitle(TeskHandle handle, const char *title);
/* Every top-level window of that caption is shown normal when it is minimised, and raised;
   1 when there was one. A window not shown yet stays hidden: QtRaiseWindowByBox shows it. */
TESK_EXPORT int QtRaiseWindowByName(const char *name);
/* Lays the current top-level window out again. */
TESK_EXPORT void QtResizeTopLevelWindow(void);

/* ---- dock windows ---- */
/* Options 666 dock or float, 667 hide, 668 close the dock window that shows the pane of the
   window box (the box it was made with, all of its bits). Always returns 0. Docking a window
   that floated from the start (made without QtCreateDocked or a record) asks the user where it
   goes in a modal "Select Location" box, inside this call, until the user ticked "Do not ask
   me again": see CuiPaneDock. */
TESK_EXPORT int CuiPopupProcessGenericOption(TeskHandle windowBox, int option);
/* 1 for 666, 667 and 668, else 0; the first argument is not read. */
TESK_EXPORT int CuiPopupIsGenericOption(int ignored, int option);
/* ---- panes in dock windows ---- */
/* On the dock window that shows the pane of the window box (the box it was made with, all of
   its bits); nothing for a box no dock window shows.
   CuiPaneDock on a window that floated from the start asks the user where it goes: the call
   runs the modal "Select Location" box (Left, Right, Bottom) and returns once it is answered,
   the window staying where it floats when it is cancelled. Like the library's other boxes it
   is answered unattended: with KSODEBUG_SUPPRESS_PROMPTS it is cancelled at once without
   showing; QtShutdown cancels it; closing the pane (CuiPaneClose) from a timer cancels it and
   the call returns. A window docked once, and any window after the user ticked "Do not ask me
   again", docks without asking. */
TESK_EXPORT void CuiPaneDock(TeskHandle windowBox);
TESK_EXPORT void CuiPaneUndock(TeskHandle windowBox);
TESK_EXPORT void CuiPaneHide(TeskHandle windowBox);
/* Closed once control is back in the event loop. */
TESK_EXPORT void CuiPaneClose(TeskHandle windowBox);
/* The dock window of the current main window that is closing only hides. */
TESK_EXPORT void QtSetDontClosePane(void);
TESK_EXPORT void QtResizePane(void);
/* ---- tabs and horizontal scroll bar of the frame with that window box ----
   The frame of a dock window, else of a main window. Texts are UTF-8 plain text, cut after
   64 KiB; a tool tip beginning with "$" is not shown, one like "#12" shows that context-menu
   label. The getters answer 0 when a window has the box (outputs untouched while its frame
   has no scroll bar or an out pointer is null) and 1 when none has; so does the tab removal. */
TESK_EXPORT void CuiWindowAddTab(TeskHandle box, int index, const char *text, const char *toolTip);
TESK_EXPORT int CuiWindowRemoveTab(TeskHandle box, int index);
TESK_EXPORT void CuiWindowSetTabText(TeskHandle box, int index, const char *text);
TESK_EXPORT void CuiWindowSetTabTooltip(TeskHandle box, int index, const char *toolTip);
/* mode 0 removes the "* " mark of a modified tab, 1 and 2 add it. */
TESK_EXPORT void CuiWindowSetTabModifyFlag(TeskHandle box, int index, int mode);
TESK_EXPORT void CuiWindowSetTabExecuteFlag(TeskHandle box, int index, int flag);
/* The host is not told of this selection. */
TESK_EXPORT void CuiWindowSetTabCurrent(TeskHandle box, int index);
TESK_EXPORT void CuiWindowSetHScrollMinMaxValues(TeskHandle box, int min, int max);
TESK_EXPORT int CuiWindowGetHScrollMinMaxValues(TeskHandle box, int *min, int *max);
TESK_EXPORT void CuiWindowSetHScrollPageSize(TeskHandle box, int size);
TESK_EXPORT int CuiWindowGetHScrollPageSize(TeskHandle box, int *size);
/* A position the host sets is not reported back to it as a move. */
TESK_EXPORT void CuiWindowSetHScrollPosition(TeskHandle box, int position);
TESK_EXPORT int CuiWindowGetHScrollPosition(TeskHandle box, int *position);
/* Accepted and ignored. */
TESK_EXPORT void CuiWindowSetHScrollTrackPosition(TeskHandle box, int position);
TESK_EXPORT void CuiWindowSetHScrollDisabled(TeskHandle box, int disabled);
/* The main window with that box becomes current and shows the position in its status bar. */
TESK_EXPORT void CuiWindowSetStatusPosition(TeskHandle box, int line, int column);
/* A dock window holding a widget the library handed out, in the window whose menu calls (else
   the current one); the dock window's handle, 0 when none was made. */
TESK_EXPORT void *CuiWindowCreateQtPane(const char *name, void *pane, CuiCodeCallbackFn callback,
                                        TeskHandle box);

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
   window has it). A dock record is the caption, then ':' and nine numbers separated by ':'.
   The numbers are read from the end, so a caption holding ':' is kept whole in a record with
   all nine (as the library writes them); a record may lack the last two numbers, but then
   its caption must hold no ':' (the part after it would be read as a number). Floating docks and
   toolbars a record places are kept on a screen that is there, within its free area. */
/* Orders the dock windows by their place within their areas; the records are indexed so. */
TESK_EXPORT void QtSortWindowList(TeskHandle handle);
TESK_EXPORT int QtDockWindowCount(TeskHandle handle);
TESK_EXPORT void CuiGetDockWindowPersistanceData(TeskHandle handle, int index, char *buffer);
/* Keeps the record for the next dock window the window creates. */
TESK_EXPORT void CuiSetDockWindowPersistanceData(TeskHandle handle, const char *record);
TESK_EXPORT TeskHandle QtGetPersistWindowBox(TeskHandle handle, int index);
TESK_EXPORT int QtToolbarCount(TeskHandle handle);
/* The name the toolbar's record goes by: the library's own toolbars answer their title as the
   library's English text spells it, whatever language the run speaks (the same in every run), a
   host's toolbar its title. Latin-1; stays valid while the toolbar lives and its title is
   unchanged. */
TESK_EXPORT const char *QtReturnToolbarTitle(TeskHandle handle, int index);
TESK_EXPORT void QtToolbarData(TeskHandle handle, int index, char *buffer);
/* The name carries five characters before the name QtReturnToolbarTitle answered (a record
   stored before names were the same in every language may name a toolbar by its title in the
   run's language). 0 applied (the toolbar shown
   or hidden as the record says), 1 when no toolbar has that name or the record is not one
   QtToolbarData writes (eight numbers; empty, unreadable, longer than a record buffer, or a
   width or height above 32767): the toolbar then stays where and as it is. */
TESK_EXPORT int QtSetToolbarData(const char *name, const char *record);
/* The geometry of the next top-level window, used by QtFrameShow: its frame at x, y (a
   negative x or y becomes 2), its inside of the size, as QtGetSizePos reads them back. */
TESK_EXPORT void QtSetTopPersistanceData(int x, int y, int width, int height);

/* The next dock window of the current main window goes to area 0 right, any other area
   bottom (4 on a line of its own); ignored while a layout record waits for that window. */
TESK_EXPORT void QtCreateDocked(int area, int newLine);

#endif
