/* The function registry through which the host publishes its entry points by name. */
#ifndef TESK_REGISTRY_H
#define TESK_REGISTRY_H

#include <tesk/tesk_global.h>

typedef void (*CuiRegistryFn)(void);

/* Host entry points the library looks up by name ("eeaccess", "gui", "addToLoadBinaryMRU"):
   (code, object, argument, text, extra), each word's meaning given by the code below. */
typedef int (*CuiHostEntryFn)(int code, intptr_t object, intptr_t argument, const char *utf8Text,
                              intptr_t extra);
typedef CuiHostEntryFn CuiHostEeaccessFn;
typedef CuiHostEntryFn CuiHostGuiFn;
/* Entry 1 of the "eeaccessFuncs" table: fills *text with newline-separated strings. */
typedef int (*CuiHostStringListFn)(TeskHandle handle, char **text);

/* ---- Every name the library looks up, and what it sends --------------------------------
   Functions are added with CuiFunctionRegistryAddFunction (cast to CuiRegistryFn), tables
   with CuiFunctionRegistryAddVoidStar. Register them before the windows that use them open
   and leave them in place: "eeaccess" and "gui" are kept once found for the function
   breakpoint selector's commands; the other users look the name up at each use. Texts are
   UTF-8 unless said; a buffer's size counts the terminating zero, which the host writes.
   Where a result is "ignored" the library goes on whatever the host answers.

   "eeaccess" (CuiHostEntryFn): the debugger engine.
     0  a command to carry out. object: the breakpoint dialog's handle, 0 from the function
        breakpoint selector; argument: vdata; text: the command; extra: 0.
        From the breakpoint dialog's OK: "gui <command>"; answer 1 refuses it (the dialog
        stays open and says so), any other answer lets the dialog send <command> to "gui"
        and close. Before that, when an edited breakpoint is replaced: "clear,h <number>",
        where any answer but 0 keeps the dialog open.
        From the selector (CuiFunctionListBreakpointDialog): "binstr <path>" per function,
        after "gui" had it; ignored.
     3  completing the range in the breakpoint dialog's location field or its value field
        (the field's "Autocomplete Range"; the call does not say which field). object: the
        dialog; argument: vdata; text: a char[1024] holding the field's text, to be replaced
        by the completed text; extra: a char[1024] for a message. 0: the text buffer holds
        the completed range; otherwise the message is shown to the user.

   "gui" (CuiHostEntryFn): the engine's user-interface side.
     0  a command the engine accepted, to record and show. object: the breakpoint dialog's
        handle (0 from the selector); argument: vdata; text: the command; extra: the window
        box given to the dialog or selector. Ignored. The breakpoint dialog's OK sends, in this
        order: "gui" 2 for the location, "gui" 2 for the value (those fields not empty),
        then, when replacing, "clear,h <number>" to "gui" and to "eeaccess", then
        "gui <command>" to "eeaccess" and <command> to "gui". The selector sends each
        "binstr <path>" to "gui" first, then to "eeaccess".
     2  records an entry of a field history. object: the breakpoint dialog; argument: the
        field, 0 location, 1 value; text: the context name (the dialog handler's code 0
        answer, at most 63 bytes, or "UKN" without vdata); extra: the entry (const char *).
        Ignored.
     3  reads a field history. object: the breakpoint dialog; argument: the field (0, 1);
        text: the context name; extra: a char[512] to fill with entries, one a line. 0: the
        buffer holds the history; otherwise the field offers none.
     4  the window names the "WinUpdate" action may name. object: the actions dialog's
        handle; argument: vdata; text: a char[2048] to fill, one name a line; extra: 2047,
        the most bytes before the zero. 0: the buffer holds the list; otherwise only "All".
     5  Load Binary's command (CuiLoadBinary). object: 0; argument: the command (a
        const char * as intptr_t); text: null; extra: the context given to CuiLoadBinary.
        Ignored.

   "addToLoadBinaryMRU" (CuiHostEntryFn)
     0  after "gui" 5, the same command for the recent list: (0, 0, command, null, 0).
        Ignored.

   "eeaccessFuncs" (table of pointers; only entry 1 is used)
     [1] CuiHostStringListFn (vdata, &text): the register names the breakpoint dialog's
        register list offers, newline-separated in a text the host keeps; 0 when *text holds
        them, otherwise the list is not shown.

   "hardware_capabilities" (CuiHardwareCapabilitiesFn, tesk_breakpoints.h): codes 0 and 1,
   results ignored; asked when the dialog's command needs a comparison feature, and without
   it such a command fails with a message naming the function.
   "symtabdatasource" (CuiSymtabHostFn, tesk_symbols.h): code 0, fill the data source.
   "datanav" (CuiDataNavHostFn, tesk_datanav.h): codes 5 command, 6 watch, 7 breakpoint.
   "windBoxFuncs" and "xryFuncs" (tables, tesk_panes.h): a tabbed frame's questions and
   events.

   Missing "eeaccess" or "gui" is said in a "Critical Error" box where the user asked for
   the command (breakpoint dialog, selector, Load Binary); nothing is sent then. */

/* Names are Latin-1 and compared exactly. Each answers 1 when done; a null name, adding a
   name that exists already and removing one that does not answer 0. */
TESK_EXPORT int CuiFunctionRegistryAddFunction(const char *name, CuiRegistryFn fn);
TESK_EXPORT int CuiFunctionRegistryAddVoidStar(const char *name, void *data);
TESK_EXPORT CuiRegistryFn CuiFunctionRegistryGetFunction(const char *name);
TESK_EXPORT void *CuiFunctionRegistryGetVoidStar(const char *name);
TESK_EXPORT int CuiFunctionRegistryRemoveFunction(const char *name);
TESK_EXPORT int CuiFunctionRegistryRemoveVoidStar(const char *name);

#endif
