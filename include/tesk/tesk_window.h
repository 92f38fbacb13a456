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

#endif
