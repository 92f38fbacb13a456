/* Small helpers for the host: string lists it fills, plain text made safe for rich-text
   labels, and the hooks of its test command. */
#ifndef TESK_HELPERS_H
#define TESK_HELPERS_H

#include <tesk/tesk_global.h>
#include <tesk/tesk_panes.h>

/* Appends the UTF-8 text to a string list the library lent the host; 0, or -1 for a list
   the library does not know or a null text. */
TESK_EXPORT int CuiHelpersAppendToList(void *list, const char *text);
/* With a separator other than 0 the text is split at it and the non-empty pieces appended. */
TESK_EXPORT int CuiHelpersAppendToListEx(void *list, const char *text, char separator);
/* Escapes the Latin-1 text for a rich-text label ("<" to "&lt;" and so on) and copies it as
   UTF-8 into the buffer of size bytes, cut at a character and always terminated. 0, or -1
   for a null pointer or a size below 1. */
TESK_EXPORT int CuiHelperMarkupText(const char *text, int size, char *buffer);

/* 1 when the handle is not null. */
TESK_EXPORT int CuiTestOK(TeskHandle handle, int flag);
/* The host's test command. Options: "menu" prints the menu state of the current main window;
   "datanav" or "symbols" run a data-navigator command (first argument the command, the others
   its arguments) in the "Symbols" pane of the window with that handle; "qsdi" and "dockwidget"
   are accepted. Output goes through print(printContext, 0, format, ...). A non-empty result
   is written to the file named by the second argument. */
TESK_EXPORT void CuiTestFunction(TeskHandle window, CuiPaneOutputFn print, void *printContext,
                                 const char *option, const char *arg1, const char *arg2,
                                 const char *arg3, const char *arg4, const char *arg5,
                                 const char *arg6);

#endif
