#include "registerrecords.h"

#include <cstdio>

namespace tesk::host {

RegDataRecord viewRecord(const char *name)
{
    RegDataRecord r{};
    r.kind = REG_RECORD_ITEM;
    r.name = name;
    r.flags = REG_FLAG_VIEW;
    return r;
}

RegDataRecord registerRecord(const char *name, uint32_t flags, int16_t line, uint32_t type,
                             uint8_t width, uint8_t column)
{
    RegDataRecord r{};
    r.kind = REG_RECORD_ITEM;
    r.name = name;
    r.flags = flags;
    r.type = type;
    r.line = line;
    r.column = column;
    r.width = width;
    return r;
}

RegDataRecord enumTablesRecord(const char *const *tables, uint32_t count)
{
    RegDataRecord r{};
    r.kind = REG_RECORD_ENUM_TABLES;
    r.enumTables = tables;
    r.count = count;
    return r;
}

RegDataRecord enumTablesRecord(const std::vector<const char *> &tables)
{
    return enumTablesRecord(tables.data(), static_cast<uint32_t>(tables.size()));
}

RegDataRecord updateRecord(const RegLineBlock *blocks, uint32_t count, uint32_t highlight)
{
    RegDataRecord r{};
    r.lineBlocks = blocks;
    r.blockCount = count;
    r.highlight = highlight;
    return r;
}

void ValueLines::add(const char *label, const char *value)
{
    if (m_count > 0)
        m_text += '\n';
    const std::size_t start = m_text.size();
    if (label)
        m_text += label;
    // A label longer than the column pushes its value right rather than losing characters.
    const std::size_t labelled = m_text.size() - start;
    if (labelled < static_cast<std::size_t>(m_column))
        m_text.append(static_cast<std::size_t>(m_column) - labelled, ' ');
    m_text += value;
    ++m_count;
}

void ValueLines::addHex(const char *label, uint32_t value)
{
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(value));
    add(label, digits);
}

void ValueLines::clear()
{
    m_text.clear();
    m_count = 0;
}

} // namespace tesk::host
