/* The function registry through which the host publishes its entry points by name. */
#ifndef TESK_REGISTRY_H
#define TESK_REGISTRY_H

#include <tesk/tesk_global.h>

typedef void (*CuiRegistryFn)(void);

/* Host entry points the library looks up by name ("eeaccess", "gui"): a code, the calling
   object (0 when the library itself calls), an argument, a UTF-8 text and an extra word whose
   meaning the code gives; 0 means success. */
typedef int (*CuiHostEntryFn)(int code, intptr_t object, intptr_t argument, const char *utf8Text,
                              intptr_t extra);
typedef CuiHostEntryFn CuiHostEeaccessFn;
typedef CuiHostEntryFn CuiHostGuiFn;
/* Entry 1 of the "eeaccessFuncs" table: fills *text with newline-separated strings. */
typedef int (*CuiHostStringListFn)(TeskHandle handle, char **text);

TESK_EXPORT int CuiFunctionRegistryAddFunction(const char *name, CuiRegistryFn fn);
TESK_EXPORT int CuiFunctionRegistryAddVoidStar(const char *name, void *data);
TESK_EXPORT CuiRegistryFn CuiFunctionRegistryGetFunction(const char *name);
TESK_EXPORT void *CuiFunctionRegistryGetVoidStar(const char *name);
TESK_EXPORT int CuiFunctionRegistryRemoveFunction(const char *name);
TESK_EXPORT int CuiFunctionRegistryRemoveVoidStar(const char *name);

#endif
