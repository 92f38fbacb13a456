#include "utilities/tableprivate.h"

#include "frame/core/softcheck.h"
#include "utilities/globalstrut.h"
#include "utilities/ownupdates.h"

#include <QApplication>
#include <QPainter>
#include <QRegion>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <typeinfo>

using tesk::utilities::tableinternal::changesHighlightOnFocus;
using tesk::utilities::tableinternal::FlagGuard;
using tesk::utilities::tableinternal::kDefaultColumnWidth;
using tesk::utilities::tableinternal::kDefaultRowHeight;
using tesk::utilities::tableinternal::StyleHints;

namespace {

// Cleared while a spanning item enters itself into the other cells of its block, so that
// setItem does not rebuild the item's editor for each of them.
bool g_updateCellWidget = true;

constexpr int kDefaultLeftMargin = 30;
// Larger ranges are repainted as one rectangle.
constexpr int kMaxExactRange = SHRT_MAX;

} // namespace

// --- construction ------------------------------------------------------------------------

UTable::UTable(QWidget *parent, const char *name)
    : UScrollView(parent, name)
    , d(std::make_unique<UTablePrivate>())
{
    viewport()->setAttribute(Qt::WA_StaticContents);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

UTable::~UTable()
{
    // Items and widgets are let go without calling back into this half-destroyed table.
    setUpdatesEnabled(false);
    if (d->autoScrollTimer)
        d->autoScrollTimer->stop();
    if (d->geometryTimer)
        d->geometryTimer->stop();
    std::vector<UTableItem *> items;
    for (UTableItem *item : d->contents) {
        if (item && item->m_table == this) {
            item->m_table = nullptr;
            item->m_row = item->m_col = -1;
            items.push_back(item);
        }
    }
    d->contents.clear();
    for (UTableItem *item : items)
        delete item;
    for (QWidget *widget : std::as_const(d->widgets))
        widget->removeEventFilter(this);
    d->widgets.clear();
    d->selections.clear();
}

void UTable::init(int rows, int cols)
{
    d->initialised = true;
    d->geometryTimer = new QTimer(this);
    d->geometryTimer->setSingleShot(true);
    connect(d->geometryTimer, &QTimer::timeout, this, &UTable::updateGeometriesSlot);

    d->shouldClearSelection = false;
    d->dragEnabled = false;
    setSorting(false);
    d->selectionMode = Multi;

    setFocusPolicy(Qt::WheelFocus);
    viewport()->setFocusProxy(this);
    viewport()->setFocusPolicy(Qt::WheelFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);

    if (!createLeftHeader(&d->leftHeader, rows))
        d->leftHeader = new UTableHeader(rows, this, this, "left table header");
    d->leftHeader->setOrientation(Qt::Vertical);
    d->leftHeader->setTracking(true);
    d->leftHeader->setMovingEnabled(true);
    if (!createTopHeader(&d->topHeader, cols))
        d->topHeader = new UTableHeader(cols, this, this, "right table header");
    d->topHeader->setOrientation(Qt::Horizontal);
    d->topHeader->setTracking(true);
    d->topHeader->setMovingEnabled(true);

    const int top = fontMetrics().height() + 4;
    if (QApplication::isRightToLeft())
        setMargins(0, top, kDefaultLeftMargin, 0);
    else
        setMargins(kDefaultLeftMargin, top, 0, 0);

    // Column widths take the strut's height and row heights its width.
    const QSize strut = cuiGlobalStrut();
    d->topHeader->setUpdatesEnabled(false);
    d->leftHeader->setUpdatesEnabled(false);
    for (int i = 0; i < cols; ++i)
        d->topHeader->resizeSection(i, std::max(kDefaultColumnWidth, strut.height()));
    for (int i = 0; i < rows; ++i)
        d->leftHeader->resizeSection(i, std::max(kDefaultRowHeight, strut.width()));
    d->topHeader->setUpdatesEnabled(true);
    d->leftHeader->setUpdatesEnabled(true);

    connect(horizontalScrollBar(), &QScrollBar::valueChanged, d->topHeader, &UHeader::setOffset);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, d->leftHeader, &UHeader::setOffset);
    connect(d->topHeader, &UTableHeader::sectionSizeChanged, this, &UTable::columnWidthChanged);
    connect(d->topHeader, &UHeader::indexChange, this, &UTable::columnIndexChanged);
    connect(d->topHeader, &UHeader::sectionClicked, this, &UTable::columnClicked);
    connect(d->leftHeader, &UTableHeader::sectionSizeChanged, this, &UTable::rowHeightChanged);
    connect(d->leftHeader, &UHeader::indexChange, this, &UTable::rowIndexChanged);

    d->autoScrollTimer = new QTimer(this);
    d->autoScrollTimer->setSingleShot(true);
    connect(d->autoScrollTimer, &QTimer::timeout, this, &UTable::doAutoScroll);

    d->curRow = d->curCol = 0;
    d->topHeader->setSectionState(0, UTableHeader::Bold);
    d->leftHeader->setSectionState(0, UTableHeader::Bold);
    setEditMode(NotEditing, -1, -1);
    d->drawActiveSelection = true;
    installEventFilter(this);
    viewport()->installEventFilter(this);
    d->wasVisible = false;
    d->focusStyle = SpreadSheet;
    resize(640, 480);
}

bool UTable::createTopHeader(UTableHeader **, int)
{
    return false;
}

bool UTable::createLeftHeader(UTableHeader **, int)
{
    return false;
}

bool UTable::createSelection(UTableSelection **)
{
    return false;
}

UTableHeader *UTable::leftHeader() const
{
    return d->leftHeader;
}

UTableHeader *UTable::topHeader() const
{
    return d->topHeader;
}

UTableHeader *UTable::header(Qt::Orientation orientation) const
{
    return orientation == Qt::Vertical ? d->leftHeader : d->topHeader;
}

UTableSelection *UTable::activeSelection() const
{
    return d->selections.current();
}

UTable::SelectionMode UTable::selectionMode() const
{
    return d->selectionMode;
}

UTable::FocusStyle UTable::focusStyle() const
{
    return d->focusStyle;
}

bool UTable::isReadOnly() const
{
    return d->readOnly;
}

bool UTable::isRowReadOnly(int row) const
{
    return d->readOnlyRows.contains(row);
}

bool UTable::isColumnReadOnly(int col) const
{
    return d->readOnlyCols.contains(col);
}

bool UTable::isEditing() const
{
    return d->editMode != NotEditing;
}

UTable::EditMode UTable::editMode() const
{
    return d->editMode;
}

int UTable::currentRow() const
{
    return d->curRow;
}

int UTable::currentColumn() const
{
    return d->curCol;
}

int UTable::numSelections() const
{
    return d->selections.size();
}

bool UTable::sorting() const
{
    return d->sorting;
}

bool UTable::showGrid() const
{
    return d->showGrid;
}

bool UTable::rowMovingEnabled() const
{
    return d->rowMoving;
}

bool UTable::columnMovingEnabled() const
{
    return d->columnMoving;
}

bool UTable::dragEnabled() const
{
    return d->dragEnabled;
}

UHeader *UTable::horizontalHeader() const
{
    return d->topHeader;
}

UHeader *UTable::verticalHeader() const
{
    return d->leftHeader;
}

int UTable::numRows() const
{
    if (!TESK_CHECK(d->leftHeader))
        return 0;
    return d->leftHeader->count();
}

int UTable::numCols() const
{
    if (!TESK_CHECK(d->topHeader))
        return 0;
    return d->topHeader->count();
}

bool UTable::validCell(int row, int col) const
{
    return row >= 0 && col >= 0 && row < numRows() && col < numCols();
}

void UTable::ensureData() const
{
    const size_t n = size_t(numRows()) * size_t(numCols());
    if (d->contents.size() != n)
        d->contents.resize(n, nullptr);
}

void UTable::resizeData(int len)
{
    d->contents.resize(size_t(std::max(0, len)), nullptr);
}

void UTable::setEditMode(EditMode mode, int row, int col)
{
    d->editMode = mode;
    d->editRow = row;
    d->editCol = col;
}

void UTable::refreshFont()
{
    d->marginDigits = 0;
    setFont(font());
    fontChange(font());
}

QSize UTable::sizeHint() const
{
    if (cachedSizeHint().isValid())
        return cachedSizeHint();
    ensurePolished();
    const QSize hint = tableSizeHint();
    const_cast<UTable *>(this)->setCachedSizeHint(hint);
    return hint;
}

QSize UTable::tableSizeHint() const
{
    const QSize s = tableSize();
    const int side = QApplication::isRightToLeft() ? rightMargin() : leftMargin();
    return QSize(s.width() + side + 2, s.height() + topMargin() + 2);
}

void UTable::setEnabled(bool enable)
{
    if (!enable)
        endEdit(d->editRow, d->editCol, true, d->editMode != Editing);
    UScrollView::setEnabled(enable);
}

// --- cells and items ---------------------------------------------------------------------

UTableItem *UTable::item(int row, int col) const
{
    if (!validCell(row, col))
        return nullptr;
    const size_t index = size_t(indexOf(row, col));
    return index < d->contents.size() ? d->contents[index] : nullptr;
}

void UTable::setItem(int row, int col, UTableItem *item)
{
    if (!item || !validCell(row, col))
        return;
    ensureData();
    UTableItem *present = d->contents[size_t(indexOf(row, col))];
    if (present == item && item->row() == row && item->col() == col) {
        // Already there: nothing to replace, and above all nothing to delete.
        updateCell(row, col);
        return;
    }
    if (g_updateCellWidget && item->m_table == this && item->m_row != -1)
        detachItem(item);
    const int oldRow = item->row();
    const int oldCol = item->col();
    clearCell(row, col);
    d->contents[size_t(indexOf(row, col))] = item;
    item->m_table = this;
    item->setRow(row);
    item->setCol(col);
    updateCell(row, col);
    if (g_updateCellWidget)
        item->updateEditor(oldRow, oldCol);
    if (row == d->curRow && col == d->curCol && item->editType() == UTableItem::WhenCurrent &&
        beginEdit(row, col, false))
        setEditMode(Editing, row, col);
}

// Takes an item out of the cells it stands in so that it can stand elsewhere; a spanning
// item starts over as a single cell.
void UTable::detachItem(UTableItem *item)
{
    takeItem(item);
    item->m_rowSpan = item->m_colSpan = 1;
}

void UTable::setSpanItem(int row, int col, UTableItem *item)
{
    g_updateCellWidget = false;
    setItem(row, col, item);
    g_updateCellWidget = true;
}

void UTable::noteSpan(bool rows, bool cols)
{
    if (!d->initialised)
        return;
    d->hasRowSpan = d->hasRowSpan || rows;
    d->hasColSpan = d->hasColSpan || cols;
}

void UTable::dropSpan(UTableItem *item)
{
    if (!item || item->m_table != this || item->row() < 0 || item->col() < 0 ||
        (item->rowSpan() <= 1 && item->colSpan() <= 1))
        return;
    const int row = item->row();
    const int col = item->col();
    const QRect block = cellGeometry(row, col);
    const int bottom = std::min(row + item->rowSpan(), numRows());
    const int right = std::min(col + item->colSpan(), numCols());
    for (int r = row; r < bottom; ++r) {
        for (int c = col; c < right; ++c) {
            const size_t index = size_t(indexOf(r, c));
            if ((r != row || c != col) && index < d->contents.size() && d->contents[index] == item)
                d->contents[index] = nullptr;
        }
    }
    item->m_rowSpan = item->m_colSpan = 1;
    updateContents(block);
    if (QWidget *widget = cellWidget(row, col))
        placeWidget(widget, row, col);
}

void UTable::dropSpansAcross(Qt::Orientation orientation, int line)
{
    const bool rows = orientation == Qt::Vertical;
    if (!(rows ? d->hasRowSpan : d->hasColSpan))
        return;
    const int across = rows ? numCols() : numRows();
    for (int i = 0; i < across; ++i) {
        UTableItem *cellItem = rows ? item(line, i) : item(i, line);
        if (cellItem && (rows ? cellItem->rowSpan() : cellItem->colSpan()) > 1)
            dropSpan(cellItem);
    }
}

void UTable::setText(int row, int col, const QString &text)
{
    if (!validCell(row, col))
        return;
    if (UTableItem *cellItem = item(row, col)) {
        cellItem->setText(text);
        cellItem->updateEditor(row, col);
        updateCell(row, col);
    } else {
        setItem(row, col, new UTableItem(this, UTableItem::OnTyping, text, QPixmap()));
    }
}

void UTable::setPixmap(int row, int col, const QPixmap &pixmap)
{
    if (!validCell(row, col))
        return;
    if (UTableItem *cellItem = item(row, col)) {
        cellItem->setPixmap(pixmap);
        updateCell(row, col);
    } else {
        setItem(row, col, new UTableItem(this, UTableItem::OnTyping, QString(), pixmap));
    }
}

QString UTable::text(int row, int col) const
{
    const UTableItem *cellItem = item(row, col);
    return cellItem ? cellItem->text() : QString();
}

QPixmap UTable::pixmap(int row, int col) const
{
    const UTableItem *cellItem = item(row, col);
    return cellItem ? cellItem->pixmap() : QPixmap();
}

void UTable::clearCell(int row, int col)
{
    if (!validCell(row, col))
        return;
    ensureData();
    clearCellWidget(row, col);
    UTableItem *&slot = d->contents[size_t(indexOf(row, col))];
    UTableItem *cellItem = slot;
    slot = nullptr;
    // A spanning item takes itself out of its other cells as it goes.
    delete cellItem;
}

void UTable::takeItem(UTableItem *item)
{
    if (!item || item->row() == -1 || item->col() == -1)
        return;
    const QRect rect = cellGeometry(item->row(), item->col());
    const int bottom = std::min(item->row() + item->rowSpan(), numRows());
    const int right = std::min(item->col() + item->colSpan(), numCols());
    for (int r = item->row(); r < bottom; ++r) {
        for (int c = item->col(); c < right; ++c) {
            const size_t index = size_t(indexOf(r, c));
            if (index < d->contents.size() && d->contents[index] == item)
                d->contents[index] = nullptr;
        }
    }
    // Posted: taking many items out costs one paint.
    updateContents(rect);
    const int oldRow = item->row();
    const int oldCol = item->col();
    item->setRow(-1);
    item->setCol(-1);
    item->updateEditor(oldRow, oldCol);
}

void UTable::setCellWidget(int row, int col, QWidget *widget)
{
    if (!widget || !validCell(row, col))
        return;
    QWidget *present = cellWidget(row, col);
    if (present == widget)
        return;
    if (present && row == d->editRow && col == d->editCol)
        endEdit(d->editRow, d->editCol, false, d->editMode != Editing);
    widget->installEventFilter(this);
    clearCellWidget(row, col);
    if (widget->parentWidget() != viewport()) {
        widget->setParent(viewport());
        widget->move(0, 0);
    }
    insertWidget(row, col, widget);
    const QRect cellBounds = cellGeometry(row, col);
    widget->resize(cellBounds.size());
    moveChild(widget, cellBounds.x(), cellBounds.y());
    widget->show();
}

QWidget *UTable::cellWidget(int row, int col) const
{
    if (!validCell(row, col))
        return nullptr;
    return d->widgets.value(UTablePrivate::cellKey(row, col), nullptr);
}

void UTable::clearCellWidget(int row, int col)
{
    if (!validCell(row, col))
        return;
    const quint64 key = UTablePrivate::cellKey(row, col);
    if (isEditing() && row == d->editRow && col == d->editCol && !d->endingEdit &&
        d->widgets.contains(key)) {
        // The editor goes as setCellWidget lets it go: the edit ends with it.
        FlagGuard guard(d->endingEdit);
        endEdit(row, col, false, d->editMode != Editing);
        if (!d->widgets.contains(key))
            return;
    }
    if (QWidget *widget = d->widgets.take(key))
        discardWidget(widget);
}

void UTable::discardWidget(QWidget *widget)
{
    // Deleted later: the widget may be the one whose event is being handled.
    widget->removeEventFilter(this);
    removeChild(widget);
    widget->hide();
    widget->deleteLater();
}

void UTable::insertWidget(int row, int col, QWidget *widget)
{
    if (!validCell(row, col))
        return;
    if (widget)
        d->widgets.insert(UTablePrivate::cellKey(row, col), widget);
    else
        d->widgets.remove(UTablePrivate::cellKey(row, col));
}

// --- selections --------------------------------------------------------------------------

UTableSelection *UTable::appendSelection(int anchorRow, int anchorCol, int row, int col)
{
    UTableSelection *s = d->selections.start(anchorRow, anchorCol);
    if (row != -2)
        s->expandTo(row, col);
    return s;
}

bool UTable::isSelected(int row, int col, bool includeCurrent) const
{
    // The current cell counts only while there is some selection.
    if (d->selections.empty())
        return false;
    return d->selections.contains(row, col) ||
           (includeCurrent && row == d->curRow && col == d->curCol);
}

bool UTable::isRowSelected(int row, bool full) const
{
    return isLineSelected(Qt::Vertical, row, full);
}

bool UTable::isColumnSelected(int col, bool full) const
{
    return isLineSelected(Qt::Horizontal, col, full);
}

// Full asks for a selection across the whole line; otherwise any selection touching it, or
// the current cell standing in it, will do.
bool UTable::isLineSelected(Qt::Orientation orientation, int line, bool full) const
{
    const bool rows = orientation == Qt::Vertical;
    if (full)
        return d->selections.coversLine(orientation, line, rows ? numCols() : numRows());
    if (d->selections.empty())
        return false;
    return line == (rows ? d->curRow : d->curCol) || d->selections.coversLine(orientation, line);
}

int UTable::currentSelection() const
{
    return d->selections.currentIndex();
}

UTableSelection UTable::selection(int num) const
{
    if (num < 0 || num >= numSelections())
        return UTableSelection();
    return d->selections.at(num);
}

int UTable::addSelection(const UTableSelection &s)
{
    if (!s.isActive())
        return -1;
    // The copy keeps the given rectangle: it grows from the anchor to the opposite corner.
    const int maxRow = numRows() - 1;
    const int maxCol = numCols() - 1;
    const int farRow = s.anchorRow() == s.topRow() ? s.bottomRow() : s.topRow();
    const int farCol = s.anchorCol() == s.leftCol() ? s.rightCol() : s.leftCol();
    const UTableSelection *added = d->selections.add(
        UTableSelection(std::min(s.anchorRow(), maxRow), std::min(s.anchorCol(), maxCol),
                        std::min(farRow, maxRow), std::min(farCol, maxCol)));
    repaintSelections(nullptr, added);
    emit selectionChanged();
    return numSelections() - 1;
}

void UTable::removeSelection(int num)
{
    if (num < 0 || num >= numSelections())
        return;
    d->selections.removeAt(num);
    repaintContents(contentsX(), contentsY(), visibleWidth(), visibleHeight(), false);
}

void UTable::removeSelection(const UTableSelection &selection)
{
    for (const auto &gone : d->selections.takeEqual(selection))
        repaintSelections(gone.get(), nullptr);
    emit selectionChanged();
}

void UTable::selectCells(int startRow, int startCol, int endRow, int endCol)
{
    const int maxRow = numRows() - 1;
    const int maxCol = numCols() - 1;
    startRow = std::clamp(startRow, 0, std::max(0, maxRow));
    startCol = std::clamp(startCol, 0, std::max(0, maxCol));
    endRow = std::min(endRow, maxRow);
    endCol = std::min(endCol, maxCol);
    addSelection(UTableSelection(startRow, startCol, endRow, endCol));
}

void UTable::selectRow(int row)
{
    row = std::min(numRows() - 1, row);
    if (row < 0)
        return;
    if (d->selectionMode == SingleRow)
        setCurrentCell(row, d->curCol);
    else
        addSelection(UTableSelection(row, 0, row, numCols() - 1));
}

void UTable::selectColumn(int col)
{
    col = std::min(numCols() - 1, col);
    if (col < 0)
        return;
    addSelection(UTableSelection(0, col, numRows() - 1, col));
}

void UTable::clearSelection(bool repaint)
{
    if (d->selections.empty())
        return;
    QRect r;
    for (const auto &s : d->selections)
        r |= rangeGeometry(*s);
    d->selections.clear();
    if (repaint)
        repaintContents(r, false);
    d->leftHeader->setSectionStateToAll(UTableHeader::Normal);
    d->leftHeader->repaint();
    if (!isRowSelection(d->selectionMode)) {
        d->topHeader->setSectionStateToAll(UTableHeader::Normal);
        d->topHeader->repaint();
    }
    d->topHeader->setSectionState(d->curCol, UTableHeader::Bold);
    d->leftHeader->setSectionState(d->curRow, UTableHeader::Bold);
    emit selectionChanged();
}

// Clears with the table's signals held back.
void UTable::clearSelectionQuietly()
{
    const bool blocked = blockSignals(true);
    clearSelection(true);
    blockSignals(blocked);
}

void UTable::repaintSelections()
{
    if (d->selections.empty())
        return;
    QRect r;
    for (const auto &s : d->selections)
        r |= rangeGeometry(*s);
    repaintContents(r, false);
}

void UTable::repaintSelections(const UTableSelection *oldSelection,
                               const UTableSelection *newSelection, bool, bool)
{
    if (!oldSelection && !newSelection)
        return;
    if (oldSelection && newSelection && *oldSelection == *newSelection)
        return;
    if (oldSelection && !oldSelection->isActive())
        oldSelection = nullptr;
    bool optimizeOld = true;
    bool optimizeNew = true;
    const QRect old = oldSelection ? rangeGeometry(oldSelection->topRow(), oldSelection->leftCol(),
                                                   oldSelection->bottomRow(),
                                                   oldSelection->rightCol(), optimizeOld)
                                   : QRect();
    const QRect cur = newSelection ? rangeGeometry(newSelection->topRow(), newSelection->leftCol(),
                                                   newSelection->bottomRow(),
                                                   newSelection->rightCol(), optimizeNew)
                                   : QRect();
    const auto tooLarge = [](const QRect &r) {
        return r.width() > kMaxExactRange || r.height() > kMaxExactRange;
    };
    if (!optimizeOld || !optimizeNew || tooLarge(old) || tooLarge(cur)) {
        repaintContents(cur | old, false);
        return;
    }
    const QRegion a(old);
    const QRegion b(cur);
    for (const QRect &r : a.subtracted(b))
        repaintContents(r, false);
    for (const QRect &r : b.subtracted(a))
        repaintContents(r, false);
}

void UTable::updateHeaderStates()
{
    const bool leftUpdates = tesk::utilities::ownUpdatesEnabled(d->leftHeader);
    const bool topUpdates = tesk::utilities::ownUpdatesEnabled(d->topHeader);
    d->leftHeader->setUpdatesEnabled(false);
    d->topHeader->setUpdatesEnabled(false);
    d->leftHeader->setSectionStateToAll(UTableHeader::Normal);
    d->topHeader->setSectionStateToAll(UTableHeader::Normal);
    for (const auto &s : d->selections) {
        if (!s->isActive())
            continue;
        if (s->leftCol() == 0 && s->rightCol() == numCols() - 1) {
            for (int r = s->topRow(); r <= s->bottomRow(); ++r)
                d->leftHeader->setSectionState(r, UTableHeader::Selected);
        }
        if (s->topRow() == 0 && s->bottomRow() == numRows() - 1) {
            for (int c = s->leftCol(); c <= s->rightCol(); ++c)
                d->topHeader->setSectionState(c, UTableHeader::Selected);
        }
    }
    d->leftHeader->setUpdatesEnabled(leftUpdates);
    d->topHeader->setUpdatesEnabled(topUpdates);
}

QRect UTable::rangeGeometry(const UTableSelection &s) const
{
    bool optimize = true;
    return rangeGeometry(s.topRow(), s.leftCol(), s.bottomRow(), s.rightCol(), optimize);
}

// The contents rectangle of a range, clipped to the visible part so that huge ranges cost no
// more than a screenful; optimize turns false when an item in it spans several cells.
QRect UTable::rangeGeometry(int topRow, int leftCol, int bottomRow, int rightCol,
                            bool &optimize) const
{
    topRow = std::max(topRow, rowAt(contentsY()));
    leftCol = std::max(leftCol, columnAt(contentsX()));
    const int lastRow = rowAt(contentsY() + visibleHeight());
    if (lastRow != -1)
        bottomRow = std::min(bottomRow, lastRow);
    const int lastCol = columnAt(contentsX() + visibleWidth());
    if (lastCol != -1)
        rightCol = std::min(rightCol, lastCol);
    optimize = true;
    QRect rect;
    for (int r = topRow; r <= bottomRow; ++r) {
        for (int c = leftCol; c <= rightCol; ++c) {
            rect |= cellGeometry(r, c);
            const UTableItem *cellItem = item(r, c);
            if (cellItem && (cellItem->rowSpan() > 1 || cellItem->colSpan() > 1))
                optimize = false;
        }
    }
    return rect;
}

void UTable::setSelectionMode(SelectionMode mode)
{
    if (mode == d->selectionMode)
        return;
    d->selectionMode = mode;
    clearSelection(true);
    if (isRowSelection(mode) && numRows() > 0 && numCols() > 0) {
        appendSelection(d->curRow, 0, d->curRow, numCols() - 1);
        repaintSelections(nullptr, d->selections.current());
    }
}

// --- current cell ------------------------------------------------------------------------

void UTable::setCurrentCell(int row, int col, bool updateSelections, bool ensureVisible)
{
    // A cell outside the table stands for the nearest one; -1 only for a table without lines.
    row = std::max(std::min(row, numRows() - 1), numRows() > 0 ? 0 : -1);
    col = std::max(std::min(col, numCols() - 1), numCols() > 0 ? 0 : -1);
    if (row == d->curRow && col == d->curCol)
        return;
    UTableItem *old = item(d->curRow, d->curCol);
    if (old && old->editType() != UTableItem::Always && old->editType() != UTableItem::Never)
        endEdit(old->row(), old->col(), true, false);
    const int oldRow = d->curRow;
    const int oldCol = d->curCol;
    d->curRow = row;
    d->curCol = col;
    repaintCell(oldRow, oldCol);
    repaintCell(d->curRow, d->curCol);
    if (ensureVisible)
        ensureCellVisible(d->curRow, d->curCol);
    emit currentChanged(row, col);

    if (oldCol != d->curCol) {
        if (!isColumnSelected(oldCol))
            d->topHeader->setSectionState(oldCol, UTableHeader::Normal);
        else if (isRowSelection(d->selectionMode))
            d->topHeader->setSectionState(oldCol, UTableHeader::Selected);
        d->topHeader->setSectionState(d->curCol, isColumnSelected(d->curCol, true)
                                                     ? UTableHeader::Selected
                                                     : UTableHeader::Bold);
    }
    if (oldRow != d->curRow) {
        if (!isRowSelected(oldRow))
            d->leftHeader->setSectionState(oldRow, UTableHeader::Normal);
        d->leftHeader->setSectionState(d->curRow, isRowSelected(d->curRow, true)
                                                      ? UTableHeader::Selected
                                                      : UTableHeader::Bold);
    }
    updateInputMethodHint();

    QWidget *oldWidget = cellWidget(oldRow, oldCol);
    if (oldWidget && oldWidget->hasFocus())
        viewport()->setFocus();
    UTableItem *cellItem = item(d->curRow, d->curCol);
    if (cellItem && cellItem->editType() == UTableItem::WhenCurrent) {
        if (beginEdit(d->curRow, d->curCol, false))
            setEditMode(Editing, row, col);
    } else if (cellItem && cellItem->editType() == UTableItem::Always) {
        if (QWidget *widget = cellWidget(cellItem->row(), cellItem->col()))
            widget->setFocus();
    }
    if (updateSelections && isRowSelection(d->selectionMode) &&
        !isSelected(d->curRow, d->curCol, false)) {
        if (d->selectionMode == SingleRow)
            clearSelection(true);
        appendSelection(d->curRow, 0, d->curRow, numCols() - 1);
        repaintSelections(nullptr, d->selections.current());
    }
}

void UTable::updateInputMethodHint()
{
    const UTableItem *cellItem = item(d->curRow, d->curCol);
    setAttribute(Qt::WA_InputMethodEnabled, !cellItem || cellItem->editType() != UTableItem::Never);
    updateMicroFocus();
}

QVariant UTable::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query != Qt::ImCursorRectangle || !d->initialised)
        return UScrollView::inputMethodQuery(query);
    const QRect cell = cellGeometry(d->curRow, d->curCol);
    return QRect(viewport()->mapTo(this, contentsToViewport2(cell.topLeft())), cell.size());
}

void UTable::setFocusStyle(FocusStyle style)
{
    d->focusStyle = style;
    updateCell(d->curRow, d->curCol);
}

// --- painting ----------------------------------------------------------------------------

bool UTable::hasFocusInside() const
{
    return hasFocus() || viewport()->hasFocus();
}

void UTable::drawContents(QPainter *p, int cx, int cy, int cw, int ch)
{
    if (!d->initialised)
        return; // not initialised yet: nothing to paint
    const int colFirst = columnAt(cx);
    int colLast = columnAt(cx + cw);
    const int rowFirst = rowAt(cy);
    int rowLast = rowAt(cy + ch);
    if (rowFirst == -1 || colFirst == -1) {
        paintEmptyArea(p, cx, cy, cw, ch);
        return;
    }
    d->paintHints = d->styleHints(this);
    d->painting = true;
    const QWidget *focus = QApplication::focusWidget();
    d->drawActiveSelection = hasFocusInside() || d->inMenuMode ||
                             (focus && viewport()->isAncestorOf(focus)) ||
                             !d->paintHints.changeHighlightOnFocus;
    if (rowLast == -1)
        rowLast = numRows() - 1;
    if (colLast == -1)
        colLast = numCols() - 1;
    // The exposed cells get their background in one fill; a cell painted on that background
    // fills only when it shows something else.
    d->prefill = palette().brush(QPalette::Base);
    p->fillRect(QRect(cx, cy, cw, ch) & QRect(QPoint(0, 0), tableSize()), d->prefill);
    d->prefilled = true;

    bool currentInSelection = false;
    for (const auto &s : d->selections) {
        if (s->isActive() && d->curRow >= s->topRow() && d->curRow <= s->bottomRow() &&
            d->curCol >= s->leftCol() && d->curCol <= s->rightCol()) {
            currentInSelection = s->topRow() != d->curRow || s->bottomRow() != d->curRow ||
                                 s->leftCol() != d->curCol || s->rightCol() != d->curCol;
            break;
        }
    }

    // A block would be crossed by lines ruled across the page.
    d->gridDeferred = d->showGrid && !d->hasRowSpan && !d->hasColSpan;
    d->gridCells.clear();
    size_t ruledCells = 0;
    // The painter moves from cell to cell by the difference between their corners, one
    // translation per cell instead of there and back; it returns to the origin after the loop.
    QPoint at(0, 0);
    for (int r = rowFirst; r <= rowLast; ++r) {
        const int y = rowPos(r);
        const int h = rowHeight(r);
        for (int c = colFirst; c <= colLast; ++c) {
            QRect cell(columnPos(c), y, columnWidth(c), h);
            const UTableItem *cellItem = item(r, c);
            if (cellItem && (cellItem->colSpan() > 1 || cellItem->rowSpan() > 1)) {
                // A block is painted once, from the first of its cells that is exposed.
                const bool first = (r == cellItem->row() || r == rowFirst) &&
                                   (c == cellItem->col() || c == colFirst);
                if (!first)
                    continue;
                cell = cellGeometry(r, c);
            }
            p->translate(cell.x() - at.x(), cell.y() - at.y());
            at = cell.topLeft();
            bool selected = isSelected(r, c);
            if (d->focusStyle != FollowStyle && selected && !currentInSelection && r == d->curRow &&
                c == d->curCol)
                selected = false;
            paintCell(p, r, c, cell, selected);
            ruledCells += cell.width() > 0 && cell.height() > 0;

            QWidget *widget = cellWidget(r, c);
            if (widget) {
                const QRect cellBounds = cellGeometry(r, c);
                const QRect wanted(contentsToViewport2(cellBounds.topLeft()),
                                   cellBounds.size() - QSize(1, 1));
                if (widget->geometry() != wanted) {
                    moveChild(widget, cellBounds.x(), cellBounds.y());
                    widget->resize(wanted.size());
                }
            }
        }
    }
    d->lastVisCol = colLast;
    d->lastVisRow = rowLast;
    p->translate(-at.x(), -at.y());
    if (d->gridDeferred) {
        d->gridDeferred = false;
        ruleGrid(p, QRect(QPoint(colFirst, rowFirst), QPoint(colLast, rowLast)), ruledCells);
    }

    const QRect focusRect = cellGeometry(d->curRow, d->curCol);
    p->translate(focusRect.x(), focusRect.y());
    paintFocus(p, focusRect);
    p->translate(-focusRect.x(), -focusRect.y());
    d->prefilled = false;
    paintEmptyArea(p, cx, cy, cw, ch);
    d->drawActiveSelection = true;
    d->painting = false;
}

void UTable::ruleGrid(QPainter *p, const QRect &cells, size_t ruledCells)
{
    const std::vector<UTablePrivate::GridCell> &noted = d->gridCells;
    if (noted.empty())
        return;
    const QColor color = noted.front().color;
    // Where two lines cross a pixel is filled twice, which a cell's own two edges never do: a
    // colour that is not opaque, or cells that did not all leave their edges here in one
    // colour (a subclass painting some cells by itself), are ruled cell by cell.
    const bool asLines = noted.size() == ruledCells && color.alpha() == 255 &&
                         std::all_of(noted.cbegin(), noted.cend(),
                                     [&color](const auto &cell) { return cell.color == color; });
    if (!asLines) {
        for (const UTablePrivate::GridCell &cell : noted)
            ruleCellEdges(p, cell.rect, cell.color);
        return;
    }
    const int top = rowPos(cells.top());
    const int bottom = rowPos(cells.bottom()) + rowHeight(cells.bottom());
    const int left = columnPos(cells.left());
    const int right = columnPos(cells.right()) + columnWidth(cells.right());
    for (int c = cells.left(); c <= cells.right(); ++c) {
        if (const int w = columnWidth(c); w > 0)
            p->fillRect(QRect(columnPos(c) + w - 1, top, 1, bottom - top), color);
    }
    for (int r = cells.top(); r <= cells.bottom(); ++r) {
        if (const int h = rowHeight(r); h > 0)
            p->fillRect(QRect(left, rowPos(r) + h - 1, right - left, 1), color);
    }
}

// The right and the bottom edge, one pixel wide; filled rather than stroked, which is several
// times cheaper and leaves the painter's pen alone.
void UTable::ruleCellEdges(QPainter *p, const QRect &cell, const QColor &color)
{
    p->fillRect(QRect(cell.right(), cell.top(), 1, cell.height()), color);
    p->fillRect(QRect(cell.left(), cell.bottom(), cell.width() - 1, 1), color);
}

bool UTable::paintsOn(const QBrush &background) const
{
    return d->prefilled && background == d->prefill;
}

StyleHints UTablePrivate::styleHints(const QWidget *table) const
{
    if (painting)
        return paintHints;
    StyleHints hints;
    hints.changeHighlightOnFocus = changesHighlightOnFocus(table);
    hints.gridColor = table->style()->styleHint(QStyle::SH_Table_GridLineColor, nullptr, table);
    return hints;
}

void UTable::paintCell(QPainter *p, int row, int col, const QRect &cellRect, bool selected)
{
    if (cellRect.width() <= 0 || cellRect.height() <= 0)
        return;
    const bool inactive = !d->drawActiveSelection && d->styleHints(this).changeHighlightOnFocus;
    const UTableItem *cellItem = item(row, col);
    const bool disabled = cellItem && !cellItem->isEnabled();
    if (!inactive && !disabled) {
        paintCell(p, row, col, cellRect, selected, palette());
        return;
    }
    QPalette cellPalette = palette();
    cellPalette.setCurrentColorGroup(disabled ? QPalette::Disabled : QPalette::Inactive);
    paintCell(p, row, col, cellRect, selected, cellPalette);
}

tesk::utilities::TableTextCache &UTable::textCache() const
{
    return d->textCache;
}

QColor UTable::gridColor(const QPalette &cellPalette) const
{
    const int hint = d->styleHints(this).gridColor;
    // The style's grid colour serves the table's own palette; any other uses its mid colour.
    return (hint != -1 && cellPalette.isCopyOf(palette())) ? QColor(QRgb(unsigned(hint)))
                                                           : cellPalette.color(QPalette::Mid);
}

void UTable::paintCell(QPainter *p, int row, int col, const QRect &cellRect, bool selected,
                       const QPalette &cellPalette)
{
    if (d->focusStyle == SpreadSheet && selected && row == d->curRow && col == d->curCol &&
        hasFocusInside())
        selected = false;
    const int w = cellRect.width();
    const int h = cellRect.height();
    if (UTableItem *cellItem = item(row, col)) {
        if (typeid(*cellItem) == typeid(UTableItem)) {
            // A plain item changes nothing of the painter but its pen (UTableItem::paint), so
            // that is all there is to put back; saving the whole painter state for each of the
            // hundreds of cells of a page costs more than painting the item.
            const QPen pen = p->pen();
            cellItem->paint(p, cellPalette, cellRect, selected);
            p->setPen(pen);
        } else {
            p->save();
            cellItem->paint(p, cellPalette, cellRect, selected);
            p->restore();
        }
    } else if (selected || !paintsOn(cellPalette.brush(QPalette::Base))) {
        p->fillRect(0, 0, w, h,
                    selected ? cellPalette.brush(QPalette::Highlight)
                             : cellPalette.brush(QPalette::Base));
    }
    if (d->showGrid) {
        const QColor color = gridColor(cellPalette);
        if (d->gridDeferred)
            d->gridCells.push_back({cellRect, color});
        else
            ruleCellEdges(p, QRect(0, 0, w, h), color);
    }
}

void UTable::paintFocus(QPainter *p, const QRect &focusRect)
{
    if (!hasFocusInside())
        return;
    const int w = focusRect.width();
    const int h = focusRect.height();
    if (d->focusStyle == SpreadSheet) {
        p->setPen(QPen(Qt::black, 1));
        p->setBrush(Qt::NoBrush);
        p->drawRect(0, 0, w - 2, h - 2);
        p->drawRect(-1, -1, w, h);
        return;
    }
    QStyleOptionFocusRect opt;
    opt.initFrom(this);
    opt.rect = QRect(0, 0, w, h);
    // The current cell is where keys act, however the focus came: styles that draw a focus
    // frame only after a keyboard focus change would leave it unseen after a click.
    opt.state |= QStyle::State_KeyboardFocusChange;
    if (isSelected(d->curRow, d->curCol, false)) {
        opt.backgroundColor = palette().color(QPalette::Highlight);
        opt.state |= QStyle::State_FocusAtBorder;
    } else {
        opt.backgroundColor = palette().color(QPalette::Base);
    }
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, p, this);
}

void UTable::paintEmptyArea(QPainter *p, int cx, int cy, int cw, int ch)
{
    const QRegion rest = QRegion(cx, cy, cw, ch).subtracted(QRect(QPoint(0, 0), tableSize()));
    const QBrush &background = viewport()->palette().brush(viewport()->backgroundRole());
    for (const QRect &r : rest)
        p->fillRect(r, background);
}

void UTable::setShowGrid(bool show)
{
    if (show == d->showGrid)
        return;
    d->showGrid = show;
    updateContents();
}
