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

/* Flag bits of an item record. */
enum {
    REG_FLAG_VIEW = 0x01,       /* the record defines a view (a tab) */
    REG_FLAG_IN_GROUP = 0x02,   /* belongs to the current group (also 0x40) */
    REG_FLAG_GROUP_HEAD = 0x04, /* heads a group named after it (also 0x20) */
    REG_FLAG_TITLE = 0x08,      /* title line */
    REG_FLAG_GROUP_HEAD_2 = 0x20,
    REG_FLAG_IN_GROUP_2 = 0x40
};

/* Type codes: 5 is enumerated; 0-4 and 7-10 are value text; 6 and above 10 make no item.
   The radix codes name the base the value text is read in. */
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
    union {
        const char *name;              /* kind 1: the name */
        const char *const *enumTables; /* kind 3: one enumeration table per string */
    };
    const char *fullName; /* kind 1: the qualified name, or null to have it composed */
    union {
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

#endif
