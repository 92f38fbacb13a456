/* File and directory questions, and the Load Image and Load Binary dialogs. */
#ifndef TESK_FILEDIALOGS_H
#define TESK_FILEDIALOGS_H

#include <tesk/tesk_global.h>

/* Filters in the host's notation: entries one after the other, each a description, a blank and
 * the patterns in square brackets ("C files [*.c]Headers [*.h]"); text holding ";;" is taken as
 * "Description (patterns)" entries separated by ";;". Texts are Latin-1 unless said otherwise;
 * names handed back are UTF-8 with native separators. Captions and choices are read up to
 * 64 KiB: a longer caption ends with a visible "[...]", and of longer choices the line the cut
 * splits and the rest are dropped. */

/* Opens one file, several existing files (multiple 1) or asks for a name to save to (save 1,
 * when multiple is not 1); a null parent means the current main window, a null start directory
 * the one remembered for this host program. On 0 *result points to the library's result buffer
 * (4096 bytes), which is never freed and which the next answer of this export overwrites in
 * place: one name followed by two NULs, or the directory (with its final separator), a NUL, each
 * base name with a NUL, and one more NUL. 1 when cancelled, when the parent window was closed
 * meanwhile, when prompts are suppressed or the answer does not fit 4096 bytes; *result is then
 * unchanged. The help id is not used. */
TESK_EXPORT int CuiSimpleFileExtraMultipleEx(TeskHandle parent, const char *caption,
                                             const char **result, const char *filter,
                                             const char *startDirectory, int32_t multiple,
                                             int32_t helpId, int32_t save);

/* Asks for a directory (a null start directory opens none in particular) and copies it, with
 * its NUL, into the buffer: 0 copied, 1 nothing chosen or prompts suppressed, -1 when it does
 * not fit; the buffer is written only on 0. */
TESK_EXPORT int CuiSimpleDir(TeskHandle parent, const char *caption, const char *startDirectory,
                             uint32_t bufferSize, char *buffer);

/* Program-counter choices of CuiLoadImage. */
enum { CUI_LOAD_PC_AUTO = 0, CUI_LOAD_PC_ENTRY = 1, CUI_LOAD_PC_LEAVE = 2 };

/* Asks for an image to load and its options; the first word is not read (the parent is the
 * current main window). A help id of 0 shows no Help button. The flags are set to symbols only
 * 0, replace 1, PC mode 0 before the dialog opens and receive the user's choice. 0 when a file
 * was chosen and every answer fitted its buffer (with its NUL); -1 when cancelled or an answer
 * did not fit. The name buffer is emptied first; an empty answer leaves its buffer alone. */
TESK_EXPORT int CuiLoadImage(TeskHandle reserved, const char *caption, uint32_t fileNameSize,
                             char *fileName, const char *filter, const char *startDirectory,
                             int32_t helpId, int32_t *symbolsOnly, int32_t *replaceExisting,
                             int32_t *pcMode, uint32_t sectionsSize, char *sections,
                             uint32_t argumentsSize, char *arguments, uint32_t offsetSize,
                             char *offset);

/* Load Binary. Choices: one line per file type, "<flag><separator><keyword> <description>";
 * flag 0 makes the location a required start address, any other digit an optional offset.
 * The command "readfile,<keyword>,gui \"<file>\"[=<location>]" goes to the host's registry
 * functions "gui" (5, 0, command, 0, context) and then "addToLoadBinaryMRU"
 * (0, 0, command, 0, 0). 0 when the command was handed over, 1 when cancelled, when there are no
 * choices or when either function is missing (said in a "Critical Error" box first). */
TESK_EXPORT int CuiLoadBinary(TeskHandle parent, intptr_t context, const char *startDirectory,
                              int32_t helpId, const char *choices);

/* The portable Load Binary dialog as a handle, for CuiDoModal; null parent: the current main
 * window. GetCommand answers the command made when the dialog was accepted (Latin-1), "" before,
 * and null for a handle that is no such dialog; the text stays valid while the dialog lives and
 * its command does not change, and two calls meanwhile answer the same pointer. Destroy ignores
 * null and foreign handles; called while the dialog runs, it ends the run first. */
TESK_EXPORT TeskHandle CuiLoadMemoryDlgCreate(TeskHandle parent, const char *choices);
TESK_EXPORT const char *CuiLoadMemoryDlgGetCommand(TeskHandle dialog);
TESK_EXPORT void CuiLoadMemoryDlgDestroy(TeskHandle dialog);

#endif
