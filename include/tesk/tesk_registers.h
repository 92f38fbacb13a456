/* Register data sets: the host describes its registers once and then sends the text lines
   that hold their values. */
#ifndef TESK_REGISTERS_H
#define TESK_REGISTERS_H

#include <tesk/tesk_global.h>

/* One block of value lines: the lines of the register window from firstLine on, separated
   by line feeds. */
typedef struct RegLineBlock
{
    int16_t firstLine;
    int16_t lineCount;
    const char *text;
} RegLineBlock;
TESK_STATIC_ASSERT(sizeof(RegLineBlock) == (sizeof(void *) == 8 ? 16 : 8),
                   "RegLineBlock: two 16-bit numbers and a pointer");

/* Record kinds. */
enum {
    REG_RECORD_ITEM = 1,       /* a view (flag REG_FLAG_VIEW) or a register */
    REG_RECORD_ENUM_TABLES = 3 /* enumeration tables */
};

/* Flag bits of an item record. A group head is a register record (an item with its own value,
   of a type that makes an item) whose name becomes the group of the records that follow: it
   shows with an open/close box, its members (REG_FLAG_IN_GROUP) below it, their full names
   "view.head.member". A record with neither a head nor a member bit ends the group. A member
   whose group's head made no item (REG_TYPE_NO_ITEM, say) is refused (0): it could never be
   shown. The pane reads the other bits for display. */
enum {
    REG_FLAG_VIEW = 0x01,         /* the record defines a view (a tab) */
    REG_FLAG_IN_GROUP = 0x02,     /* a member of the current group, shown once the group opens */
    REG_FLAG_GROUP_HEAD = 0x04,   /* heads a group named after it */
    REG_FLAG_TITLE = 0x08,        /* a title line: a name across the row, no value */
    REG_FLAG_GROUP_OPEN = 0x10,   /* a group head that starts open */
    REG_FLAG_GROUP_HEAD_2 = 0x20, /* names a group as 0x04 does; in the pane it starts a row */
    REG_FLAG_IN_GROUP_2 = 0x40, /* in the current group as 0x02 is, but shown as a plain register */
    REG_FLAG_READ_ONLY = 0x80,  /* the value cannot be edited */
    REG_FLAG_UNAVAILABLE = 0x100, /* the value is shown as dashes */
    REG_FLAG_HIGHLIGHT = 0x2000,  /* the name is highlighted */
    REG_FLAG_SAME_LINE = 0x4000,  /* continues the previous register's line */
    REG_FLAG_OWN_LINE = 0x8000    /* stands on a line of its own */
};

/* Type codes: 5 is enumerated; 0-4 and 7-10 are value text; 6 and above 10 make no item.
   Every value-text type but 4 gets a format, chosen by the register's name (CPSR and SPSR
   "psr", XPSR "xpsr", ...) or else by its type, and the format reads the value text as a raw
   hexadecimal number ("0x" optional, up to 128 bits), whatever the radix code: a
   REG_TYPE_RADIX_10 register whose text is "10" holds 16. Only the floating-point types 7 and
   8 read their text as a number. A text that does not read shows as "!" characters. The
   format shows the value: REG_TYPE_BINARY as a bit pattern of as many bits as the register is
   characters wide (width 8, text "A5": 10100101), REG_TYPE_HEX_8 as 8 bits, the others in
   hexadecimal, 4 bits per character of width (64 bits for 9 to 16 characters, 128 above). A
   value the user enters comes back in REG_OP_SET_VALUE as raw hexadecimal too: "0x" and 8
   digits up to 32 bits ("0x000000a5" for that binary register), 16 or 32 digits above; a
   floating-point value as a number. Type 4 has no format: its text is shown as sent. */
enum {
    REG_TYPE_RADIX_16 = 0,
    REG_TYPE_RADIX_10 = 1,
    REG_TYPE_BINARY = 2, /* shown as a bit pattern as wide as the value */
    REG_TYPE_RADIX_2 = 3,
    REG_TYPE_ENUMERATED = 5,
    REG_TYPE_NO_ITEM = 6,
    REG_TYPE_FLOAT_32 = 7,
    REG_TYPE_FLOAT_64 = 8,
    REG_TYPE_HEX_8 = 10, /* an 8-bit value */
    REG_TYPE_LAST = 10   /* codes above make no item */
};

/* The record of CuiRegPaneDataAdd and CuiRegPaneDataUpdate. The library copies what it needs
   during the call; it writes only the type field (an enumerated register whose table index
   is bad or names an override table). */
typedef struct RegDataRecord
{
    uint32_t kind;
    TESK_ANONYMOUS union {
        const char *name;              /* kind 1: the name */
        const char *const *enumTables; /* kind 3: one enumeration table per string */
    };
    const char *fullName; /* kind 1: the qualified name, or null to have it composed */
    TESK_ANONYMOUS union {
        uint32_t flags; /* kind 1: REG_FLAG_* bits */
        uint32_t count; /* kind 3: number of strings */
    };
    uint32_t type;
    int16_t line;        /* the text line that holds the value */
    uint8_t column;      /* first character of the value in that line */
    uint8_t width;       /* number of characters of the value */
    uint32_t tableIndex; /* type 5: index into the data set's enumeration tables */
    uintptr_t hostWord;  /* handed back to the host with operations on the register */
    /* Update only: */
    const RegLineBlock *lineBlocks; /* null: no lines */
    uint32_t blockCount;
    uint32_t highlight; /* non-zero: registers whose value changed are shown highlighted */
} RegDataRecord;
/* 64 bytes with 64-bit pointers; with 32-bit pointers the 44 bytes of the original layout. */
TESK_STATIC_ASSERT(sizeof(RegDataRecord) == (sizeof(void *) == 8 ? 64 : 44),
                   "RegDataRecord: the layout hosts build against");

/* 1 when a data set with that id was created, 0 when one exists already. */
TESK_EXPORT int CuiRegPaneDataCreate(uint32_t id);
/* 1 when a data set with exactly that id exists. */
TESK_EXPORT int CuiRegPaneDataTestOfExistence(uint32_t id);
/* Adds a view, a register or enumeration tables; 0 when nothing was added to a view. */
TESK_EXPORT int CuiRegPaneDataAdd(uint32_t id, RegDataRecord *record);
/* Applies the record's line blocks to the data set's registers; 1 when applied. */
TESK_EXPORT int CuiRegPaneDataUpdate(uint32_t id, RegDataRecord *record);
/* A number the host keeps with the data set (with data set 0 for an unknown id). */
TESK_EXPORT uint32_t CuiRegPaneGetNumLines(uint32_t id);
TESK_EXPORT int CuiRegPaneSetNumLines(uint32_t id, uint32_t count);

/* The register pane. */

/* Register operations the pane hands to the host's handler. */
enum {
    REG_OP_SET_VALUE = 4,   /* pointer: the register's host word; text: the new value */
    REG_OP_VIEW_MEMORY = 6, /* pointer: the host word; text: the value as displayed */
    REG_OP_PROPERTIES = 7,  /* pointer: the host word; text: empty */
    REG_OP_UPDATE_VIEW = 8, /* pointer and text null */
    REG_OP_DATA_UPDATE = 9, /* a view wants fresh data; pointer null, text empty */
    REG_OP_MAY_CHANGE = 10  /* pointer: a uint32_t preset to 1; clear it to refuse */
};

/* handler(operation, pointer, Latin-1 text or null, context of CuiRegPaneAttach, 0); the
   result is not used. */
typedef int (*CuiRegPaneHandlerFn)(uint32_t operation, uintptr_t pointer, const char *text,
                                   uintptr_t context, uint32_t reserved);

/* One run of value lines on screen, as CuiRegPaneGetRangeLines writes it. */
typedef struct RegLineRange
{
    int16_t firstLine;
    int16_t lineCount;
    uint32_t reserved; /* 0 */
} RegLineRange;
TESK_STATIC_ASSERT(sizeof(RegLineRange) == 8, "RegLineRange: two 16-bit numbers and a word");

/* A register pane in the current main window; 0 without a handler. */
TESK_EXPORT TeskHandle CuiRegPaneCreate(CuiRegPaneHandlerFn handler);
/* 1 when deleted, 0 for a handle that is no register pane. */
TESK_EXPORT int CuiRegPaneDelete(TeskHandle pane);
/* Stores the word handed back to the handler; 1, or 0 for a bad handle. */
TESK_EXPORT int CuiRegPaneAttach(TeskHandle pane, uintptr_t context);
/* Shows the data set (data set 0 for an unknown id) as the pane's page and names it; the two
   definition names may be null. 1 when shown, 0 when it was shown already or for a bad
   handle. */
TESK_EXPORT int CuiRegPaneDataSet(uint32_t id, TeskHandle pane, const char *architecture,
                                  const char *processor, const char *displayName);
/* Drops the data set's page (never that of data sets 0 and 1); 0. */
TESK_EXPORT int CuiRegPaneDataDelete(uint32_t id, TeskHandle pane);
/* The values can be edited while the target is stopped (running 0); 0. */
TESK_EXPORT int CuiRegPaneTargetStartStop(uint32_t unused, TeskHandle pane, int running);
/* Writes the runs of value lines the current view shows, neighbours within two lines merged,
   and answers their number. -1 when they do not fit (the capacity is then set to the number
   needed), for a bad handle or buffer, without a current view, and, unless force is set, when
   an earlier pane shows the same data set. */
TESK_EXPORT int CuiRegPaneGetRangeLines(uint32_t unused, TeskHandle pane, RegLineRange *buffer,
                                        uint32_t *capacity, int force);
/* Reads the data set's architecture and processor definitions again; 1, or 0 for a bad
   handle. */
TESK_EXPORT int CuiUpdateFormatDefinition(uint32_t id, TeskHandle pane);

#endif
