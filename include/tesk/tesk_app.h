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
TESK_EXPORT void CuiPump(void);
TESK_EXPORT void *CuiGetQtApp(void);
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
