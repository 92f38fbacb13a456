/*
 * mosk: the component broker.
 *
 * Components are registered under a category and a component id and looked up by the same
 * pair. Every interface is a C structure whose first member points to a table of operations;
 * each operation takes the interface pointer first, so a host written in C can implement
 * components as easily as C++ can. Every table starts with the four common operations
 * (getInterfaceInfo, AddRef, Release, QueryInterface); further operations follow in slot
 * order: slot 4 is the first after the common ones.
 *
 * Results: 0 is success, anything else is an error object that the caller owns one
 * reference of and releases.
 *
 * What an implementation of these tables must do (a host's components included):
 * - AddRef and Release count references and answer the new count; the object lives while the
 *   count is above 0 (an object of static lifetime may ignore the count).
 * - QueryInterface(self, out, id, version): version is the lowest version the caller accepts.
 *   For an interface the object implements at that version or a later one, it stores the
 *   interface pointer in *out, adds one reference for the caller and answers 0; the caller
 *   releases it. Otherwise it stores null in *out and answers MOSK_ERR_NO_INTERFACE (no such
 *   interface) or MOSK_ERR_VERSION (only an older version); a null out answers an error too.
 *   Every object answers MOSK_IID_BASE.
 * - getInterfaceInfo reports the interface id and up to three version numbers of the table
 *   it is called through; null pointers among them are skipped.
 * - An error object answered from any operation carries one reference for the caller.
 * - Pointers passed in (texts, objects) are the caller's for the duration of the call: an
 *   operation that keeps an object past it adds its own reference, as registerComponent and
 *   the dictionary's set do. The library's own observers handed to an event subject's attach
 *   live until detach; the library detaches each one from its subject when it is unloaded,
 *   so a subject may keep the bare pointer: it need not add a reference (and may, as the
 *   library's observers ignore the count). It must not call them after detach. The library
 *   keeps one reference of each subject it attached to until then.
 * - The library calls a host's operations only on the thread of its event loop; while an
 *   observer's Notify runs it may call the host's other components (the subject's current
 *   target, memory reads), so these must not wait for the Notify to end.
 */
#ifndef MOSK_MOSK_H
#define MOSK_MOSK_H

#include <stdint.h>

#if defined(MOSK_BUILDING)
#define MOSK_API __attribute__((visibility("default")))
#else
#define MOSK_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Interface ids of the broker's own objects. */
#define MOSK_IID_BASE 0x101u               /* the common base, version 1 */
#define MOSK_IID_BROKER 0x102u             /* the broker, version 0 */
#define MOSK_IID_ERROR 0x103u              /* error objects, version 0 */
#define MOSK_IID_VALUE 0x104u              /* text values, version 0 */
#define MOSK_IID_OSTREAM 0x601u            /* output streams, version 1 */
#define MOSK_IID_DICTIONARY 0x105u         /* name to value, version 0 */
#define MOSK_IID_VALUE_FACTORY 0x106u      /* version 0 */
#define MOSK_IID_DICTIONARY_FACTORY 0x107u /* version 0 */

/* The factories the broker registers itself, in category "factory". */
#define MOSK_FACTORY_CATEGORY "factory"
#define MOSK_VALUE_FACTORY "ZEB Ltd.MoskValueFactory.1"
#define MOSK_DICTIONARY_FACTORY "ZEB Ltd.MoskDictionaryFactory.1"

/* Codes of the standard errors, all of category 1. */
#define MOSK_ERR_GENERAL 0x0u
#define MOSK_ERR_NO_MEMORY 0x1u
#define MOSK_ERR_NO_INTERFACE 0x10100u
#define MOSK_ERR_VERSION 0x10101u
#define MOSK_ERR_FAILED 0x10102u
#define MOSK_ERR_NOT_FOUND 0x10103u
#define MOSK_ERR_DUPLICATE 0x10104u
#define MOSK_ERR_BAD_ARGUMENT 0x10105u

typedef struct MoskError MoskError;
typedef MoskError *MoskResult;

/* The four common operations, declared at the start of every table of operations. */
#define MOSK_BASE_OPERATIONS                                                                       \
    MoskResult (*getInterfaceInfo)(void *self, uint32_t *id, uint32_t *version1,                   \
                                   uint32_t *version2, uint32_t *version3);                        \
    uint32_t (*AddRef)(void *self);                                                                \
    uint32_t (*Release)(void *self);                                                               \
    MoskResult (*QueryInterface)(void *self, void **out, uint32_t id, uint32_t version);

typedef struct MoskBaseOps
{
    MOSK_BASE_OPERATIONS
} MoskBaseOps;

typedef struct MoskBase
{
    const MoskBaseOps *ops;
} MoskBase;

/* A text value (also the description of an error). */
typedef struct MoskValueOps
{
    MOSK_BASE_OPERATIONS
    MoskResult (*setText)(void *self, const char *text);  /* 4 */
    MoskResult (*setInt)(void *self, int64_t value);      /* 5 */
    MoskResult (*getInt)(void *self, int64_t *value);     /* 6 */
    MoskResult (*setBool)(void *self, int value);         /* 7 */
    MoskResult (*getBool)(void *self, int *value);        /* 8 */
    MoskResult (*getText)(void *self, const char **text); /* 9: valid while the value lives */
} MoskValueOps;

typedef struct MoskValue
{
    const MoskValueOps *ops;
} MoskValue;

/* A dictionary of text values by name. */
typedef struct MoskDictionaryOps
{
    MOSK_BASE_OPERATIONS
    MoskResult (*set)(void *self, const char *name, MoskValue *value); /* 4: keeps a reference */
    MoskResult (*remove)(void *self, const char *name);                /* 5 */
    /* 6: a new reference, or null when the name is absent (no error) */
    MoskResult (*get)(void *self, const char *name, MoskValue **out);
} MoskDictionaryOps;

typedef struct MoskDictionary
{
    const MoskDictionaryOps *ops;
} MoskDictionary;

typedef struct MoskValueFactoryOps
{
    MOSK_BASE_OPERATIONS
    MoskResult (*reserved4)(void *self); /* 4-7: not supported */
    MoskResult (*reserved5)(void *self);
    MoskResult (*reserved6)(void *self);
    MoskResult (*reserved7)(void *self);
    MoskResult (*createValue)(void *self, const char *text, MoskValue **out); /* 8 */
} MoskValueFactoryOps;

typedef struct MoskValueFactory
{
    const MoskValueFactoryOps *ops;
} MoskValueFactory;

typedef struct MoskDictionaryFactoryOps
{
    MOSK_BASE_OPERATIONS
    MoskResult (*createDictionary)(void *self, MoskDictionary **out); /* 4 */
} MoskDictionaryFactoryOps;

typedef struct MoskDictionaryFactory
{
    const MoskDictionaryFactoryOps *ops;
} MoskDictionaryFactory;

/* An output stream that a component fills with text (MOSK_IID_OSTREAM, version 1). The
 * caller owns the stream and reads the text after the call that filled it. */
typedef struct MoskOStreamOps
{
    MOSK_BASE_OPERATIONS
    MoskResult (*reserved4)(void *self, intptr_t first, intptr_t second); /* 4: accepted, ignored */
    MoskResult (*setText)(void *self, const char *text);                  /* 5: the whole text */
    MoskResult (*reserved6)(void *self, intptr_t word);                   /* 6: accepted, ignored */
} MoskOStreamOps;

typedef struct MoskOStream
{
    const MoskOStreamOps *ops;
} MoskOStream;

typedef struct MoskErrorOps
{
    MOSK_BASE_OPERATIONS
    uint32_t (*category)(void *self);      /* 4 */
    uint32_t (*code)(void *self);          /* 5 */
    MoskValue *(*description)(void *self); /* 6: a new reference */
} MoskErrorOps;

struct MoskError
{
    const MoskErrorOps *ops;
};

/* The registration interface handed to a plug-in's moskInitialisePlugin. */
typedef struct MoskRegistrarOps
{
    MOSK_BASE_OPERATIONS
    /* 4: the broker adds one reference of its own and keeps it until the component is
       unregistered or the broker is cleared; the caller keeps its own. */
    MoskResult (*registerComponent)(void *self, const char *category, const char *componentId,
                                    void *object);
} MoskRegistrarOps;

typedef struct MoskRegistrar
{
    const MoskRegistrarOps *ops;
} MoskRegistrar;

/* The broker; its first operation after the common ones is the registrar's, so the broker
 * itself can be handed to a plug-in as its registration interface. */
typedef struct MoskBrokerOps
{
    MOSK_BASE_OPERATIONS
    MoskResult (*registerComponent)(void *self, const char *category, const char *componentId,
                                    void *object); /* 4 */
    MoskResult (*unregisterComponent)(void *self, const char *category,
                                      const char *componentId);                     /* 5 */
    int (*hasComponent)(void *self, const char *category, const char *componentId); /* 6 */
    /* 7: the object comes with one reference for the caller */
    MoskResult (*getComponent)(void *self, const char *category, const char *componentId,
                               void **out);
} MoskBrokerOps;

typedef struct MoskBroker
{
    const MoskBrokerOps *ops;
} MoskBroker;

/* The process-wide broker (never null in this implementation). */
MOSK_API MoskBroker *moskGetObjectBroker(void);

/* A new error object with one reference. */
MOSK_API MoskError *moskErrorCreateStandardError(uint32_t category, uint32_t code);

/* A new text value with one reference; a null text gives the empty text. */
MOSK_API MoskValue *moskValueCreate(const char *text);

/* Convenience readers of error objects; a null error answers 0 / the empty text. */
MOSK_API uint32_t moskErrorCode(MoskError *error);
MOSK_API uint32_t moskErrorCategory(MoskError *error);

/* A new empty dictionary with one reference. */
MOSK_API MoskDictionary *moskDictionaryCreate(void);

/* Releases every registered component but the broker's own factories (the broker stays
 * usable). */
MOSK_API void moskBrokerClear(void);

/* Posts the POSIX semaphore (a sem_t) it is given. A thread-end routine of exactly the type the
 * C library calls one with, in the broker's library, which stays mapped while one is pending:
 * a library its host unloads learns through it that a thread ended, also after the unload. */
MOSK_API void moskPostSemaphore(void *semaphore);

#ifdef __cplusplus
}
#endif

#endif /* MOSK_MOSK_H */
