// Lists, text and number entries, go-to-line, source location, user information and the about
// box.
#include "dialogs/entrydialogs.h"
#include "frame/core/exportguard.h"

#include <tesk/tesk_dialogs.h>

using namespace tesk::dialogs;

int CuiSimpleList(int32_t, const char *caption, const char *description, const char *items,
                  int32_t *positions, int32_t bound, int32_t *count, int32_t multiple,
                  int32_t helpId)
{
    return TESK_GUARDED(0, [&] {
        return simpleList(caption, description, items, positions, bound, count, multiple != 0,
                          helpId);
    });
}

int CuiSimpleEntry(int32_t, const char *caption, const char *message, const char *value,
                   char *buffer, int32_t size, const char *okText, int32_t helpId)
{
    if (!buffer || size < 1)
        return 0;
    return TESK_GUARDED(0, [&] {
        return simpleEntry(EntryKind::LineEdit, caption, message, value, buffer, size, okText,
                           helpId);
    });
}

int CuiSimpleEntryPD(int32_t, const char *caption, const char *message, const char *value,
                     char *buffer, int32_t size, const char *okText, int32_t helpId)
{
    if (!buffer || size < 1)
        return 0;
    return TESK_GUARDED(0, [&] {
        return simpleEntry(EntryKind::DropDown, caption, message, value, buffer, size, okText,
                           helpId);
    });
}

int CuiSimpleEntryInteger(int32_t, const char *caption, const char *label, int32_t value,
                          int32_t step, int32_t minimum, int32_t maximum, int32_t *result)
{
    if (!result)
        return 0;
    return TESK_GUARDED(0, [&] {
        return entryInteger(caption, label, value, step, minimum, maximum, result) ? 1 : 0;
    });
}

int CuiSimpleEntryDouble(int32_t, const char *caption, const char *label, double value,
                         int32_t decimals, double minimum, double maximum, double *result)
{
    // OK is 0 here, the other way round from the integer entry.
    if (!result)
        return 1;
    return TESK_GUARDED(1, [&] {
        return entryDouble(caption, label, value, decimals, minimum, maximum, result) ? 0 : 1;
    });
}

int CuiGotoLineDialog(int32_t, int32_t *line, int32_t maximum)
{
    if (!line)
        return 0;
    return TESK_GUARDED(0, [&] { return gotoLine(line, maximum) ? 1 : 0; });
}

int CuiGetSourceLocation(int32_t, const char *caption, const char *message, const char *fileName,
                         char *buffer, int32_t size)
{
    if (!buffer || size < 1)
        return 0;
    return TESK_GUARDED(
        0, [&] { return sourceLocation(caption, message, fileName, buffer, size) ? 1 : 0; });
}

int CuiGetUserInformation(int32_t, const char *templateFile, const char *outputFile)
{
    if (!templateFile || !outputFile)
        return 0;
    return TESK_GUARDED(0, [&] { return userInformation(templateFile, outputFile) ? 1 : 0; });
}

int CuiSimpleAbout(const char *buildText, const char *copyrightText, const char *,
                   const char *additionalText)
{
    TESK_GUARDED_VOID([&] { simpleAbout(buildText, copyrightText, additionalText); });
    return 0;
}
