/* The editor toolbars of a main window: the find toolbar and the script toolbar. Window
   handles are the windows' frame contexts. Texts are UTF-8 unless said otherwise. */
#ifndef TESK_TOOLBARS_H
#define TESK_TOOLBARS_H

#include <tesk/tesk_global.h>

#include <stdint.h>

/* Every action of a find toolbar: (window handle, text, value, code). Code 1: an entry of the
   find field was chosen, text its UTF-16 units widened to uint32_t, value their count (no
   terminator); 2: go to line value; 3: the file-state button; 4: the state menu is about to
   show (it was emptied; fill it with QtBuildROMenu); 5: state menu item value; 6: encoding
   value (0 ASCII, 1 UTF-8, 2 Locale). The text of codes 2 to 6 is an empty string. */
typedef void (*CuiFindToolBarFn)(TeskHandle context, const void *text, int value, int code);
/* Running a script: (window handle, "include '<path>'"). */
typedef void (*CuiScriptToolBarFn)(TeskHandle context, const char *command);

/* Creates the find toolbar of the main window with that handle (a second call returns the
   same toolbar); else of the top-level window with that handle (QtTopLevelCreate), which
   reports with the window's size context and always offers the encodings; 0 when no window
   has the handle. The setters below act on the find toolbar of the top-level window with the
   handle, else of the main window with the handle, else (an unknown handle) of the current
   main window; nothing when that window has no find toolbar. */
TESK_EXPORT TeskHandle QtCreateEditorToolBar(TeskHandle window, CuiFindToolBarFn callback);
TESK_EXPORT void CuiFindToolbarSetFilename(TeskHandle window, const char *name);
TESK_EXPORT void QtSetEditorBarText(TeskHandle window, int ignored, const char *name);
/* Kind 3: the text holds "locked", "readwrite" or "readonly". */
TESK_EXPORT void QtSetEditorBarIcon(TeskHandle window, int kind, const char *text);
/* 0 ASCII, 1 UTF-8, 2 Locale; other values are ignored. */
TESK_EXPORT void QtSetFindToolBarEncoding(TeskHandle window, int index);
TESK_EXPORT void QtSetEditorBarFocusText(TeskHandle window);
TESK_EXPORT void QtSetEditorBarFocusLine(TeskHandle window);

/* Creates the script toolbar of the main window with that handle; 0 when no main window has
   the handle. The script list is shared by all script toolbars; a toolbar shows the list as it
   is when the toolbar is made, so load a stored list (CuiScriptFiles_Load) before this call. */
TESK_EXPORT int CuiScriptToolBarCreate(TeskHandle window, CuiScriptToolBarFn callback);
/* Appends the script list to the file as the section "[tag]"; 1, or 0 when the file cannot
   be opened. A file another holds locked (flock) is waited for at most 1.5 seconds; then 0,
   and the file is left as it was. */
TESK_EXPORT int CuiScriptFiles_Store(const char *file, const char *tag);
/* Loads the script list from the first section "[tag]" of the file; 1 when it was read. A
   script toolbar that already exists is not told: it shows its earlier list until the user
   next adds or removes a script. Load the list before making the toolbars. */
TESK_EXPORT int CuiScriptFiles_Load(const char *file, const char *tag);

#endif
