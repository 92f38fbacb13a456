/* Languages and encodings the interface supports. */
#ifndef TESK_I18N_H
#define TESK_I18N_H

#include <tesk/tesk_global.h>

/* Null-terminated arrays owned by the library, alive for the process; names and codes
   correspond by position. */
TESK_EXPORT const char *const *CuiI18NGetLanguageList(void);
TESK_EXPORT const char *const *CuiI18NGetLocaleList(void);
TESK_EXPORT const char *const *CuiI18NGetEncodingList(void);

#endif
