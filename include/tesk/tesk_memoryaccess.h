/*
 * The host's memory-access component, through which the library's memory views read, write
 * and fill target memory and ask about a target's memory.
 *
 * The host registers it with the broker under category "gui_bridge" and component id
 * "gb_MemoryAccess.component.1"; the library asks the object for interface 0x43200 version 0
 * once, the first time a view needs target memory, and keeps it for the rest of the process.
 *
 * Every operation returns 0 for success or an error object (which the library releases).
 * "target" is the host's own target id. Addresses cross as a pointer to a two-word record.
 */
#ifndef TESK_MEMORYACCESS_H
#define TESK_MEMORYACCESS_H

#include <mosk/mosk.h>
#include <tesk/tesk_global.h>

#include <stddef.h>
#include <stdint.h>

#define TESK_IID_MEMORY_ACCESS 0x43200u
#define TESK_MEMORY_ACCESS_CATEGORY "gui_bridge"
#define TESK_MEMORY_ACCESS_COMPONENT "gb_MemoryAccess.component.1"

/* Attribute codes: one per byte in a read answer. What a code means for the target is the
 * host's; the memory views colour cells and allow edits by it:
 *   code  shown as                                  editable
 *   0     "*" stars, red on white (unavailable)     no
 *   1     the value on yellow                       no
 *   2     "*" stars, red on white                   yes
 *   3     the value; changed cells in change colours yes
 *   4     "*" stars, red on white                   no
 *   5     the value, dark green on white            yes
 *   6     the value, black on light green           yes
 *   7     the value on red                          yes
 *   8     the value on yellow                       yes
 *   9     the value on brown                        yes
 *   16    "!" marks, red on white (the library's: not read)  no
 *   other the value in the view's own colours       yes
 * Ordinary readable memory is 3 (or any code above 9 but 16), not 0. */
#define TESK_MEMORY_UNAVAILABLE 0u
#define TESK_MEMORY_READ_ONLY 1u
#define TESK_MEMORY_CHANGE_TRACKED 3u
/* The attribute code the library gives bytes it could not read. */
#define TESK_MEMORY_NOT_READ 16u

/* The library never asks for more than this many bytes in one read, and no read crosses a
 * multiple of it. */
#define TESK_MEMORY_READ_CHUNK 1024u

/* A target address: the offset first, then the address-space word. */
typedef struct TeskMemoryAddress
{
    uint32_t offset;
    uint32_t space;
} TeskMemoryAddress;

/* One run of equally attributed bytes in a read answer (16 bytes). */
typedef struct TeskMemoryRun
{
    uint32_t attribute;
    uint32_t reserved1;
    uint32_t count; /* bytes in this run */
    uint32_t reserved2;
} TeskMemoryRun;

/* One disassembly line of memorySpaceInfo: the line's text is the instruction's address, a
 * space, then the instruction (leading spaces are skipped). The other words are the host's. */
typedef struct TeskDisassemblyLine
{
    uint32_t head[3];
    const char *text; /* zero-terminated */
    uint32_t tail[5];
} TeskDisassemblyLine;

#if UINTPTR_MAX == 0xFFFFFFFFFFFFFFFFu
#ifdef __cplusplus
static_assert(sizeof(TeskDisassemblyLine) == 48, "disassembly line record: 48 bytes");
static_assert(offsetof(TeskDisassemblyLine, text) == 16, "line text at byte 16");
#else
TESK_STATIC_ASSERT(sizeof(TeskDisassemblyLine) == 48, "disassembly line record: 48 bytes");
TESK_STATIC_ASSERT(offsetof(TeskDisassemblyLine, text) == 16, "line text at byte 16");
#endif
#endif

typedef struct IGb_MemoryAccessOps
{
    MOSK_BASE_OPERATIONS
    /* 4: read `length` bytes (at most TESK_MEMORY_READ_CHUNK, never across a multiple of it).
     * `data` receives a pointer to the bytes, valid until the next call of the component.
     * `runs` has room for *runCount records; the host stores the runs that describe the
     * bytes in order and sets *runCount to the number stored. The library passes -1 as
     * `mode`, ignores `info`, and passes the view's colouring mode as `flags`. */
    MoskResult (*read)(void *self, int32_t target, const TeskMemoryAddress *address,
                       uint32_t length, int32_t mode, uint32_t *info, const uint8_t **data,
                       TeskMemoryRun *runs, uint32_t *runCount, intptr_t flags);
    /* 5: an action on memory for the window `window`. A memory view writes with zero 0,
     * x = the byte count and y = the address of the bytes to write. */
    MoskResult (*memorySpaceAction)(void *self, TeskHandle window, int32_t target,
                                    const TeskMemoryAddress *address, int32_t zero, intptr_t x,
                                    intptr_t y, uint32_t *result);
    /* 6: fill from `first`: up to `last` when `length` is 0, else `length` bytes. fillSize
     * 0 is the default access size, 1, 2 and 3 are 8, 16 and 32 bits; `expression` is the
     * fill value's text. */
    MoskResult (*fill)(void *self, TeskHandle window, int32_t target,
                       const TeskMemoryAddress *first, const TeskMemoryAddress *last,
                       uint32_t length, int32_t fillSize, const char *expression);
    /* 7: two tab-separated lists: disassembly format ids (decimal) and their names. */
    MoskResult (*disassemblyFormatLists)(void *self, int32_t target, MoskOStream *ids,
                                         MoskOStream *names);
    /* 8: disassembly lines from `address` in format `formatId`: *lineCount holds the rows
     * wanted and receives the rows given; *lines the line records (TeskDisassemblyLine),
     * *lengths one byte per line (the instruction's length in bytes). The records belong to the
     * host until its next call. */
    MoskResult (*memorySpaceInfo)(void *self, int32_t target, const TeskMemoryAddress *address,
                                  uint32_t *lineCount, const void **lines, const uint8_t **lengths,
                                  int32_t formatId);
    /* 9: the host's text of an address. */
    MoskResult (*addressToText)(void *self, int32_t target, const TeskMemoryAddress *address,
                                MoskOStream *text);
    /* 10: evaluates an address text. */
    MoskResult (*textToAddress)(void *self, int32_t target, const char *text,
                                TeskMemoryAddress *address);
    /* 11: *bigEndian non-zero when memory at the address is big endian. */
    MoskResult (*byteOrderAt)(void *self, int32_t target, const TeskMemoryAddress *address,
                              uint8_t *bigEndian);
    /* 12: the default access size in bytes at the address. */
    MoskResult (*defaultAccessSize)(void *self, int32_t target, const TeskMemoryAddress *address,
                                    int32_t *size);
    /* 13: *supported non-zero when memory can be read while the target runs. */
    MoskResult (*supportsRunningAccess)(void *self, int32_t target, uint8_t *supported);
    /* 14: the target's name. */
    MoskResult (*targetName)(void *self, int32_t target, MoskOStream *name);
    /* 15: a breakpoint over [first, last]; the library passes 0 as `zero`. */
    MoskResult (*createBreakpoint)(void *self, TeskHandle window, int32_t target,
                                   const TeskMemoryAddress *first, const TeskMemoryAddress *last,
                                   int32_t zero);
    /* 16: not called by the library. */
    MoskResult (*reserved16)(void *self);
    /* 17: the range an address belongs to: its start and length. */
    MoskResult (*adjustAddress)(void *self, int32_t target, const TeskMemoryAddress *address,
                                TeskMemoryAddress *rangeStart, uint32_t *rangeLength);
    /* 18: the address `offset` bytes into the range that starts at `address`. */
    MoskResult (*adjustAddress2)(void *self, int32_t target, const TeskMemoryAddress *address,
                                 uint32_t offset, TeskMemoryAddress *result);
} IGb_MemoryAccessOps;

typedef struct IGb_MemoryAccess
{
    const IGb_MemoryAccessOps *ops;
} IGb_MemoryAccess;

#endif
