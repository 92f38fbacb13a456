/* The data navigator pane over a symbol table data source (tesk_symbols.h), and the function
   breakpoint selector built on it. */
#ifndef TESK_DATANAV_H
#define TESK_DATANAV_H

#include <tesk/tesk_global.h>

/* The host function registered as "datanav" (or set with CuiDataNavSetFuncCB), called with
   the pane's handle and a writable copy of a Latin-1 text that lives for the call:
     5  a debugger command;  vdata and the pane's window box follow
     6  a symbol path to watch;   0, 0
     7  a symbol path to set a breakpoint on;   0, 0; the buffer holds at least 1024 bytes
   0 means success; the answer is not otherwise used. */
typedef int (*CuiDataNavHostFn)(int code, TeskHandle pane, char *text, TeskHandle vdata,
                                TeskHandle paneHandle);

/* A pane without parent (0 before start-up). The pane asks the host for the symbols when it
   is first shown. Its state text and text commands go through the pane exports
   (tesk_panes.h). It docks with QtWindowCreate2(name, pane, box) (tesk_window.h), the pane's
   handle passed as the widget, in the main window whose menu calls (else the current one).
   That export answers nothing: QtFindWindowByKSOName(window, name) answers the dock window's
   box, 0 when none was made. */
TESK_EXPORT TeskHandle CuiDataNavCreate(void);
/* Every export below answers 0, or -1 for an unknown pane. A null pane is allowed here. */
TESK_EXPORT int CuiDataNavDestroy(TeskHandle pane);
/* The pane deletes the source it held and owns the new one (0: none); setting the held source
   again keeps it, and a source held by another pane leaves that pane. An unknown source is
   refused and the held one kept. Destroying a held source detaches it from its pane. */
TESK_EXPORT int CuiDataNavSetDataSource(TeskHandle pane, TeskHandle source);
/* The held source, 0 when none. */
TESK_EXPORT TeskHandle CuiDataNavGetDataSource(TeskHandle pane);
/* The word handed to the source and with every command (the source is not told now). */
TESK_EXPORT int CuiDataNavSetVdata(TeskHandle pane, TeskHandle vdata);
TESK_EXPORT int CuiDataNavSetFuncCB(TeskHandle pane, CuiDataNavHostFn function);
/* Empties the source and asks the host to refill it. */
TESK_EXPORT int CuiDataNavPopulate(TeskHandle pane);
/* Refills the list on screen. */
TESK_EXPORT int CuiDataNavUpdate(TeskHandle pane);
/* Events as CuiAbstractPaneEvent: 13 and 17 refetch the symbols unless the pane's updates are
   off ("disableupdate"), an argument other than vdata becoming vdata. */
TESK_EXPORT int CuiDataNavEvent(TeskHandle pane, int code, int ignored, int argument);

/* Lets the user check functions and sends "binstr <path>" for each checked one to 'gui' (with
   the window box) and then to 'eeaccess', vdata as their command word. Always 1; without
   'gui' or 'eeaccess' the user is told once and nothing is sent. */
TESK_EXPORT int CuiFunctionListBreakpointDialog(int ignored, TeskHandle vdata,
                                                TeskHandle windowBox);

#endif
