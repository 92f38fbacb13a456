/*
 * Multi-core synchronisation: the library's broker components (the synchronisation window and
 * the data adaptor through which the host reads and writes the library's copy of its coupling
 * data) and the two components the host registers for the library (its synchronisation access
 * and its global event subject), all under category "gui_bridge".
 *
 * Order of registration: the host registers its event subject (and its synchronisation access)
 * before it calls the plug-in entry, which subscribes the library to the subject's events; a
 * missing subject makes the plug-in entry fail.
 *
 * Bools cross as int: 0 is false, anything else true. Slot numbers count the four common
 * operations as 0 to 3.
 */
#ifndef TESK_SYNC_H
#define TESK_SYNC_H

#include <mosk/mosk.h>
#include <tesk/tesk_events.h>

#define GCDS_CATEGORY "gui_bridge"
#define GCDS_DIALOG_COMPONENT "Gcds_Dialog.component.1"
#define GCDS_DATA_ADAPTOR_COMPONENT "Gcds_SingletonDataAdaptor.component.1"
#define GCDS_SYNC_ACCESS_COMPONENT "gb_SyncAccess.component.1"
#define GCDS_EVENT_SUBJECT_COMPONENT "gb_KsoGlobalEventSubject.component.1"

#define GCDS_IID_DIALOG 0x51000u       /* version 0 */
#define GCDS_IID_DATA_ADAPTOR 0x51000u /* version 0 */

/* Event codes of the adaptor's setEvent and isEventInUse. The two group codes set or clear a
 * whole group through setEvent; isEventInUse answers false for them. */
#define GCDS_EVENT_ALL_ACTIONS 1
#define GCDS_EVENT_LOAD_IMAGE 2
#define GCDS_EVENT_UNLOAD_IMAGE 3
#define GCDS_EVENT_RELOAD_IMAGE 4
#define GCDS_EVENT_RESTART 5
#define GCDS_EVENT_RESET 6
#define GCDS_EVENT_SET_PC 7
#define GCDS_EVENT_LOAD_BINARY 8
#define GCDS_EVENT_ALL_EXECUTIONS 9
#define GCDS_EVENT_STEP 10
#define GCDS_EVENT_RUN 11
#define GCDS_EVENT_STOP 12
#define GCDS_EVENT_LOOSELY_COUPLED 13

/* Flag codes of the adaptor's setFlag and testFlag (cross triggers of one core). */
#define GCDS_FLAG_TRIGGER_IN 1
#define GCDS_FLAG_HW_TRIGGER_IN_POSSIBLE 2
#define GCDS_FLAG_HW_TRIGGER_IN 3
#define GCDS_FLAG_TRIGGER_OUT 4
#define GCDS_FLAG_HW_TRIGGER_OUT_POSSIBLE 5
#define GCDS_FLAG_HW_TRIGGER_OUT 6

/* The host's global events after which the synchronisation data may have changed, in the
 * order the library attaches to them. */
#define GCDS_HOST_EVENT_COUNT 5
#define GCDS_HOST_EVENT_0 13
#define GCDS_HOST_EVENT_1 17
#define GCDS_HOST_EVENT_2 27
#define GCDS_HOST_EVENT_3 26
#define GCDS_HOST_EVENT_4 28

/* The synchronisation window component ("Gcds_Dialog.component.1"). open makes the window,
 * hidden, on freshly read data (1 also when it exists already; 0 when the data cannot be read
 * or no start is up: before the first CuiQtInit_WinEx and between starts, when a host kept the
 * component from an earlier one); show shows and raises it (on) or hides it, and does nothing
 * without a window; close deletes it. Closing the window in any way deletes it too: the next
 * open reads the data again, and CuiRun's end deletes it with the other windows. */
typedef struct IGcds_DialogOps
{
    MOSK_BASE_OPERATIONS
    int (*open)(void *self, intptr_t unused); /* 4 */
    int (*show)(void *self, int on);          /* 5: 1 */
    void (*close)(void *self);                /* 6 */
} IGcds_DialogOps;

typedef struct IGcds_Dialog
{
    const IGcds_DialogOps *ops;
} IGcds_Dialog;

/* The data adaptor. The registered one ("Gcds_SingletonDataAdaptor.component.1") works on the
 * library's copy; the library also hands the host short-lived adaptors, valid only during the
 * call of the host's synchronisation access that they are passed to. Per-core operations on
 * a core the data does not hold yet create it (no name, no events, no flags). */
typedef struct IGcds_DataAdaptorOps
{
    MOSK_BASE_OPERATIONS
    void (*removeConnection)(void *self, uint32_t id);                    /* 4 */
    void (*clear)(void *self);                                            /* 5: the mode stays */
    void (*setName)(void *self, uint32_t id, const char *name);           /* 6: null is empty */
    void (*setComment)(void *self, uint32_t id, const char *comment);     /* 7: null is empty */
    void (*setEvent)(void *self, uint32_t id, int32_t eventCode, int on); /* 8 */
    void (*setAllEvents)(void *self, uint32_t id, int on);                /* 9: all 32 bits */
    void (*setFlag)(void *self, uint32_t id, int32_t flagCode, int on);   /* 10 */
    void (*clearFlags)(void *self, uint32_t id);                          /* 11 */
    int (*isModeSet)(void *self);                     /* 12: "Any synchronized core running" */
    void (*setMode)(void *self, int32_t mode);        /* 13: 1 sets it, anything else clears it */
    int32_t (*count)(void *self);                     /* 14 */
    uint32_t (*idByIndex)(void *self, int32_t index); /* 15: 0 outside the list */
    /* 16: whether the core takes part in the event's group (actions, or executions) and some
     * core has the event. */
    int (*isEventInUse)(void *self, uint32_t id, int32_t eventCode);
    uint32_t (*getContext)(void *self); /* 17: the core a trigger apply concerns, or ~0 */
    int (*testFlag)(void *self, uint32_t id, int32_t flagCode); /* 18 */
} IGcds_DataAdaptorOps;

typedef struct IGcds_DataAdaptor
{
    const IGcds_DataAdaptorOps *ops;
} IGcds_DataAdaptor;

/* The host's synchronisation access ("gb_SyncAccess.component.1"), looked up anew for every
 * use and released after it. The library calls the operations of the component the broker
 * hands out as they stand, without asking it for an interface first: the component itself
 * must carry these operations. readSyncData fills the library's data through the adaptor; each
 * apply reads it back through the adaptor's queries and answers whether the host took it over.
 */
typedef struct IGb_SyncAccessOps
{
    MOSK_BASE_OPERATIONS
    int (*readSyncData)(void *self, IGcds_DataAdaptor *adaptor);       /* 4 */
    int (*applyExecutionSync)(void *self, IGcds_DataAdaptor *adaptor); /* 5 */
    int (*applyActionSync)(void *self, IGcds_DataAdaptor *adaptor);    /* 6 */
    int (*applyTriggerSync)(void *self, IGcds_DataAdaptor *adaptor);   /* 7: the context's core */
    int (*applyPendingMode)(void *self, IGcds_DataAdaptor *adaptor);   /* 8 */
} IGb_SyncAccessOps;

typedef struct IGb_SyncAccess
{
    const IGb_SyncAccessOps *ops;
} IGb_SyncAccess;

/* The host's global event subject ("gb_KsoGlobalEventSubject.component.1"); the library asks
 * the component for MOSK_IID_EVENT_SUBJECT version 1 and attaches its observer to each event
 * of GCDS_HOST_EVENT_0 to _4 in that order (MoskEventSubject, tesk_events.h). */

#endif
