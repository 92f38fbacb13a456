/* The function registry through which the host publishes its entry points by name. */
#ifndef TESK_REGISTRY_H
#define TESK_REGISTRY_H

#include <tesk/tesk_global.h>

typedef void (*CuiRegistryFn)(void);

/* Host entry points the library looks up by name. */
typedef int (*CuiHostEeaccessFn)(int, int, int commandId, const char *utf8Text);
typedef int (*CuiHostGuiFn)(int, int, int commandId, const char *utf8Text, TeskHandle windBox);
/* Entry 1 of the "eeaccessFuncs" table: fills *text with newline-separated strings. */
typedef int (*CuiHostStringListFn)(TeskHandle handle, char **text);

TESK_EXPORT int CuiFunctionRegistryAddFunction(const char *name, CuiRegistryFn fn);
TESK_EXPORT int CuiFunctionRegistryAddVoidStar(const char *name, void *data);
TESK_EXPORT CuiRegistryFn CuiFunctionRegistryGetFunction(const char *name);
TESK_EXPORT void *CuiFunctionRegistryGetVoidStar(const char *name);
TESK_EXPORT int CuiFunctionRegistryRemoveFunction(const char *name);
TESK_EXPORT int CuiFunctionRegistryRemoveVoidStar(const char *name);

#endif
