#pragma once

#include "gui_components/gc_panes/memoryview/viewmemorytable.h"

class KViewMemoryDataFormatter;

class KViewMemoryAsciiItem : public AViewMemoryTableItem
{
public:
    using AViewMemoryTableItem::AViewMemoryTableItem;
};

// Memory as one character per byte; typing a printable character over a cell writes it.
class KViewMemoryAscii : public AViewMemoryTable
{
    Q_OBJECT

public:
    KViewMemoryAscii(tesk::gc_panes::MemoryTableView *view, QWidget *parent = nullptr,
                     const char *name = nullptr);
    ~KViewMemoryAscii() override;

    void setData(const uint8_t *data, uint32_t length) override;
    void setCellBytes(int row, int col, const uint8_t *bytes, int count) override;
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

protected:
    AViewMemoryTableItem *createItem(const QString &text) override;
    void endEdit(int row, int col, bool accept, bool replace) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    int bytesPerRow() const;

    KViewMemoryDataFormatter *m_formatter;
};
