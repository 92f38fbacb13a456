/* The library facade, a broker component: category "tesk", id "tesk_Facade.component.1". */
#ifndef TESK_FACADE_H
#define TESK_FACADE_H

#include <mosk/mosk.h>
#include <tesk/tesk_global.h>

#define TESK_FACADE_CATEGORY "tesk"
#define TESK_FACADE_COMPONENT "tesk_Facade.component.1"
#define TESK_IID_FACADE 0x42100u

/* Every operation answers null for success. dockForMultipleView answers a standard error of
   code MOSK_ERR_BAD_ARGUMENT (the host releases it) when mainWindow is not null and names no
   main window the library has, and docks nothing; with a null mainWindow it docks into the
   main window whose menu is calling, else the current one, and does nothing, answering null,
   when there is none. The other operations answer null whatever they are given: an unknown
   widget leaves the outputs 0 (windowHandle) or the calling or current main window
   (mainWindowOf), and changes nothing. Widgets are found by comparing the pointer with the
   application's widgets, never by following it. A window is not docked into itself
   (MOSK_ERR_BAD_ARGUMENT).
   Kept between starts (before the first CuiQtInit_WinEx, once CuiRun has ended one): there is
   no main window then, so dockForMultipleView docks nothing (a mainWindow given answers
   MOSK_ERR_BAD_ARGUMENT), mainWindowOf and currentMainWindow answer null in *out; the next start
   works as the first. */
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

/* The id the facade recorded for the dock window at dockIndex of the main window with that
   handle (the current main window when none has it), in the order of QtSortWindowList, as the
   dock records are read; all ones when there is none. For a memory view's dock window made by
   the views manager it is the id of the view's pane (IGcp_ViewsManager getWindow). */
TESK_EXPORT uint64_t CuiGetDockForMultipleViewId(TeskHandle handle, int dockIndex);

#endif
