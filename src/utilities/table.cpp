#include "utilities/table.h"

#include "frame/core/softcheck.h"
#include "utilities/globalstrut.h"
#include "utilities/linemoves.h"
#include "utilities/ownupdates.h"
#include "utilities/tabletextcache.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFocusEvent>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMetaMethod>
#include <QMimeData>
#include <QPainter>
#include <QRegion>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <climits>
#include <deque>
#include <typeinfo>
#include <utility>

namespace {

// Cleared while a spanning item enters itself into the other cells of its block, so that
// setItem does not rebuild the item's editor for each of them.
bool g_updateCellWidget = true;
// One updateCell at a time, program-wide.
bool g_inUpdateCell = false;
// One geometry update at a time, program-wide.
bool g_inUpdateGeometries = false;

constexpr int kDefaultColumnWidth = 100;
constexpr int kDefaultRowHeight = 20;
constexpr int kDefaultLeftMargin = 30;
// What a row or column of no size that was never hidden gets when it is shown.
constexpr int kShownSize = 20;
constexpr int kAutoScrollInterval = 100;
// No line fitted to its contents ends up smaller.
constexpr int kMinimumFittedSize = 20;
// Larger ranges are repainted as one rectangle.
constexpr int kMaxExactRange = SHRT_MAX;

// Restores a flag when the scope ends.
class FlagGuard
{
public:
    explicit FlagGuard(bool &flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~FlagGuard() { m_flag = false; }
    FlagGuard(const FlagGuard &) = delete;
    FlagGuard &operator=(const FlagGuard &) = delete;

private:
    bool &m_flag;
};

bool isNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

bool changesHighlightOnFocus(const QWidget *widget)
{
    return widget->style()->styleHint(QStyle::SH_ItemView_ChangeHighlightOnFocus, nullptr,
                                      widget) != 0;
}

// Style answers asked once per contents paint instead of once per cell.
struct StyleHints
{
    bool changeHighlightOnFocus = false;
    int gridColor = -1;
};

} // namespace

class UTablePrivate
{
public:
    // Set by init(): until then the table has no headers and ignores input and painting.
    bool initialised = false;
    // Cell contents, indexed by UTable::indexOf(); a spanning item stands in each of its cells.
    // A deque, so that rows come and go at the top as cheaply as at the end.
    std::deque<UTableItem *> contents;
    // Few cells hold a widget (an editor, a check box): kept by cell.
    QHash<quint64, QWidget *> widgets;
    // Set while clearCellWidget ends the edit whose editor it removes.
    bool endingEdit = false;
    // Lines inserted or removed since the items last learnt their places, oldest first: the
    // lines of the orientation from `from` on moved by `by`. An item whose stamp is behind
    // placeStamp by k has yet to follow the last k of them.
    struct LineShift
    {
        Qt::Orientation orientation;
        int from;
        int by;
    };
    std::vector<LineShift> shifts;
    quint32 placeStamp = 0;
    tesk::utilities::TableTextCache textCache;
    // How many digits the row count had when the left margin was last fitted to it.
    int marginDigits = 0;
    int curRow = 0;
    int curCol = 0;
    UTableHeader *leftHeader = nullptr;
    UTableHeader *topHeader = nullptr;
    UTable::EditMode editMode = UTable::NotEditing;
    int editCol = -1;
    int editRow = -1;
    std::vector<std::unique_ptr<UTableSelection>> selections;
    // The selection a gesture is extending; one of selections or null.
    UTableSelection *currentSel = nullptr;
    QTimer *autoScrollTimer = nullptr;
    int lastSortCol = -1;
    bool showGrid = true;
    bool rowMoving = false;
    bool columnMoving = false;
    bool ascending = true;
    bool sorting = true;
    bool readOnly = false;
    bool shouldClearSelection = false;
    bool dragEnabled = false;
    bool drawActiveSelection = true;
    bool wasVisible = false;
    UTable::SelectionMode selectionMode = UTable::Multi;
    int pressedRow = -1;
    int pressedCol = -1;
    QSet<int> readOnlyRows;
    QSet<int> readOnlyCols;
    int dragStartRow = -1;
    int dragStartCol = -1;
    QPoint dragStartPos;
    int savedRow = -1;
    int savedCol = -1;
    UTable::FocusStyle focusStyle = UTable::SpreadSheet;
    // Where the pointer was last seen, for the auto-scroll steps between moves.
    QPoint lastGlobalPos;
    // Valid while painting is set.
    StyleHints paintHints;
    bool painting = false;
    // Set while the cells are painted over a background filled beforehand with prefill.
    bool prefilled = false;
    QBrush prefill;
    // While set, the base paintCell leaves a cell's grid edges to drawContents, which rules
    // whole lines across the page once instead of two short ones per cell, and notes the cell
    // with the colour it would have used.
    bool gridDeferred = false;
    struct GridCell
    {
        QRect rect;
        QColor color;
    };
    std::vector<GridCell> gridCells;
    bool hasRowSpan = false;
    bool hasColSpan = false;
    bool inMenuMode = false;
    bool redirectMouseEvent = false;
    // Hidden rows and columns with the size each had before it was hidden.
    QHash<int, int> hiddenRows;
    QHash<int, int> hiddenCols;
    QTimer *geometryTimer = nullptr;
    int lastVisRow = 0;
    int lastVisCol = 0;

    // Rows are counted along the vertical header, columns along the horizontal one.
    QHash<int, int> &hiddenLines(Qt::Orientation orientation)
    {
        return orientation == Qt::Vertical ? hiddenRows : hiddenCols;
    }
    QSet<int> &readOnlyLines(Qt::Orientation orientation)
    {
        return orientation == Qt::Vertical ? readOnlyRows : readOnlyCols;
    }
    int &current(Qt::Orientation orientation)
    {
        return orientation == Qt::Vertical ? curRow : curCol;
    }
    int &editing(Qt::Orientation orientation)
    {
        return orientation == Qt::Vertical ? editRow : editCol;
    }
    bool hasSpan(Qt::Orientation orientation) const
    {
        return orientation == Qt::Vertical ? hasRowSpan : hasColSpan;
    }
    StyleHints styleHints(const QWidget *table) const;

    static quint64 cellKey(int row, int col)
    {
        return (quint64(quint32(row)) << 32) | quint32(col);
    }
    static int keyRow(quint64 key) { return int(key >> 32); }
    static int keyCol(quint64 key) { return int(quint32(key)); }
};

namespace {

// Past this many line moves the items learn their places in one pass over the table, so that
// an item catching up follows a short list.
constexpr size_t kMaxShifts = 256;

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
    d->currentSel = nullptr;
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
    return d->currentSel;
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
    return int(d->selections.size());
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

// --- geometry ----------------------------------------------------------------------------

int UTable::columnWidth(int col) const
{
    return d->topHeader->sectionSize(col);
}

int UTable::rowHeight(int row) const
{
    return d->leftHeader->sectionSize(row);
}

int UTable::columnPos(int col) const
{
    return d->topHeader->sectionPos(col);
}

int UTable::rowPos(int row) const
{
    return d->leftHeader->sectionPos(row);
}

int UTable::columnAt(int x) const
{
    return d->topHeader->sectionAt(x);
}

int UTable::rowAt(int y) const
{
    return d->leftHeader->sectionAt(y);
}

QRect UTable::cellGeometry(int row, int col) const
{
    const UTableItem *cellItem = item(row, col);
    if (!cellItem || (cellItem->rowSpan() == 1 && cellItem->colSpan() == 1))
        return QRect(columnPos(col), rowPos(row), columnWidth(col), rowHeight(row));
    row = cellItem->row();
    col = cellItem->col();
    QRect rect(columnPos(col), rowPos(row), columnWidth(col), rowHeight(row));
    for (int r = 1; r < cellItem->rowSpan(); ++r)
        rect.setHeight(rect.height() + rowHeight(row + r));
    for (int c = 1; c < cellItem->colSpan(); ++c)
        rect.setWidth(rect.width() + columnWidth(col + c));
    return rect;
}

QRect UTable::cellRect(int row, int col) const
{
    return QRect(QPoint(0, 0), cellGeometry(row, col).size());
}

QSize UTable::tableSize() const
{
    const int lastCol = numCols() - 1;
    const int lastRow = numRows() - 1;
    // Sizes summing past the largest coordinate end there.
    const auto end = [](int pos, int size) {
        return int(std::min<qint64>(INT_MAX, qint64(pos) + size));
    };
    const int w = lastCol < 0 ? 0 : end(columnPos(lastCol), columnWidth(lastCol));
    const int h = lastRow < 0 ? 0 : end(rowPos(lastRow), rowHeight(lastRow));
    return QSize(w, h);
}

void UTable::ensureCellVisible(int row, int col)
{
    if (!updatesEnabled() || !viewport()->updatesEnabled())
        return;
    const int cw = columnWidth(col);
    const int rh = rowHeight(row);
    if (cw < visibleWidth())
        ensureVisible(columnPos(col) + cw / 2, rowPos(row) + rh / 2, cw / 2, rh / 2);
    else
        ensureVisible(columnPos(col), rowPos(row) + rh / 2, 0, rh / 2);
}

void UTable::updateCell(int row, int col)
{
    if (row < 0 || col < 0 || g_inUpdateCell)
        return;
    FlagGuard guard(g_inUpdateCell);
    const QRect cellBounds = cellGeometry(row, col);
    // A posted update: many cell updates in one pass cost one paint.
    const QRect r(contentsToViewport2(cellBounds.topLeft()) - QPoint(2, 2),
                  cellBounds.size() + QSize(4, 4));
    viewport()->update(r);
}

void UTable::repaintCell(int row, int col)
{
    if (row == -1 || col == -1)
        return;
    const QRect cellBounds = cellGeometry(row, col);
    repaintContents(cellBounds.adjusted(-2, -2, 2, 2), false);
}

void UTable::updateRowWidgets(int row)
{
    updateLineWidgets(Qt::Vertical, row);
}

void UTable::updateColWidgets(int col)
{
    updateLineWidgets(Qt::Horizontal, col);
}

void UTable::updateLineWidgets(Qt::Orientation orientation, int line)
{
    if (d->widgets.isEmpty())
        return;
    const bool rows = orientation == Qt::Vertical;
    const int across = rows ? numCols() : numRows();
    if (d->widgets.size() > across) {
        for (int i = 0; i < across; ++i) {
            const int row = rows ? line : i;
            const int col = rows ? i : line;
            if (QWidget *widget = cellWidget(row, col))
                placeWidget(widget, row, col);
        }
        return;
    }
    for (auto it = d->widgets.cbegin(); it != d->widgets.cend(); ++it) {
        const int row = UTablePrivate::keyRow(it.key());
        const int col = UTablePrivate::keyCol(it.key());
        if ((rows ? row : col) == line)
            placeWidget(it.value(), row, col);
    }
}

void UTable::placeWidget(QWidget *widget, int row, int col)
{
    moveChild(widget, columnPos(col), rowPos(row));
    widget->resize(columnWidth(col) - 1, rowHeight(row) - 1);
}

void UTable::setColumnWidth(int col, int width)
{
    setLineSize(Qt::Horizontal, col, width);
}

void UTable::setRowHeight(int row, int height)
{
    setLineSize(Qt::Vertical, row, height);
}

// A hidden line keeps the size for when it is shown again.
void UTable::setLineSize(Qt::Orientation orientation, int line, int size)
{
    QHash<int, int> &hidden = d->hiddenLines(orientation);
    if (hidden.contains(line)) {
        hidden[line] = size;
        return;
    }
    header(orientation)->resizeSection(line, size);
    lineSizeChanged(orientation, line);
}

void UTable::lineSizeChanged(Qt::Orientation orientation, int line)
{
    if (orientation == Qt::Vertical)
        rowHeightChanged(line);
    else
        columnWidthChanged(line);
}

void UTable::columnWidthChanged(int col)
{
    const int p = d->hasColSpan ? contentsX() : columnPos(col);
    updateContents(p, contentsY(), contentsWidth(), visibleHeight());
    const QSize s = tableSize();
    const int w = contentsWidth();
    resizeContents(s.width(), s.height());
    if (contentsWidth() < w)
        repaintContents(s.width(), contentsY(), w - s.width() + 1, visibleHeight(), true);
    else
        repaintContents(w, contentsY(), s.width() - w + 1, visibleHeight(), false);
    if (!d->widgets.isEmpty()) {
        const int last = isHidden() ? numCols() - 1 : d->lastVisCol;
        for (int c = col; c <= last; ++c)
            updateColWidgets(c);
    }
    delayedUpdateGeometries();
}

void UTable::rowHeightChanged(int row)
{
    const int p = d->hasRowSpan ? contentsY() : rowPos(row);
    updateContents(contentsX(), p, visibleWidth(), contentsHeight());
    const QSize s = tableSize();
    const int h = contentsHeight();
    resizeContents(s.width(), s.height());
    if (contentsHeight() < h)
        repaintContents(contentsX(), contentsHeight(), visibleWidth(), h - s.height() + 1, true);
    else
        repaintContents(contentsX(), h, visibleWidth(), s.height() - h + 1, false);
    if (!d->widgets.isEmpty()) {
        d->lastVisRow = rowAt(contentsY() + visibleHeight() + (s.height() - h + 1));
        const int last = (isHidden() || d->lastVisRow < 0) ? numRows() - 1 : d->lastVisRow;
        for (int r = row; r <= last; ++r)
            updateRowWidgets(r);
    }
    delayedUpdateGeometries();
}

void UTable::setColumnStretchable(int col, bool stretch)
{
    setLineStretchable(Qt::Horizontal, col, stretch);
}

void UTable::setRowStretchable(int row, bool stretch)
{
    setLineStretchable(Qt::Vertical, row, stretch);
}

// A hidden line does not count among the stretching ones until it is shown.
void UTable::setLineStretchable(Qt::Orientation orientation, int line, bool stretch)
{
    UTableHeader *lineHeader = header(orientation);
    lineHeader->setSectionStretchable(line, stretch);
    if (stretch && d->hiddenLines(orientation).contains(line))
        lineHeader->setStretchCount(lineHeader->stretchCount() - 1);
}

bool UTable::isColumnStretchable(int col) const
{
    return d->topHeader->isSectionStretchable(col);
}

bool UTable::isRowStretchable(int row) const
{
    return d->leftHeader->isSectionStretchable(row);
}

void UTable::columnIndexChanged(int, int fromIndex, int)
{
    if (d->sorting && d->lastSortCol == fromIndex) {
        // Where the section really went, not where the gesture pointed.
        d->topHeader->setSortIndicator(d->topHeader->lastMoveTarget(),
                                       d->topHeader->sortIndicatorOrder() == Qt::AscendingOrder);
    }
    repaintContents(contentsX(), contentsY(), visibleWidth(), visibleHeight(), false);
}

void UTable::rowIndexChanged(int, int, int)
{
    repaintContents(contentsX(), contentsY(), visibleWidth(), visibleHeight(), false);
}

void UTable::adjustColumn(int col)
{
    adjustLine(Qt::Horizontal, col);
}

void UTable::adjustRow(int row)
{
    adjustLine(Qt::Vertical, row);
}

// Fits a line to its label and its cells. The row header measures its labels with its own
// font, the column header with the table's; an icon widens a column but only sets a minimum
// row height.
void UTable::adjustLine(Qt::Orientation orientation, int line)
{
    if (line < 0 || line >= lineCount(orientation))
        return;
    const bool rows = orientation == Qt::Vertical;
    const auto along = [rows](const QSize &size) { return rows ? size.height() : size.width(); };
    UTableHeader *lineHeader = header(orientation);
    int size =
        along(lineHeader->sectionSizeHint(line, rows ? lineHeader->fontMetrics() : fontMetrics()));
    const QIcon icon = lineHeader->iconSet(line);
    if (!icon.isNull()) {
        const int extent = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
        const int iconSize = along(icon.actualSize(QSize(extent, extent)));
        size = rows ? std::max(size, iconSize) : size + iconSize;
    }
    size = std::max(size, kMinimumFittedSize);
    const int across = rows ? numCols() : numRows();
    for (int i = 0; i < across; ++i) {
        const int row = rows ? line : i;
        const int col = rows ? i : line;
        const UTableItem *cellItem = item(row, col);
        if (!cellItem) {
            if (QWidget *widget = cellWidget(row, col))
                size = std::max(size, along(widget->sizeHint()));
        } else {
            const int span = rows ? cellItem->rowSpan() : cellItem->colSpan();
            size = std::max(size, along(cellItem->sizeHint()) / std::max(1, span));
        }
    }
    const auto setSize = rows ? &UTable::setRowHeight : &UTable::setColumnWidth;
    (this->*setSize)(line, std::max(size, along(cuiGlobalStrut())));
}

QPoint UTable::contentsToViewport2(const QPoint &p) const
{
    return p - QPoint(contentsX(), contentsY());
}

QPoint UTable::viewportToContents2(const QPoint &p) const
{
    return p + QPoint(contentsX(), contentsY());
}

void UTable::contentsToViewport2(int x, int y, int &vx, int &vy) const
{
    const QPoint p = contentsToViewport2(QPoint(x, y));
    vx = p.x();
    vy = p.y();
}

void UTable::viewportToContents2(int vx, int vy, int &x, int &y) const
{
    const QPoint p = viewportToContents2(QPoint(vx, vy));
    x = p.x();
    y = p.y();
}

void UTable::fixRow(int &row, int y) const
{
    fixLine(Qt::Vertical, row, y);
}

void UTable::fixCol(int &col, int x) const
{
    fixLine(Qt::Horizontal, col, x);
}

// A position outside the table stands for its first or last line.
void UTable::fixLine(Qt::Orientation orientation, int &line, int pos) const
{
    if (line == -1)
        line = pos < 0 ? 0 : lineCount(orientation) - 1;
}

void UTable::delayedUpdateGeometries()
{
    d->geometryTimer->start(0);
}

void UTable::updateGeometriesSlot()
{
    updateGeometries();
}

void UTable::updateGeometries()
{
    if (g_inUpdateGeometries || !d->initialised)
        return;
    FlagGuard guard(g_inUpdateGeometries);
    const QSize ts = tableSize();
    if (d->topHeader->offset() && ts.width() < d->topHeader->offset() + d->topHeader->width())
        horizontalScrollBar()->setValue(ts.width() - d->topHeader->width());
    if (d->leftHeader->offset() && ts.height() < d->leftHeader->offset() + d->leftHeader->height())
        verticalScrollBar()->setValue(ts.height() - d->leftHeader->height());
    const int side = QApplication::isRightToLeft() ? rightMargin() : leftMargin();
    const int fw = frameWidth();
    d->leftHeader->setGeometry(QStyle::visualRect(
        layoutDirection(), rect(), QRect(fw, topMargin() + fw, side, visibleHeight())));
    d->topHeader->setGeometry(QStyle::visualRect(
        layoutDirection(), rect(), QRect(side + fw, fw, visibleWidth(), topMargin())));
    horizontalScrollBar()->raise();
    verticalScrollBar()->raise();
    d->topHeader->updateStretches();
    d->leftHeader->updateStretches();
}

void UTable::setLeftMargin(int margin)
{
    if (QApplication::isRightToLeft())
        setMargins(leftMargin(), topMargin(), margin, bottomMargin());
    else
        setMargins(margin, topMargin(), rightMargin(), bottomMargin());
    updateGeometries();
}

void UTable::setTopMargin(int margin)
{
    setMargins(leftMargin(), margin, rightMargin(), bottomMargin());
    updateGeometries();
}

void UTable::viewportResizeEvent(QResizeEvent *e)
{
    UScrollView::viewportResizeEvent(e);
    updateGeometries();
}

void UTable::showEvent(QShowEvent *e)
{
    UScrollView::showEvent(e);
    if (!d->initialised)
        return;
    const QSize s = tableSize();
    resizeContents(s.width(), s.height());
    updateGeometries();
    d->wasVisible = true;
}

// --- selections --------------------------------------------------------------------------

UTableSelection *UTable::appendSelection(int anchorRow, int anchorCol, int row, int col)
{
    d->selections.push_back(std::make_unique<UTableSelection>());
    d->currentSel = d->selections.back().get();
    d->currentSel->init(anchorRow, anchorCol);
    if (row != -2)
        d->currentSel->expandTo(row, col);
    return d->currentSel;
}

bool UTable::isSelected(int row, int col, bool includeCurrent) const
{
    for (const auto &s : d->selections) {
        if (s->isActive() && row >= s->topRow() && row <= s->bottomRow() && col >= s->leftCol() &&
            col <= s->rightCol())
            return true;
        if (includeCurrent && row == d->curRow && col == d->curCol)
            return true;
    }
    return false;
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
    const int current = rows ? d->curRow : d->curCol;
    for (const auto &s : d->selections) {
        const int first = rows ? s->topRow() : s->leftCol();
        const int last = rows ? s->bottomRow() : s->rightCol();
        const bool covers = s->isActive() && line >= first && line <= last;
        if (full) {
            const bool acrossAll = rows ? (s->leftCol() == 0 && s->rightCol() == numCols() - 1)
                                        : (s->topRow() == 0 && s->bottomRow() == numRows() - 1);
            if (covers && acrossAll)
                return true;
        } else if (covers || line == current) {
            return true;
        }
    }
    return false;
}

int UTable::currentSelection() const
{
    for (size_t i = 0; i < d->selections.size(); ++i) {
        if (d->selections[i].get() == d->currentSel)
            return int(i);
    }
    return -1;
}

UTableSelection UTable::selection(int num) const
{
    if (num < 0 || num >= numSelections())
        return UTableSelection();
    return *d->selections[size_t(num)];
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
    d->selections.push_back(std::make_unique<UTableSelection>(
        std::min(s.anchorRow(), maxRow), std::min(s.anchorCol(), maxCol), std::min(farRow, maxRow),
        std::min(farCol, maxCol)));
    repaintSelections(nullptr, d->selections.back().get());
    emit selectionChanged();
    return numSelections() - 1;
}

void UTable::removeSelection(int num)
{
    if (num < 0 || num >= numSelections())
        return;
    if (d->selections[size_t(num)].get() == d->currentSel)
        d->currentSel = nullptr;
    d->selections.erase(d->selections.begin() + num);
    repaintContents(contentsX(), contentsY(), visibleWidth(), visibleHeight(), false);
}

void UTable::removeSelection(const UTableSelection &selection)
{
    for (auto it = d->selections.begin(); it != d->selections.end();) {
        if (**it != selection) {
            ++it;
            continue;
        }
        const std::unique_ptr<UTableSelection> gone = std::move(*it);
        it = d->selections.erase(it);
        repaintSelections(gone.get(), nullptr);
        if (gone.get() == d->currentSel)
            d->currentSel = nullptr;
    }
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
    d->currentSel = nullptr;
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
        repaintSelections(nullptr, d->currentSel);
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
        repaintSelections(nullptr, d->currentSel);
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

// --- read-only, sorting ------------------------------------------------------------------

void UTable::applyReadOnly(bool readOnly)
{
    UTableItem *cellItem = item(d->curRow, d->curCol);
    if (readOnly && isEditing()) {
        endEdit(d->editRow, d->editCol, true, false);
    } else if (!readOnly && cellItem &&
               (cellItem->editType() == UTableItem::WhenCurrent ||
                cellItem->editType() == UTableItem::Always)) {
        editCell(d->curRow, d->curCol);
    }
}

void UTable::setReadOnly(bool readOnly)
{
    d->readOnly = readOnly;
    applyReadOnly(readOnly);
}

void UTable::setLineReadOnly(Qt::Orientation orientation, int line, bool readOnly)
{
    QSet<int> &lines = d->readOnlyLines(orientation);
    if (readOnly)
        lines.insert(line);
    else
        lines.remove(line);
    if (line == d->current(orientation))
        applyReadOnly(readOnly);
}

void UTable::setRowReadOnly(int row, bool readOnly)
{
    setLineReadOnly(Qt::Vertical, row, readOnly);
}

void UTable::setColumnReadOnly(int col, bool readOnly)
{
    setLineReadOnly(Qt::Horizontal, col, readOnly);
}

void UTable::setColumnMovingEnabled(bool enable)
{
    d->columnMoving = enable;
}

void UTable::setRowMovingEnabled(bool enable)
{
    d->rowMoving = enable;
}

void UTable::setDragEnabled(bool enable)
{
    d->dragEnabled = enable;
}

void UTable::setSorting(bool sort)
{
    d->sorting = sort;
    if (d->topHeader)
        d->topHeader->setSortIndicator(sort ? d->lastSortCol : -1, true);
}

void UTable::columnClicked(int col)
{
    if (!d->sorting)
        return;
    if (col == d->lastSortCol) {
        d->ascending = !d->ascending;
    } else {
        d->lastSortCol = col;
        d->ascending = true;
    }
    sortColumn(d->lastSortCol, d->ascending, false);
}

void UTable::sortColumn(int col, bool ascending, bool wholeRows)
{
    if (col < 0 || col >= numCols())
        return;
    // Blocks reaching into the column are single cells before anything moves, so that each
    // item is sorted once and leaves no cell pointing at it behind.
    for (int r = 0; r < numRows(); ++r)
        dropSpan(item(r, col));
    // The items' rows are read below for each of them.
    settlePlaces();
    std::vector<std::pair<QString, UTableItem *>> keyed;
    for (int r = 0; r < numRows(); ++r) {
        if (UTableItem *cellItem = item(r, col))
            keyed.emplace_back(cellItem->key(), cellItem);
    }
    if (keyed.empty())
        return;
    // Each key is asked for once, not once per comparison.
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
        return QString::localeAwareCompare(a.first, b.first) < 0;
    });
    std::vector<UTableItem *> items;
    items.reserve(keyed.size());
    for (const auto &entry : keyed)
        items.push_back(entry.second);
    const bool updates = tesk::utilities::ownUpdatesEnabled(this);
    setUpdatesEnabled(false);
    const int filled = int(items.size());
    for (int i = 0; i < filled; ++i) {
        const int target = ascending ? i : filled - 1 - i;
        const int from = items[size_t(i)]->row();
        if (from == target)
            continue;
        if (wholeRows)
            swapRows(from, target, false);
        else
            swapCells(from, col, target, col);
    }
    setUpdatesEnabled(updates);
    d->topHeader->setSortIndicator(col, ascending);
    if (wholeRows)
        repaintContents(contentsX(), contentsY(), visibleWidth(), visibleHeight(), false);
    else
        repaintContents(columnPos(col), contentsY(), columnWidth(col), visibleHeight(), false);
}

// --- editing -----------------------------------------------------------------------------

void UTable::editCell(int row, int col, bool replace)
{
    if (!validCell(row, col))
        return;
    if (beginEdit(row, col, replace))
        setEditMode(Editing, row, col);
}

QWidget *UTable::createEditor(int row, int col, bool initFromCell) const
{
    if (d->readOnly || isRowReadOnly(row) || isColumnReadOnly(col))
        return nullptr;
    QWidget *editor = nullptr;
    const UTableItem *cellItem = item(row, col);
    if (cellItem && (initFromCell || !cellItem->isReplaceable())) {
        if (cellItem->editType() == UTableItem::Never)
            return nullptr;
        editor = cellItem->createEditor();
        if (!editor)
            return nullptr;
    }
    if (!editor) {
        auto *lineEdit = new QLineEdit(viewport());
        lineEdit->setObjectName(QStringLiteral("qt_lineeditor"));
        lineEdit->setFrame(false);
        editor = lineEdit;
    }
    return editor;
}

QWidget *UTable::beginEdit(int row, int col, bool replace)
{
    // An editor the table cannot place would be lost, and the edit with it.
    if (!validCell(row, col))
        return nullptr;
    if (d->readOnly || isRowReadOnly(row) || isColumnReadOnly(col))
        return nullptr;
    const UTableItem *cellItem = item(row, col);
    if ((cellItem && !cellItem->isEnabled()) || cellWidget(row, col))
        return nullptr;
    ensureCellVisible(row, col);
    QWidget *editor = createEditor(row, col, !replace);
    if (!editor)
        return nullptr;
    setCellWidget(row, col, editor);
    editor->activateWindow();
    editor->setFocus();
    updateCell(row, col);
    return editor;
}

void UTable::endEdit(int row, int col, bool accept, bool replace)
{
    QWidget *editor = cellWidget(row, col);
    if (!editor)
        return;
    if (!accept) {
        if (row == d->editRow && col == d->editCol)
            setEditMode(NotEditing, -1, -1);
        clearCellWidget(row, col);
        updateCell(row, col);
        viewport()->setFocus();
        updateCell(row, col);
        return;
    }
    UTableItem *cellItem = item(row, col);
    const QString oldContent = cellItem ? cellItem->text() : QString();
    if (!cellItem || replace) {
        setCellContentFromEditor(row, col);
        cellItem = item(row, col);
    } else {
        cellItem->setContentFromEditor(editor);
    }
    if (row == d->editRow && col == d->editCol)
        setEditMode(NotEditing, -1, -1);
    viewport()->setFocus();
    updateCell(row, col);
    if (!cellItem || oldContent != cellItem->text())
        emit valueChanged(row, col);
    clearCellWidget(row, col);
}

void UTable::setCellContentFromEditor(int row, int col)
{
    QWidget *editor = cellWidget(row, col);
    if (!editor)
        return;
    if (UTableItem *cellItem = item(row, col)) {
        cellItem->setContentFromEditor(editor);
    } else if (auto *lineEdit = qobject_cast<QLineEdit *>(editor)) {
        setText(row, col, lineEdit->text());
    }
}

void UTable::endEditOfEditCell(bool accept)
{
    endEdit(d->editRow, d->editCol, accept, d->editMode != Editing);
}

void UTable::doValueChanged()
{
    emit valueChanged(d->editRow, d->editCol);
}

void UTable::activateNextCell()
{
    const auto hiddenRow = [this](int r) { return d->hiddenRows.contains(r); };
    const auto hiddenCol = [this](int c) { return d->hiddenCols.contains(c); };
    int firstRow = 0;
    while (hiddenRow(firstRow))
        ++firstRow;
    int firstCol = 0;
    while (hiddenCol(firstCol))
        ++firstCol;
    int nextRow = d->curRow;
    int nextCol = d->curCol;
    while (hiddenRow(++nextRow)) {
    }
    if (nextRow >= numRows()) {
        nextRow = firstRow;
        while (hiddenCol(++nextCol)) {
        }
        if (nextCol >= numCols())
            nextCol = firstCol;
    }
    const UTableSelection *s = d->currentSel;
    if (!s || !s->isActive() || (s->leftCol() == s->rightCol() && s->topRow() == s->bottomRow())) {
        clearSelection(true);
        setCurrentCell(nextRow, nextCol);
    } else if (d->curRow < s->bottomRow()) {
        setCurrentCell(nextRow, d->curCol);
    } else if (d->curCol < s->rightCol()) {
        setCurrentCell(s->topRow(), nextCol);
    } else {
        setCurrentCell(s->topRow(), s->leftCol());
    }
}

// The nearest column from `from` on, in steps of `step`, that is shown, writable and whose
// item in the current row is enabled; -1 or the column count when there is none.
int UTable::nextEditableColumn(int from, int step) const
{
    int c = from;
    for (; c >= 0 && c < numCols(); c += step) {
        const UTableItem *cellItem = item(d->curRow, c);
        if (!d->hiddenCols.contains(c) && !isColumnReadOnly(c) &&
            (!cellItem || cellItem->isEnabled()))
            break;
    }
    return c;
}

// Answers whether the current cell moved.
bool UTable::tabToColumn(bool backwards)
{
    if (!backwards) {
        if (d->curCol >= numCols() - 1)
            return false;
        setCurrentCell(d->curRow, nextEditableColumn(std::min(numCols() - 1, d->curCol + 1), 1));
        return true;
    }
    if (d->curCol <= 0)
        return false;
    // With nothing suitable to the left the current cell stays where it is.
    const int c = nextEditableColumn(d->curCol - 1, -1);
    if (c < 0)
        return false;
    setCurrentCell(d->curRow, c);
    return true;
}

// --- rows and columns --------------------------------------------------------------------

void UTable::setNumRows(int rows)
{
    changeCount(Qt::Vertical, rows);
}

void UTable::setNumCols(int cols)
{
    changeCount(Qt::Horizontal, cols);
}

int UTable::lineCount(Qt::Orientation orientation) const
{
    return orientation == Qt::Vertical ? numRows() : numCols();
}

void UTable::changeCount(Qt::Orientation orientation, int count)
{
    if (count < 0 || !d->initialised)
        return;
    const bool rows = orientation == Qt::Vertical;
    UTableHeader *lineHeader = header(orientation);
    QHash<int, int> &hidden = d->hiddenLines(orientation);
    const int oldCount = lineHeader->count();
    if (count < oldCount) {
        for (auto it = hidden.begin(); it != hidden.end();)
            it = it.key() >= count ? hidden.erase(it) : std::next(it);
        QSet<int> &readOnly = d->readOnlyLines(orientation);
        for (auto it = readOnly.begin(); it != readOnly.end();)
            it = *it >= count ? readOnly.erase(it) : std::next(it);
    }
    fontChange(font());
    const bool headerUpdates = tesk::utilities::ownUpdatesEnabled(lineHeader);
    lineHeader->setUpdatesEnabled(false);
    const int size = rows ? kDefaultRowHeight : kDefaultColumnWidth;
    bool smaller = count < oldCount;
    if (rows) {
        // Cells are stored row by row: rows come and go at the end without moving the others.
        ensureData();
        endEdit(d->editRow, d->editCol, false, d->editMode != Editing);
        if (smaller)
            dropRowsFrom(count);
        resizeHeader(lineHeader, oldCount, count, size);
        resizeData(numRows() * numCols());
    } else {
        std::vector<UTableItem *> items;
        saveContents(items);
        smaller = resizeHeader(lineHeader, oldCount, count, size);
        d->contents.clear();
        resizeData(numRows() * numCols());
        restoreContents(items);
        dropWidgetsFrom(Qt::Horizontal, count);
    }
    const int digits = int(QString::number(count).size());
    if (rows && digits != d->marginDigits) {
        // The row header is wide enough for the largest row number; measured again only when
        // the numbers get another digit, not for every row a host appends.
        d->marginDigits = digits;
        const int width =
            fontMetrics().horizontalAdvance(QString::number(count) + QLatin1Char('W'));
        const int margin = QApplication::isRightToLeft() ? rightMargin() : leftMargin();
        if (margin > 0 && margin < width)
            setLeftMargin(width);
    }
    finishContentsResize(smaller);
    lineHeader->setUpdatesEnabled(headerUpdates);
    if (headerUpdates)
        lineHeader->update();
    lineHeader->updateCache();
    int &current = d->current(orientation);
    if (current >= lineHeader->count()) {
        current = lineHeader->count() - 1;
        if (current < 0)
            d->curCol = -1;
        else
            repaintCell(d->curRow, d->curCol);
    } else if (numRows() > 0 && numCols() > 0 && (d->curRow < 0 || d->curCol < 0)) {
        // A table filled again after it was emptied gets a current cell again, so that
        // typing has a cell to edit.
        d->curRow = std::max(0, d->curRow);
        d->curCol = std::max(0, d->curCol);
        repaintCell(d->curRow, d->curCol);
    }
}

void UTable::saveContents(std::vector<UTableItem *> &items)
{
    endEdit(d->editRow, d->editCol, false, d->editMode != Editing);
    settlePlaces();
    const int cols = std::max(1, numCols());
    for (size_t i = 0; i < d->contents.size(); ++i) {
        UTableItem *cellItem = d->contents[i];
        // A block is kept once, at its own top-left cell.
        if (cellItem && size_t(cellItem->row()) * size_t(cols) + size_t(cellItem->col()) == i)
            items.push_back(cellItem);
    }
}

bool UTable::resizeHeader(UTableHeader *header, int oldCount, int newCount, int size)
{
    clearSelection(false);
    if (newCount > oldCount) {
        for (int i = oldCount; i < newCount; ++i)
            header->addLabel(QString(), size);
    } else {
        while (header->count() > newCount)
            header->removeLabel(header->count() - 1);
    }
    header->recountStretches();
    return newCount < oldCount;
}

void UTable::dropRowsFrom(int firstGone)
{
    const size_t cols = size_t(numCols());
    const size_t start = std::min(d->contents.size(), size_t(firstGone) * cols);
    std::vector<UTableItem *> gone;
    for (size_t i = start; i < d->contents.size(); ++i) {
        UTableItem *cellItem = d->contents[i];
        if (!cellItem)
            continue;
        if (cellItem->row() >= firstGone) {
            // Deleted once, from its own top-left cell, without touching the cells.
            if (size_t(cellItem->row()) * cols + size_t(cellItem->col()) == i)
                gone.push_back(cellItem);
        } else {
            // A block from above keeps the part that still fits.
            cellItem->m_rowSpan = firstGone - cellItem->row();
        }
        d->contents[i] = nullptr;
    }
    dropWidgetsFrom(Qt::Vertical, firstGone);
    for (UTableItem *cellItem : gone) {
        cellItem->m_row = cellItem->m_col = -1;
        delete cellItem;
    }
}

void UTable::dropWidgetsFrom(Qt::Orientation orientation, int firstGone)
{
    for (auto it = d->widgets.begin(); it != d->widgets.end();) {
        const quint64 key = it.key();
        const int line =
            orientation == Qt::Vertical ? UTablePrivate::keyRow(key) : UTablePrivate::keyCol(key);
        if (line < firstGone) {
            ++it;
            continue;
        }
        QWidget *widget = it.value();
        it = d->widgets.erase(it);
        discardWidget(widget);
    }
}

void UTable::restoreContents(std::vector<UTableItem *> &items)
{
    const int rows = numRows();
    const int cols = numCols();
    for (UTableItem *cellItem : items) {
        if (cellItem->row() >= rows || cellItem->col() >= cols) {
            // It no longer fits: gone without touching the table's new storage.
            cellItem->m_row = cellItem->m_col = -1;
            delete cellItem;
            continue;
        }
        // A block cut by the new edge keeps the part that still fits.
        cellItem->m_rowSpan = std::min(cellItem->m_rowSpan, rows - cellItem->row());
        cellItem->m_colSpan = std::min(cellItem->m_colSpan, cols - cellItem->col());
        for (int r = cellItem->row(); r < std::min(rows, cellItem->row() + cellItem->rowSpan());
             ++r) {
            for (int c = cellItem->col(); c < std::min(cols, cellItem->col() + cellItem->colSpan());
                 ++c)
                d->contents[size_t(indexOf(r, c))] = cellItem;
        }
    }
}

void UTable::finishContentsResize(bool updateBefore)
{
    const QSize s = tableSize();
    resizeContents(s.width(), s.height());
    updateGeometries();
    // Posted: a table filled a row at a time is painted once, not once per row.
    Q_UNUSED(updateBefore);
    updateContents(contentsX(), contentsY(), visibleWidth(), visibleHeight());
    if (isRowSelection(d->selectionMode)) {
        const int r = d->curRow;
        d->curRow = -1;
        setCurrentCell(r, d->curCol);
    }
}

void UTable::insertRows(int row, int count)
{
    insertLines(Qt::Vertical, row, count);
}

void UTable::insertColumns(int col, int count)
{
    insertLines(Qt::Horizontal, col, count);
}

template<typename Map>
void UTable::rekeyLines(Qt::Orientation orientation, Map newLine)
{
    QHash<int, int> &hidden = d->hiddenLines(orientation);
    if (!hidden.isEmpty()) {
        QHash<int, int> moved;
        for (auto it = hidden.cbegin(); it != hidden.cend(); ++it) {
            const int line = newLine(it.key());
            if (line >= 0)
                moved.insert(line, it.value());
        }
        hidden = std::move(moved);
    }
    QSet<int> &readOnly = d->readOnlyLines(orientation);
    if (!readOnly.isEmpty()) {
        QSet<int> moved;
        for (const int old : std::as_const(readOnly)) {
            const int line = newLine(old);
            if (line >= 0)
                moved.insert(line);
        }
        readOnly = std::move(moved);
    }
}

void UTable::insertLines(Qt::Orientation orientation, int at, int count)
{
    if (at == -1 && d->current(orientation) == -1)
        at = 0;
    if (at < 0 || count <= 0)
        return;
    UTableHeader *lineHeader = header(orientation);
    const int after = at - 1;
    if (after >= lineHeader->count())
        return;
    const bool tableUpdates = tesk::utilities::ownUpdatesEnabled(this);
    const bool headerUpdates = tesk::utilities::ownUpdatesEnabled(lineHeader);
    setUpdatesEnabled(false);
    lineHeader->setUpdatesEnabled(false);
    const auto setCount = orientation == Qt::Vertical ? &UTable::setNumRows : &UTable::setNumCols;
    const int oldCount = lineHeader->count();
    (this->*setCount)(oldCount + count);
    // The new lines came at the end; they move to their place, and the lines there with the
    // current cell make room.
    const int added = lineHeader->count() - oldCount;
    if (added > 0) {
        rekeyLines(orientation, [at, added](int line) { return line >= at ? line + added : line; });
        openLines(orientation, at, added);
    }
    lineHeader->setUpdatesEnabled(headerUpdates);
    setUpdatesEnabled(tableUpdates);
    setCurrentCell(std::max(0, d->curRow), std::max(0, d->curCol), true, false);
    const bool spans = d->hasSpan(orientation);
    if (headerUpdates)
        lineHeader->update();
    if (!tableUpdates)
        return;
    if (orientation == Qt::Vertical) {
        const int y = spans ? contentsY() : rowPos(std::max(0, at));
        updateContents(contentsX(), y, visibleWidth(), contentsHeight() + 1);
    } else {
        const int x = spans ? contentsX() : columnPos(std::max(0, at));
        updateContents(x, contentsY(), contentsWidth() + 1, visibleHeight());
    }
}

void UTable::removeRow(int row)
{
    removeLines(Qt::Vertical, {row});
}

void UTable::removeRows(const QList<int> &rows)
{
    removeLines(Qt::Vertical, rows);
}

void UTable::removeColumn(int col)
{
    removeLines(Qt::Horizontal, {col});
}

void UTable::removeColumns(const QList<int> &cols)
{
    removeLines(Qt::Horizontal, cols);
}

// Moves the lines to go to the end, so that the others close up in order, then drops the end.
// Lines outside the table or given twice are passed over, so that no line goes that was not
// asked for.
void UTable::removeLines(Qt::Orientation orientation, QList<int> lines)
{
    UTableHeader *lineHeader = header(orientation);
    const int total = lineHeader->count();
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [total](int line) { return line < 0 || line >= total; }),
                lines.end());
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    if (lines.isEmpty())
        return;
    const int n = int(lines.size());
    // The marks of the lines that stay close up with them; those of the removed lines go.
    rekeyLines(orientation, [&lines](int line) {
        const auto below = std::lower_bound(lines.cbegin(), lines.cend(), line);
        if (below != lines.cend() && *below == line)
            return -1;
        return line - int(below - lines.cbegin());
    });
    // Nothing is painted while the lines move.
    const bool tableUpdates = tesk::utilities::ownUpdatesEnabled(this);
    const bool headerUpdates = tesk::utilities::ownUpdatesEnabled(lineHeader);
    setUpdatesEnabled(false);
    lineHeader->setUpdatesEnabled(false);
    // Lines at the end go with the count alone.
    if (lines.first() != total - n)
        closeLines(orientation, lines);
    lineHeader->setUpdatesEnabled(headerUpdates);
    setUpdatesEnabled(tableUpdates);
    const auto setCount = orientation == Qt::Vertical ? &UTable::setNumRows : &UTable::setNumCols;
    (this->*setCount)(total - n);
}

void UTable::openLines(Qt::Orientation orientation, int at, int count)
{
    const int total = lineCount(orientation);
    if (at + count >= total)
        return;
    ensureData();
    // A block reaching over lines that move is cut to single cells first, as a swap cuts it.
    if (d->hasSpan(orientation)) {
        for (int line = at; line < total - count; ++line)
            dropSpansAcross(orientation, line);
    }
    const size_t rows = size_t(numRows());
    const size_t cols = size_t(numCols());
    if (orientation == Qt::Vertical) {
        tesk::utilities::openLines(d->contents, cols, size_t(at), size_t(count));
    } else {
        for (size_t r = 0; r < rows; ++r)
            tesk::utilities::openLinesIn(d->contents.begin() + std::ptrdiff_t(r * cols), cols, 1,
                                         size_t(at), size_t(count));
    }
    header(orientation)->openSections(at, count);
    const auto newLine = [at, count](int line) { return line >= at ? line + count : line; };
    for (int *line : {&d->current(orientation), &d->editing(orientation)})
        *line = *line < 0 ? *line : newLine(*line);
    noteShift(orientation, at, count);
    moveWidgets(orientation, newLine, at);
}

void UTable::closeLines(Qt::Orientation orientation, const QList<int> &lines)
{
    // The count change would end the edit anyway; ended first, its editor goes with it.
    endEdit(d->editRow, d->editCol, false, d->editMode != Editing);
    const int total = lineCount(orientation);
    ensureData();
    if (d->hasSpan(orientation)) {
        for (int line = lines.first(); line < total; ++line)
            dropSpansAcross(orientation, line);
    }
    dropLines(orientation, lines);
    const size_t rows = size_t(numRows());
    const size_t cols = size_t(numCols());
    if (orientation == Qt::Vertical) {
        tesk::utilities::closeLines(d->contents, cols, lines);
    } else {
        for (size_t r = 0; r < rows; ++r)
            tesk::utilities::closeLinesIn(d->contents.begin() + std::ptrdiff_t(r * cols), cols, 1,
                                          lines);
    }
    header(orientation)->closeSections(lines);
    const auto newLine = [&lines, total](int line) {
        const auto below = std::lower_bound(lines.cbegin(), lines.cend(), line);
        if (below != lines.cend() && *below == line)
            return total - 1; // at the end, where the count change finds it
        return line - int(below - lines.cbegin());
    };
    for (int *line : {&d->current(orientation), &d->editing(orientation)})
        *line = *line < 0 ? *line : newLine(*line);
    const int n = int(lines.size());
    if (lines.last() - lines.first() == n - 1)
        noteShift(orientation, lines.first() + n, -n);
    else
        settlePlaces();
    moveWidgets(orientation, newLine, lines.first());
}

void UTable::dropLines(Qt::Orientation orientation, const QList<int> &lines)
{
    const bool rows = orientation == Qt::Vertical;
    const int across = rows ? numCols() : numRows();
    const auto cellIndex = [&](int line, int i) {
        return size_t(rows ? indexOf(line, i) : indexOf(i, line));
    };
    std::vector<UTableItem *> gone;
    for (const int line : lines) {
        UTableItem *previous = nullptr;
        for (int i = 0; i < across; ++i) {
            UTableItem *&slot = d->contents[cellIndex(line, i)];
            // Blocks along the line were reached once; blocks across it were cut before.
            if (slot && slot != previous)
                gone.push_back(slot);
            previous = std::exchange(slot, nullptr);
        }
    }
    for (UTableItem *cellItem : gone) {
        cellItem->m_row = cellItem->m_col = -1;
        delete cellItem;
    }
    if (d->widgets.isEmpty())
        return;
    for (auto it = d->widgets.begin(); it != d->widgets.end();) {
        const int line = rows ? UTablePrivate::keyRow(it.key()) : UTablePrivate::keyCol(it.key());
        if (!std::binary_search(lines.cbegin(), lines.cend(), line)) {
            ++it;
            continue;
        }
        QWidget *widget = it.value();
        it = d->widgets.erase(it);
        discardWidget(widget);
    }
}

template<typename Map>
void UTable::moveWidgets(Qt::Orientation orientation, Map newLine, int from)
{
    if (d->widgets.isEmpty())
        return;
    const bool rows = orientation == Qt::Vertical;
    QHash<quint64, QWidget *> moved;
    moved.reserve(d->widgets.size());
    for (auto it = d->widgets.cbegin(); it != d->widgets.cend(); ++it) {
        int row = UTablePrivate::keyRow(it.key());
        int col = UTablePrivate::keyCol(it.key());
        (rows ? row : col) = newLine(rows ? row : col);
        moved.insert(UTablePrivate::cellKey(row, col), it.value());
    }
    d->widgets = std::move(moved);
    for (auto it = d->widgets.cbegin(); it != d->widgets.cend(); ++it) {
        const int row = UTablePrivate::keyRow(it.key());
        const int col = UTablePrivate::keyCol(it.key());
        if ((rows ? row : col) >= from)
            placeWidget(it.value(), row, col);
    }
}

void UTable::noteShift(Qt::Orientation orientation, int from, int by)
{
    if (d->shifts.size() >= kMaxShifts) {
        settlePlaces();
        return;
    }
    d->shifts.push_back({orientation, from, by});
    ++d->placeStamp;
}

void UTable::settlePlaces() const
{
    ++d->placeStamp;
    d->shifts.clear();
    const size_t cols = size_t(numCols());
    if (cols == 0)
        return;
    // Row by row from the top, a block is met first at its top-left cell.
    for (size_t i = 0; i < d->contents.size(); ++i) {
        UTableItem *cellItem = d->contents[i];
        if (cellItem && cellItem->m_stamp != d->placeStamp) {
            cellItem->m_row = int(i / cols);
            cellItem->m_col = int(i % cols);
            cellItem->m_stamp = d->placeStamp;
        }
    }
}

void UTable::refreshPlace(const UTableItem &cellItem) const
{
    if (cellItem.m_stamp == d->placeStamp)
        return;
    const quint32 behind = d->placeStamp - cellItem.m_stamp;
    if (behind <= d->shifts.size()) {
        for (size_t i = d->shifts.size() - behind; i < d->shifts.size(); ++i) {
            const UTablePrivate::LineShift &shift = d->shifts[i];
            int &line = shift.orientation == Qt::Vertical ? cellItem.m_row : cellItem.m_col;
            if (line >= shift.from)
                line += shift.by;
        }
        cellItem.m_stamp = d->placeStamp;
        return;
    }
    // Placed before the moves on record: every item in a cell learnt its place since, so this
    // one stands in none.
    TESK_CHECK(false);
    cellItem.m_row = cellItem.m_col = -1;
}

void UTable::notePlaced(const UTableItem &cellItem) const
{
    cellItem.m_stamp = d->placeStamp;
}

void UTable::swapRows(int row1, int row2, bool swapHeader)
{
    swapLines(Qt::Vertical, row1, row2, swapHeader);
}

void UTable::swapColumns(int col1, int col2, bool swapHeader)
{
    swapLines(Qt::Horizontal, col1, col2, swapHeader);
}

void UTable::swapLines(Qt::Orientation orientation, int a, int b, bool swapHeader)
{
    const bool rows = orientation == Qt::Vertical;
    if (swapHeader)
        header(orientation)->swapSections(a, b, false);
    const int count = lineCount(orientation);
    if (a < 0 || b < 0 || a >= count || b >= count || a == b)
        return;
    ensureData();
    // A block reaching over several of the swapped lines cannot follow one of them.
    dropSpansAcross(orientation, a);
    dropSpansAcross(orientation, b);
    const int across = rows ? numCols() : numRows();
    // Cells are stored row by row: a row's cells lie side by side, a column's a row apart.
    const size_t cols = size_t(numCols());
    const size_t step = rows ? 1 : cols;
    size_t indexA = rows ? size_t(a) * cols : size_t(a);
    size_t indexB = rows ? size_t(b) * cols : size_t(b);
    for (int i = 0; i < across; ++i, indexA += step, indexB += step) {
        std::swap(d->contents[indexA], d->contents[indexB]);
        for (const auto &[index, line] : {std::pair(indexA, a), std::pair(indexB, b)}) {
            if (UTableItem *cellItem = d->contents[index])
                rows ? cellItem->setRow(line) : cellItem->setCol(line);
        }
        if (!d->widgets.isEmpty())
            swapWidgets(rows ? a : i, rows ? i : a, rows ? b : i, rows ? i : b);
    }
    if (rows) {
        updateRowWidgets(a);
        updateRowWidgets(b);
    } else {
        columnWidthChanged(a);
        columnWidthChanged(b);
    }
    for (int *line : {&d->current(orientation), &d->editing(orientation)}) {
        if (*line == a)
            *line = b;
        else if (*line == b)
            *line = a;
    }
}

void UTable::swapCells(int row1, int col1, int row2, int col2)
{
    if (!validCell(row1, col1) || !validCell(row2, col2))
        return;
    ensureData();
    // A block moves with none of its other cells: it becomes a single cell first.
    dropSpan(item(row1, col1));
    dropSpan(item(row2, col2));
    const size_t index1 = size_t(indexOf(row1, col1));
    const size_t index2 = size_t(indexOf(row2, col2));
    std::swap(d->contents[index1], d->contents[index2]);
    if (UTableItem *cellItem = d->contents[index1]) {
        cellItem->setRow(row1);
        cellItem->setCol(col1);
    }
    if (UTableItem *cellItem = d->contents[index2]) {
        cellItem->setRow(row2);
        cellItem->setCol(col2);
    }
    swapWidgets(row1, col1, row2, col2);
    updateRowWidgets(row1);
    updateRowWidgets(row2);
    updateColWidgets(col1);
    updateColWidgets(col2);
}

void UTable::swapWidgets(int row1, int col1, int row2, int col2)
{
    QWidget *first = d->widgets.take(UTablePrivate::cellKey(row1, col1));
    QWidget *second = d->widgets.take(UTablePrivate::cellKey(row2, col2));
    if (second)
        d->widgets.insert(UTablePrivate::cellKey(row1, col1), second);
    if (first)
        d->widgets.insert(UTablePrivate::cellKey(row2, col2), first);
}

void UTable::hideRow(int row)
{
    hideLine(Qt::Vertical, row);
}

void UTable::hideColumn(int col)
{
    hideLine(Qt::Horizontal, col);
}

void UTable::hideLine(Qt::Orientation orientation, int line)
{
    UTableHeader *lineHeader = header(orientation);
    QHash<int, int> &hidden = d->hiddenLines(orientation);
    if (line < 0 || line >= lineHeader->count() || hidden.contains(line))
        return;
    hidden.insert(line, lineHeader->sectionSize(line));
    lineHeader->resizeSection(line, 0);
    lineHeader->setResizeEnabled(false, line);
    if (lineHeader->isSectionStretchable(line))
        lineHeader->setStretchCount(lineHeader->stretchCount() - 1);
    lineSizeChanged(orientation, line);
    if (d->current(orientation) != line)
        return;
    // The current cell moves off the hidden line, towards the end unless it was the last.
    int row = d->curRow;
    int col = d->curCol;
    const bool last = line >= lineHeader->count() - 1;
    const int key = orientation == Qt::Vertical ? (last ? Qt::Key_Up : Qt::Key_Down)
                                                : (last ? Qt::Key_Left : Qt::Key_Right);
    fixCell(row, col, key);
    if (lineHeader->count() > 0)
        setCurrentCell(row, col);
}

void UTable::showRow(int row)
{
    showLine(Qt::Vertical, row);
}

void UTable::showColumn(int col)
{
    showLine(Qt::Horizontal, col);
}

void UTable::showLine(Qt::Orientation orientation, int line)
{
    UTableHeader *lineHeader = header(orientation);
    QHash<int, int> &hidden = d->hiddenLines(orientation);
    if (line < 0 || line >= lineHeader->count())
        return;
    const auto setSize =
        orientation == Qt::Vertical ? &UTable::setRowHeight : &UTable::setColumnWidth;
    if (hidden.contains(line)) {
        const int size = hidden.take(line);
        (this->*setSize)(line, size);
        if (lineHeader->isSectionStretchable(line))
            lineHeader->setStretchCount(lineHeader->stretchCount() + 1);
    } else if (lineHeader->sectionSize(line) == 0) {
        (this->*setSize)(line, kShownSize);
    }
    lineHeader->setResizeEnabled(true, line);
}

bool UTable::isRowHidden(int row) const
{
    return d->hiddenRows.contains(row);
}

bool UTable::isColumnHidden(int col) const
{
    return d->hiddenCols.contains(col);
}

void UTable::setRowLabels(const QStringList &labels)
{
    d->leftHeader->setLabels(labels);
}

void UTable::setColumnLabels(const QStringList &labels)
{
    d->topHeader->setLabels(labels);
}

// --- events ------------------------------------------------------------------------------

bool UTable::focusNextPrevChild(bool)
{
    return false;
}

bool UTable::eventFilter(QObject *o, QEvent *e)
{
    QWidget *editor = cellWidget(d->editRow, d->editCol);
    switch (e->type()) {
    case QEvent::KeyPress: {
        auto *keyEvent = static_cast<QKeyEvent *>(e);
        if (isEditing() && editor && o == editor) {
            const UTableItem *cellItem = item(d->editRow, d->editCol);
            const bool endsOnKeys = !cellItem || cellItem->editType() == UTableItem::OnTyping;
            const int key = keyEvent->key();
            const Qt::KeyboardModifiers mods = keyEvent->modifiers();
            if (key == Qt::Key_Escape) {
                if (endsOnKeys)
                    endEditOfEditCell(false);
                return true;
            }
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
                (mods == Qt::NoModifier || mods == Qt::KeypadModifier)) {
                if (endsOnKeys)
                    endEditOfEditCell(true);
                activateNextCell();
                return true;
            }
            if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
                if (mods & Qt::ControlModifier)
                    return false;
                if (endsOnKeys)
                    endEditOfEditCell(true);
                if (tabToColumn(key == Qt::Key_Backtab || (mods & Qt::ShiftModifier)) &&
                    beginEdit(d->curRow, d->curCol, false))
                    setEditMode(Editing, d->curRow, d->curCol);
                return true;
            }
            if ((d->editMode == Replacing ||
                 (cellItem && cellItem->editType() == UTableItem::WhenCurrent)) &&
                isNavigationKey(key)) {
                if (endsOnKeys)
                    endEditOfEditCell(true);
                keyPressEvent(keyEvent);
                return true;
            }
        } else if (o != viewport() && o->isWidgetType() &&
                   viewport()->isAncestorOf(static_cast<QWidget *>(o))) {
            if ((keyEvent->modifiers() & Qt::ControlModifier) || !isNavigationKey(keyEvent->key()))
                return false;
            keyPressEvent(keyEvent);
            return true;
        }
        break;
    }
    case QEvent::FocusOut:
        if (isEditing() && editor && o == editor &&
            static_cast<QFocusEvent *>(e)->reason() != Qt::PopupFocusReason) {
            const UTableItem *cellItem = item(d->editRow, d->editCol);
            if (!cellItem || cellItem->editType() == UTableItem::OnTyping) {
                endEditOfEditCell(true);
                return true;
            }
        }
        break;
    case QEvent::Wheel:
        if (o == this || o == viewport()) {
            auto *wheelEvent = static_cast<QWheelEvent *>(e);
            scrollBy(0, -wheelEvent->angleDelta().y());
            wheelEvent->accept();
            return true;
        }
        break;
    default:
        break;
    }
    return UScrollView::eventFilter(o, e);
}

void UTable::fixCell(int &row, int &col, int key) const
{
    if (rowHeight(row) > 0 && columnWidth(col) > 0)
        return;
    if (rowHeight(row) <= 0) {
        if (key == Qt::Key_Down || key == Qt::Key_PageDown || key == Qt::Key_End) {
            while (row < numRows() && rowHeight(row) <= 0)
                ++row;
        } else if (key == Qt::Key_Up || key == Qt::Key_PageUp || key == Qt::Key_Home) {
            while (row >= 0 && rowHeight(row) <= 0)
                --row;
        }
        if (rowHeight(row) <= 0)
            row = d->curRow;
    } else if (columnWidth(col) <= 0) {
        if (key == Qt::Key_Left) {
            while (col >= 0 && columnWidth(col) <= 0)
                --col;
            if (columnWidth(col) <= 0)
                col = d->curCol;
        } else if (key == Qt::Key_Right) {
            while (col < numCols() && columnWidth(col) <= 0)
                ++col;
            if (columnWidth(col) <= 0)
                col = d->curCol;
        }
    }
}

void UTable::keyPressEvent(QKeyEvent *e)
{
    if (!d->initialised) {
        e->ignore();
        return;
    }
    if (isEditing()) {
        const UTableItem *cellItem = item(d->editRow, d->editCol);
        if (cellItem && cellItem->editType() == UTableItem::OnTyping)
            return;
    }
    int row = d->curRow;
    int col = d->curCol;
    switch (e->key()) {
    case Qt::Key_Left:
        col = std::max(0, col - 1);
        break;
    case Qt::Key_Right:
        col = std::min(numCols() - 1, col + 1);
        break;
    case Qt::Key_Up:
        row = std::max(0, row - 1);
        break;
    case Qt::Key_Down:
        row = std::min(numRows() - 1, row + 1);
        break;
    case Qt::Key_PageUp: {
        const int r = std::max(0, rowAt(rowPos(row) - visibleHeight()));
        if (r < row || row < 0)
            row = r;
        break;
    }
    case Qt::Key_PageDown: {
        const int r = std::min(numRows() - 1, rowAt(rowPos(row) + visibleHeight()));
        row = r > row ? r : numRows() - 1;
        break;
    }
    case Qt::Key_Home:
        row = 0;
        break;
    case Qt::Key_End:
        row = numRows() - 1;
        break;
    case Qt::Key_F2:
        if (beginEdit(row, col, false))
            setEditMode(Editing, row, col);
        setCurrentCell(row, col, false, true);
        return;
    case Qt::Key_Enter:
    case Qt::Key_Return:
        activateNextCell();
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        tabToColumn(e->key() == Qt::Key_Backtab || (e->modifiers() & Qt::ShiftModifier));
        return;
    case Qt::Key_Escape:
        e->ignore();
        return;
    default: {
        const QString text = e->text();
        const UTableItem *cellItem = item(row, col);
        if (!text.isEmpty() && text.at(0).isPrint() &&
            (!cellItem || cellItem->editType() == UTableItem::OnTyping)) {
            const bool replace = !cellItem || cellItem->isReplaceable();
            if (QWidget *editor = beginEdit(row, col, replace)) {
                setEditMode(replace ? Replacing : Editing, row, col);
                QKeyEvent copy(e->type(), e->key(), e->modifiers(), e->text(), e->isAutoRepeat(),
                               ushort(e->count()));
                QApplication::sendEvent(editor, &copy);
                return;
            }
        }
        e->ignore();
        return;
    }
    }
    fixCell(row, col, e->key());
    moveByKey(e, row, col, d->curRow, d->curCol);
}

void UTable::moveByKey(QKeyEvent *e, int row, int col, int oldRow, int oldCol)
{
    const bool extend = (e->modifiers() & Qt::ShiftModifier) && d->selectionMode != NoSelection &&
                        d->selectionMode != SingleRow;
    setCurrentCell(row, col, false, true);
    if (!extend) {
        if (!isRowSelection(d->selectionMode))
            clearSelection(true);
        else
            rowModeKeyMove(row, col, oldRow);
        return;
    }
    const bool created = !d->currentSel;
    if (created) {
        if (isRowSelection(d->selectionMode))
            appendSelection(std::max(0, oldRow), 0, -2, -2);
        else
            appendSelection(oldRow, oldCol, -2, -2);
    }
    const UTableSelection before = *d->currentSel;
    d->currentSel->expandTo(row, isRowSelection(d->selectionMode) ? numCols() - 1 : col);
    repaintSelections(created ? nullptr : &before, d->currentSel);
    emit selectionChanged();
}

void UTable::rowModeKeyMove(int row, int col, int oldRow)
{
    if (row == oldRow && isSelected(row, col, false))
        return;
    std::unique_ptr<UTableSelection> old;
    if (d->selectionMode == MultiRow) {
        clearSelectionQuietly();
    } else if (d->currentSel) {
        const auto it = std::find_if(d->selections.begin(), d->selections.end(),
                                     [this](const auto &s) { return s.get() == d->currentSel; });
        d->currentSel = nullptr;
        if (it != d->selections.end()) {
            old = std::move(*it);
            d->selections.erase(it);
            d->leftHeader->setSectionState(old->topRow(), UTableHeader::Normal);
        }
    }
    appendSelection(row, 0, row, numCols() - 1);
    repaintSelections(old.get(), d->currentSel, !old);
    emit selectionChanged();
}

void UTable::contentsMousePressEvent(QMouseEvent *e)
{
    if (!d->initialised)
        return;
    contentsMousePressEventEx(e);
}

void UTable::contentsMousePressEventEx(QMouseEvent *e)
{
    d->shouldClearSelection = false;
    d->lastGlobalPos = e->globalPosition().toPoint();
    const QPoint pos = e->position().toPoint();
    if (isEditing()) {
        if (cellGeometry(d->editRow, d->editCol).contains(pos)) {
            e->ignore();
            return;
        }
        endEditOfEditCell(true);
    }
    d->redirectMouseEvent = false;
    int row = rowAt(pos.y());
    int col = columnAt(pos.x());
    d->pressedRow = row;
    d->pressedCol = col;
    fixRow(row, pos.y());
    fixCol(col, pos.x());
    d->dragStartRow = d->dragStartCol = -1;
    if (isSelected(row, col)) {
        d->dragStartRow = row;
        d->dragStartCol = col;
        d->dragStartPos = pos;
    }
    const UTableItem *cellItem = item(d->pressedRow, d->pressedCol);
    if (cellItem && !cellItem->isEnabled()) {
        emit pressed(row, col, int(e->button()), pos);
        return;
    }
    if (e->modifiers() & Qt::ShiftModifier)
        pressWithShift(row, col);
    else if (e->modifiers() & Qt::ControlModifier)
        pressWithControl(row, col);
    else
        plainPress(e, row, col);
    emit pressed(row, col, int(e->button()), pos);
}

void UTable::pressWithShift(int row, int col)
{
    const int oldRow = d->curRow;
    const int oldCol = d->curCol;
    setCurrentCell(row, col, d->selectionMode == SingleRow, true);
    if (d->selectionMode == NoSelection || d->selectionMode == SingleRow)
        return;
    const bool rowMode = isRowSelection(d->selectionMode);
    if (!d->currentSel)
        appendSelection(oldRow, rowMode ? 0 : oldCol, -2, -2);
    const UTableSelection before = *d->currentSel;
    d->currentSel->expandTo(row, rowMode ? numCols() - 1 : col);
    repaintSelections(&before, d->currentSel);
    emit selectionChanged();
}

void UTable::pressWithControl(int row, int col)
{
    setCurrentCell(row, col, false, true);
    if (d->selectionMode == NoSelection)
        return;
    const bool selected = isSelected(row, col, false);
    if (d->selectionMode == Single || (d->selectionMode == SingleRow && !selected))
        clearSelection(true);
    if (d->selectionMode == SingleRow && selected)
        return;
    startOneCellSelection(row, col, true);
    emit selectionChanged();
}

void UTable::startOneCellSelection(int row, int col, bool expand)
{
    if (isRowSelection(d->selectionMode)) {
        appendSelection(row, 0, row, numCols() - 1);
        repaintSelections(nullptr, d->currentSel);
    } else {
        appendSelection(row, col, expand ? row : -2, col);
    }
}

void UTable::forwardMouse(QWidget *widget, QMouseEvent *e)
{
    const QPointF global = e->globalPosition();
    QMouseEvent copy(e->type(), widget->mapFromGlobal(global), global, e->button(), e->buttons(),
                     e->modifiers());
    QCoreApplication::sendPostedEvents(widget, 0);
    QApplication::sendEvent(widget, &copy);
}

void UTable::plainPress(QMouseEvent *e, int row, int col)
{
    setCurrentCell(row, col, false, true);
    const UTableItem *cellItem = item(row, col);
    if (cellItem && cellItem->editType() == UTableItem::WhenCurrent) {
        QWidget *widget = cellWidget(row, col);
        if (qobject_cast<QComboBox *>(widget) || qobject_cast<QAbstractButton *>(widget)) {
            forwardMouse(widget, e);
            d->redirectMouseEvent = true;
        }
    }
    if (isSelected(row, col, false)) {
        d->shouldClearSelection = true;
        return;
    }
    if (d->selectionMode != NoSelection)
        clearSelectionQuietly();
    else
        clearSelection(true);
    if (d->selectionMode == NoSelection)
        return;
    startOneCellSelection(row, col, true);
    emit selectionChanged();
}

void UTable::contentsMouseMoveEvent(QMouseEvent *e)
{
    if (!d->initialised)
        return;
    if (e->buttons() == Qt::NoButton)
        return;
    d->lastGlobalPos = e->globalPosition().toPoint();
    const QPoint pos = e->position().toPoint();
    if (d->dragEnabled && d->dragStartRow != -1 && d->dragStartCol != -1 &&
        (d->dragStartPos - pos).manhattanLength() > QApplication::startDragDistance()) {
        startDrag();
        return;
    }
    if (d->selectionMode == MultiRow && (e->modifiers() & Qt::ControlModifier))
        d->shouldClearSelection = false;
    if (d->shouldClearSelection) {
        int row = rowAt(pos.y());
        int col = columnAt(pos.x());
        fixRow(row, pos.y());
        fixCol(col, pos.x());
        clearSelection(true);
        if (d->selectionMode != NoSelection) {
            appendSelection(row, isRowSelection(d->selectionMode) ? 0 : col, -2, -2);
            emit selectionChanged();
        }
        d->shouldClearSelection = false;
    }
    d->autoScrollTimer->stop();
    doAutoScroll();
}

QPoint UTable::pointerInCellArea() const
{
    return viewport()->mapFromGlobal(d->lastGlobalPos);
}

bool UTable::pointerOutside(const QPoint &pos) const
{
    return pos.x() < 0 || pos.x() > visibleWidth() || pos.y() < 0 || pos.y() > visibleHeight();
}

void UTable::doAutoScroll()
{
    const QPoint pos = pointerInCellArea();
    int row = d->curRow;
    int col = d->curCol;
    if (pos.y() < 0)
        --row;
    else if (pos.y() > visibleHeight())
        ++row;
    if (pos.x() < 0)
        --col;
    else if (pos.x() > visibleWidth())
        ++col;
    const QPoint at = viewportToContents2(pos);
    if (row == d->curRow)
        row = rowAt(at.y());
    if (col == d->curCol)
        col = columnAt(at.x());
    fixRow(row, pos.y());
    fixCol(col, pos.x());
    if (row < 0 || row > numRows() - 1)
        row = d->curRow;
    if (col < 0 || col > numCols() - 1)
        col = d->curCol;
    ensureCellVisible(row, col);
    if (d->currentSel && d->selectionMode != NoSelection) {
        const UTableSelection before = *d->currentSel;
        bool useOld = true;
        if (d->selectionMode != SingleRow) {
            d->currentSel->expandTo(row, isRowSelection(d->selectionMode) ? numCols() - 1 : col);
        } else if (row == d->curRow && isSelected(row, col)) {
            d->currentSel->expandTo(row, numCols() - 1);
        } else {
            useOld = false;
            clearSelection(true);
            appendSelection(row, 0, row, numCols() - 1);
            repaintSelections(nullptr, d->currentSel);
        }
        setCurrentCell(row, col, false, true);
        repaintSelections(useOld ? &before : nullptr, d->currentSel);
        if (d->currentSel && before != *d->currentSel)
            emit selectionChanged();
    } else {
        setCurrentCell(row, col, false, true);
    }
    if (pointerOutside(pos))
        d->autoScrollTimer->start(kAutoScrollInterval);
}

void UTable::contentsMouseReleaseEvent(QMouseEvent *e)
{
    if (!d->initialised)
        return;
    const QPoint pos = e->position().toPoint();
    if (d->pressedRow == d->curRow && d->pressedCol == d->curCol)
        emit clicked(d->curRow, d->curCol, int(e->button()), pos);
    if (e->button() != Qt::LeftButton)
        return;
    if (d->shouldClearSelection) {
        int row = rowAt(pos.y());
        int col = columnAt(pos.x());
        fixRow(row, pos.y());
        fixCol(col, pos.x());
        clearSelection(true);
        if (d->selectionMode != NoSelection) {
            startOneCellSelection(row, col, false);
            emit selectionChanged();
        }
        d->shouldClearSelection = false;
    }
    d->autoScrollTimer->stop();
    const UTableItem *cellItem = item(d->pressedRow, d->pressedCol);
    if (d->redirectMouseEvent && d->pressedRow == d->curRow && d->pressedCol == d->curCol &&
        cellItem && cellItem->editType() == UTableItem::WhenCurrent) {
        if (QWidget *widget = cellWidget(d->pressedRow, d->pressedCol))
            forwardMouse(widget, e);
    }
}

void UTable::contentsMouseDoubleClickEvent(QMouseEvent *e)
{
    if (!d->initialised)
        return;
    if (e->button() != Qt::LeftButton)
        return;
    if (!isRowSelection(d->selectionMode))
        clearSelection(true);
    const QPoint pos = e->position().toPoint();
    const int row = rowAt(pos.y());
    const int col = columnAt(pos.x());
    const UTableItem *cellItem = item(row, col);
    if (cellItem && !cellItem->isEnabled())
        return;
    if (row != -1 && col != -1 && beginEdit(row, col, false))
        setEditMode(Editing, row, col);
    emit doubleClicked(row, col, int(e->button()), pos);
}

void UTable::contentsContextMenuEvent(QContextMenuEvent *e)
{
    if (!d->initialised) {
        e->ignore();
        return;
    }
    if (!isSignalConnected(QMetaMethod::fromSignal(&UTable::contextMenuRequested))) {
        e->ignore();
        return;
    }
    if (e->reason() == QContextMenuEvent::Keyboard) {
        const QRect r = cellGeometry(d->curRow, d->curCol);
        const QPoint global = viewport()->mapToGlobal(contentsToViewport2(r.center()));
        emit contextMenuRequested(d->curRow, d->curCol, global);
    } else {
        emit contextMenuRequested(rowAt(e->pos().y()), columnAt(e->pos().x()), e->globalPos());
    }
}

void UTable::contentsDragEnterEvent(QDragEnterEvent *e)
{
    if (!d->initialised)
        return;
    d->savedRow = d->curRow;
    d->savedCol = d->curCol;
    contentsDragMoveEvent(e);
}

void UTable::contentsDragMoveEvent(QDragMoveEvent *e)
{
    if (!d->initialised)
        return;
    const QPoint pos = e->position().toPoint();
    int row = rowAt(pos.y());
    int col = columnAt(pos.x());
    fixRow(row, pos.y());
    fixCol(col, pos.x());
    const QWidget *current = cellWidget(d->curRow, d->curCol);
    if (!current || e->source() != current)
        setCurrentCell(row, col, false, true);
    e->accept();
}

void UTable::contentsDragLeaveEvent(QDragLeaveEvent *)
{
    if (!d->initialised)
        return;
    setCurrentCell(d->savedRow, d->savedCol, false, true);
}

void UTable::contentsDropEvent(QDropEvent *e)
{
    if (!d->initialised)
        return;
    setCurrentCell(d->savedRow, d->savedCol, false, true);
    emit dropped(e);
}

QMimeData *UTable::dragObject()
{
    return nullptr;
}

void UTable::startDrag()
{
    if (d->dragStartRow == -1 || d->dragStartCol == -1)
        return;
    d->dragStartRow = d->dragStartCol = -1;
    QMimeData *data = dragObject();
    if (!data)
        return;
    auto *drag = new QDrag(viewport());
    drag->setMimeData(data);
    drag->exec();
}

void UTable::focusInEvent(QFocusEvent *)
{
    if (!d->initialised)
        return;
    d->inMenuMode = false;
    updateCell(d->curRow, d->curCol);
    if (changesHighlightOnFocus(this))
        repaintSelections();
    QWidget *editor = cellWidget(d->editRow, d->editCol);
    if (isEditing() && editor)
        editor->setFocus();
    updateInputMethodHint();
}

void UTable::focusOutEvent(QFocusEvent *e)
{
    if (!d->initialised)
        return;
    updateCell(d->curRow, d->curCol);
    if (!changesHighlightOnFocus(this))
        return;
    const QWidget *focus = QApplication::focusWidget();
    d->inMenuMode = e->reason() == Qt::PopupFocusReason || qobject_cast<const QMenuBar *>(focus);
    if (!d->inMenuMode)
        repaintSelections();
}

void UTable::windowActivationChange(bool oldActive)
{
    if (oldActive && d->autoScrollTimer)
        d->autoScrollTimer->stop();
    if (!isVisible())
        return;
    const QPalette &pal = palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = QPalette::ColorRole(role);
        if (pal.brush(QPalette::Active, r) != pal.brush(QPalette::Inactive, r)) {
            updateContents();
            return;
        }
    }
}
