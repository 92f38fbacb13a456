/* Message boxes, simple prompts and host-described dialogs.
 *
 * The host's texts (captions, messages, labels, button texts, values, list entries) are plain
 * text: markup in them is shown as written. Each is read no further than 64 KiB and one byte
 * (which says whether it goes on); a longer one is cut at 64 KiB, before any character a UTF-8
 * text would have split, and ends with a visible "[...]" (on a line of its own under a
 * message). */
#ifndef TESK_DIALOGS_H
#define TESK_DIALOGS_H

#include <tesk/tesk_global.h>

/* ---- Message boxes and prompts --------------------------------------------------------
 * The first word is not read. Caption and text are UTF-8; a null caption shows the debugger's
 * name. Every question of this header ends when the host closes the main window it belongs to
 * while it waits (from a timer, say): it then answers as if cancelled (CuiMessagePrompt 0). */

/* Critical, information and warning boxes with one OK button; always 1. */
TESK_EXPORT int CuiSimpleError(int32_t reserved, const char *caption, const char *text);
TESK_EXPORT int CuiSimpleInfo(int32_t reserved, const char *caption, const char *text);
TESK_EXPORT int CuiSimpleWarning(int32_t reserved, const char *caption, const char *text);
/* OK (1) or Cancel (2); Escape and closing the window answer 2. */
TESK_EXPORT int CuiSimpleWarningCancel(int32_t reserved, const char *caption, const char *text);
/* Yes (3) or No (4); Escape and closing the window answer 4. */
TESK_EXPORT int CuiSimplePrompt(int32_t reserved, const char *caption, const char *text);

/* Button specifiers of CuiMessagePrompt: a button code in the low byte, optionally marked as
 * the default (Enter) or escape (Escape, window close) button. */
enum {
    CUI_MB_OK = 1,
    CUI_MB_CANCEL = 2,
    CUI_MB_YES = 3,
    CUI_MB_NO = 4,
    CUI_MB_ABORT = 5,
    CUI_MB_RETRY = 6,
    CUI_MB_IGNORE = 7,
    CUI_MB_YES_TO_ALL = 8,
    CUI_MB_NO_TO_ALL = 9,
    CUI_MB_DEFAULT = 0x100,
    CUI_MB_ESCAPE = 0x200
};

/* The library's own box: icon 0 none, 1 information, 2 warning, 3 critical (others none);
 * caption and text Latin-1. Answers the code of the button that ended it, the escape
 * button's code when the window was closed, else 0; 0 at once when prompts are suppressed. */
TESK_EXPORT int CuiMessagePrompt(int32_t reserved, const char *caption, const char *text,
                                 int32_t icon, int32_t button0, int32_t button1, int32_t button2);

/* ---- Lists, entries, go-to-line, user information, about --------------------------------
 * The first word is not read. Texts are Latin-1 and pass through the translation. */

/* The entries of items, one per line (empty lines dropped; past 64 KiB the entry the cut splits
 * and the rest are dropped), for one pick or, with multiple
 * non-zero, a check list. A leading '=' selects (ticks) the entry; '-' and '!' are dropped.
 * OK answers 1 and writes into positions: one pick writes positions[0] (-1 for none) and a
 * count of 1 whatever bound says; a check list writes the ticked positions in list order, as
 * many as bound holds, and count receives how many were written. With several '=' entries in
 * one pick the last is selected. A null description shows "Select an Item from List:" (or
 * "Select Items from List:" for a check list). Cancel answers 0 and writes nothing; so do
 * suppressed prompts. */
TESK_EXPORT int CuiSimpleList(int32_t reserved, const char *caption, const char *description,
                              const char *items, int32_t *positions, int32_t bound, int32_t *count,
                              int32_t multiple, int32_t helpId);

/* One line of text, in a line edit (CuiSimpleEntry) or an editable drop-down
 * (CuiSimpleEntryPD). OK answers 1 and writes the answer into buffer as UTF-8, cut at a
 * character so that the terminating zero fits in size bytes, zeros up to size. Cancel answers
 * 0 and leaves the buffer; so do suppressed prompts, a null buffer and a size below 1. A null
 * caption or OK text keeps the dialog's own; help id 0 hides Help. */
TESK_EXPORT int CuiSimpleEntry(int32_t reserved, const char *caption, const char *message,
                               const char *value, char *buffer, int32_t size, const char *okText,
                               int32_t helpId);
TESK_EXPORT int CuiSimpleEntryPD(int32_t reserved, const char *caption, const char *message,
                                 const char *value, char *buffer, int32_t size, const char *okText,
                                 int32_t helpId);

/* A whole number: OK answers 1 and stores it; Cancel, suppressed prompts and a null result
 * answer 0 and store nothing. */
TESK_EXPORT int CuiSimpleEntryInteger(int32_t reserved, const char *caption, const char *label,
                                      int32_t value, int32_t step, int32_t minimum, int32_t maximum,
                                      int32_t *result);
/* A real number, with the codes the other way round: OK answers 0 and stores it; Cancel,
 * suppressed prompts and a null result answer 1 and store nothing. */
TESK_EXPORT int CuiSimpleEntryDouble(int32_t reserved, const char *caption, const char *label,
                                     double value, int32_t decimals, double minimum, double maximum,
                                     double *result);
/* A line between 1 and maximum, starting from *line: OK answers 1 and stores it in *line;
 * Cancel and a null line answer 0. Shown even when prompts are suppressed. */
TESK_EXPORT int CuiGotoLineDialog(int32_t reserved, int32_t *line, int32_t maximum);

/* The corrected name of a source file that was not found. Retry, or a file picked by
 * browsing, answers 1 and copies the name (UTF-8) into buffer as strncpy does: at most size
 * bytes, zeros after a shorter name, no terminating zero for a name of size bytes or more.
 * Cancel answers 0 and leaves the buffer; so do suppressed prompts, a null buffer and a size
 * below 1. Null texts keep the dialog's own. */
TESK_EXPORT int CuiGetSourceLocation(int32_t reserved, const char *caption, const char *message,
                                     const char *fileName, char *buffer, int32_t size);

/* Contact details merged into a copy of the template: on OK the template is written to the
 * output file with the nine values appended to the line that starts with blanks and "Name"
 * and the eight lines after it. Answers 1 once the output is written; a file that cannot be
 * read or written is reported and the dialog stays up. The output replaces the old file only
 * once written whole, so a failed write keeps the old one, and the template may be the output
 * itself. In a folder where no new file can be made beside it, a writable output is written in
 * place: a failed write there is still reported, but leaves what was written. Cancel and a null
 * name answer 0. */
TESK_EXPORT int CuiGetUserInformation(int32_t reserved, const char *templateFile,
                                      const char *outputFile);

/* The about box: the build and copyright lines, and the additional text (rich text; newlines
 * break lines) followed by the installation's notices. The third text is not used. Always 0. */
TESK_EXPORT int CuiSimpleAbout(const char *buildText, const char *copyrightText,
                               const char *reservedText, const char *additionalText);

/* ---- Host-described dialogs -------------------------------------------------------------
 * Records are allocated with malloc and freed with free; the host may read and write them.
 * The entry and toggle records (and the toggle's text) are the host's to free, once no dialog
 * uses them any more: after a modal run, or once a dialog left up has gone. A record made
 * again at the address of a freed one is a new record: a dialog still up on the old one
 * neither reads nor writes it. */

enum {
    QSDI_KIND_PLAIN = 0,
    QSDI_KIND_ENTRY = 3,
    QSDI_KIND_FIND_REPLACE = 6,
    QSDI_KIND_QUESTION = 7
};
/* 0 runs the dialog and waits; 1 shows it without modality, 2 modally without waiting
 * (both return at once and keep the dialog up until the user closes it). */
enum { QSDI_MODE_MODAL = 0, QSDI_MODE_MODELESS = 1, QSDI_MODE_MODAL_NO_WAIT = 2 };
/* Button roles: reject, accept, end with the button's code, call the host back. */
enum { QSDI_ROLE_REJECT = 0, QSDI_ROLE_ACCEPT = 1, QSDI_ROLE_END = 2, QSDI_ROLE_EVENT = 3 };
/* Find and replace options. */
enum {
    QSDI_FIND_BACKWARDS = 1,
    QSDI_FIND_STOP_AT_END = 2,
    QSDI_FIND_REGEXP = 4,
    QSDI_FIND_INSENSITIVE = 8
};
/* Code units each find and replace buffer holds. */
#define QSDI_FIND_BUFFER_UNITS 128

typedef void (*QSDICallbackFn)(void *data);

typedef struct QSDITexts
{
    const char *caption; /* Latin-1, or 0 */
    const char *message; /* Latin-1, or 0 */
    int32_t captionCode; /* standard label 2011..2910, else ignored */
    int32_t messageCode; /* standard label 3011..3910, else ignored */
} QSDITexts;

/* When a dialog left up (modes 1 and 2) goes (ended by any button, closed, or deleted with its
 * window) the library writes 0 into the first 32-bit word of the data, once: it must point to
 * at least 4 writable bytes while the dialog is up (for kind 6 it is the find record, whose
 * open flag falls; a find record freed meanwhile is not written, and the dialog's events no
 * longer call the function). */
typedef struct QSDICallback
{
    QSDICallbackFn function;
    void *data;
} QSDICallback;

typedef struct QSDIButtonNode
{
    int32_t code;
    int32_t role;
    struct QSDIButtonNode *next;
} QSDIButtonNode;

typedef struct QSDIEventNode
{
    int32_t id;
    struct QSDIEventNode *next;
} QSDIEventNode;

/* Kind 3. The buffer holds the initial text and receives the result, Latin-1 and terminated
 * (characters beyond Latin-1 become '?'). With a maximum above 0 the library writes at most
 * maximum + 1 bytes; without one the buffer must hold what may be typed: 32767 characters and
 * the terminating zero. */
typedef struct QSDIEntry
{
    char *buffer;
    int32_t maximum;
} QSDIEntry;

/* Kind 7. The state is 1 when checked; the library writes it whenever the user toggles. */
typedef struct QSDIToggle
{
    char *text; /* the library's copy */
    int32_t code;
    int32_t state;
} QSDIToggle;

/* Kind 6, passed as the callback's data. The buffers hold one UTF-16 code unit per element. */
typedef struct QSDIFind
{
    int32_t open;      /* 1 while the find and replace dialog is up */
    int32_t lastEvent; /* code of the last button that called back */
    intptr_t hostWord; /* the host's own; never read */
    uint32_t *findBuffer;
    int32_t findLength;
    uint32_t *replaceBuffer;
    int32_t replaceLength;
    int32_t options;
} QSDIFind;

typedef struct QSDIDescription
{
    int32_t kind;
    int32_t icon; /* 0 none, 1 information, 2 warning, 3 critical */
    int32_t mode;
    QSDITexts *texts;
    QSDICallback *callback;
    QSDIButtonNode *buttons;
    QSDIEventNode *events;
    void *control; /* QSDIEntry (kind 3) or QSDIToggle (kind 7) */
} QSDIDescription;

/* The record exports answer 0, or 1 when an allocation failed or a record pointer was null, or
 * when the description given to an Add or Delete export was not made by QtQSDIInitDialog or
 * was freed already (nothing is then touched). */
TESK_EXPORT int QtQSDIInitDialog(QSDIDescription **description, int32_t kind, int32_t icon,
                                 int32_t mode, int32_t captionCode, int32_t messageCode);
/* With a label, the code becomes that of the standard label reading the same (10 becoming
 * 11 when none does). Role 3 also adds an event for the code given. */
TESK_EXPORT int QtQSDIAddButton(QSDIDescription *description, const char *label, int32_t code,
                                int32_t role);
TESK_EXPORT int QtQSDIAddEvent(QSDIDescription *description, int32_t id);
/* Replaces (and frees) a callback record added before. */
TESK_EXPORT int QtQSDIAddCallback(QSDIDescription *description, QSDICallbackFn function,
                                  void *data);
TESK_EXPORT int QtQSDIAddEntry(QSDIDescription *description, char *buffer, int32_t maximum);
TESK_EXPORT int QtQSDIAddToggle(QSDIDescription *description, const char *text, int32_t code,
                                int32_t state);
/* Frees the description with its texts, buttons, events and callback; the entry or toggle
 * record stays, as a dialog still up uses it. */
TESK_EXPORT int QtQSDIDeleteDialog(QSDIDescription *description);
TESK_EXPORT int QtQSDIInitFindCallback(QSDIFind **find, intptr_t hostWord, int32_t options);
/* Also 1 for a find record not made by QtQSDIInitFindCallback or freed already. */
TESK_EXPORT int QtQSDIDeleteFindCallback(QSDIFind *find);

/* Mode 0: 0 rejected, 1 accepted, or the code of a role-2 button. Modes 1 and 2: 0 at once,
 * the dialog staying up. Other modes and a null description: 0, nothing shown. */
TESK_EXPORT int QtQSDIExecDialog(QSDIDescription *description);

/* Run a dialog handle of the dialog families modally: its result, or 0 for anything else, when
 * the dialog, or the window it belongs to, is destroyed while it runs, and at once for a dialog
 * that is running already (which goes on running). */
TESK_EXPORT int CuiDoModal(void *dialog);
TESK_EXPORT int CuiDialogExec(void *dialog);
/* Raises (non-zero) or lowers the modal-dialog-shown mark of every main window. */
TESK_EXPORT void QtSetModalDialogShown(int flag);

#endif
