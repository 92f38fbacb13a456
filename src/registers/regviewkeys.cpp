#include "registers/regviewprivate.h"

#include <QKeyEvent>

#include <limits>

using namespace tesk::registers;

// ---- keys --------------------------------------------------------------------------------

// The nearest shown item in a direction, by the items' places: in reading order, or strictly
// to one side. Scores are 64-bit: a row's distance is weighted by the whole width.
RegItem *RegView::nearestItem(RegItem *from, Direction direction, bool strict) const
{
    if (!from)
        from = firstShown();
    if (!from)
        return nullptr;
    const qint64 w = qMax(1, contentsWidth());
    const QRect ra = from->geometry();
    const QPoint a = ra.center();
    RegItem *best = nullptr;
    qint64 bestScore = std::numeric_limits<qint64>::max();
    for (RegItem *candidate : d->laidOut) {
        if (candidate == from || !candidate->shown())
            continue;
        const QRect rb = candidate->geometry();
        QPoint b = rb.center();
        const qint64 p = qint64(ra.right()) - rb.left();
        const qint64 q = qint64(rb.right()) - ra.left();
        const bool sameColumn = p * q > 0 && qMin(p, q) > (p + q) / 10;
        if (sameColumn)
            b.setX(a.x());
        const qint64 dx = qint64(b.x()) - a.x();
        const qint64 dy = qint64(b.y()) - a.y();
        qint64 score = 0;
        switch (direction) {
        case DirectionUp:
            if (dy >= 0 || !sameColumn)
                continue;
            score = std::llabs(dx) * w - dy;
            break;
        case DirectionDown:
            if (dy <= 0 || !sameColumn)
                continue;
            score = std::llabs(dx) * w + dy;
            break;
        case DirectionLeft:
            if (strict && dx >= 0)
                continue;
            score = strict ? std::llabs(dy) * w - dx : -dy * w - dx;
            break;
        case DirectionRight:
            if (strict && dx <= 0)
                continue;
            score = strict ? std::llabs(dy) * w + dx : dy * w + dx;
            break;
        default:
            return nullptr;
        }
        if (score > 0 && score < bestScore) {
            bestScore = score;
            best = candidate;
        }
    }
    return best;
}

void RegView::moveTo(RegItem *target)
{
    if (!target)
        return;
    setFocus();
    slotSetActive(target, SelectOnly);
}

bool RegView::openOrClose(RegItem *group, int how)
{
    // how: 1 open, -1 close, 0 toggle.
    if (!group || !(group->flags() & kGroup))
        return false;
    if ((how > 0 && group->open()) || (how < 0 && !group->open()))
        return false;
    group->toggleOpenChildren();
    return true;
}

void RegView::openOrCloseAll(bool open)
{
    QList<QPointer<RegItem>> groups;
    for (RegItem *item : items()) {
        if ((item->flags() & kGroup) && item->shown() && item->open() != open)
            groups.append(item);
    }
    for (const QPointer<RegItem> &group : groups) {
        if (group)
            group->toggleOpenChildren();
    }
}

bool RegView::arrowOnGroup(int key)
{
    RegItem *current = currentItem();
    if (!current || !(current->flags() & kGroup))
        return false;
    if (key == Qt::Key_Right || key == Qt::Key_Plus)
        return openOrClose(current, 1);
    if (key == Qt::Key_Left || key == Qt::Key_Minus)
        return openOrClose(current, -1);
    return false;
}

QRect RegView::cellRect(const RegItem *item) const
{
    QRect cell = item->geometry();
    if (d->cellWidth > 0 && cell.width() > d->cellWidth)
        cell.setWidth(d->cellWidth);
    return cell;
}

void RegView::extendSelection(Direction direction)
{
    RegItem *anchor = d->selection.first();
    RegItem *target = nearestItem(d->selection.last(), direction, true);
    if (!target)
        return;
    const auto position = [this](RegItem *item) {
        for (size_t i = 0; i < d->entries.size(); ++i) {
            if (d->entries[i]->item == item)
                return i;
        }
        return d->entries.size();
    };
    if (position(target) < position(anchor))
        return;
    // By cells, not by the items' own extents: a value wider than its cell would otherwise
    // reach into the next column and take it in.
    const QRect ra = cellRect(anchor);
    const QRect rt = cellRect(target);
    if (rt.right() < ra.left() && rt.top() != ra.top())
        return;
    const QRect span = ra.united(rt);
    for (RegItem *item : items()) {
        if (!item->shown() || item == anchor)
            continue;
        const QRect cell = cellRect(item);
        const QRect inside = cell.intersected(span);
        const qint64 area = qint64(cell.width()) * cell.height();
        const qint64 covered = qint64(inside.width()) * inside.height();
        if (!inside.isEmpty() && covered > area / 10)
            slotSetActive(item, SelectAdd);
        else if (item->selected())
            slotSetActive(item, SelectRemove);
    }
    // The target stays the current item.
    slotSetActive(target, SelectAdd);
}

void RegView::pageStep(Direction direction)
{
    RegItem *current = currentItem() ? currentItem() : firstShown();
    if (!current)
        return;
    const int start = current->geometry().center().y();
    RegItem *reached = current;
    for (RegItem *next = nearestItem(current, direction, false); next;
         next = nearestItem(next, direction, false)) {
        reached = next;
        if (std::abs(next->geometry().center().y() - start) + next->height() > visibleHeight())
            break;
    }
    if (reached != current)
        moveTo(reached);
}

bool RegView::event(QEvent *e)
{
    if (e->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(e);
        if (key->modifiers() == Qt::ControlModifier ||
            key->modifiers() == (Qt::ControlModifier | Qt::KeypadModifier)) {
            switch (key->key()) {
            case Qt::Key_A:
            case Qt::Key_C:
            case Qt::Key_M:
            case Qt::Key_T:
            case Qt::Key_V:
            case Qt::Key_Plus:
            case Qt::Key_Minus:
                e->accept();
                return true;
            default:
                break;
            }
        }
    }
    return UScrollView::event(e);
}

void RegView::keyPressEvent(QKeyEvent *e)
{
    const Qt::KeyboardModifiers modifiers = e->modifiers() & ~Qt::KeypadModifier;
    const int key = e->key();
    if (modifiers == Qt::ControlModifier) {
        switch (key) {
        case Qt::Key_A:
            selectAll();
            return;
        case Qt::Key_C:
            command(CommandCopy);
            return;
        case Qt::Key_M:
            command(CommandViewMemory);
            return;
        case Qt::Key_T:
            command(CommandCopyToUser);
            return;
        case Qt::Key_V:
            command(CommandPaste);
            return;
        case Qt::Key_Plus:
            openOrCloseAll(true);
            return;
        case Qt::Key_Minus:
            openOrCloseAll(false);
            return;
        default:
            break;
        }
    }
    Direction direction = DirectionNone;
    switch (key) {
    case Qt::Key_Left:
        direction = DirectionLeft;
        break;
    case Qt::Key_Up:
        direction = DirectionUp;
        break;
    case Qt::Key_Right:
        direction = DirectionRight;
        break;
    case Qt::Key_Down:
        direction = DirectionDown;
        break;
    default:
        break;
    }
    if (direction != DirectionNone && modifiers == Qt::NoModifier) {
        if (!arrowOnGroup(key))
            moveTo(nearestItem(currentItem(), direction, false));
        return;
    }
    if (direction != DirectionNone && modifiers == Qt::ShiftModifier) {
        if (!d->selection.isEmpty())
            extendSelection(direction);
        return;
    }
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // With Control held the page keys change the pane's tab: the pane has them.
        if (modifiers & Qt::ControlModifier) {
            e->ignore();
            return;
        }
        if (!engineBusy())
            pageStep(key == Qt::Key_PageUp ? DirectionUp : DirectionDown);
        return;
    case Qt::Key_Home:
        moveTo(firstShown());
        return;
    case Qt::Key_End:
        moveTo(lastShown());
        return;
    case Qt::Key_Space:
        if (currentItem() && !currentItem()->openCombo())
            openOrClose(currentItem(), 0);
        return;
    case Qt::Key_Plus:
    case Qt::Key_Minus:
        arrowOnGroup(key);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        // Edits start when the key is released.
        if (!e->isAutoRepeat())
            d->editKeyPressed = key;
        return;
    default:
        break;
    }
    UScrollView::keyPressEvent(e);
}

void RegView::keyReleaseEvent(QKeyEvent *e)
{
    const int key = e->key();
    const bool pressedHere = !e->isAutoRepeat() && key == d->editKeyPressed;
    if (!e->isAutoRepeat())
        d->editKeyPressed = 0;
    // The Return that ended an edit was pressed in the editor: its release must not start the
    // next one, which a further Return would write again.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) && pressedHere &&
        d->selection.size() == 1) {
        setFocus();
        d->selection.first()->editInPlace();
        return;
    }
    UScrollView::keyReleaseEvent(e);
}
