#include "utilities/tableprivate.h"

#include "frame/core/softcheck.h"
#include "utilities/globalstrut.h"
#include "utilities/linemoves.h"
#include "utilities/ownupdates.h"

#include <QApplication>
#include <QHash>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <utility>

using tesk::utilities::tableinternal::FlagGuard;
using tesk::utilities::tableinternal::kDefaultColumnWidth;
using tesk::utilities::tableinternal::kDefaultRowHeight;

namespace {

// One updateCell at a time, program-wide.
bool g_inUpdateCell = false;
// One geometry update at a time, program-wide.
bool g_inUpdateGeometries = false;
// What a row or column of no size that was never hidden gets when it is shown.
constexpr int kShownSize = 20;
// No line fitted to its contents ends up smaller.
constexpr int kMinimumFittedSize = 20;

// Past this many line moves the items learn their places in one pass over the table, so that
// an item catching up follows a short list.
constexpr size_t kMaxShifts = 256;

} // namespace

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
