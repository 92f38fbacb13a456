/* The source search-path dialog: source and object search paths and directory mappings. */
#ifndef TESK_SEARCHPATHS_H
#define TESK_SEARCHPATHS_H

#include <tesk/tesk_global.h>

/* The help function the dialog's Help button and F1 call with the help id. */
typedef void (*CuiSearchPathHelpFn)(int helpId);

/* The hidden, empty dialog; a null parent (or one the library did not make) means the current
   main window. Run it with CuiDoModal (1 OK, 0 Cancel) as often as wanted: closing only hides
   it, the lists stay. End it with CuiDeleteObject. 0 before the library is started.
   Every other function ignores a handle that is not a live dialog of this family (a getter then
   answers 0). Texts passed in are Latin-1 (null means empty); texts handed back are UTF-8. */
TESK_EXPORT TeskHandle CuiSourceSearchPathDlgCreate(TeskHandle parent);
/* Help: the function (null switches help off) and the id it is called with. */
TESK_EXPORT void CuiSourceSearchPathDlgSetHelpCallback(TeskHandle dialog, CuiSearchPathHelpFn fn);
TESK_EXPORT void CuiSourceSearchPathDlgSetHelpId(TeskHandle dialog, int helpId);
/* Appends a source (object) search path, separators made native; no check for duplicates. */
TESK_EXPORT void CuiSourceSearchPathDlgAddEntry(TeskHandle dialog, const char *path);
TESK_EXPORT void CuiSourceSearchPathDlgAddObjectEntry(TeskHandle dialog, const char *path);
/* Adds a source (object) mapping as given; mappings are listed sorted by their original path. */
TESK_EXPORT void CuiSourceSearchPathDlgAddSMapping(TeskHandle dialog, const char *original,
                                                   const char *mapped);
TESK_EXPORT void CuiSourceSearchPathDlgAddOMapping(TeskHandle dialog, const char *original,
                                                   const char *mapped);
/* Call after filling: with no source search path, the first page that has entries opens. */
TESK_EXPORT void CuiSourceSearchPathDlgShowFirstActive(TeskHandle dialog);
/* The number of source search paths, object search paths, source and object mappings. */
TESK_EXPORT int CuiSourceSearchPathDlgGetSSNum(TeskHandle dialog);
TESK_EXPORT int CuiSourceSearchPathDlgGetOSNum(TeskHandle dialog);
TESK_EXPORT int CuiSourceSearchPathDlgGetSMapNum(TeskHandle dialog);
TESK_EXPORT int CuiSourceSearchPathDlgGetOMapNum(TeskHandle dialog);
/* Copy the entry at the index (search paths: in the order added; mappings: in the list's
   current sort order, an index below 0 reading the first) with its NUL into the buffer: 1, or 0
   with the buffer untouched when the index is out of range, the text is empty or it does not
   fit in size bytes. */
TESK_EXPORT int CuiSourceSearchPathDlgGetSSText(TeskHandle dialog, int index, char *buffer,
                                                uint32_t size);
TESK_EXPORT int CuiSourceSearchPathDlgGetOSText(TeskHandle dialog, int index, char *buffer,
                                                uint32_t size);
TESK_EXPORT int CuiSourceSearchPathDlgGetSMapOrig(TeskHandle dialog, int index, char *buffer,
                                                  uint32_t size);
TESK_EXPORT int CuiSourceSearchPathDlgGetSMapModd(TeskHandle dialog, int index, char *buffer,
                                                  uint32_t size);
TESK_EXPORT int CuiSourceSearchPathDlgGetOMapOrig(TeskHandle dialog, int index, char *buffer,
                                                  uint32_t size);
TESK_EXPORT int CuiSourceSearchPathDlgGetOMapModd(TeskHandle dialog, int index, char *buffer,
                                                  uint32_t size);

#endif
