// Languages and encodings the interface supports.
#include <tesk/tesk_i18n.h>

#include "frame/services/cuii18n.h"

const char *const *CuiI18NGetLanguageList(void)
{
    return cuiLanguageNames;
}

const char *const *CuiI18NGetLocaleList(void)
{
    return cuiLanguageCodes;
}

const char *const *CuiI18NGetEncodingList(void)
{
    return cuiEncodingNames;
}
