#pragma once

#include <cstdint>

// The roads of the list, entry, go-to-line, source-location, user-information and about exports:
// each builds its dialog with the current main window as parent, runs it through the modal seam,
// copies the answer out and deletes it. The exports have checked the caller's pointers.
namespace tesk::dialogs {

int simpleList(const char *caption, const char *description, const char *items, int32_t *positions,
               int32_t bound, int32_t *count, bool multiple, int32_t helpId);

enum class EntryKind { LineEdit, DropDown };
int simpleEntry(EntryKind kind, const char *caption, const char *message, const char *value,
                char *buffer, int32_t size, const char *okText, int32_t helpId);

// True when accepted; the value is then stored.
bool entryInteger(const char *caption, const char *label, int32_t value, int32_t step,
                  int32_t minimum, int32_t maximum, int32_t *result);
bool entryDouble(const char *caption, const char *label, double value, int32_t decimals,
                 double minimum, double maximum, double *result);
bool gotoLine(int32_t *line, int32_t maximum);

// Retry or a file picked: the name as UTF-8 into buffer by the rule of strncpy (at most size
// bytes, zeros after a shorter name; no terminating zero for a name of size bytes or more).
bool sourceLocation(const char *caption, const char *message, const char *fileName, char *buffer,
                    int32_t size);

bool userInformation(const char *templateFile, const char *outputFile);

void simpleAbout(const char *buildText, const char *copyrightText, const char *additionalText);

} // namespace tesk::dialogs
