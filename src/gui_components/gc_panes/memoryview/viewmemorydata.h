#pragma once

#include "gui_components/gc_panes/memoryview/viewmemorytable.h"

#include <cstdint>

class KViewMemoryDataFormatter;

// A cell of the data table: its text and the field's raw value, the field's bytes in display
// byte order (zero-filled to 64 bits).
class KViewMemoryDataItem : public AViewMemoryTableItem
{
public:
    KViewMemoryDataItem(AViewMemoryTable *table, const QString &text, const QPixmap &pixmap);
    ~KViewMemoryDataItem() override;

    uint64_t value() const { return m_value; }
    void setValue(uint64_t value) { m_value = value; }

    // Runs the formatting library's in-place editor over the item's value. False when the
    // item or its table went away while the editor ran.
    bool editInPlace(int row, int col);

private:
    uint64_t m_value = 0;
};

// Memory as rows of formatted fields, edited in place through the formatting library.
class KViewMemoryData : public AViewMemoryTable
{
    Q_OBJECT

public:
    KViewMemoryData(tesk::gc_panes::MemoryTableView *view, QWidget *parent = nullptr,
                    const char *name = nullptr);
    ~KViewMemoryData() override;

    void setData(const uint8_t *data, uint32_t length) override;
    void updateRowLabels(bool valid) override;
    void updateColumnLabels() override;
    void adjustCellSizes() override;
    void cellTextColor(int row, int col, QColor &color) override;
    void cellBaseColor(int row, int col, QColor &color) override;
    bool fillFormatMenu(QMenu *popup) override;
    virtual void endFormatMenu();
    void setCellText(int row, int col, const QString &text) override;
    void writeCell(int row, int col, uint64_t value) override;
    bool headerLabel(const QString &label, QString &text) override;
    int startEdit(int row, int col, bool initFromCell) override;
    void offsetToCell(int64_t offset, int &col, int &row) const override;
    void cellToOffset(int64_t &offset, int col, int row) const override;

    virtual void addressToCell(const UMemoryAddress &address, int &row, int &col) const;
    virtual QString cellText(int row, int col) const;
    uint64_t cellValue(int row, int col) const;
    void format(QString &name, int &bits) const;
    // Refuses sizes other than 8, 16, 32 and 64 bits.
    bool setFormat(const QString &name, int bits);
    bool isBigEndian() const;
    KViewMemoryDataFormatter *formatter() const { return m_formatter; }

    QSize sizeHint() const override;

Q_SIGNALS:
    void sigEnableCustomFormat();

public Q_SLOTS:
    void slotContextMenuFormatChanged();

protected:
    AViewMemoryTableItem *createItem(const QString &text) override;
    QWidget *beginEdit(int row, int col, bool replace) override;
    void endEdit(int row, int col, bool accept, bool replace) override;

private:
    friend class KViewMemoryDataItem;

    // Where a cell's value lives: an edit is written only where it was begun.
    struct CellPlace
    {
        uint32_t target = 0;
        uint32_t space = 0;
        uint32_t offset = 0;
        bool valid = false;
        bool operator!=(const CellPlace &other) const
        {
            return target != other.target || space != other.space || offset != other.offset ||
                   valid != other.valid;
        }
    };

    KViewMemoryDataItem *dataItem(int row, int col) const;
    CellPlace cellPlace(int row, int col) const;
    void reportDroppedEdit();
    QString fieldText(int row, int col, const uint8_t *field, int size, bool swap, uint64_t &value);
    void forgetStaleAddressTexts();

    KViewMemoryDataFormatter *m_formatter;
    // Whose address texts the row header holds: a new target or generation drops them.
    uint32_t m_textsTarget = 0;
    uint64_t m_textsGeneration = 0;
};
