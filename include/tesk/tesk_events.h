/*
 * Host events reach the library's components through observers that the library attaches to
 * the host's event subjects. One observer interface serves every subject (the synchronisation
 * window's global subject and the views manager's event subject).
 *
 * Slot numbers count the four common operations as 0 to 3.
 */
#ifndef TESK_EVENTS_H
#define TESK_EVENTS_H

#include <mosk/mosk.h>

#define MOSK_IID_OBSERVER 0x1001u      /* version 1 */
#define MOSK_IID_EVENT_SUBJECT 0x1101u /* version 1 */

/* An observer of host events (interface MOSK_IID_OBSERVER). The data word is the host's. */
typedef struct MoskObserverOps
{
    MOSK_BASE_OPERATIONS
    MoskResult (*Notify)(void *self, int32_t eventId, intptr_t data); /* 4 */
} MoskObserverOps;

typedef struct MoskObserver
{
    const MoskObserverOps *ops;
} MoskObserver;

/* Where observers attach to the events of a subject, one event id at a time. */
typedef struct MoskEventSubjectOps
{
    MOSK_BASE_OPERATIONS
    MoskResult (*attach)(void *self, int32_t eventId, MoskObserver *observer); /* 4 */
    MoskResult (*detach)(void *self, int32_t eventId, MoskObserver *observer); /* 5 */
} MoskEventSubjectOps;

typedef struct MoskEventSubject
{
    const MoskEventSubjectOps *ops;
} MoskEventSubject;

#endif
