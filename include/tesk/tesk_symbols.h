/* The symbol table data source: the library's copy of the debugger's symbol tables, which the
   host fills record by record while the source asks it to (CuiSymtabDataSourceUpdate). */
#ifndef TESK_SYMBOLS_H
#define TESK_SYMBOLS_H

#include <tesk/tesk_global.h>

/* The host function registered as "symtabdatasource" (or set with
   CuiSymtabDataSourceSetFuncHandler): called with request code 0, the source's handle and its
   vdata; it answers by calling the Add exports before it returns. 0 means success. */
typedef int (*CuiSymtabHostFn)(int code, TeskHandle source, TeskHandle vdata, const char *text,
                               TeskHandle extra);

/* Record texts are 8-bit (Latin-1), fields separated by single blanks:
     AddImage     the image name (the whole text)
     AddModule    "image module file"              (the file takes the rest, blanks included)
     AddFunction  "image module name address scope" (the scope word takes the rest)
     AddVariable  "image module name address scope"
   Function scope words: "Public", "Static", "Label"; variables also "Global" (shown as
   "Public") and "Local". Other words are kept but never listed.

   Every export but Create answers 0 on success and 1 for an unknown handle or a null text;
   AddFunction and AddVariable also answer 1 after reporting a record whose module the image
   does not have. */

/* A source stays until the host destroys it or the pane that owns it goes; one the host never
   destroyed and no pane owns is freed when the library unloads. It needs no start: between
   starts it is filled and searched as during one. */
TESK_EXPORT TeskHandle CuiSymtabDataSourceCreate(void);
/* A null handle is allowed (answers 0). */
TESK_EXPORT int CuiSymtabDataSourceDestroy(TeskHandle source);
TESK_EXPORT int CuiSymtabDataSourceSetVdata(TeskHandle source, TeskHandle vdata);
TESK_EXPORT int CuiSymtabDataSourceSetFuncHandler(TeskHandle source, CuiSymtabHostFn handler);
TESK_EXPORT int CuiSymtabDataSourceUpdate(TeskHandle source);
TESK_EXPORT int CuiSymtabDataSourceAddImage(TeskHandle source, const char *text);
TESK_EXPORT int CuiSymtabDataSourceAddModule(TeskHandle source, const char *text);
TESK_EXPORT int CuiSymtabDataSourceAddFunction(TeskHandle source, const char *text);
TESK_EXPORT int CuiSymtabDataSourceAddVariable(TeskHandle source, const char *text);
/* Writes every module's symbols to the debug output. */
TESK_EXPORT int CuiSymtabDataSourceDumpTree(TeskHandle source);

#endif
