/*
 * A register pane with groups: view "Core" holds R0-R3 and the status register CPSR, whose
 * flag bits are a group under it; view "System" holds the group CONTROL. A group head is an
 * ordinary register record (a type that makes an item) with REG_FLAG_GROUP_HEAD; the records
 * after it with REG_FLAG_IN_GROUP are its members, until a record without either flag.
 * Every value text is hexadecimal, whatever the type's radix: the pane's format reads it as a
 * raw hexadecimal number and shows it in the register's format. MASK, of the binary type and 8
 * characters wide, gets "A5" and shows the bit pattern 10100101.
 *
 *   registers [ticks]
 */
#include "example.h"

#include <stdio.h>
#include <string.h>

#define DATA_SET 7u
#define COUNT 12

static const struct
{
    const char *name;
    uint32_t flags;
    uint32_t type;
    uint8_t width;
} kRegisters[COUNT] = {
    {"Core", REG_FLAG_VIEW, 0, 0},
    {"R0", 0, REG_TYPE_RADIX_16, 8},
    {"R1", 0, REG_TYPE_RADIX_16, 8},
    {"CPSR", REG_FLAG_GROUP_HEAD, REG_TYPE_RADIX_16, 8},
    {"N", REG_FLAG_IN_GROUP, REG_TYPE_RADIX_2, 1},
    {"Z", REG_FLAG_IN_GROUP, REG_TYPE_RADIX_2, 1},
    {"C", REG_FLAG_IN_GROUP, REG_TYPE_RADIX_2, 1},
    {"SP", 0, REG_TYPE_RADIX_16, 8}, /* no group flag: the CPSR group ended */
    {"MASK", 0, REG_TYPE_BINARY, 8}, /* 8 bits, shown as 8 binary digits */
    {"System", REG_FLAG_VIEW, 0, 0},
    {"CONTROL", REG_FLAG_GROUP_HEAD, REG_TYPE_RADIX_16, 8},
    {"PRIV", REG_FLAG_IN_GROUP, REG_TYPE_RADIX_2, 1},
};

static uint32_t g_r0, g_cpsr = 0x60000000u;
static char g_lines[COUNT * 24];
static int g_updatesAsked;

/* One value line per register, the value from column 8; a view's record takes no line. */
static void sendLines(void)
{
    RegLineBlock block;
    RegDataRecord update;
    snprintf(g_lines, sizeof g_lines,
             "R0      %08X\nR1      00000001\nCPSR    %08X\nN       %u\nZ       %u\n"
             "C       %u\nSP      20001000\nMASK    A5\nCONTROL 00000001\nPRIV    1",
             (unsigned)g_r0, (unsigned)g_cpsr, (unsigned)(g_cpsr >> 31),
             (unsigned)(g_cpsr >> 30) & 1u, (unsigned)(g_cpsr >> 29) & 1u);
    block.firstLine = 0;
    block.lineCount = 10;
    block.text = g_lines;
    memset(&update, 0, sizeof update);
    update.lineBlocks = &block;
    update.blockCount = 1;
    update.highlight = 1;
    CuiRegPaneDataUpdate(DATA_SET, &update);
}

static void describe(void)
{
    RegDataRecord record;
    int16_t line = 0;
    int i;
    CuiRegPaneDataCreate(DATA_SET);
    for (i = 0; i < COUNT; ++i) {
        memset(&record, 0, sizeof record);
        record.kind = REG_RECORD_ITEM;
        record.name = kRegisters[i].name;
        record.flags = kRegisters[i].flags;
        record.type = kRegisters[i].type;
        if (!(record.flags & REG_FLAG_VIEW)) {
            record.line = line++;
            record.column = 8;
            record.width = kRegisters[i].width;
            record.hostWord = (uintptr_t)i; /* handed back with the register's operations */
        }
        CuiRegPaneDataAdd(DATA_SET, &record);
    }
    CuiRegPaneSetNumLines(DATA_SET, (uint32_t)line);
}

static int handler(uint32_t operation, uintptr_t hostWord, const char *text, uintptr_t context,
                   uint32_t reserved)
{
    (void)context, (void)reserved;
    if (operation == REG_OP_DATA_UPDATE) {
        ++g_updatesAsked;
        sendLines();
    } else if (operation == REG_OP_SET_VALUE && text) {
        /* The user's value as raw hexadecimal, whatever the format: "0x000000a5" for MASK. */
        printf("registers: %s set to %s\n", kRegisters[hostWord % COUNT].name, text);
    }
    return 0;
}

static void tick(int n)
{
    /* The target runs: R0 counts and the flags change; changed values show highlighted. */
    g_r0 = (uint32_t)n;
    g_cpsr ^= 0x20000000u;
    sendLines();
}

int main(int argc, char **argv)
{
    TeskHandle pane;
    int ticks;
    setvbuf(stdout, NULL, _IOLBF, 0);
    if (!exampleStart("registers"))
        return 2;
    QtFrameShow();
    describe();
    sendLines();
    pane = CuiRegPaneCreate(&handler);
    CuiRegPaneDataSet(DATA_SET, pane, NULL, NULL, "Example core");
    QtCreateDocked(0, 0);
    printf("registers: pane %s\n", CuiWindowCreateQtPane("Registers", (void *)pane, NULL, 0x2001)
                                       ? "docked"
                                       : "NOT docked");
    exampleIdle(exampleTicks(argc, argv, 0), &tick);
    ticks = exampleRun();
    printf("registers: the pane asked for lines %d times in %d ticks\n", g_updatesAsked, ticks);
    return g_updatesAsked > 0 ? 0 : 1;
}
