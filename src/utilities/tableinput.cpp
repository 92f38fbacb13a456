#include "utilities/tableprivate.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMetaMethod>
#include <QMimeData>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

using tesk::utilities::tableinternal::changesHighlightOnFocus;

namespace {

constexpr int kAutoScrollInterval = 100;

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

} // namespace

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
    const bool rowMode = isRowSelection(d->selectionMode);
    const UTableSelection before =
        d->selections.current() ? *d->selections.current() : UTableSelection();
    const bool created =
        d->selections.extendCurrent(rowMode ? std::max(0, oldRow) : oldRow, rowMode ? 0 : oldCol,
                                    row, rowMode ? numCols() - 1 : col);
    repaintSelections(created ? nullptr : &before, d->selections.current());
    emit selectionChanged();
}

void UTable::rowModeKeyMove(int row, int col, int oldRow)
{
    if (row == oldRow && isSelected(row, col, false))
        return;
    std::unique_ptr<UTableSelection> old;
    if (d->selectionMode == MultiRow) {
        clearSelectionQuietly();
    } else if (d->selections.current()) {
        old = d->selections.takeCurrent();
        if (old)
            d->leftHeader->setSectionState(old->topRow(), UTableHeader::Normal);
    }
    appendSelection(row, 0, row, numCols() - 1);
    repaintSelections(old.get(), d->selections.current(), !old);
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
    const UTableSelection before =
        d->selections.current() ? *d->selections.current() : UTableSelection();
    const bool created = d->selections.extendCurrent(oldRow, rowMode ? 0 : oldCol, row,
                                                     rowMode ? numCols() - 1 : col);
    repaintSelections(created ? nullptr : &before, d->selections.current());
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
        repaintSelections(nullptr, d->selections.current());
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
    if (d->selections.current() && d->selectionMode != NoSelection) {
        const UTableSelection before = *d->selections.current();
        bool useOld = true;
        if (d->selectionMode != SingleRow) {
            d->selections.current()->expandTo(row, isRowSelection(d->selectionMode) ? numCols() - 1
                                                                                    : col);
        } else if (row == d->curRow && isSelected(row, col)) {
            d->selections.current()->expandTo(row, numCols() - 1);
        } else {
            useOld = false;
            clearSelection(true);
            appendSelection(row, 0, row, numCols() - 1);
            repaintSelections(nullptr, d->selections.current());
        }
        setCurrentCell(row, col, false, true);
        repaintSelections(useOld ? &before : nullptr, d->selections.current());
        if (d->selections.current() && before != *d->selections.current())
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
