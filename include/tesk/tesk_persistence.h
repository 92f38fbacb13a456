/*
 * The host's persistence component, in which the library keeps the user's settings.
 *
 * The host registers it with the broker under category "gui_bridge" and component id
 * "gb_Persistence.component.1"; the library asks the object for interface 0x43300 version 0
 * each time it reads or writes, and releases it afterwards.
 *
 * Every operation returns 0 for success or an error object (which the library releases).
 */
#ifndef TESK_PERSISTENCE_H
#define TESK_PERSISTENCE_H

#include <mosk/mosk.h>

#define TESK_PERSISTENCE_CATEGORY "gui_bridge"
#define TESK_PERSISTENCE_COMPONENT "gb_Persistence.component.1"
#define TESK_IID_PERSISTENCE 0x43300u

typedef struct TeskPersistenceOps
{
    MOSK_BASE_OPERATIONS
    /* 4: stores the dictionary's values under the key (the store may keep a reference) */
    MoskResult (*write)(void *self, const char *key, MoskDictionary *values);
    /* 5: a new reference of what is stored under the key, or null when nothing is */
    MoskResult (*read)(void *self, const char *key, MoskDictionary **out);
} TeskPersistenceOps;

typedef struct TeskPersistence
{
    const TeskPersistenceOps *ops;
} TeskPersistence;

#endif
