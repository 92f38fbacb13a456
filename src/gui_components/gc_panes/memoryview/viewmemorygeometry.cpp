// The memory view's layout, scrolling and selection: the tables hold only the rows on screen,
// the start address moves through the target's range, and the selection lives in the
// current target's cache, mirrored into every table.
#include "gui_components/gc_panes/memory/bridgekso.h"
#include "gui_components/gc_panes/memory/viewmemoryinfo.h"
#include "gui_components/gc_panes/memoryview/memorygeometry.h"
#include "gui_components/gc_panes/memoryview/viewmemory.h"
#include "gui_components/gc_panes/memoryview/viewmemoryascii.h"
#include "gui_components/gc_panes/memoryview/viewmemorydata.h"
#include "gui_components/gc_panes/memoryview/viewmemorydsm.h"
#include "gui_components/gc_panes/memoryview/viewmemoryscrollbar.h"
#include "system/lifetime.h"

#include <QComboBox>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <climits>

namespace geometry = tesk::gc_panes::geometry;

namespace {

int firstRowHeight(const AViewMemoryTable *table)
{
    return std::max(table->numRows() > 0 ? table->rowHeight(0) : 0, 10);
}

} // namespace

int KViewMemory::columnCount() const
{
    if (!m_dataTable || !m_columnsCombo)
        return 4;
    return std::max(m_autoColumns ? m_autoColumnCount : m_columnsCombo->currentIndex(), 1);
}

int KViewMemory::bytesPerRow() const
{
    return isDisassemblyShown() ? 4 : fieldSize() * columnCount();
}

int KViewMemory::computeAutoColumnCount() const
{
    const bool dsm = isDisassemblyShown();
    const AViewMemoryTable *shown = dsm ? static_cast<AViewMemoryTable *>(m_dsmTable)
                                        : static_cast<AViewMemoryTable *>(m_dataTable);
    const int fieldWidth = dsm ? m_dsmTable->columnWidth(1) : m_dataTable->columnWidth(0);
    const int available = m_scrollArea->viewport()->width() - shown->leftMargin() - (dsm ? 0 : 5);
    const int charWidth = !dsm && !m_asciiTable->isHidden() ? m_asciiTable->columnWidth(0) : 0;
    return geometry::autoColumnCount(fieldWidth, available, fieldSize(), charWidth);
}

bool KViewMemory::updateAutoColumnCount()
{
    if (!m_autoColumns || !m_dataTable)
        return false;
    QScopedValueRollback<bool> guard(m_resizeHandlingEnabled, false);
    m_autoColumnCount = computeAutoColumnCount();
    if (m_autoColumnCount == m_lastColumnCount)
        return false;
    m_lastColumnCount = m_autoColumnCount;
    return true;
}

int KViewMemory::visibleRowCount()
{
    if (!m_dataTable)
        return 1;
    const AViewMemoryTable *shown = isDisassemblyShown()
                                        ? static_cast<AViewMemoryTable *>(m_dsmTable)
                                        : static_cast<AViewMemoryTable *>(m_dataTable);
    int rows = std::max(shown->visibleHeight(), 10) / firstRowHeight(shown) + 1;
    UMemoryAddress rangeStart;
    uint32_t length = 0;
    if (rangeOfStart(rangeStart, length))
        rows = geometry::rowsInRange(rows, uint32_t(bytesPerRow()),
                                     startAddress().offset() - rangeStart.offset(), length);
    return std::max(rows, 1);
}

int KViewMemory::cacheBlockSize(int rows) const
{
    const int64_t bytes = int64_t(rows) * bytesPerRow();
    return int(std::clamp<int64_t>(bytes, 128, INT_MAX));
}

namespace {

// The headers are switched with their table: their labels and sizes change with every row and
// column a layout sets, and they are painted once afterwards.
void setTableUpdates(AViewMemoryTable *table, bool enabled)
{
    table->setUpdatesEnabled(enabled);
    table->horizontalHeader()->setUpdatesEnabled(enabled);
    table->verticalHeader()->setUpdatesEnabled(enabled);
}

} // namespace

void KViewMemory::relayout()
{
    if (!m_dataTable)
        return;
    const QList<AViewMemoryTable *> tables = visibleTables();
    for (AViewMemoryTable *table : tables)
        setTableUpdates(table, false);
    const int rows = visibleRowCount();
    const int columns = columnCount();
    if (!m_dataTable->isHidden()) {
        if (isStandardFormat())
            leaveUserFormatMode();
        m_dataTable->setNumCols(columns);
        m_dataTable->setNumRows(rows);
        m_dataTable->updateColumnLabels();
    }
    if (!m_asciiTable->isHidden()) {
        m_asciiTable->setNumCols(fieldSize() * columns);
        m_asciiTable->setNumRows(rows);
        m_asciiTable->updateColumnLabels();
    }
    if (!m_dsmTable->isHidden()) {
        m_dsmTable->setNumCols(1);
        m_dsmTable->setNumRows(rows);
        m_dsmTable->updateColumnLabels();
    }
    m_info->setBlockSize(cacheBlockSize(rows));
    // Measuring may warn the user; the view may end while the warning is up, and then it is
    // kept in memory until its callers have left, untouched from here on.
    tesk::lifetime::Scope scope(this);
    refresh();
    // Widths follow the texts a layout brings (format, field size, font); a scroll step keeps
    // them, so the cells are measured here and nowhere else.
    for (AViewMemoryTable *table : tables) {
        table->adjustCellSizes();
        if (!scope.alive())
            return;
    }
    for (AViewMemoryTable *table : tables) {
        setTableUpdates(table, true);
        table->horizontalHeader()->update();
        table->verticalHeader()->update();
        table->updateContents();
    }
}

void KViewMemory::relayoutTwice()
{
    relayout();
    if (tesk::lifetime::doomed(this))
        return;
    // The first pass measured the cells: what fits the view may differ now.
    const AViewMemoryTable *shown = isDisassemblyShown()
                                        ? static_cast<AViewMemoryTable *>(m_dsmTable)
                                        : static_cast<AViewMemoryTable *>(m_dataTable);
    if (updateAutoColumnCount() || (shown && visibleRowCount() != shown->numRows()))
        relayout();
}

void KViewMemory::updateLayout(int)
{
    relayoutTwice();
}

void KViewMemory::resizeEvent(QResizeEvent *e)
{
    AView::resizeEvent(e);
    relayoutTwice();
}

void KViewMemory::slotAutocolumnTimerFired()
{
    m_autoColumnTimer->deleteLater();
    m_autoColumnTimer = nullptr;
    if (updateAutoColumnCount())
        relayout();
}

void KViewMemory::fitScrollAreaBox()
{
    const int height = m_scrollArea->viewport()->height();
    m_scrollBox->setMinimumHeight(height);
    m_scrollBox->setMaximumHeight(height);
}

void KViewMemory::slotViewportResizeEvent(QResizeEvent *)
{
    if (!m_resizeHandlingEnabled)
        return;
    QScopedValueRollback<bool> guard(m_resizeHandlingEnabled, false);
    // The view's scroll bar ends level with the tables' viewport.
    int filler = 0;
    if (m_scrollArea->horizontalScrollBar()->isVisible()) {
        filler = m_scrollBar->sizeHint().width();
        if (!style()->styleHint(QStyle::SH_ScrollView_FrameOnlyAroundContents))
            filler += m_dataTable->frameWidth();
    }
    m_scrollBarFiller->setFixedHeight(filler);
    const int rows = visibleRowCount();
    if (rows > m_lastResizeRows)
        relayout();
    m_lastResizeRows = rows;
}

// Cells and addresses

UMemoryAddress KViewMemory::cellAddress(int row, int column) const
{
    return startAddress() + int64_t(bytesPerRow()) * row + int64_t(fieldSize()) * column;
}

namespace {
// The data table's selected corners (or its current cell) as linear indices, lower first.
std::pair<int64_t, int64_t> selectedIndices(const KViewMemoryData &table, int columns)
{
    auto index = [columns](int row, int col) { return int64_t(row) * columns + col; };
    int64_t first = index(table.memoryCurrentRow(), table.currentColumn());
    int64_t last = first;
    if (table.hasRange()) {
        int col = 0;
        int row = 0;
        table.rangeStart(col, row);
        first = index(row, col);
        table.rangeEnd(col, row);
        last = index(row, col);
    }
    return std::minmax(first, last);
}
} // namespace

UMemoryAddress KViewMemory::selectionStartAddress() const
{
    const int columns = columnCount();
    const int64_t first = selectedIndices(*m_dataTable, columns).first;
    return cellAddress(int(first / columns), int(first % columns));
}

UMemoryAddress KViewMemory::selectionEndAddress() const
{
    const int columns = columnCount();
    const int64_t last = selectedIndices(*m_dataTable, columns).second;
    return cellAddress(int(last / columns), int(last % columns)) + (fieldSize() - 1);
}

// Scrolling

double KViewMemory::scrollFraction() const
{
    UMemoryAddress rangeStart;
    uint32_t length = 0;
    if (!rangeOfStart(rangeStart, length) || length == 0)
        return 0.0;
    return double(startAddress().offset() - rangeStart.offset()) / double(length);
}

void KViewMemory::scrollToFraction(double fraction, bool preview)
{
    UMemoryAddress rangeStart;
    uint32_t length = 0;
    if (!m_refreshEnabled || !rangeOfStart(rangeStart, length))
        return;
    const uint32_t offset = geometry::offsetAtFraction(fraction, length, uint32_t(bytesPerRow()));
    UMemoryAddress moved;
    if (!m_bridge->adjustAddress2(currentTargetId(), rangeStart, offset, moved))
        return;
    if (preview)
        setAddressFieldText(addressText(moved));
    else if (moved != startAddress())
        showAddress(moved);
}

void KViewMemory::scrollBy(int kind, int count)
{
    UMemoryAddress rangeStart;
    uint32_t length = 0;
    if (!m_refreshEnabled || !rangeOfStart(rangeStart, length))
        return;
    const int64_t page = m_dataTable->visibleRowCount();
    int64_t rows = 0;
    switch (kind) {
    case PrevLine:
        rows = -1;
        break;
    case NextLine:
        rows = 1;
        break;
    case PrevPage:
        rows = -page;
        break;
    case NextPage:
        rows = page;
        break;
    case ByLines:
        rows = count;
        break;
    default:
        showAddress(startAddress());
        return;
    }
    uint32_t moved = 0;
    if (geometry::scrollOffset(startAddress().offset() - rangeStart.offset(), length, rows,
                               uint32_t(bytesPerRow()), moved))
        stepTo(rangeStart + int64_t(moved));
}

void KViewMemory::stepTo(const UMemoryAddress &address)
{
    if (!m_addressEditEnabled || isDisassemblyShown()) {
        showAddress(address);
        return;
    }
    const int target = currentTargetId();
    const int rowBytes = bytesPerRow();
    moveStartTo(target, address);
    updateCaption();
    // The layout stays unless the step changed what it rests on: the bytes of a row (another
    // region's access size) or the rows left before the range's end.
    if (bytesPerRow() != rowBytes || visibleRowCount() != m_dataTable->numRows()) {
        relayoutTwice();
        return;
    }
    const QList<AViewMemoryTable *> tables = visibleTables();
    for (AViewMemoryTable *table : tables)
        table->setUpdatesEnabled(false);
    refresh();
    for (AViewMemoryTable *table : tables)
        table->setUpdatesEnabled(true);
}

void KViewMemory::showAddress(const UMemoryAddress &address)
{
    m_info->setStartAddress(address);
    const QString text = addressText(address);
    showAddressText(text);
    runSetStartAddress(text, false);
    updateCaption();
}

// Selection

bool KViewMemory::setSelectionOffsets(bool active, int64_t first, int64_t last, int64_t cursor)
{
    if (!isStartAddressValid())
        return false;
    m_info->setSelectionActive(active);
    const UMemoryAddress start = startAddress();
    const UMemoryAddress cursorAddress = start + cursor;
    const bool wrapped = cursor < 0 ? cursorAddress.offset() > start.offset()
                                    : cursorAddress.offset() < start.offset();
    if (wrapped)
        return false;
    m_info->setSelection(start + first, start + last, cursorAddress);
    return true;
}

void KViewMemory::takeTableSelection(AViewMemoryTable *table)
{
    if (!isStartAddressValid())
        return;
    int col = table->currentColumn();
    int row = table->memoryCurrentRow();
    int64_t cursor = 0;
    table->cellToOffset(cursor, col, row);
    int64_t first = cursor;
    int64_t last = cursor;
    if (table->hasRange()) {
        table->rangeStart(col, row);
        table->cellToOffset(first, col, row);
        table->rangeEnd(col, row);
        table->cellToOffset(last, col, row);
    }
    if (first > last)
        std::swap(first, last);
    last += table->bytesPerCell() - 1;
    if (!setSelectionOffsets(table->hasRange(), first, last, cursor))
        return;
    // The table the range came from keeps its own; the others follow.
    const bool wasSuspended = m_selectionSyncSuspended;
    m_selectionSyncSuspended = m_selectionSyncSuspended || table == m_dataTable;
    syncSelections();
    m_selectionSyncSuspended = wasSuspended;
}

void KViewMemory::slotAsciiSelectionChanged()
{
    takeTableSelection(m_asciiTable);
}

void KViewMemory::slotUpdateSelectionReq()
{
    syncSelections();
}

void KViewMemory::syncSelections()
{
    if (!isStartAddressValid())
        return;
    const int64_t base = startAddress().offset();
    auto offsetOf = [base](const UMemoryAddress &address) {
        return address.isValid() ? int64_t(address.offset()) - base : 0;
    };
    const bool active = m_info->isSelectionActive();
    const int64_t first = offsetOf(m_info->selectionStart());
    const int64_t last = offsetOf(m_info->selectionEnd());
    const int64_t cursor = offsetOf(m_info->cursorAddress());
    for (AViewMemoryTable *table : visibleTables()) {
        if (table == m_dataTable && m_selectionSyncSuspended)
            continue;
        table->setSelectionCells(active, first, last, cursor);
    }
}
