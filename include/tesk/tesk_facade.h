/* The library facade, a broker component: category "tesk", id "tesk_Facade.component.1". */
#ifndef TESK_FACADE_H
#define TESK_FACADE_H

#include <mosk/mosk.h>
#include <tesk/tesk_global.h>

#define TESK_IID_FACADE 0x42100u

typedef struct ITesk_FacadeOps
{
    MOSK_BASE_OPERATIONS
    MoskResult (*dockForMultipleView)(void *self, uint64_t viewId, void *widget,
                                      void *mainWindow);                      /* 4 */
    MoskResult (*undockView)(void *self, void *widget);                       /* 5 */
    MoskResult (*windowHandle)(void *self, void *widget, TeskHandle *out);    /* 6 */
    MoskResult (*mainWindowOf)(void *self, void *widget, void **out);         /* 7 */
    MoskResult (*currentMainWindow)(void *self, void **out);                  /* 8 */
    MoskResult (*addDockMenuItems)(void *self, void *popupMenu);              /* 9 */
    MoskResult (*activateDockMenuItem)(void *self, void *widget, int itemId); /* 10 */
} ITesk_FacadeOps;

typedef struct ITesk_Facade
{
    const ITesk_FacadeOps *ops;
} ITesk_Facade;

/* The view id the facade recorded for the dock window at dockIndex of the main window with
   that handle (the current main window when none has it); all ones when there is none. */
TESK_EXPORT uint64_t CuiGetDockForMultipleViewId(TeskHandle handle, int dockIndex);

#endif
