// The fixed-pitch font of register and memory values.
#include <tesk/tesk_visual.h>

#include "frame/core/exportguard.h"
#include "frame/core/visualsettings.h"

#include <cstring>

void CuiVisualSettingsFixedFont(const TeskFontRecord *record)
{
    if (!record)
        return;
    TESK_GUARDED_VOID([record] {
        // A face that fills its 100 bytes has no terminator.
        const size_t length = strnlen(record->face, sizeof record->face);
        QFont font(QString::fromLatin1(record->face, qsizetype(length)), record->size);
        font.setWeight(record->bold ? QFont::Bold : QFont::Normal);
        font.setItalic(record->italic != 0);
        cuiSetFixedFont(font);
    });
}
