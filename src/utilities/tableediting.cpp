#include "utilities/tableprivate.h"

#include "utilities/ownupdates.h"

#include <QLineEdit>

#include <algorithm>
#include <utility>

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
    const UTableSelection *s = d->selections.current();
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
