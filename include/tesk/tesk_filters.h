/* Module-load and thread-start event filters: the host's list with its master switch, stored
   as a tagged section of the host's files, and the dialog in which the user keeps them. */
#ifndef TESK_FILTERS_H
#define TESK_FILTERS_H

#include <tesk/tesk_global.h>

#include <stddef.h>

/* One filter as CuiFilters_GetModuleFilter hands it out: 1044 bytes, little-endian, no gaps.
   Flags are 1 or 0; texts are Latin-1, cut to 255 bytes and always terminated. */
typedef struct ModuleFilterRecord
{
    uint32_t is_active;
    char name[256];
    char process_name[256];
    char module_name[256];
    char event_type[256];   /* "Thread Start" or "Module Load" */
    uint32_t all_processes; /* any process: process_name is not to be matched */
    uint32_t all_modules;   /* any module or file: module_name is not to be matched */
    uint32_t is_include;
    uint32_t is_regex;
} ModuleFilterRecord;

TESK_STATIC_ASSERT(sizeof(ModuleFilterRecord) == 1044, "ModuleFilterRecord is 1044 bytes");
TESK_STATIC_ASSERT(offsetof(ModuleFilterRecord, name) == 4, "name at 4");
TESK_STATIC_ASSERT(offsetof(ModuleFilterRecord, process_name) == 260, "process_name at 260");
TESK_STATIC_ASSERT(offsetof(ModuleFilterRecord, module_name) == 516, "module_name at 516");
TESK_STATIC_ASSERT(offsetof(ModuleFilterRecord, event_type) == 772, "event_type at 772");
TESK_STATIC_ASSERT(offsetof(ModuleFilterRecord, all_processes) == 1028, "all_processes at 1028");
TESK_STATIC_ASSERT(offsetof(ModuleFilterRecord, all_modules) == 1032, "all_modules at 1032");
TESK_STATIC_ASSERT(offsetof(ModuleFilterRecord, is_include) == 1036, "is_include at 1036");
TESK_STATIC_ASSERT(offsetof(ModuleFilterRecord, is_regex) == 1040, "is_regex at 1040");
#undef TESK_FILTERS_ASSERT

/* Deletes every filter and switches capturing off; always 1. */
TESK_EXPORT int CuiFilters_SetDefault(void);
/* The master switch: 1 when capturing is on. Only the user sets it, in the dialog below (and
   CuiFilters_SetDefault clears it); no export sets it and no file stores it, so a host that
   wants it kept across runs reads it here and keeps it itself. */
TESK_EXPORT int CuiFilters_IsActiveModuleFiltering(void);
/* Fills *record (size must be sizeof(ModuleFilterRecord)) from filter index of the list: 1, or 0
   with the record untouched for a wrong size, a null record or an index out of range. */
TESK_EXPORT int CuiFilters_GetModuleFilter(int index, void *record, int size);
/* Appends a line "[tag]" and the list's XML document to the file (the switch is not stored):
   1, or 0 when the file cannot be written or file or tag is null. A file another holds locked
   (flock) is waited for at most 1.5 seconds; then 0, and the file is left as it was. */
TESK_EXPORT int CuiFilters_Store(const char *file, const char *tag);
/* Reads the list from the document behind the first line "[tag]" of the file (tag compared
   without regard to letter case) that reads whole: 1, or 0 with list and switch unchanged when
   the file or the line is missing or no such document is read whole. Store appends, so a file
   stored to more than once is read from its oldest whole section, not its newest; a section
   that breaks off leaves nothing of itself in the list. The switch is never changed. */
TESK_EXPORT int CuiFilters_Load(const char *file, const char *tag);
/* The modal "Event Configuration" dialog on the filters, not yet shown; run it with
   CuiDialogExec and delete it with CuiDeleteObject. OK writes the list and the switch back,
   Cancel changes nothing. A parent the library did not make means the current main window. */
TESK_EXPORT TeskHandle CuiFilters_ModuleFilterDlgCreate(TeskHandle parent, const char *text);

#endif
