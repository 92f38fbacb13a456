#include "registers.h"
#include "demoexports.h"

#include <tesk/tesk.h>

#include <dlfcn.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct RegisterExports
{
    decltype(&CuiRegPaneDataCreate) create;
    decltype(&CuiRegPaneDataTestOfExistence) exists;
    decltype(&CuiRegPaneDataAdd) add;
    decltype(&CuiRegPaneDataUpdate) update;
    decltype(&CuiRegPaneSetNumLines) setNumLines;
    decltype(&CuiRegPaneGetNumLines) getNumLines;
};

using demo::resolve;

RegisterExports exportsOf(void *library)
{
    RegisterExports e{};
    resolve(library, "CuiRegPaneDataCreate", e.create);
    resolve(library, "CuiRegPaneDataTestOfExistence", e.exists);
    resolve(library, "CuiRegPaneDataAdd", e.add);
    resolve(library, "CuiRegPaneDataUpdate", e.update);
    resolve(library, "CuiRegPaneSetNumLines", e.setNumLines);
    resolve(library, "CuiRegPaneGetNumLines", e.getNumLines);
    return e;
}

// The simulated core: sixteen general registers, a status register shown by its fields, a
// floating-point register and an enumerated mode register.
struct SimulatedCore
{
    unsigned r[16] = {};
    unsigned cpsr = 0x600000d3;
    float s0 = 1.5f;
    unsigned mode = 1;

    void step()
    {
        for (unsigned i = 0; i < 16; ++i)
            r[i] = r[i] * 1103515245u + 12345u + i;
        s0 *= -1.25f;
        mode = (mode + 1) % 3;
    }

    // One line per register, each value at column 8, 8 characters wide.
    std::string lines() const
    {
        std::string text;
        char line[32];
        for (unsigned i = 0; i < 16; ++i) {
            std::snprintf(line, sizeof line, "R%-7u%08x\n", i, r[i]);
            text += line;
        }
        std::snprintf(line, sizeof line, "CPSR    %08x\n", cpsr);
        text += line;
        std::snprintf(line, sizeof line, "S0      %-8g\n", double(s0));
        text += line;
        std::snprintf(line, sizeof line, "MODE    %x", mode);
        return text + line;
    }
};

RegDataRecord itemRecord(const char *name, uint32_t flags, uint32_t type, int16_t line)
{
    RegDataRecord r{};
    r.kind = REG_RECORD_ITEM;
    r.name = name;
    r.flags = flags;
    r.type = type;
    r.line = line;
    r.column = 8;
    r.width = 8;
    r.hostWord = static_cast<uintptr_t>(line) + 1;
    return r;
}

void describe(const RegisterExports &e, uint32_t id)
{
    const char *const tables[] = {"user=0\tsupervisor\tinterrupt=2"};
    RegDataRecord enums{};
    enums.kind = REG_RECORD_ENUM_TABLES;
    enums.enumTables = tables;
    enums.count = 1;
    e.add(id, &enums);

    RegDataRecord core = itemRecord("Core", REG_FLAG_VIEW, 0, 0);
    e.add(id, &core);
    static const char *const names[] = {"R0", "R1", "R2",  "R3",  "R4",  "R5", "R6", "R7",
                                        "R8", "R9", "R10", "R11", "R12", "SP", "LR", "PC"};
    int made = 0;
    for (int16_t i = 0; i < 16; ++i) {
        // R0 heads a group of the eight low registers.
        const uint32_t flags = i == 0 ? REG_FLAG_GROUP_HEAD : (i < 8 ? REG_FLAG_IN_GROUP : 0);
        RegDataRecord r = itemRecord(names[i], flags, REG_TYPE_RADIX_16, i);
        made += e.add(id, &r);
    }
    RegDataRecord status = itemRecord("Status", REG_FLAG_VIEW, 0, 0);
    e.add(id, &status);
    RegDataRecord cpsr = itemRecord("CPSR", 0, REG_TYPE_RADIX_16, 16);
    RegDataRecord s0 = itemRecord("S0", 0, REG_TYPE_FLOAT_32, 17);
    RegDataRecord mode = itemRecord("MODE", 0, REG_TYPE_ENUMERATED, 18);
    for (RegDataRecord *r : {&cpsr, &s0, &mode})
        made += e.add(id, r);
    std::printf("host: register data set %u: two views and %d registers\n", id, made);
}

} // namespace

void runRegisterDemo(void *library)
{
    const RegisterExports e = exportsOf(library);
    const uint32_t id = 7;
    if (!e.create(id))
        std::printf("host: register data set %u existed already\n", id);
    describe(e, id);

    SimulatedCore core;
    int updates = 0;
    for (int stop = 0; stop < 3; ++stop) {
        core.step();
        const std::string text = core.lines();
        RegLineBlock block{0, 19, text.c_str()};
        RegDataRecord update{};
        update.lineBlocks = &block;
        update.blockCount = 1;
        update.highlight = 1;
        updates += e.update(id, &update);
    }
    e.setNumLines(id, 19);
    std::printf("host: register data set %u updated %d times, %u value lines\n", id, updates,
                e.getNumLines(id));
    std::printf("host: register data set 99 %s; its line count falls back to data set 0: %u\n",
                e.exists(99) ? "exists" : "does not exist", e.getNumLines(99));
}
