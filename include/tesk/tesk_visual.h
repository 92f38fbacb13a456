/* The fixed-pitch font of register and memory values. */
#ifndef TESK_VISUAL_H
#define TESK_VISUAL_H

#include <tesk/tesk_global.h>

#include <stddef.h>

/* 112 bytes, as the host fills it. */
typedef struct TeskFontRecord
{
    char face[100]; /* family name; terminated unless it fills all 100 bytes */
    int32_t size;   /* point size */
    int32_t bold;   /* non-zero: bold */
    int32_t italic; /* non-zero: italic */
} TeskFontRecord;

#ifdef __cplusplus
static_assert(sizeof(TeskFontRecord) == 112, "the host's font record is 112 bytes");
static_assert(offsetof(TeskFontRecord, size) == 100, "size follows the face");
static_assert(offsetof(TeskFontRecord, italic) == 108, "italic is the last field");
#endif

/* Makes the font of the record the fixed font of every view created afterwards; a null
   record is ignored. */
TESK_EXPORT void CuiVisualSettingsFixedFont(const TeskFontRecord *font);

#endif
