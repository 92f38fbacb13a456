#pragma once

// The register records and value lines a host sends through the C interface, built in one
// place for the demo host, the tests and the benchmarks. Only the C header's types: the demo
// host links this without linking the library.

#include <tesk/tesk_registers.h>

#include <string>
#include <vector>

namespace tesk::host {

// A view (a tab of the register pane); the registers added after it belong to it.
RegDataRecord viewRecord(const char *name);

// A register whose value is `width` characters from `column` of text line `line`.
RegDataRecord registerRecord(const char *name, uint32_t flags = 0, int16_t line = 0,
                             uint32_t type = 0, uint8_t width = 8, uint8_t column = 0);

// Enumeration tables, one per string; the strings must outlive the add call.
RegDataRecord enumTablesRecord(const char *const *tables, uint32_t count);
RegDataRecord enumTablesRecord(const std::vector<const char *> &tables);

// An update that applies `count` line blocks; the blocks must outlive the update call.
RegDataRecord updateRecord(const RegLineBlock *blocks, uint32_t count, uint32_t highlight = 0);

// Value lines as the engine writes them after a stop: one register a line, each value at the
// same column behind its label, lines separated by line feeds.
class ValueLines
{
public:
    explicit ValueLines(int column = 0)
        : m_column(column)
    {
    }

    void add(const char *label, const char *value);
    // The value as eight hexadecimal digits.
    void addHex(const char *label, uint32_t value);
    void clear();

    const std::string &text() const { return m_text; }
    int16_t count() const { return m_count; }
    // All lines as one block from line 0 of the register window; valid while the lines are.
    RegLineBlock block() const { return RegLineBlock{0, m_count, m_text.c_str()}; }

private:
    std::string m_text;
    int m_column;
    int16_t m_count = 0;
};

} // namespace tesk::host
