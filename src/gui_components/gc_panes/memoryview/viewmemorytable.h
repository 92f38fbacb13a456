#pragma once

#include "gui_components/gc_panes/memory/memoryaddress.h"
#include "utilities/table.h"

#include <QColor>
#include <QHash>
#include <QPoint>
#include <QString>

#include <climits>
#include <cstdint>
#include <memory>

class QMenu;
class AViewMemoryTable;
class AViewMemoryTablePrivate;

namespace tesk::gc_panes {
class MemoryTableView;
}

// The cell item of the memory tables: right-aligned, edited on typing, painted in the colours
// its table chooses for the cell.
class AViewMemoryTableItem : public UTableItem
{
public:
    AViewMemoryTableItem(AViewMemoryTable *table, const QString &text);
    AViewMemoryTableItem(AViewMemoryTable *table, const QString &text, const QPixmap &pixmap);

    int alignment() const override;
    void paint(QPainter *p, const QPalette &palette, const QRect &cellRect, bool selected) override;

private:
    AViewMemoryTable *m_memoryTable;
};

// Row and column header of the memory tables: no section highlighting, and labels that the
// table may resolve when they are painted (a row label can be a key that stands for an
// address text). The key-to-text map keeps resolved texts.
class AViewMemoryHeader : public UTableHeader
{
    Q_OBJECT

public:
    AViewMemoryHeader(int count, AViewMemoryTable *table, QWidget *parent, const char *name);

    void setSectionState(int section, SectionState state) override;
    void setSectionStateToAll(SectionState state) override;
    bool selectBySection(QMouseEvent *e) override;
    bool marginNeedsUpdate(int currentMargin, int wantedMargin) override;
    void paintSectionLabel(QPainter *p, int index, const QRect &rect) override;

    void insertText(const QString &key, const QString &text) { m_texts.insert(key, text); }
    // A null string when the key is not held.
    QString lookupText(const QString &key) const { return m_texts.value(key); }
    void clearTexts() { m_texts.clear(); }
    int textCount() const { return int(m_texts.size()); }

private:
    AViewMemoryTable *m_memoryTable;
    QHash<QString, QString> m_texts;
};

// The base of the memory view's tables. The table shows exactly the rows that fit and never
// scrolls vertically itself: moving past its edges moves the view's start address. Its
// selection is a linear range of cells (row-major), kept here instead of the rectangular
// selections of UTable; cell texts and colours come from the subclass.
class AViewMemoryTable : public UTable
{
    Q_OBJECT

public:
    static constexpr int kUnset = INT_MIN;
    static constexpr int kMaximumTableWidth = 4000;

    AViewMemoryTable(tesk::gc_panes::MemoryTableView *view, QWidget *parent, const char *name);
    AViewMemoryTable(int rows, int cols, tesk::gc_panes::MemoryTableView *view, QWidget *parent,
                     const char *name);
    ~AViewMemoryTable() override;

    tesk::gc_panes::MemoryTableView *view() const;

    virtual void setData(const uint8_t *data, uint32_t length) = 0;
    // Shows the view's selection, given as byte offsets from the start address.
    virtual void setSelectionCells(bool active, int64_t start, int64_t end, int64_t cursor);
    virtual void updateRowLabels(bool valid) = 0;
    virtual void updateColumnLabels() = 0;
    // Deletes every item.
    virtual void clearCells();
    virtual void adjustCellSizes() = 0;
    virtual void cellTextColor(int row, int col, QColor &color) = 0;
    virtual void cellBaseColor(int row, int col, QColor &color) = 0;
    virtual bool fillFormatMenu(QMenu *popup) = 0;
    virtual void setCellText(int row, int col, const QString &text) = 0;
    virtual void writeCell(int row, int col, uint64_t value) = 0;
    virtual bool headerLabel(const QString &label, QString &text);
    virtual int rangeStartColumn() const;
    virtual int rangeEndColumn() const;
    virtual int rangeStartRow() const;
    virtual int rangeEndRow() const;
    virtual int bytesPerCell() const;
    virtual void setCellHex64(int row, int col, uint32_t low, uint32_t high);
    virtual void setCellHex32(int row, int col, uint32_t value);
    virtual void setCellHex16(int row, int col, uint16_t value);
    virtual void setCellHex8(int row, int col, uint8_t value);
    // At most eight bytes are taken.
    virtual void setCellBytes(int row, int col, const uint8_t *bytes, int count);
    virtual int startEdit(int row, int col, bool initFromCell) = 0;
    virtual int rangeStartIndex() const;
    virtual int rangeEndIndex() const;
    virtual int currentIndex() const;
    virtual void setRangeByIndex(int start, int end, int current);
    virtual bool hasRange() const;
    virtual void clearRange();
    virtual void setRangeStart(int col, int row);
    virtual void rangeStart(int &col, int &row) const;
    virtual void setRangeEnd(int col, int row);
    virtual void rangeEnd(int &col, int &row) const;
    virtual bool isInRange(int col, int row) const;
    virtual void updateRangeDisplay();
    virtual void offsetToCell(int64_t offset, int &col, int &row) const;
    virtual void cellToOffset(int64_t &offset, int col, int row) const;

    // Reuses the cell's item, or puts a new one of the table's own kind there.
    void setText(int row, int col, const QString &text) override;
    void ensureCellVisible(int row, int col) override;
    bool isSelected(int row, int col, bool includeCurrent) const override;
    using UTable::isSelected;
    void setCurrentCell(int row, int col, bool updateSelections, bool ensureVisible) override;
    using UTable::setCurrentCell;
    void clearSelection(bool repaint) override;
    using UTable::clearSelection;
    bool createSelection(UTableSelection **selection) override;
    bool eventFilter(QObject *o, QEvent *e) override;

    // The logical current row; it may lie outside the rows shown while the view scrolls.
    int memoryCurrentRow() const;
    UMemoryAddress cellAddress(int row, int col) const;
    uint32_t cellAttribute(int row, int col) const;
    // 2 for bytes not read, 1 for the codes that show no value, else 0.
    // 0 a value, 1 unavailable, 2 not read.
    static int classOfAttribute(uint32_t code);
    int attributeClass(int row, int col) const;
    bool isChangeTracked(int row, int col) const;
    bool isCellEditable(int row, int col) const;
    int visibleRowCount() const;
    void adjustColumns();
    // Widens the row-label margin to the widest label; true when it changed.
    bool fitRowLabels();
    void moveCursor(bool extend, int oldCol, int oldRow, int newCol, int newRow);
    void advanceCursor();

Q_SIGNALS:
    void sigViewportResizeEvent(QResizeEvent *e);
    void updateSelectionReq();

public Q_SLOTS:
    void slotAutomaticScroll();

protected:
    virtual AViewMemoryTableItem *createItem(const QString &text) = 0;
    QWidget *createEditor(int row, int col, bool initFromCell) const override;
    QWidget *beginEdit(int row, int col, bool replace) override;
    void endEdit(int row, int col, bool accept, bool replace) override = 0;
    bool createTopHeader(UTableHeader **header, int cols) override;
    bool createLeftHeader(UTableHeader **header, int rows) override;
    void contentsMousePressEventEx(QMouseEvent *e) override;
    void contentsMouseReleaseEvent(QMouseEvent *e) override;
    void contentsMouseMoveEvent(QMouseEvent *e) override;
    void contentsWheelEvent(QWheelEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void windowActivationChange(bool oldActive) override;
    void viewportResizeEvent(QResizeEvent *e) override;

    // The colours of the data and character tables, by attribute code and recent change;
    // `otherBase` is the background of codes without a colour of their own.
    void attributeTextColor(int row, int col, QColor &color);
    void attributeBaseColor(int row, int col, QColor &color, const QColor *otherBase);
    // The header of a kind, as the memory header it is.
    AViewMemoryHeader *memoryHeader(Qt::Orientation orientation) const;
    // Applies one size to every column and row that differs; answers whether any did.
    bool applyCellSize(int width, int height, bool fixedRows = true);
    int lastVisibleRow() const;

private:
    void construct();
    void setHexText(int row, int col, uint64_t value, int digits);
    bool moveKey(QKeyEvent *e);
    void cellAt(const QPoint &pos, int &row, int &col) const;
    void showWidthWarning(int columnWidth);

    std::unique_ptr<AViewMemoryTablePrivate> d;
};

// An empty section label: a null one would make the header show the section's number.
const QString &emptyMemoryLabel();
