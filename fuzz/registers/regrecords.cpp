// Register records as the host sends them through CuiRegPaneDataAdd and CuiRegPaneDataUpdate:
// views, registers, enumeration tables and blocks of value lines, into one data set.
//
// The input is a run of records, each a 21-byte head (kind, flags or count, type, line,
// column, width, table index, first line, line count, highlight) and then its texts, each
// ended by a NUL: name and full name for an item, the strings of the tables, or the value
// lines of an update.
#include "registers/regdata.h"

#include <tesk/tesk_registers.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

namespace {

class Input
{
public:
    Input(const uint8_t *data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    bool atEnd() const { return m_at >= m_size; }
    template<typename T>
    T number()
    {
        T value{};
        const size_t n = std::min(sizeof value, m_size - m_at);
        std::memcpy(&value, m_data + m_at, n);
        m_at += n;
        return value;
    }
    const char *text()
    {
        std::string &kept = m_texts.emplace_back();
        while (m_at < m_size && m_data[m_at])
            kept += char(m_data[m_at++]);
        ++m_at;
        return kept.c_str();
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_at = 0;
    // Texts stay where they are while more are read: the record points into them.
    std::deque<std::string> m_texts;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    RegData set(1);
    for (int records = 0; !in.atEnd() && records < 64; ++records) {
        RegDataRecord record{};
        const uint8_t kind = in.number<uint8_t>();
        record.flags = in.number<uint8_t>();
        record.type = in.number<uint8_t>();
        record.line = in.number<int16_t>();
        record.column = in.number<uint8_t>();
        record.width = in.number<uint8_t>();
        record.tableIndex = in.number<uint8_t>();
        record.highlight = in.number<uint8_t>();
        const int16_t firstLine = in.number<int16_t>();
        const int16_t lineCount = in.number<int16_t>();
        in.number<uint64_t>();
        switch (kind % 3) {
        case 0: {
            record.kind = REG_RECORD_ITEM;
            record.name = in.text();
            const char *full = in.text();
            record.fullName = *full ? full : nullptr;
            set.addRecord(record);
            break;
        }
        case 1: {
            record.kind = REG_RECORD_ENUM_TABLES;
            record.count = record.flags % 8;
            std::vector<const char *> tables;
            for (uint32_t i = 0; i < record.count; ++i)
                tables.push_back(in.text());
            record.enumTables = tables.data();
            set.addRecord(record);
            break;
        }
        default: {
            const RegLineBlock block{firstLine, lineCount, in.text()};
            record.lineBlocks = &block;
            record.blockCount = 1;
            set.update(record);
            break;
        }
        }
    }
    return 0;
}
