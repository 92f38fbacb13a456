// Languages and encodings the interface supports.
#include <tesk/tesk_i18n.h>

#include "frame/core/exportguard.h"
#include "frame/services/cuii18n.h"

const char *const *CuiI18NGetLanguageList(void)
{
    return TESK_GUARDED(static_cast<const char *const *>(nullptr), [] { return cuiLanguageNames; });
}

const char *const *CuiI18NGetLocaleList(void)
{
    return TESK_GUARDED(static_cast<const char *const *>(nullptr), [] { return cuiLanguageCodes; });
}

const char *const *CuiI18NGetEncodingList(void)
{
    return TESK_GUARDED(static_cast<const char *const *>(nullptr), [] { return cuiEncodingNames; });
}
