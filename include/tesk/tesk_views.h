/*
 * Views in tabbed panes, opened by the host through the broker: the library's views manager
 * ("gcp_ViewsManager.component.1" under "gui_components"), the panes and views it hands out,
 * and the host's event subject ("gb_KsoEventSubject.component.1" under "gui_bridge") whose
 * events make the views follow the host's targets.
 *
 * Slot numbers count the four common operations as 0 to 3. Every operation answers 0 or an
 * error object the caller releases. Ids are 64-bit; GC_NO_ID (all ones) means none. Panes and
 * views count their ids separately, so a pane and a view may carry the same id. Interfaces
 * handed out through an out pointer come with one reference for the caller; addView takes
 * over the caller's reference of the view it is given.
 */
#ifndef TESK_VIEWS_H
#define TESK_VIEWS_H

#include <mosk/mosk.h>
#include <tesk/tesk_events.h>
#include <tesk/tesk_memoryaccess.h>

#include <stdint.h>

#define GCP_CATEGORY "gui_components"
#define GCP_VIEWS_MANAGER_COMPONENT "gcp_ViewsManager.component.1"
#define GB_EVENT_SUBJECT_CATEGORY "gui_bridge"
#define GB_KSO_EVENT_SUBJECT_COMPONENT "gb_KsoEventSubject.component.1"

#define GCP_IID_VIEWS_MANAGER 0x40600u    /* version 0 */
#define GC_IID_PANE 0x40200u              /* version 0 */
#define GC_IID_PANE_WINDOW 0x40600u       /* version 0: a pane as a window */
#define GC_IID_VIEW 0x40300u              /* version 0 */
#define GC_IID_VIEW_WINDOW 0x40700u       /* version 0: a view as a window */
#define GB_IID_KSO_EVENT_SUBJECT 0x43100u /* version 0 */

#define GC_NO_ID UINT64_MAX

/* The only view type: any other type name creates nothing (compared without case). */
#define GCP_VIEW_TYPE_MEMORY "Memory"

/* The host events the views follow (the other kinds of 0 to 29 are subscribed, not used). Each
   reaches the panes whose target id is the subject's current id (every pane when that id is 0);
   a memory view with "Automatic Update" off ignores the first two groups.
   - Target updated (13, 14, 20, 26): the views read the target's memory again. Notify one of
     these when the target's memory may have changed (a step, a stop, a write by the host).
   - Repaint (5, 15, 16): the views repaint from what they read last; memory they hold is not
     read again, so a change to it does not show.
   - Target changed (17): the panes of the current id switch to the subject's current target. */
#define GCP_EVENT_REPAINT_0 5
#define GCP_EVENT_REPAINT_1 15
#define GCP_EVENT_REPAINT_2 16
#define GCP_EVENT_TARGET_UPDATED_0 13
#define GCP_EVENT_TARGET_UPDATED_1 14
#define GCP_EVENT_TARGET_UPDATED_2 20
#define GCP_EVENT_TARGET_UPDATED_3 26
#define GCP_EVENT_TARGET_CHANGED 17
#define GCP_EVENT_KINDS 30
/* Deprecated: the earlier names of the repaint events, kept so that hosts written against them
   still build. The events repaint only; a host that means the memory changed notifies a target
   update. */
#define GCP_EVENT_MEMORY_CHANGED_0 GCP_EVENT_REPAINT_0
#define GCP_EVENT_MEMORY_CHANGED_1 GCP_EVENT_REPAINT_1
#define GCP_EVENT_MEMORY_CHANGED_2 GCP_EVENT_REPAINT_2

/* What panes and views have in common. getName fills a text value (moskValueCreate). */
#define GC_WINDOW_OPERATIONS                                                                       \
    MOSK_BASE_OPERATIONS                                                                           \
    MoskResult (*getId)(void *self, uint64_t *id);       /* 4 */                                   \
    MoskResult (*getName)(void *self, MoskValue *name);  /* 5 */                                   \
    MoskResult (*setName)(void *self, const char *name); /* 6: null is empty */

typedef struct IGc_WindowOps
{
    GC_WINDOW_OPERATIONS
} IGc_WindowOps;

typedef struct IGc_Window
{
    const IGc_WindowOps *ops;
} IGc_Window;

typedef struct IGc_ViewOps
{
    GC_WINDOW_OPERATIONS
    /* 7: a text for createView's settings; it keeps the stored start addresses of targets the
     * view was given and never showed */
    MoskResult (*saveSettings)(void *self, MoskValue *settings);
    MoskResult (*setTarget)(void *self, int32_t target);                   /* 8 */
    MoskResult (*targetUpdated)(void *self, int32_t target, int32_t flag); /* 9 */
} IGc_ViewOps;

typedef struct IGc_View
{
    const IGc_ViewOps *ops;
} IGc_View;

typedef struct IGc_PaneOps
{
    GC_WINDOW_OPERATIONS
    MoskResult (*reserved7)(void *self, intptr_t word);                   /* 7: accepted, ignored */
    MoskResult (*reserved8)(void *self, intptr_t first, intptr_t second); /* 8: accepted, ignored */
    /* 9: the pane's view with that id; *out untouched when there is none */
    MoskResult (*findWindow)(void *self, uint64_t id, IGc_Window **out);
    MoskResult (*addView)(void *self, IGc_View *view); /* 10: takes the caller's reference */
    MoskResult (*firstView)(void *self, uint64_t *id); /* 11: GC_NO_ID when empty */
    /* 12: the view after the one with that id in id order, the first for GC_NO_ID; GC_NO_ID
     * when there is none */
    MoskResult (*nextView)(void *self, uint64_t id, uint64_t *next);
    MoskResult (*removeView)(void *self, uint64_t id);                     /* 13 */
    MoskResult (*setTarget)(void *self, int32_t target);                   /* 14: every view */
    MoskResult (*targetUpdated)(void *self, int32_t target, int32_t flag); /* 15: every view */
    MoskResult (*getTargetId)(void *self, uint64_t *target);               /* 16 */
    MoskResult (*setTargetId)(void *self, const uint64_t *target);         /* 17 */
} IGc_PaneOps;

typedef struct IGc_Pane
{
    const IGc_PaneOps *ops;
} IGc_Pane;

/* The views manager. Without the library facade no pane is made: the ids are GC_NO_ID (a view
 * id 0) and the operation answers MOSK_ERR_NOT_FOUND.
 *
 * Kept between starts: a host may keep the manager, and the panes and views it handed out, from
 * one start into the next (also across moskBrokerClear) while the library stays loaded. Outside
 * a start (before the first CuiQtInit_WinEx, once CuiRun has ended one, once the application
 * went) and while the broker is cleared (until the next plug-in entry), createMemoryPane,
 * createViewInNewPane, createView and openView make nothing and answer MOSK_ERR_NOT_FOUND as
 * above; the other operations answer over what is left (the panes and views of an ended start
 * have gone: getWindow answers null, findWindow leaves *out, and a kept pane or view changes
 * nothing and answers MOSK_ERR_BAD_ARGUMENT to all but its id and name, as the facade does for
 * an ended window). The same holds from an exit handler or static destructor at the process's
 * end, where targetChanged and targetUpdated do nothing. The next start works as the first. A
 * kept interface is released before the library is unloaded. */
typedef struct IGcp_ViewsManagerOps
{
    MOSK_BASE_OPERATIONS
    /* 4: an empty pane for views of the target */
    MoskResult (*createMemoryPane)(void *self, uint64_t *paneId, uint64_t targetId);
    /* 5: a view of the type in a new pane */
    MoskResult (*createViewInNewPane)(void *self, const char *typeName, uint64_t targetId,
                                      uint64_t *viewId);
    /* 6: a view of the type in the pane with that id (a new pane when there is none); settings
     * may be null. *viewId is 0 when nothing was made. */
    MoskResult (*createView)(void *self, uint64_t paneId, const char *typeName,
                             const char *settings, uint64_t targetId, uint64_t *viewId);
    /* 7: shows the address in a new view; with reuse, in the view this call made before for
     * the current main window while it lives */
    MoskResult (*openView)(void *self, const char *typeName, uint64_t targetId,
                           const TeskMemoryAddress *address, int32_t reuse);
    MoskResult (*getWindow)(void *self, uint64_t paneId, IGc_Pane **out); /* 8: null if none */
    /* 9: the view with that id in any pane; *out untouched when there is none */
    MoskResult (*findWindow)(void *self, uint64_t id, IGc_Window **out);
    /* 10: the panes of the subject's current id switch their views to its current target */
    MoskResult (*targetChanged)(void *self);
    /* 11: the views of the subject's current target (all when its id is 0) refresh */
    MoskResult (*targetUpdated)(void *self, int32_t flag);
} IGcp_ViewsManagerOps;

typedef struct IGcp_ViewsManager
{
    const IGcp_ViewsManagerOps *ops;
} IGcp_ViewsManager;

/* The host's event subject. The library subscribes its observer to event kinds 0 to 29 on the
 * subject's registry, and reads the current target (a 32-bit target word for the views) and
 * the current id (the 64-bit id panes carry as their target id) when an event arrives. */
typedef struct IGb_KsoEventSubjectOps
{
    MOSK_BASE_OPERATIONS
    MoskResult (*reserved4)(void *self); /* 4: not called by the library */
    MoskResult (*reserved5)(void *self); /* 5: not called by the library */
    /* 6: one reference for the caller */
    MoskResult (*eventRegistry)(void *self, MoskEventSubject **registry);
    MoskResult (*reserved7)(void *self);                      /* 7: not called by the library */
    MoskResult (*currentTarget)(void *self, int32_t *target); /* 8 */
    MoskResult (*reserved9)(void *self);                      /* 9: not called by the library */
    MoskResult (*currentId)(void *self, uint64_t *id);        /* 10 */
} IGb_KsoEventSubjectOps;

typedef struct IGb_KsoEventSubject
{
    const IGb_KsoEventSubjectOps *ops;
} IGb_KsoEventSubject;

#endif
