/* Debug flags and logging through the library's debug output. */
#ifndef TESK_DEBUG_H
#define TESK_DEBUG_H

#include <tesk/tesk_global.h>

/* 1 when the two-character flag (letter and digit) is set in TESK_DEBUG. */
TESK_EXPORT int CuiDebugInfoIsSet(const char *flag);
TESK_EXPORT int CuiLog(const char *text);
TESK_EXPORT void CuiDebug(const char *text);

#endif
