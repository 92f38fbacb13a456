/* Memory file operations, fill parameters and the simulator target's configuration. */
#ifndef TESK_MEMORYDIALOGS_H
#define TESK_MEMORYDIALOGS_H

#include <tesk/tesk_global.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Receives each command of the memory file operations dialog: (0, dialog, command, vpid, 0).
 * The command ("readfile", "writefile" or "verifyfile", the type word, gui and the quoted
 * file name, then "=<location>" when one was given) is Latin-1 and valid during the call only.
 * The result is not read. */
typedef int (*CuiMemoryOperationsHandlerFn)(int32_t reserved, TeskHandle dialog,
                                            const char *command, int32_t vpid, int32_t unused);

#ifdef __cplusplus
}
#endif

/* The memory file operations dialog: load a file into target memory, save memory into a file,
 * verify memory against a file. Run it with CuiDoModal; it stays up after each Apply and is
 * deleted once the event loop runs after it was closed, so its handle is then dead (Destroy
 * right after CuiDoModal is safe). A null parent means the current main window. Calls with a
 * null, unknown or dead handle do nothing; Destroy answers 0. */
TESK_EXPORT TeskHandle CuiMemoryOperationsDlgCreate(TeskHandle parent);
TESK_EXPORT int CuiMemoryOperationsDlgDestroy(TeskHandle dialog);
/* One line per file type, "<flag><separator><type word> <description>", split at line feeds;
 * flag 0: Load and Verify need a start address, any other digit: the location is an optional
 * offset. A second call appends. A list is read up to 64 KiB: the line the cut splits and the
 * rest are dropped. */
TESK_EXPORT void CuiMemoryOperationsDlgSetFileTypeList(TeskHandle dialog, const char *list);
TESK_EXPORT void CuiMemoryOperationsDlgSetFuncHandler(TeskHandle dialog,
                                                      CuiMemoryOperationsHandlerFn handler);
TESK_EXPORT void CuiMemoryOperationsDlgSetVPID(TeskHandle dialog, int32_t vpid);
TESK_EXPORT void CuiMemoryOperationsDlgSetHelpId(TeskHandle dialog, uint32_t helpId);

/* The simulator target's configuration. Create makes it with help id 782; the host adds the
 * processors, sets the values, runs it with CuiDoModal (1 for OK), reads the values (they stay
 * readable after it closed) and destroys it. Calls with a null, unknown or dead handle do
 * nothing, and getters answer 0. Names are Latin-1 in, UTF-8 out; a name is read up to 64 KiB
 * and a longer one ends with a visible "[...]". */
TESK_EXPORT TeskHandle CuiCorvasimConfigDlgCreate(void);
TESK_EXPORT void CuiCorvasimConfigDlgDestroy(TeskHandle dialog);
TESK_EXPORT void CuiCorvasimConfigDlgSetHelpId(TeskHandle dialog, uint32_t helpId);
TESK_EXPORT void CuiCorvasimConfigDlgAddProcessor(TeskHandle dialog, const char *name);
/* Selects the next entry equal to the name ignoring case; no match changes nothing. */
TESK_EXPORT void CuiCorvasimConfigDlgSetProcessor(TeskHandle dialog, const char *name);
/* The current entry by the rule of strncpy: the buffer's first byte is set to 0, at most size
 * bytes are written, the rest NUL, unterminated when the name has size bytes or more. A null
 * buffer or a size of 0 gets nothing. */
TESK_EXPORT void CuiCorvasimConfigDlgGetProcessor(TeskHandle dialog, char *buffer, int32_t size);
/* 0 no FPU, 1 QMXv2, 2 QMXv2 fast mode, 3 ZDU; other values change nothing. */
TESK_EXPORT void CuiCorvasimConfigDlgSetQMXState(TeskHandle dialog, int32_t state);
TESK_EXPORT int CuiCorvasimConfigDlgGetQMXState(TeskHandle dialog);
TESK_EXPORT void CuiCorvasimConfigDlgSetMMUState(TeskHandle dialog, int32_t state);
TESK_EXPORT int CuiCorvasimConfigDlgGetMMUState(TeskHandle dialog);
TESK_EXPORT void CuiCorvasimConfigDlgSetRealtimeClock(TeskHandle dialog);
TESK_EXPORT void CuiCorvasimConfigDlgSetEmulatedClock(TeskHandle dialog);
TESK_EXPORT int CuiCorvasimConfigDlgIsRealtimeClock(TeskHandle dialog);
/* An unsigned number in any base prefix ("0x" hexadecimal, a leading 0 octal), read up to the
 * first stray character; past 2147483647 (a negative number included) it is 2147483647. */
TESK_EXPORT void CuiCorvasimConfigDlgSetClockSpeed(TeskHandle dialog, const char *speed);
/* The speed in decimal, copied as GetProcessor copies; answers the buffer, untouched for an
 * unknown handle. */
TESK_EXPORT char *CuiCorvasimConfigDlgGetClockSpeed(TeskHandle dialog, char *buffer, int32_t size);
/* Debug endian: 0 little, 1 big. Start endian: 0 the debug endian, 1 the hardware's. */
TESK_EXPORT void CuiCorvasimConfigDlgSetEndian(TeskHandle dialog, int32_t big);
TESK_EXPORT int CuiCorvasimConfigDlgGetEndian(TeskHandle dialog);
TESK_EXPORT void CuiCorvasimConfigDlgSetStartEndian(TeskHandle dialog, int32_t hardware);
TESK_EXPORT int CuiCorvasimConfigDlgGetStartEndian(TeskHandle dialog);

/* CuiFillMemoryDialog (below) for hosts written in C: the same dialog and answers, with
 * pointers where it takes references. expression points to the caller's pointer to its
 * 256-byte buffer (a null expression, or a null buffer, gets no text). A null start, end,
 * length, endGiven, fillSize or target refuses the call (result 0, nothing shown). */
TESK_EXPORT int CuiFillMemoryDialogC(void *reserved, uint32_t *start, uint32_t *end, int *length,
                                     char **expression, int *endGiven, int *fillSize,
                                     uint32_t *target);

#ifdef __cplusplus
/* The one export of C++ linkage: hosts link to it by its decorated name; C hosts call
 * CuiFillMemoryDialogC. */
#define TESK_EXPORT_CXX __attribute__((visibility("default")))

/* Asks for the range, expression and size of a memory fill in the memory view's "Fill Memory"
 * dialog; fills nothing itself. start and end are offsets shown in the dialog's address fields,
 * formatted for the target. On OK (result 1): start and end receive the evaluated address
 * fields' offsets (the end field's whichever mode was chosen; 0 for text the target cannot
 * evaluate), length the length field read with C base prefixes (0 when it is no number),
 * endGiven 1 for the end-address mode and 0 for the length mode, fillSize 0 default, 1 to 3 for
 * 8, 16, 32 bits, target its own value; the expression (at most 255 characters, Latin-1) is
 * copied with its NUL into the caller's buffer, which must hold 256 bytes; a null buffer gets
 * nothing. Cancel (result 0) writes nothing. The first argument is not read. */
TESK_EXPORT_CXX int CuiFillMemoryDialog(void *reserved, uint32_t &start, uint32_t &end, int &length,
                                        char *&expression, int &endGiven, int &fillSize,
                                        uint32_t &target);
#endif

#endif
