#pragma once

#include "utilities/tableheader.h"
#include "utilities/tableitem.h"
#include "utilities/tableselection.h"
#include "utilities/uscrollview.h"

#include <QList>
#include <QPalette>
#include <QPixmap>
#include <QSet>
#include <QStringList>

#include <memory>
#include <vector>

class QMimeData;
class QTimer;
class UTablePrivate;
namespace tesk::utilities {
class TableTextCache;
}

// A spreadsheet-like grid of cells addressed by (row, column), with a row header on the left
// and a column header on top. A cell holds a UTableItem, a child widget, both or nothing. The
// table keeps a current cell and a list of rectangular selections, edits cells in place,
// sorts by a column and hides, moves, inserts and removes rows and columns.
//
// Whoever creates a table calls init(rows, cols) once after construction (a subclass at the
// end of its own constructor), so that init reaches the subclass's header hooks. The
// operations that subclasses replace are virtual and the table only ever calls them
// virtually.
class UTable : public UScrollView
{
    Q_OBJECT
    Q_PROPERTY(int numRows READ numRows WRITE setNumRows)
    Q_PROPERTY(int numCols READ numCols WRITE setNumCols)
    Q_PROPERTY(bool showGrid READ showGrid WRITE setShowGrid)
    Q_PROPERTY(bool rowMovingEnabled READ rowMovingEnabled WRITE setRowMovingEnabled)
    Q_PROPERTY(bool columnMovingEnabled READ columnMovingEnabled WRITE setColumnMovingEnabled)
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(bool sorting READ sorting WRITE setSorting)
    Q_PROPERTY(SelectionMode selectionMode READ selectionMode WRITE setSelectionMode)
    Q_PROPERTY(FocusStyle focusStyle READ focusStyle WRITE setFocusStyle)
    Q_PROPERTY(int numSelections READ numSelections)

    friend class UTableItem;
    friend class UTableHeader;

public:
    enum SelectionMode { Single = 0, Multi = 1, SingleRow = 2, MultiRow = 3, NoSelection = 4 };
    Q_ENUM(SelectionMode)
    enum FocusStyle { FollowStyle = 0, SpreadSheet = 1 };
    Q_ENUM(FocusStyle)
    enum EditMode { NotEditing = 0, Editing = 1, Replacing = 2 };

    explicit UTable(QWidget *parent = nullptr, const char *name = nullptr);
    ~UTable() override;

    void init(int rows, int cols);

    virtual void setSelectionMode(SelectionMode mode);
    // An item given for a cell outside the table stays the caller's.
    virtual void setItem(int row, int col, UTableItem *item);
    virtual void setText(int row, int col, const QString &text);
    virtual void setPixmap(int row, int col, const QPixmap &pixmap);
    virtual UTableItem *item(int row, int col) const;
    virtual QString text(int row, int col) const;
    virtual QPixmap pixmap(int row, int col) const;
    virtual void clearCell(int row, int col);
    virtual QRect cellGeometry(int row, int col) const;
    virtual int columnWidth(int col) const;
    virtual int rowHeight(int row) const;
    virtual int columnPos(int col) const;
    virtual int rowPos(int row) const;
    virtual int columnAt(int x) const;
    virtual int rowAt(int y) const;
    virtual int numRows() const;
    virtual int numCols() const;
    virtual void ensureCellVisible(int row, int col);
    virtual bool isSelected(int row, int col, bool includeCurrent) const;
    virtual int addSelection(const UTableSelection &selection);
    virtual void removeSelection(int num);
    virtual void removeSelection(const UTableSelection &selection);
    virtual int currentSelection() const;
    virtual void sortColumn(int col, bool ascending = true, bool wholeRows = false);
    virtual void takeItem(UTableItem *item);
    virtual void setCellWidget(int row, int col, QWidget *widget);
    virtual QWidget *cellWidget(int row, int col) const;
    virtual void clearCellWidget(int row, int col);
    virtual QRect cellRect(int row, int col) const;
    virtual void paintCell(QPainter *p, int row, int col, const QRect &cellRect, bool selected,
                           const QPalette &cellPalette);
    virtual void paintCell(QPainter *p, int row, int col, const QRect &cellRect, bool selected);
    virtual void paintFocus(QPainter *p, const QRect &focusRect);
    // Applies the table's own font again, so that everything depending on it is redone and
    // the layout asks for the size hint again.
    virtual void refreshFont();
    virtual void setFocusStyle(FocusStyle style);

    UHeader *horizontalHeader() const;
    UHeader *verticalHeader() const;
    SelectionMode selectionMode() const;
    FocusStyle focusStyle() const;
    bool isReadOnly() const;
    bool isRowReadOnly(int row) const;
    bool isColumnReadOnly(int col) const;
    bool isEditing() const;
    EditMode editMode() const;
    void setEditMode(EditMode mode, int row, int col);
    int currentRow() const;
    int currentColumn() const;
    int numSelections() const;
    UTableSelection selection(int num) const;
    bool isSelected(int row, int col) const { return isSelected(row, col, true); }
    bool isRowSelected(int row, bool full = false) const;
    bool isColumnSelected(int col, bool full = false) const;
    void selectCells(int startRow, int startCol, int endRow, int endCol);
    void selectRow(int row);
    void selectColumn(int col);
    void repaintSelections();
    // Repaints only the cells that differ between the two; never touches header states.
    void repaintSelections(const UTableSelection *oldSelection, const UTableSelection *newSelection,
                           bool updateVertical = true, bool updateHorizontal = true);
    void updateHeaderStates();
    void updateCell(int row, int col);
    void repaintCell(int row, int col);
    QSize tableSize() const;
    int indexOf(int row, int col) const { return row * numCols() + col; }
    void fixRow(int &row, int y) const;
    void fixCol(int &col, int x) const;
    bool isColumnStretchable(int col) const;
    bool isRowStretchable(int row) const;
    bool sorting() const;
    bool showGrid() const;
    bool rowMovingEnabled() const;
    bool columnMovingEnabled() const;
    void delayedUpdateGeometries();
    QPoint contentsToViewport2(const QPoint &p) const;
    QPoint viewportToContents2(const QPoint &p) const;
    void contentsToViewport2(int x, int y, int &vx, int &vy) const;
    void viewportToContents2(int vx, int vy, int &x, int &y) const;
    void updateRowWidgets(int row);
    void updateColWidgets(int col);
    void updateGeometries();

    // Selection hook for subclasses that keep selections of their own kind; the table itself
    // never asks it.
    virtual bool createSelection(UTableSelection **selection);

    bool eventFilter(QObject *o, QEvent *e) override;
    // Input methods place their window at the current cell.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    QSize sizeHint() const override;
    virtual QSize tableSizeHint() const;
    // The same size under the name the synchronisation tables use.
    QSize contentsSizeHint() const { return tableSizeHint(); }

    // Disabling ends an edit first, keeping what was typed.
    void setEnabled(bool enable);

public Q_SLOTS:
    virtual void setNumRows(int rows);
    virtual void setNumCols(int cols);
    virtual void setShowGrid(bool show);
    virtual void hideRow(int row);
    virtual void hideColumn(int col);
    virtual void showRow(int row);
    virtual void showColumn(int col);
    bool isRowHidden(int row) const;
    bool isColumnHidden(int col) const;
    virtual void setColumnWidth(int col, int width);
    virtual void setRowHeight(int row, int height);
    virtual void adjustColumn(int col);
    virtual void adjustRow(int row);
    virtual void setColumnStretchable(int col, bool stretch);
    virtual void setRowStretchable(int row, bool stretch);
    virtual void setSorting(bool sort);
    void swapRows(int row1, int row2) { swapRows(row1, row2, false); }
    virtual void swapRows(int row1, int row2, bool swapHeader);
    void swapColumns(int col1, int col2) { swapColumns(col1, col2, false); }
    virtual void swapColumns(int col1, int col2, bool swapHeader);
    virtual void swapCells(int row1, int col1, int row2, int col2);
    virtual void setLeftMargin(int margin);
    virtual void setTopMargin(int margin);
    void setCurrentCell(int row, int col) { setCurrentCell(row, col, true, true); }
    virtual void setCurrentCell(int row, int col, bool updateSelections, bool ensureVisible);
    void clearSelection() { clearSelection(true); }
    virtual void clearSelection(bool repaint);
    virtual void setColumnMovingEnabled(bool enable);
    virtual void setRowMovingEnabled(bool enable);
    virtual void setReadOnly(bool readOnly);
    virtual void setRowReadOnly(int row, bool readOnly);
    virtual void setColumnReadOnly(int col, bool readOnly);
    virtual void setDragEnabled(bool enable);
    bool dragEnabled() const;
    void insertRows(int row) { insertRows(row, 1); }
    virtual void insertRows(int row, int count);
    void insertColumns(int col) { insertColumns(col, 1); }
    virtual void insertColumns(int col, int count);
    virtual void removeRow(int row);
    virtual void removeRows(const QList<int> &rows);
    virtual void removeColumn(int col);
    virtual void removeColumns(const QList<int> &cols);
    void editCell(int row, int col) { editCell(row, col, false); }
    virtual void editCell(int row, int col, bool replace);
    void setRowLabels(const QStringList &labels);
    void setColumnLabels(const QStringList &labels);

Q_SIGNALS:
    void currentChanged(int row, int col);
    void clicked(int row, int col, int button, const QPoint &pos);
    void doubleClicked(int row, int col, int button, const QPoint &pos);
    void pressed(int row, int col, int button, const QPoint &pos);
    void selectionChanged();
    void valueChanged(int row, int col);
    void contextMenuRequested(int row, int col, const QPoint &pos);
    void dropped(QDropEvent *e);

protected:
    virtual QMimeData *dragObject();
    virtual void startDrag();
    virtual void paintEmptyArea(QPainter *p, int cx, int cy, int cw, int ch);
    virtual void activateNextCell();
    virtual QWidget *createEditor(int row, int col, bool initFromCell) const;
    virtual void setCellContentFromEditor(int row, int col);
    virtual QWidget *beginEdit(int row, int col, bool replace);
    virtual void endEdit(int row, int col, bool accept, bool replace);
    virtual void resizeData(int len);
    virtual void insertWidget(int row, int col, QWidget *widget);
    // Header and selection hooks: answer true after storing an object of one's own.
    virtual bool createTopHeader(UTableHeader **header, int cols);
    virtual bool createLeftHeader(UTableHeader **header, int rows);
    virtual void contentsMousePressEventEx(QMouseEvent *e);

    void drawContents(QPainter *p, int cx, int cy, int cw, int ch) override;
    void contentsMousePressEvent(QMouseEvent *e) override;
    void contentsMouseMoveEvent(QMouseEvent *e) override;
    void contentsMouseReleaseEvent(QMouseEvent *e) override;
    void contentsMouseDoubleClickEvent(QMouseEvent *e) override;
    void contentsDragEnterEvent(QDragEnterEvent *e) override;
    void contentsDragMoveEvent(QDragMoveEvent *e) override;
    void contentsDragLeaveEvent(QDragLeaveEvent *e) override;
    void contentsDropEvent(QDropEvent *e) override;
    void contentsContextMenuEvent(QContextMenuEvent *e) override;
    void viewportResizeEvent(QResizeEvent *e) override;
    void windowActivationChange(bool oldActive) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void showEvent(QShowEvent *e) override;
    // Tab and Backtab move between cells instead of leaving the table.
    bool focusNextPrevChild(bool next) override;

protected Q_SLOTS:
    virtual void columnWidthChanged(int col);
    virtual void rowHeightChanged(int row);
    virtual void columnIndexChanged(int section, int fromIndex, int toIndex);
    virtual void rowIndexChanged(int section, int fromIndex, int toIndex);
    virtual void columnClicked(int col);
    void doAutoScroll();
    void doValueChanged();
    void updateGeometriesSlot();

private:
    static bool isRowSelection(SelectionMode mode) { return mode == SingleRow || mode == MultiRow; }
    bool hasFocusInside() const;
    UTableHeader *leftHeader() const;
    UTableHeader *topHeader() const;
    // The header along which lines of the orientation are counted: rows are Qt::Vertical.
    UTableHeader *header(Qt::Orientation orientation) const;
    // The selection being extended, for the headers' selection gestures.
    UTableSelection *activeSelection() const;
    bool validCell(int row, int col) const;
    void ensureData() const;
    UTableSelection *appendSelection(int anchorRow, int anchorCol, int row, int col);
    void clearSelectionQuietly();
    QRect rangeGeometry(int topRow, int leftCol, int bottomRow, int rightCol, bool &optimize) const;
    QRect rangeGeometry(const UTableSelection &s) const;
    int nextEditableColumn(int from, int step) const;
    bool tabToColumn(bool backwards);
    void endEditOfEditCell(bool accept);
    void fixCell(int &row, int &col, int key) const;
    void moveByKey(QKeyEvent *e, int row, int col, int oldRow, int oldCol);
    void rowModeKeyMove(int row, int col, int oldRow);
    void pressWithShift(int row, int col);
    void pressWithControl(int row, int col);
    void plainPress(QMouseEvent *e, int row, int col);
    void startOneCellSelection(int row, int col, bool expand);
    void updateInputMethodHint();
    void forwardMouse(QWidget *w, QMouseEvent *e);
    QPoint pointerInCellArea() const;
    bool pointerOutside(const QPoint &pos) const;
    void saveContents(std::vector<UTableItem *> &items);
    bool resizeHeader(UTableHeader *header, int oldCount, int newCount, int size);
    void restoreContents(std::vector<UTableItem *> &items);
    // Lets go of what stands in the rows from firstGone on, before they are dropped.
    void dropRowsFrom(int firstGone);
    void dropWidgetsFrom(Qt::Orientation orientation, int firstGone);
    void discardWidget(QWidget *widget);
    void swapWidgets(int row1, int col1, int row2, int col2);
    // Inserting and removing lines: the last `count` lines (just added) move to `at`, or the
    // listed ones (ascending, distinct) are emptied and move to the end, in one pass over the
    // storage; items, widgets, header sections and the current cell go along.
    void openLines(Qt::Orientation orientation, int at, int count);
    void closeLines(Qt::Orientation orientation, const QList<int> &lines);
    void dropLines(Qt::Orientation orientation, const QList<int> &lines);
    template<typename Map>
    void moveWidgets(Qt::Orientation orientation, Map newLine, int from);
    // Items learn where lines moved them when next asked (UTableItem::row); settlePlaces
    // tells every item its place at once.
    void noteShift(Qt::Orientation orientation, int from, int by);
    void settlePlaces() const;
    void refreshPlace(const UTableItem &item) const;
    void notePlaced(const UTableItem &item) const;
    void finishContentsResize(bool updateBefore);
    // One body for each row/column pair; rows are Qt::Vertical, columns Qt::Horizontal.
    int lineCount(Qt::Orientation orientation) const; // numRows() or numCols()
    void changeCount(Qt::Orientation orientation, int count);
    void insertLines(Qt::Orientation orientation, int at, int count);
    void removeLines(Qt::Orientation orientation, QList<int> lines);
    void swapLines(Qt::Orientation orientation, int a, int b, bool swapHeader);
    void hideLine(Qt::Orientation orientation, int line);
    void showLine(Qt::Orientation orientation, int line);
    void setLineReadOnly(Qt::Orientation orientation, int line, bool readOnly);
    void setLineSize(Qt::Orientation orientation, int line, int size);
    void setLineStretchable(Qt::Orientation orientation, int line, bool stretch);
    void updateLineWidgets(Qt::Orientation orientation, int line);
    bool isLineSelected(Qt::Orientation orientation, int line, bool full) const;
    void fixLine(Qt::Orientation orientation, int &line, int pos) const;
    void adjustLine(Qt::Orientation orientation, int line);
    // Calls the virtual rowHeightChanged or columnWidthChanged.
    void lineSizeChanged(Qt::Orientation orientation, int line);
    void applyReadOnly(bool readOnly);
    void placeWidget(QWidget *widget, int row, int col);
    void detachItem(UTableItem *item);
    // Entering a spanning item into the other cells of its block.
    void setSpanItem(int row, int col, UTableItem *item);
    void noteSpan(bool rows, bool cols);
    // Makes a spanning item a single cell at its top-left corner again.
    void dropSpan(UTableItem *item);
    // Drops the spans that a move of single rows (or columns) would tear apart.
    void dropSpansAcross(Qt::Orientation orientation, int line);
    // Moves the hidden and read-only marks of lines along with a structural change; newLine
    // answers where an old line went, or -1 when it is gone.
    template<typename Map>
    void rekeyLines(Qt::Orientation orientation, Map newLine);
    QColor gridColor(const QPalette &cellPalette) const;
    // Rules the grid edges the cells of the range (columns across, rows down) left to the
    // page, as whole lines where they allow it; ruledCells is how many cells of some size
    // were painted.
    void ruleGrid(QPainter *p, const QRect &cells, size_t ruledCells);
    static void ruleCellEdges(QPainter *p, const QRect &cell, const QColor &color);
    // The laid-out texts the table's items share.
    tesk::utilities::TableTextCache &textCache() const;
    // Whether the cell being painted already shows the background, so need not fill it.
    bool paintsOn(const QBrush &background) const;

    std::unique_ptr<UTablePrivate> d;
};
