#include "sync/synctablebase.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include <cmath>

// --- SyncTableItem -----------------------------------------------------------------------------

SyncTableItem::SyncTableItem(UTable *table, EditType editType, const QString &text, uint32_t flags)
    : UTableItem(table, editType, text)
    , m_flags(flags)
{
}

SyncTableItem::~SyncTableItem() = default;

int SyncTableItem::alignment() const
{
    return row() == 0 ? int(Qt::AlignCenter) : UTableItem::alignment();
}

QSize SyncTableItem::sizeHint() const
{
    const QSize hint = UTableItem::sizeHint();
    if (isSquare()) {
        const int side = int(std::trunc(0.8 * hint.width()));
        return QSize(side, side);
    }
    if (isWide())
        return QSize(int(std::trunc(1.2 * hint.width())), hint.height());
    return hint;
}

void SyncTableItem::setFlags(uint32_t flags)
{
    const bool lockChanged = (flags ^ m_flags) & Locked;
    m_flags = flags;
    if (lockChanged && table() && row() >= 0 && col() >= 0)
        table()->updateCell(row(), col());
}

// --- SyncTableCheckItem ------------------------------------------------------------------------

const QColor SyncTableCheckItem::kCream(250, 248, 235);
const QColor SyncTableCheckItem::kWhite(255, 255, 255);
const QColor SyncTableCheckItem::kSelectionGrey(230, 230, 230);

SyncTableCheckItem::SyncTableCheckItem(UTable *table, const QString &text, bool cream)
    : QObject(nullptr)
    , SyncTableItem(table, WhenCurrent, text, 0)
    , m_background(cream ? kCream : kWhite)
{
}

SyncTableCheckItem::~SyncTableCheckItem() = default;

QColor SyncTableCheckItem::backgroundColor(bool selected) const
{
    return selected ? kSelectionGrey : m_background;
}

void SyncTableCheckItem::setChecked(bool on)
{
    if (on == m_checked)
        return;
    m_checked = on;
    UTable *owner = table();
    if (!owner || row() < 0 || col() < 0)
        return;
    owner->updateCell(row(), col());
    if (auto *box = qobject_cast<QCheckBox *>(owner->cellWidget(row(), col())))
        box->setChecked(on);
}

void SyncTableCheckItem::setCheckedByUser(bool on)
{
    if (!isChangeable())
        return;
    setChecked(on);
    // Last: a refill started by the signal may delete this item.
    emit sigCheckChanged(this, on ? 1 : 0);
}

void SyncTableCheckItem::slotSetCheckItem(int on)
{
    setChecked(on != 0);
}

QWidget *SyncTableCheckItem::createEditor() const
{
    return nullptr;
}

void SyncTableCheckItem::paint(QPainter *p, const QPalette &palette, const QRect &cellRect,
                               bool selected)
{
    QPalette cellPalette = palette;
    cellPalette.setColor(QPalette::Base, backgroundColor(false));
    cellPalette.setColor(QPalette::Highlight, backgroundColor(true));
    p->fillRect(0, 0, cellRect.width(), cellRect.height(),
                cellPalette.brush(selected ? QPalette::Highlight : QPalette::Base));

    UTable *owner = table();
    QStyle *style = owner ? owner->style() : nullptr;
    if (!style)
        return;
    const int width = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, owner);
    const int height = style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, owner);
    QStyleOptionButton option;
    option.initFrom(owner);
    option.palette = palette;
    option.rect =
        QRect((cellRect.width() - width) / 2, (cellRect.height() - height) / 2, width, height);
    option.state = isChecked() ? QStyle::State_On : QStyle::State_Off;
    if (isChangeable() && owner->isEnabled())
        option.state |= QStyle::State_Enabled;
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, p, owner);
}

// --- SyncTableHeader ---------------------------------------------------------------------------

SyncTableHeader::SyncTableHeader(int count, UTable *table, QWidget *parent, const char *name)
    : UTableHeader(count, table, parent, name)
{
}

void SyncTableHeader::setSectionState(int, SectionState) {}

void SyncTableHeader::setSectionStateToAll(SectionState) {}

// --- SyncTableBase -----------------------------------------------------------------------------

class SyncTableBasePrivate
{
public:
    int cellChanges = 0;
    // The cell a left press went down on: a release on the same cell toggles it.
    bool pressed = false;
    int pressRow = -1;
    int pressCol = -1;
};

SyncTableBase::SyncTableBase(QWidget *parent, const char *name)
    : UTable(parent, name)
    , d(std::make_unique<SyncTableBasePrivate>())
{
}

SyncTableBase::~SyncTableBase() = default;

int SyncTableBase::cellChanges() const
{
    return d->cellChanges;
}

void SyncTableBase::setText(int row, int col, const QString &text)
{
    if (const UTableItem *cellItem = item(row, col); cellItem && cellItem->text() == text)
        return;
    ++d->cellChanges;
    UTable::setText(row, col, text);
}

void SyncTableBase::setPixmap(int row, int col, const QPixmap &pixmap)
{
    if (UTableItem *cellItem = item(row, col); cellItem && !cellItem->pixmapRef()->isNull())
        return;
    ++d->cellChanges;
    UTable::setPixmap(row, col, pixmap);
}

void SyncTableBase::setColumnWidth(int col, int width)
{
    if (col >= 0 && col < numCols() && !isColumnHidden(col) && columnWidth(col) == width)
        return;
    UTable::setColumnWidth(col, width);
}

void SyncTableBase::setRowHeight(int row, int height)
{
    if (row >= 0 && row < numRows() && !isRowHidden(row) && rowHeight(row) == height)
        return;
    UTable::setRowHeight(row, height);
}

void SyncTableBase::setCellCheck(int row, int col, int mode)
{
    if (!isEnabled())
        return;
    auto *checkItem = dynamic_cast<SyncTableCheckItem *>(item(row, col));
    if (!checkItem)
        return;
    switch (mode) {
    case Check:
        checkItem->setCheckedByUser(true);
        break;
    case Uncheck:
        checkItem->setCheckedByUser(false);
        break;
    case Toggle:
        checkItem->setCheckedByUser(!checkItem->isChecked());
        break;
    default:
        break;
    }
}

void SyncTableBase::keyPressEvent(QKeyEvent *e)
{
    // Keypad keys carry KeypadModifier: only the real modifiers make these keys navigation.
    constexpr Qt::KeyboardModifiers kModifiers =
        Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    int mode = -1;
    if (!(e->modifiers() & kModifiers)) {
        switch (e->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            mode = Toggle;
            break;
        case Qt::Key_Plus:
            mode = Check;
            break;
        case Qt::Key_Minus:
            mode = Uncheck;
            break;
        default:
            break;
        }
    }
    if (mode < 0) {
        UTable::keyPressEvent(e);
        return;
    }
    setCellCheck(currentRow(), currentColumn(), mode);
}

void SyncTableBase::contentsMousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton) {
        const QPoint pos = e->position().toPoint();
        d->pressRow = rowAt(pos.y());
        d->pressCol = columnAt(pos.x());
        d->pressed = true;
    }
    UTable::contentsMousePressEvent(e);
}

void SyncTableBase::contentsMouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && d->pressed) {
        const QPoint pos = e->position().toPoint();
        const int row = rowAt(pos.y());
        const int col = columnAt(pos.x());
        d->pressed = false;
        if (row == d->pressRow && col == d->pressCol)
            setCellCheck(row, col, Toggle);
    }
    // The table still hears the release: a drag that left the table would otherwise keep
    // auto-scrolling and moving the current cell after the button is up.
    UTable::contentsMouseReleaseEvent(e);
}

bool SyncTableBase::createTopHeader(UTableHeader **header, int cols)
{
    *header = new SyncTableHeader(cols, this, this, "h_header");
    return true;
}

bool SyncTableBase::createLeftHeader(UTableHeader **header, int rows)
{
    *header = new SyncTableHeader(rows, this, this, "v_header");
    return true;
}
