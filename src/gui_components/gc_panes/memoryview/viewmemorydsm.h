#pragma once

#include "gui_components/gc_panes/memoryview/viewmemorytable.h"

#include <cstdint>
#include <vector>

class KViewMemoryDsmItem : public AViewMemoryTableItem
{
public:
    KViewMemoryDsmItem(AViewMemoryTable *table, const QString &text, const QPixmap &pixmap);
};

// One disassembled instruction per row: the row label is the instruction's address, the cell
// its text. Cell offsets follow the instructions' lengths, so the selection, the cursor and
// the cell addresses keep to real instruction boundaries.
class KViewMemoryDsm : public AViewMemoryTable
{
    Q_OBJECT

public:
    KViewMemoryDsm(tesk::gc_panes::MemoryTableView *view, QWidget *parent = nullptr,
                   const char *name = nullptr);
    KViewMemoryDsm(int rows, int cols, tesk::gc_panes::MemoryTableView *view,
                   QWidget *parent = nullptr, const char *name = nullptr);
    ~KViewMemoryDsm() override;

    // The host's line records (TeskDisassemblyLine) and one length byte per line. Null
    // records or lengths give empty rows; rows past `count` are emptied.
    virtual void setLines(const void *lines, uint32_t count, const uint8_t *lengths);
    void setLine(int row, const char *text, uint32_t length);

    void setData(const uint8_t *data, uint32_t length) override;
    void updateRowLabels(bool valid) override;
    void updateColumnLabels() override;
    void adjustCellSizes() override;
    void cellTextColor(int row, int col, QColor &color) override;
    void cellBaseColor(int row, int col, QColor &color) override;
    bool fillFormatMenu(QMenu *popup) override;
    void setCellText(int row, int col, const QString &text) override;
    void writeCell(int row, int col, uint64_t value) override;
    int startEdit(int row, int col, bool initFromCell) override;
    int bytesPerCell() const override;
    void offsetToCell(int64_t offset, int &col, int &row) const override;
    void cellToOffset(int64_t &offset, int col, int row) const override;

    const std::vector<uint32_t> &lengths() const { return m_lengths; }

protected:
    AViewMemoryTableItem *createItem(const QString &text) override;
    void endEdit(int row, int col, bool accept, bool replace) override;

private:
    std::vector<uint32_t> m_lengths;
};
