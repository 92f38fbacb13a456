/* Plug-in entry, start-up, the event loop and the idle object. */
#ifndef TESK_APP_H
#define TESK_APP_H

#include <mosk/mosk.h>
#include <tesk/tesk_global.h>

/* Called every 100 ms from the event loop once registered. */
typedef void (*CuiIdleFn)(void);
/* Called when a main window's activation changes; the argument is 1 when it lost it. */
typedef void (*CuiActivationFn)(int lostActivation);

/* Registers the library's components with the broker; 0 on success, else the first error. */
TESK_EXPORT MoskResult moskInitialisePlugin(MoskRegistrar *registrar);

/* Start the toolkit application from one command-line string; 1, or 0 when declined. */
TESK_EXPORT int CuiQtInit_Win(char *commandLine);
TESK_EXPORT int CuiQtInit_WinEx(const char *programName, char *commandLine);

/* Runs the event loop until QtShutdown; 1. Answers 0 when called from within a running loop
   (a callback, a host timer inside one of the library's boxes or dialogs) or from a host
   function the library called, and leaves that loop running. */
TESK_EXPORT int CuiRun(void);
/* For a host that runs a loop of its own instead of CuiRun: processes the events waiting now
   (input, painting, due timers, the idle object's ticks, posted events) once, without
   waiting, and returns. Outside any running loop it also carries out the deferred deletes
   (the dialogs, panes and windows ended since, which only a running loop would delete
   otherwise). Call it from the host's loop every few tens of milliseconds, and after exports
   that close or destroy something when the host needs them gone. Called from inside a running
   loop (a callback) it processes events and leaves the deletes to that loop. */
TESK_EXPORT void CuiPump(void);
TESK_EXPORT void *CuiGetQtApp(void);
/* Ends the library's loop: 0. Before any main window exists it does nothing and answers 1.
   A host that runs CuiRun: the loop ends, with the loops of the library's open boxes, dialogs
   and menus, which answer as if cancelled; a box asked after that, before CuiRun has
   returned, answers at once as cancelled. CuiRun then deletes the windows, the idle object
   and the application and returns 1; to go on, start the library again (CuiQtInit_WinEx, a
   frame), and the next CuiRun runs until the next QtShutdown.
   A host that pumps its own loop (CuiPump): the request waits for the next CuiRun, which
   returns at once, deleting as above. Boxes, dialogs and menus of the library open at the
   call end as if cancelled; a box asked after it shows and waits for its answer as usual. */
TESK_EXPORT int QtShutdown(void);

TESK_EXPORT int CuiCreateIdleObject(void);
/* Stores the function the idle object calls every 100 ms (null stops the calls): 0 once
   stored. Before CuiCreateIdleObject, or after CuiDeleteIdleObject, there is nothing to store
   it in: -1, and nothing is kept for a later idle object. */
TESK_EXPORT int CuiRegisterIdleFunc(CuiIdleFn fn);
TESK_EXPORT int CuiDeleteIdleObject(void);

/* Deletes an object that an export handed out; null is ignored. */
TESK_EXPORT int CuiDeleteObject(void *object);
TESK_EXPORT int CuiLoadPlugins(void);
TESK_EXPORT int CuiUpdateSettings(void);
TESK_EXPORT int CuiSetActivationCallback(TeskHandle mainWindow, CuiActivationFn fn);

#endif
