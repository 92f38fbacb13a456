#include "gui_components/gc_panes/memoryview/viewmemorytable.h"

#include "frame/core/softcheck.h"
#include "gui_components/gc_panes/memory/viewmemoryinfo.h"
#include "gui_components/gc_panes/memoryview/memorytableview.h"
#include "gui_components/gc_panes/memoryview/viewmemoryscrollbar.h"
#include "system/modalseam.h"
#include "utilities/ownupdates.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

using tesk::gc_panes::MemoryTableView;

namespace {

const QColor kChangedLast(0, 0, 255);
const QColor kChangedBefore(150, 193, 244);

// Set while the column-width warning is up, so that a relayout during it does not ask again.
bool s_widthWarningShown = false;

} // namespace

const QString &emptyMemoryLabel()
{
    static const QString label = [] {
        QString text;
        text.reserve(1);
        return text;
    }();
    return label;
}

// ---------------------------------------------------------------------------------------------
// AViewMemoryTableItem

AViewMemoryTableItem::AViewMemoryTableItem(AViewMemoryTable *table, const QString &text)
    : UTableItem(table, OnTyping, text)
    , m_memoryTable(table)
{
}

AViewMemoryTableItem::AViewMemoryTableItem(AViewMemoryTable *table, const QString &text,
                                           const QPixmap &pixmap)
    : UTableItem(table, OnTyping, text, pixmap)
    , m_memoryTable(table)
{
}

int AViewMemoryTableItem::alignment() const
{
    return Qt::AlignRight | Qt::AlignVCenter;
}

void AViewMemoryTableItem::paint(QPainter *p, const QPalette &palette, const QRect &cellRect,
                                 bool selected)
{
    QColor text = palette.color(QPalette::Text);
    QColor base = palette.color(QPalette::Base);
    m_memoryTable->cellTextColor(row(), col(), text);
    m_memoryTable->cellBaseColor(row(), col(), base);
    // Most cells keep the table's colours: the palette is copied only for those that do not.
    if (text == palette.color(QPalette::Text) && base == palette.color(QPalette::Base)) {
        UTableItem::paint(p, palette, cellRect, selected);
        return;
    }
    QPalette cellPalette = palette;
    cellPalette.setColor(QPalette::Text, text);
    cellPalette.setColor(QPalette::Base, base);
    UTableItem::paint(p, cellPalette, cellRect, selected);
}

// ---------------------------------------------------------------------------------------------
// AViewMemoryHeader

AViewMemoryHeader::AViewMemoryHeader(int count, AViewMemoryTable *table, QWidget *parent,
                                     const char *name)
    : UTableHeader(count, table, parent, name)
    , m_memoryTable(table)
{
}

void AViewMemoryHeader::setSectionState(int, SectionState) {}

void AViewMemoryHeader::setSectionStateToAll(SectionState) {}

bool AViewMemoryHeader::selectBySection(QMouseEvent *)
{
    return false;
}

// Small changes of the row labels' width do not move the table.
bool AViewMemoryHeader::marginNeedsUpdate(int currentMargin, int wantedMargin)
{
    if (currentMargin == 0 || wantedMargin == 0)
        return true;
    const int percent = wantedMargin * 100 / currentMargin;
    return !(percent >= 95 && percent <= 100);
}

void AViewMemoryHeader::paintSectionLabel(QPainter *p, int index, const QRect &rect)
{
    const int section = mapToSection(index);
    QString text;
    if (m_memoryTable && m_memoryTable->headerLabel(label(section), text))
        setLabelNoRepaint(section, text);
    UTableHeader::paintSectionLabel(p, index, rect);
}

// ---------------------------------------------------------------------------------------------
// AViewMemoryTable: construction

class AViewMemoryTablePrivate
{
public:
    explicit AViewMemoryTablePrivate(MemoryTableView *view)
        : view(view)
    {
    }

    MemoryTableView *view;
    int rangeStartCol = AViewMemoryTable::kUnset;
    int rangeStartRow = AViewMemoryTable::kUnset;
    int rangeEndCol = AViewMemoryTable::kUnset;
    int rangeEndRow = AViewMemoryTable::kUnset;
    int currentRow = 0;
    QTimer *autoScrollTimer = nullptr;
    bool rangeShown = false;
    // The cell the last drag step reached, this table's own; a press starts a new drag.
    int dragCol = AViewMemoryTable::kUnset;
    int dragRow = AViewMemoryTable::kUnset;
    // Where the pointer was at the last drag step (global), for the auto-scroll steps.
    QPoint dragGlobalPos;
};

AViewMemoryTable::AViewMemoryTable(MemoryTableView *view, QWidget *parent, const char *name)
    : UTable(parent, name)
    , d(std::make_unique<AViewMemoryTablePrivate>(view))
{
    init(0, 0);
    construct();
    setAcceptDrops(true);
}

AViewMemoryTable::AViewMemoryTable(int rows, int cols, MemoryTableView *view, QWidget *parent,
                                   const char *name)
    : UTable(parent, name)
    , d(std::make_unique<AViewMemoryTablePrivate>(view))
{
    init(rows, cols);
    construct();
}

AViewMemoryTable::~AViewMemoryTable() = default;

MemoryTableView *AViewMemoryTable::view() const
{
    return d->view;
}

int AViewMemoryTable::rangeStartColumn() const
{
    return d->rangeStartCol;
}

int AViewMemoryTable::rangeEndColumn() const
{
    return d->rangeEndCol;
}

int AViewMemoryTable::rangeStartRow() const
{
    return d->rangeStartRow;
}

int AViewMemoryTable::rangeEndRow() const
{
    return d->rangeEndRow;
}

int AViewMemoryTable::memoryCurrentRow() const
{
    return d->currentRow;
}

void AViewMemoryTable::construct()
{
    setFocusStyle(FollowStyle);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setShowGrid(false);
    // The table keeps a linear range of its own; UTable's rectangles stay unused.
    setSelectionMode(NoSelection);
    clearRange();
    d->autoScrollTimer = new QTimer(this);
    d->autoScrollTimer->setSingleShot(true);
    connect(d->autoScrollTimer, &QTimer::timeout, this, &AViewMemoryTable::slotAutomaticScroll);
}

bool AViewMemoryTable::createTopHeader(UTableHeader **header, int cols)
{
    *header = new AViewMemoryHeader(cols, this, this, "h_header");
    return true;
}

bool AViewMemoryTable::createLeftHeader(UTableHeader **header, int rows)
{
    *header = new AViewMemoryHeader(rows, this, this, "v_header");
    return true;
}

bool AViewMemoryTable::createSelection(UTableSelection **selection)
{
    *selection = new UTableSelection;
    return true;
}

AViewMemoryHeader *AViewMemoryTable::memoryHeader(Qt::Orientation orientation) const
{
    return static_cast<AViewMemoryHeader *>(orientation == Qt::Horizontal ? horizontalHeader()
                                                                          : verticalHeader());
}

QWidget *AViewMemoryTable::createEditor(int, int, bool) const
{
    return nullptr;
}

// The memory tables edit through startEdit, never through a cell widget.
QWidget *AViewMemoryTable::beginEdit(int row, int col, bool replace)
{
    if (isReadOnly() || isRowReadOnly(row) || isColumnReadOnly(col))
        return nullptr;
    const UTableItem *cellItem = item(row, col);
    if ((cellItem && !cellItem->isEnabled()) || cellWidget(row, col))
        return nullptr;
    ensureCellVisible(row, col);
    startEdit(row, col, !replace);
    return nullptr;
}

// ---------------------------------------------------------------------------------------------
// Defaults of the subclass hooks

bool AViewMemoryTable::headerLabel(const QString &, QString &)
{
    return false;
}

int AViewMemoryTable::bytesPerCell() const
{
    return d->view ? d->view->fieldSize() : 1;
}

void AViewMemoryTable::offsetToCell(int64_t, int &, int &) const
{
    TESK_CHECK(false);
}

void AViewMemoryTable::cellToOffset(int64_t &, int, int) const
{
    TESK_CHECK(false);
}

// ---------------------------------------------------------------------------------------------
// Numbers to text

void AViewMemoryTable::setHexText(int row, int col, uint64_t value, int digits)
{
    setText(row, col,
            QStringLiteral("0x") +
                QString::number(qulonglong(value), 16).toUpper().rightJustified(digits, u'0'));
}

void AViewMemoryTable::setCellHex64(int row, int col, uint32_t low, uint32_t high)
{
    setHexText(row, col, (uint64_t(high) << 32) | low, 16);
}

void AViewMemoryTable::setCellHex32(int row, int col, uint32_t value)
{
    setHexText(row, col, value, 8);
}

void AViewMemoryTable::setCellHex16(int row, int col, uint16_t value)
{
    setHexText(row, col, value, 4);
}

void AViewMemoryTable::setCellHex8(int row, int col, uint8_t value)
{
    setHexText(row, col, value, 2);
}

void AViewMemoryTable::setCellBytes(int row, int col, const uint8_t *bytes, int count)
{
    // A 64-bit value holds eight bytes; more would shift past its top.
    count = bytes ? std::clamp(count, 0, 8) : 0;
    uint64_t value = 0;
    for (int i = 0; i < count; ++i)
        value |= uint64_t(bytes[i]) << (8 * i);
    setHexText(row, col, value, 2 * count);
}

// ---------------------------------------------------------------------------------------------
// The linear range

int AViewMemoryTable::rangeStartIndex() const
{
    return d->rangeStartRow * numCols() + d->rangeStartCol;
}

int AViewMemoryTable::rangeEndIndex() const
{
    return d->rangeEndRow * numCols() + d->rangeEndCol;
}

int AViewMemoryTable::currentIndex() const
{
    return d->currentRow * numCols() + currentColumn();
}

void AViewMemoryTable::setRangeByIndex(int start, int end, int current)
{
    const int cols = numCols();
    if (cols <= 0)
        return;
    setRangeStart(start % cols, start / cols);
    setRangeEnd(end % cols, end / cols);
    setCurrentCell(current / cols, current % cols, true, false);
}

// All four ends must be set: an unset row would turn the index arithmetic into an overflow.
bool AViewMemoryTable::hasRange() const
{
    return d->rangeStartCol != kUnset && d->rangeStartRow != kUnset && d->rangeEndCol != kUnset &&
           d->rangeEndRow != kUnset;
}

void AViewMemoryTable::clearRange()
{
    d->rangeStartCol = d->rangeStartRow = d->rangeEndCol = d->rangeEndRow = kUnset;
}

void AViewMemoryTable::setRangeStart(int col, int row)
{
    d->rangeStartCol = col;
    d->rangeStartRow = row;
}

void AViewMemoryTable::rangeStart(int &col, int &row) const
{
    col = d->rangeStartCol;
    row = d->rangeStartRow;
}

void AViewMemoryTable::setRangeEnd(int col, int row)
{
    d->rangeEndCol = col;
    d->rangeEndRow = row;
}

void AViewMemoryTable::rangeEnd(int &col, int &row) const
{
    col = d->rangeEndCol;
    row = d->rangeEndRow;
}

bool AViewMemoryTable::isInRange(int col, int row) const
{
    if (!hasRange())
        return false;
    const int64_t cols = numCols();
    const int64_t index = row * cols + col;
    const int64_t a = d->rangeStartRow * cols + d->rangeStartCol;
    const int64_t b = d->rangeEndRow * cols + d->rangeEndCol;
    return std::min(a, b) <= index && index <= std::max(a, b);
}

void AViewMemoryTable::updateRangeDisplay()
{
    const bool present = hasRange();
    if (!present && !d->rangeShown)
        return;
    updateContents();
    d->rangeShown = present;
}

bool AViewMemoryTable::isSelected(int row, int col, bool) const
{
    return isInRange(col, row);
}

void AViewMemoryTable::clearSelection(bool repaint)
{
    clearRange();
    UTable::clearSelection(repaint);
}

// ---------------------------------------------------------------------------------------------
// Cells and the cache

void AViewMemoryTable::setText(int row, int col, const QString &text)
{
    if (row < 0 || col < 0 || row >= numRows() || col >= numCols())
        return;
    if (UTableItem *cellItem = item(row, col)) {
        if (cellItem->text() != text) {
            cellItem->setText(text);
            updateCell(row, col);
        }
        return;
    }
    setItem(row, col, createItem(text));
}

void AViewMemoryTable::clearCells()
{
    const bool enabled = tesk::utilities::ownUpdatesEnabled(viewport());
    viewport()->setUpdatesEnabled(false);
    for (int r = 0; r < numRows(); ++r)
        for (int c = 0; c < numCols(); ++c)
            clearCell(r, c);
    viewport()->setUpdatesEnabled(enabled);
    updateContents();
}

void AViewMemoryTable::setSelectionCells(bool active, int64_t start, int64_t end, int64_t cursor)
{
    clearRange();
    if (active) {
        int col = 0;
        int row = 0;
        offsetToCell(start, col, row);
        setRangeStart(col, row);
        offsetToCell(end, col, row);
        setRangeEnd(col, row);
    }
    int col = 0;
    int row = 0;
    offsetToCell(cursor, col, row);
    setCurrentCell(row, col, true, false);
    updateRangeDisplay();
}

UMemoryAddress AViewMemoryTable::cellAddress(int row, int col) const
{
    if (!d->view)
        return UMemoryAddress();
    return d->view->startAddress() + (int64_t(row) * numCols() + col) * bytesPerCell();
}

uint32_t AViewMemoryTable::cellAttribute(int row, int col) const
{
    if (!d->view)
        return TESK_MEMORY_NOT_READ;
    // A cell past the top of the space would wrap to the bottom and take its attribute: it
    // has no memory, so it shows as unavailable and cannot be edited.
    const uint64_t lastByte = uint64_t(d->view->startAddress().offset()) +
                              (int64_t(row) * numCols() + col + 1) * bytesPerCell() - 1;
    if (row >= 0 && col >= 0 && lastByte > 0xFFFFFFFFull)
        return 0;
    return d->view->memoryInfo().attributeAt(cellAddress(row, col));
}

int AViewMemoryTable::attributeClass(int row, int col) const
{
    return classOfAttribute(cellAttribute(row, col));
}

int AViewMemoryTable::classOfAttribute(uint32_t code)
{
    switch (code) {
    case TESK_MEMORY_NOT_READ:
        return 2;
    case 0:
    case 2:
    case 4:
        return 1;
    default:
        return 0;
    }
}

bool AViewMemoryTable::isChangeTracked(int row, int col) const
{
    return cellAttribute(row, col) == 3;
}

bool AViewMemoryTable::isCellEditable(int row, int col) const
{
    const uint32_t code = cellAttribute(row, col);
    return code != 0 && code != 1 && code != 4 && code != TESK_MEMORY_NOT_READ;
}

void AViewMemoryTable::attributeTextColor(int row, int col, QColor &color)
{
    switch (cellAttribute(row, col)) {
    case 0:
    case 2:
    case 4:
    case TESK_MEMORY_NOT_READ:
        color = QColor(255, 0, 0);
        break;
    case 3:
        switch (d->view->memoryInfo().changeGeneration(cellAddress(row, col),
                                                       uint32_t(bytesPerCell()))) {
        case 1:
            color = kChangedLast;
            break;
        case 2:
            color = kChangedBefore;
            break;
        default:
            break;
        }
        break;
    case 5:
        color = QColor(0, 100, 0); // dark green
        break;
    case 6:
        color = Qt::black;
        break;
    default:
        break;
    }
}

void AViewMemoryTable::attributeBaseColor(int row, int col, QColor &color, const QColor *otherBase)
{
    switch (cellAttribute(row, col)) {
    case 0:
    case 2:
    case 4:
    case 5:
    case TESK_MEMORY_NOT_READ:
        color = Qt::white;
        break;
    case 1:
        color = QColor(255, 255, 0);
        break;
    case 3:
        break;
    case 6:
        color = QColor(144, 238, 144); // light green
        break;
    case 7:
        color = Qt::red;
        break;
    case 8:
        color = Qt::yellow;
        break;
    case 9:
        color = QColor(165, 42, 42); // brown
        break;
    default:
        if (otherBase)
            color = *otherBase;
        break;
    }
}

// ---------------------------------------------------------------------------------------------
// Sizes

int AViewMemoryTable::visibleRowCount() const
{
    const int height = numRows() > 0 ? rowHeight(0) : 0;
    return height > 0 ? visibleHeight() / height : 0;
}

int AViewMemoryTable::lastVisibleRow() const
{
    int rows = numRows();
    const int visible = visibleRowCount();
    if (visible > 0 && visible < rows)
        rows = visible;
    return rows - 1;
}

bool AViewMemoryTable::applyCellSize(int width, int height, bool fixedRows)
{
    bool changed = false;
    for (int c = 0; c < numCols(); ++c) {
        if (columnWidth(c) != width) {
            setColumnWidth(c, width);
            setColumnStretchable(c, false);
            changed = true;
        }
    }
    for (int r = 0; fixedRows && r < numRows(); ++r) {
        if (rowHeight(r) != height) {
            setRowHeight(r, height);
            setRowStretchable(r, false);
            changed = true;
        }
    }
    return changed;
}

bool AViewMemoryTable::fitRowLabels()
{
    AViewMemoryHeader *left = memoryHeader(Qt::Vertical);
    const QFontMetrics leftMetrics(left->font());
    int labelWidth = 0;
    for (int r = 0; r < numRows(); ++r)
        labelWidth = std::max(labelWidth, left->sectionSizeHint(r, leftMetrics).width());
    if (labelWidth == leftMargin())
        return false;
    setLeftMargin(labelWidth);
    return true;
}

void AViewMemoryTable::adjustColumns()
{
    AViewMemoryHeader *top = memoryHeader(Qt::Horizontal);
    bool changed = fitRowLabels();

    int width = 10;
    int height = 10;
    const QFontMetrics topMetrics(top->font());
    const QFontMetrics cellMetrics(viewport()->font());
    for (int c = 0; c < numCols(); ++c) {
        width = std::max(width, topMetrics.horizontalAdvance(top->label(c) + u' '));
        for (int r = 0; r < numRows(); ++r) {
            if (const UTableItem *cellItem = item(r, c)) {
                width = std::max(width, cellMetrics.horizontalAdvance(cellItem->text()));
                height = std::max(height, cellMetrics.height());
            }
        }
    }
    const int columnWidth = width + 5;
    const int rowHeight = height + 4;
    // A view that fits its columns to its width counts them again from these widths; only a
    // count the user chose is too many.
    const bool automatic = d->view && d->view->hasAutomaticColumns();
    if (!automatic && int64_t(numCols()) * columnWidth > kMaximumTableWidth) {
        showWidthWarning(columnWidth);
        return;
    }
    changed = applyCellSize(columnWidth, rowHeight) || changed;
    if (changed || horizontalScrollBar()->isVisible())
        refreshFont();
}

void AViewMemoryTable::showWidthWarning(int columnWidth)
{
    if (s_widthWarningShown)
        return;
    s_widthWarningShown = true;
    // The view the warning is for may be deleted while it is up: the box goes with it and the
    // view is not touched afterwards.
    auto *viewObject = dynamic_cast<QObject *>(d->view);
    const QObject *owner = viewObject ? viewObject : this;
    tesk::system::Modal<QMessageBox> box(
        QMessageBox::Warning, tr("Warning"),
        tr("The formatted data is too long to be displayed correctly.\nThe number of columns "
           "has been set to auto.\n The maximum number of columns for this formatted data is %1")
            .arg(kMaximumTableWidth / columnWidth),
        QMessageBox::Ok, this);
    box->setDefaultButton(QMessageBox::Ok);
    const tesk::system::ModalSeam::Result result =
        box.run(owner, tesk::system::ModalSeam::Kind::MessageBox);
    s_widthWarningShown = false;
    if (result.alive && d->view)
        d->view->selectColumns(0);
}

// ---------------------------------------------------------------------------------------------
// Moving the cursor

void AViewMemoryTable::setCurrentCell(int row, int col, bool updateSelections, bool ensureVisible)
{
    col = std::min(col, numCols() - 1);
    const int previous = d->currentRow;
    d->currentRow = row;
    const int last = lastVisibleRow();
    if (ensureVisible && (row > last || row < 0)) {
        const bool wasOutside = previous < 0 || previous > last;
        KViewMemoryScrollbar *bar = d->view ? d->view->memoryScrollbar() : nullptr;
        auto scrollLines = [&](int lines) {
            if (bar)
                bar->scrollLines(lines);
            else if (d->view)
                d->view->scrollBy(MemoryTableView::ByLines, lines);
        };
        if (wasOutside || previous == last) {
            scrollLines(row > last ? row - last : row);
            row = row > last ? last : 0;
        } else {
            scrollLines(row - UTable::currentRow());
            row = UTable::currentRow();
        }
        d->currentRow = row;
    } else if (!ensureVisible && row > last) {
        row = -1;
    }
    UTable::setCurrentCell(row, col, updateSelections, ensureVisible);
}

void AViewMemoryTable::ensureCellVisible(int row, int col)
{
    if (!updatesEnabled() || !viewport()->updatesEnabled())
        return;
    const QRect cell = cellGeometry(row, col);
    int x = contentsX();
    if (cell.width() > visibleWidth() || cell.left() < x)
        x = cell.left();
    else if (cell.right() >= x + visibleWidth())
        x = cell.right() + 1 - visibleWidth();
    if (x != contentsX())
        setContentsPos(x, contentsY());
    const int overshoot = cell.bottom() + 1 - visibleHeight();
    const int lineHeight = numRows() > 0 ? rowHeight(0) : 0;
    if (overshoot <= 0 || lineHeight <= 0)
        return;
    const int lines = overshoot / lineHeight;
    if (lines <= 0)
        return;
    if (KViewMemoryScrollbar *bar = d->view ? d->view->memoryScrollbar() : nullptr)
        bar->scrollLines(lines);
    else if (d->view)
        d->view->scrollBy(MemoryTableView::ByLines, lines);
    setCurrentCell(row - lines, col, false, false);
}

void AViewMemoryTable::moveCursor(bool extend, int oldCol, int oldRow, int newCol, int newRow)
{
    if (!d->view)
        return;
    int64_t cursor = 0;
    cellToOffset(cursor, newCol, newRow);
    if (extend) {
        int anchorCol = oldCol;
        int anchorRow = oldRow;
        if (hasRange())
            rangeStart(anchorCol, anchorRow);
        int64_t anchor = 0;
        cellToOffset(anchor, anchorCol, anchorRow);
        int64_t end = cursor;
        if (anchor > end)
            anchor += bytesPerCell() - 1;
        else
            end += bytesPerCell() - 1;
        if (!d->view->setSelectionOffsets(true, anchor, end, cursor))
            return;
        setRangeStart(anchorCol, anchorRow);
        setRangeEnd(newCol, newRow);
        const bool wasSuspended = d->view->selectionSyncSuspended();
        d->view->setSelectionSyncSuspended(true);
        setCurrentCell(newRow, newCol, false, true);
        d->view->setSelectionSyncSuspended(wasSuspended);
        // A scroll moved the cells under the range: the end follows the cursor.
        setRangeEnd(currentColumn(), d->currentRow);
        updateRangeDisplay();
    } else {
        if (!d->view->setSelectionOffsets(false, cursor, cursor, cursor))
            return;
        setCurrentCell(newRow, newCol, false, true);
        clearRange();
        updateRangeDisplay();
    }
    emit updateSelectionReq();
    setCurrentCell(d->currentRow, currentColumn(), false, false);
}

void AViewMemoryTable::advanceCursor()
{
    int col = currentColumn() + 1;
    int row = d->currentRow;
    if (col >= numCols()) {
        col = 0;
        ++row;
    }
    moveCursor(false, currentColumn(), d->currentRow, col, row);
}

// The cell a move key leads to; false for keys that move nothing.
bool AViewMemoryTable::moveKey(QKeyEvent *e)
{
    const int oldRow = d->currentRow;
    const int oldCol = currentColumn();
    const int cols = numCols();
    int row = oldRow;
    int col = oldCol;
    bool shift = e->modifiers() & Qt::ShiftModifier;
    switch (e->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Right:
        if (++col >= cols) {
            col = 0;
            ++row;
        }
        break;
    case Qt::Key_Backtab:
        shift = false;
        [[fallthrough]];
    case Qt::Key_Left:
        if (--col < 0) {
            col = cols - 1;
            --row;
        }
        break;
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_Home:
        row = 0;
        break;
    case Qt::Key_End:
        row = lastVisibleRow();
        break;
    case Qt::Key_PageUp:
        row -= visibleRowCount();
        break;
    case Qt::Key_PageDown:
        row += visibleRowCount();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        beginEdit(oldRow, oldCol, false);
        setCurrentCell(oldRow, oldCol, false, true);
        return true;
    default:
        return false;
    }
    moveCursor(shift && selectionMode() == NoSelection, oldCol, oldRow, col, row);
    return true;
}

void AViewMemoryTable::keyPressEvent(QKeyEvent *e)
{
    if (isEditing()) {
        const UTableItem *cellItem = item(UTable::currentRow(), currentColumn());
        if (cellItem && cellItem->editType() == UTableItem::OnTyping) {
            e->ignore();
            return;
        }
    }
    if (!(e->modifiers() & Qt::ControlModifier) && moveKey(e))
        return;
    if (e->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) {
        e->ignore();
        return;
    }
    if (!e->text().isEmpty() && e->text().at(0).isPrint()) {
        beginEdit(d->currentRow, currentColumn(), false);
        return;
    }
    UTable::keyPressEvent(e);
}

// ---------------------------------------------------------------------------------------------
// Mouse

void AViewMemoryTable::cellAt(const QPoint &pos, int &row, int &col) const
{
    row = rowAt(pos.y());
    col = columnAt(pos.x());
    fixRow(row, pos.y());
    fixCol(col, pos.x());
}

void AViewMemoryTable::contentsMousePressEventEx(QMouseEvent *e)
{
    d->dragCol = d->dragRow = kUnset;
    if (e->button() != Qt::LeftButton) {
        if (hasRange() != d->rangeShown)
            updateRangeDisplay();
        return;
    }
    int row = 0;
    int col = 0;
    cellAt(e->position().toPoint(), row, col);
    const bool extend = (e->modifiers() & Qt::ShiftModifier) && selectionMode() == NoSelection;
    moveCursor(extend, currentColumn(), d->currentRow, col, row);
    d->dragCol = col;
    d->dragRow = row;
}

void AViewMemoryTable::contentsMouseMoveEvent(QMouseEvent *e)
{
    if (e->buttons() == Qt::NoButton)
        return;
    d->dragGlobalPos = e->globalPosition().toPoint();
    int row = 0;
    int col = 0;
    cellAt(e->position().toPoint(), row, col);
    if (col != d->dragCol || row != d->dragRow) {
        if (d->dragCol == kUnset) {
            d->dragCol = col;
            d->dragRow = row;
        }
        if (!hasRange())
            setRangeStart(d->dragCol, d->dragRow);
        moveCursor(true, d->dragCol, d->dragRow, col, row);
        d->dragCol = col;
        d->dragRow = row;
    }
    d->autoScrollTimer->stop();
    slotAutomaticScroll();
}

void AViewMemoryTable::contentsMouseReleaseEvent(QMouseEvent *e)
{
    const bool hadRange = hasRange();
    UTable::contentsMouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton) {
        d->autoScrollTimer->stop();
        int row = 0;
        int col = 0;
        cellAt(e->position().toPoint(), row, col);
        setRangeEnd(col, row);
        emit selectionChanged();
    } else if (hadRange) {
        updateContents();
    }
}

void AViewMemoryTable::slotAutomaticScroll()
{
    // Between moves the pointer stays where the last one left it.
    const QPoint pos = viewport()->mapFromGlobal(d->dragGlobalPos);
    if (pos.y() >= 0 && pos.y() < visibleHeight())
        return;
    const int row = pos.y() < 0 ? d->currentRow - 1 : d->currentRow + 1;
    moveCursor(true, currentColumn(), d->currentRow, currentColumn(), row);
    d->autoScrollTimer->start(100);
}

void AViewMemoryTable::contentsWheelEvent(QWheelEvent *e)
{
    const int delta = e->angleDelta().y();
    if (KViewMemoryScrollbar *bar = d->view ? d->view->memoryScrollbar() : nullptr) {
        if (delta > 0)
            emit bar->prevLine();
        else if (delta < 0)
            emit bar->nextLine();
    }
    e->accept();
}

bool AViewMemoryTable::eventFilter(QObject *o, QEvent *e)
{
    if (o == this || o == viewport()) {
        if (e->type() == QEvent::Wheel) {
            contentsWheelEvent(static_cast<QWheelEvent *>(e));
            return true;
        }
        if (o == viewport() && e->type() == QEvent::KeyPress) {
            keyPressEvent(static_cast<QKeyEvent *>(e));
            return true;
        }
    }
    return UTable::eventFilter(o, e);
}

void AViewMemoryTable::windowActivationChange(bool oldActive)
{
    d->autoScrollTimer->stop();
    UTable::windowActivationChange(oldActive);
}

void AViewMemoryTable::viewportResizeEvent(QResizeEvent *e)
{
    UTable::viewportResizeEvent(e);
    emit sigViewportResizeEvent(e);
}
