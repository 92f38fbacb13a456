/* Context help: help maps from context ids to help pages, and help descriptions. */
#ifndef TESK_HELP_H
#define TESK_HELP_H

#include <tesk/tesk_global.h>

/* One entry of a help map; a table ends with a context id of -1. The library copies the
   topics when the map is registered. */
typedef struct TeskHelpEntry
{
    int32_t contextId;
    const char *topic; /* help page, relative to the help root */
} TeskHelpEntry;

/* 1, or 0 when mapId is already registered (or the table is null). */
TESK_EXPORT int QtRegisterHelp(const TeskHelpEntry *entries, int32_t mapId);
/* 1, or 0 when no map of that id exists. */
TESK_EXPORT int QtDeregisterHelp(int32_t mapId);
/* Opens the page of contextId in map mapId: 1 when it was handed to the desktop, else 0. */
TESK_EXPORT int QtHelp(int32_t contextId, int32_t mapId);

/* Results of QtHelpDesc. */
#define TESK_HELPDESC_SHOWN 0   /* the topic of a help map was shown */
#define TESK_HELPDESC_FILE 1    /* *text now holds the located help file (and ">window") */
#define TESK_HELPDESC_NOTHING 2 /* nothing shown; the user was told why */

/* Reads the help description ("120@10;", "see item 120;", "120@file.htm>window;") in the
   buffer *text of bufferSize bytes; for a file, stores the context id in *contextId and
   copies the located path into the buffer, always terminated. */
TESK_EXPORT int QtHelpDesc(int32_t *contextId, char **text, uint32_t bufferSize);

#endif
