/* Common definitions of the tesk C interface. */
#ifndef TESK_GLOBAL_H
#define TESK_GLOBAL_H

#include <stdint.h>

#ifdef __cplusplus
#define TESK_EXTERN_C extern "C"
#else
#define TESK_EXTERN_C
#endif

#define TESK_EXPORT TESK_EXTERN_C __attribute__((visibility("default")))

/* Pins a record layout that hosts build against, in C and C++ alike. */
#ifdef __cplusplus
#define TESK_STATIC_ASSERT(cond, text) static_assert(cond, text)
#elif defined(__GNUC__)
/* C99 has no _Static_assert; gcc and clang take it there too after __extension__. */
#define TESK_STATIC_ASSERT(cond, text) __extension__ _Static_assert(cond, text)
#else
#define TESK_STATIC_ASSERT(cond, text) _Static_assert(cond, text)
#endif

/* Marks an anonymous union or struct member, which C has only from C11 on: gcc and clang take
   it in C99 too (-pedantic included) after __extension__. Other compilers need C11, or an
   extension of their own for anonymous members, to build the records that have them. */
#ifdef __GNUC__
#define TESK_ANONYMOUS __extension__
#else
#define TESK_ANONYMOUS
#endif

/* A handle names one object of the library (or, for window contexts and boxes, a value the
   host chose); pointer-sized and opaque. The host never reads through it, and a handle of an
   object that has gone is never given out again. 0 names nothing. */
typedef intptr_t TeskHandle;

#endif
