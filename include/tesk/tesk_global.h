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

/* A handle is an object's address handed to the host; pointer-sized. */
typedef intptr_t TeskHandle;

#endif
