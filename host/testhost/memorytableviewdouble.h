#pragma once

// A memory view as small as the memory tables need: the tables, the address-space scroll bar
// and a cache over the host's memory-access component, with the view's operations recorded.
// Tests and benchmarks drive the tables through it.

#include "gui_components/gc_panes/memory/viewmemoryinfo.h"
#include "gui_components/gc_panes/memoryview/memorytableview.h"

#include <memory>
#include <vector>

class KViewMemoryAscii;
class KViewMemoryData;
class KViewMemoryDsm;
class QWidget;

namespace testhost {

class MemoryTableViewDouble : public tesk::gc_panes::MemoryTableView
{
public:
    struct Selection
    {
        bool active;
        int64_t first;
        int64_t last;
        int64_t cursor;
    };
    struct Write
    {
        int row;
        int column;
        uint64_t oldValue;
        uint64_t newValue;
    };

    MemoryTableViewDouble(int rows, int columns, int fieldSize, uint32_t target = 1);
    ~MemoryTableViewDouble() override;

    KViewMemoryData &data() { return *m_data; }
    KViewMemoryAscii &ascii() { return *m_ascii; }
    KViewMemoryDsm &dsm() { return *m_dsm; }
    QWidget &window() { return *m_window; }

    // Moves the start address and fills the tables from the cache.
    void showAt(uint32_t offset);
    void refresh();
    // Fetches the disassembly lines for the rows through the bridge.
    void refreshDisassembly(int formatId = 0);
    void setBigEndian(bool bigEndian) { m_bigEndian = bigEndian; }
    void setFieldSize(int size) { m_fieldSize = size; }
    void refuseSelections(bool refuse) { m_refuseSelections = refuse; }

    const std::vector<Selection> &selections() const { return m_selections; }
    const std::vector<Write> &writes() const { return m_writes; }
    const std::vector<int> &columnChoices() const { return m_columnChoices; }
    // The line counts of every scroll the tables asked for.
    const std::vector<int> &scrolls() const { return m_scrolls; }

    int fieldSize() const override { return m_fieldSize; }
    int columnCount() const override { return m_columns; }
    int bytesPerRow() const override { return m_columns * m_fieldSize; }
    bool isBigEndian() const override { return m_bigEndian; }
    QString formatCode() const override { return QStringLiteral("hex"); }
    bool isStandardFormat() const override { return true; }
    UMemoryAddress startAddress() const override { return m_info.startAddress(); }
    KViewMemoryInfo &memoryInfo() override { return m_info; }
    QString addressText(const UMemoryAddress &address) override;
    bool writeValueAt(int row, int column, uint64_t oldValue, uint64_t newValue) override;
    bool writeCharAt(int row, int column, uint8_t oldChar, uint8_t newChar) override;
    bool setSelectionOffsets(bool active, int64_t first, int64_t last, int64_t cursor) override;
    bool selectionSyncSuspended() const override { return m_syncSuspended; }
    void setSelectionSyncSuspended(bool suspended) override { m_syncSuspended = suspended; }
    double scrollFraction() const override;
    void scrollToFraction(double fraction, bool sliderMoving) override;
    void scrollBy(int kind, int count) override;
    void selectColumns(int item) override { m_columnChoices.push_back(item); }
    KViewMemoryScrollbar *memoryScrollbar() const override { return m_scrollbar; }

private:
    void write(int row, int column, int size, uint64_t bytes);

    int m_rows;
    int m_columns;
    int m_fieldSize;
    bool m_bigEndian = false;
    bool m_syncSuspended = false;
    bool m_refuseSelections = false;
    KViewMemoryInfo m_info;
    std::unique_ptr<QWidget> m_window;
    KViewMemoryData *m_data = nullptr;
    KViewMemoryAscii *m_ascii = nullptr;
    KViewMemoryDsm *m_dsm = nullptr;
    KViewMemoryScrollbar *m_scrollbar = nullptr;
    std::vector<Selection> m_selections;
    std::vector<Write> m_writes;
    std::vector<int> m_columnChoices;
    std::vector<int> m_scrolls;
};

} // namespace testhost
