#include "utilities/table.h"

#include "frame/core/softcheck.h"
#include "utilities/globalstrut.h"

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
#include <typeinfo>

namespace {

// Cleared while a spanning item enters itself into the other cells of its block, so that
// setItem does not rebuild the item's editor for each of them.
bool g_updateCellWidget = true;
// One updateCell at a time, program-wide.
bool g_inUpdateCell = false;
// One geometry update at a time, program-wide.
bool g_inUpdateGeometries = false;

constexpr int DefaultColumnWidth = 100;
constexpr int DefaultRowHeight = 20;
constexpr int DefaultLeftMargin = 30;
// What a row or column of no size that was never hidden gets when it is shown.
constexpr int ShownSize = 20;
constexpr int AutoScrollInterval = 100;
// Larger ranges are repainted as one rectangle.
constexpr int MaxExactRange = SHRT_MAX;

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

bool changesHighlightOnFocus(const QWidget *w)
{
    return w->style()->styleHint(QStyle::SH_ItemView_ChangeHighlightOnFocus, nullptr, w) != 0;
}

} // namespace

struct UTablePrivate
{
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
};

// --- construction ------------------------------------------------------------------------

UTable::UTable(QWidget *parent, const char *name)
    : UScrollView(parent, name)
{
    viewport()->setAttribute(Qt::WA_StaticContents);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

UTable::~UTable()
{
    // Items and widgets are let go without calling back into this half-destroyed table.
    setUpdatesEnabled(false);
    if (m_autoScrollTimer)
        m_autoScrollTimer->stop();
    if (d)
        d->geometryTimer->stop();
    std::vector<UTableItem *> items;
    for (UTableItem *item : m_contents) {
        if (item && item->m_table == this) {
            item->m_table = nullptr;
            item->m_row = item->m_col = -1;
            items.push_back(item);
        }
    }
    m_contents.clear();
    for (UTableItem *item : items)
        delete item;
    for (QWidget *w : m_widgets) {
        if (w)
            w->removeEventFilter(this);
    }
    m_widgets.clear();
    m_currentSel = nullptr;
    m_selections.clear();
}

void UTable::init(int rows, int cols)
{
    d = std::make_unique<UTablePrivate>();
    d->geometryTimer = new QTimer(this);
    d->geometryTimer->setSingleShot(true);
    connect(d->geometryTimer, &QTimer::timeout, this, &UTable::updateGeometriesSlot);

    m_shouldClearSelection = false;
    m_dragEnabled = false;
    setSorting(false);
    m_selectionMode = Multi;

    setFocusPolicy(Qt::WheelFocus);
    viewport()->setFocusProxy(this);
    viewport()->setFocusPolicy(Qt::WheelFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);

    if (!createLeftHeader(&m_leftHeader, rows))
        m_leftHeader = new UTableHeader(rows, this, this, "left table header");
    m_leftHeader->setOrientation(Qt::Vertical);
    m_leftHeader->setTracking(true);
    m_leftHeader->setMovingEnabled(true);
    if (!createTopHeader(&m_topHeader, cols))
        m_topHeader = new UTableHeader(cols, this, this, "right table header");
    m_topHeader->setOrientation(Qt::Horizontal);
    m_topHeader->setTracking(true);
    m_topHeader->setMovingEnabled(true);

    const int top = fontMetrics().height() + 4;
    if (QApplication::isRightToLeft())
        setMargins(0, top, DefaultLeftMargin, 0);
    else
        setMargins(DefaultLeftMargin, top, 0, 0);

    // Column widths take the strut's height and row heights its width.
    const QSize strut = cuiGlobalStrut();
    m_topHeader->setUpdatesEnabled(false);
    m_leftHeader->setUpdatesEnabled(false);
    for (int i = 0; i < cols; ++i)
        m_topHeader->resizeSection(i, std::max(DefaultColumnWidth, strut.height()));
    for (int i = 0; i < rows; ++i)
        m_leftHeader->resizeSection(i, std::max(DefaultRowHeight, strut.width()));
    m_topHeader->setUpdatesEnabled(true);
    m_leftHeader->setUpdatesEnabled(true);

    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_topHeader, &UHeader::setOffset);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, m_leftHeader, &UHeader::setOffset);
    connect(m_topHeader, &UTableHeader::sectionSizeChanged, this, &UTable::columnWidthChanged);
    connect(m_topHeader, &UHeader::indexChange, this, &UTable::columnIndexChanged);
    connect(m_topHeader, &UHeader::sectionClicked, this, &UTable::columnClicked);
    connect(m_leftHeader, &UTableHeader::sectionSizeChanged, this, &UTable::rowHeightChanged);
    connect(m_leftHeader, &UHeader::indexChange, this, &UTable::rowIndexChanged);

    m_autoScrollTimer = new QTimer(this);
    m_autoScrollTimer->setSingleShot(true);
    connect(m_autoScrollTimer, &QTimer::timeout, this, &UTable::doAutoScroll);

    m_curRow = m_curCol = 0;
    m_topHeader->setSectionState(0, UTableHeader::Bold);
    m_leftHeader->setSectionState(0, UTableHeader::Bold);
    setEditMode(NotEditing, -1, -1);
    m_drawActiveSelection = true;
    installEventFilter(this);
    viewport()->installEventFilter(this);
    m_wasVisible = false;
    m_focusStyle = SpreadSheet;
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
    return m_leftHeader;
}

UTableHeader *UTable::topHeader() const
{
    return m_topHeader;
}

UHeader *UTable::horizontalHeader() const
{
    return m_topHeader;
}

UHeader *UTable::verticalHeader() const
{
    return m_leftHeader;
}

int UTable::numRows() const
{
    if (!TESK_CHECK(m_leftHeader))
        return 0;
    return m_leftHeader->count();
}

int UTable::numCols() const
{
    if (!TESK_CHECK(m_topHeader))
        return 0;
    return m_topHeader->count();
}

bool UTable::validCell(int row, int col) const
{
    return row >= 0 && col >= 0 && row < numRows() && col < numCols();
}

void UTable::ensureData() const
{
    const size_t n = size_t(numRows()) * size_t(numCols());
    if (m_contents.size() != n)
        m_contents.resize(n, nullptr);
    if (m_widgets.size() != n)
        m_widgets.resize(n, nullptr);
}

void UTable::resizeData(int len)
{
    m_contents.resize(size_t(std::max(0, len)), nullptr);
    m_widgets.resize(size_t(std::max(0, len)), nullptr);
}

void UTable::setEditMode(EditMode mode, int row, int col)
{
    m_editMode = mode;
    m_editRow = row;
    m_editCol = col;
}

void UTable::refreshFont()
{
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
        endEdit(m_editRow, m_editCol, true, m_editMode != Editing);
    UScrollView::setEnabled(enable);
}

// --- cells and items ---------------------------------------------------------------------

UTableItem *UTable::item(int row, int col) const
{
    if (!validCell(row, col))
        return nullptr;
    const size_t index = size_t(indexOf(row, col));
    return index < m_contents.size() ? m_contents[index] : nullptr;
}

void UTable::setItem(int row, int col, UTableItem *item)
{
    if (!item || !validCell(row, col))
        return;
    ensureData();
    UTableItem *present = m_contents[size_t(indexOf(row, col))];
    if (present == item && item->m_row == row && item->m_col == col) {
        // Already there: nothing to replace, and above all nothing to delete.
        updateCell(row, col);
        return;
    }
    if (g_updateCellWidget && item->m_table == this && item->m_row != -1)
        detachItem(item);
    const int oldRow = item->row();
    const int oldCol = item->col();
    clearCell(row, col);
    m_contents[size_t(indexOf(row, col))] = item;
    item->setRow(row);
    item->setCol(col);
    item->m_table = this;
    updateCell(row, col);
    if (g_updateCellWidget)
        item->updateEditor(oldRow, oldCol);
    if (row == m_curRow && col == m_curCol && item->editType() == UTableItem::WhenCurrent &&
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
    if (!d)
        return;
    d->hasRowSpan = d->hasRowSpan || rows;
    d->hasColSpan = d->hasColSpan || cols;
}

void UTable::setText(int row, int col, const QString &text)
{
    if (!validCell(row, col))
        return;
    if (UTableItem *itm = item(row, col)) {
        itm->setText(text);
        itm->updateEditor(row, col);
        updateCell(row, col);
    } else {
        setItem(row, col, new UTableItem(this, UTableItem::OnTyping, text, QPixmap()));
    }
}

void UTable::setPixmap(int row, int col, const QPixmap &pixmap)
{
    if (!validCell(row, col))
        return;
    if (UTableItem *itm = item(row, col)) {
        itm->setPixmap(pixmap);
        updateCell(row, col);
    } else {
        setItem(row, col, new UTableItem(this, UTableItem::OnTyping, QString(), pixmap));
    }
}

QString UTable::text(int row, int col) const
{
    const UTableItem *itm = item(row, col);
    return itm ? itm->text() : QString();
}

QPixmap UTable::pixmap(int row, int col) const
{
    const UTableItem *itm = item(row, col);
    return itm ? itm->pixmap() : QPixmap();
}

void UTable::clearCell(int row, int col)
{
    if (!validCell(row, col))
        return;
    ensureData();
    clearCellWidget(row, col);
    UTableItem *&slot = m_contents[size_t(indexOf(row, col))];
    UTableItem *itm = slot;
    slot = nullptr;
    // A spanning item takes itself out of its other cells as it goes.
    delete itm;
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
            if (index < m_contents.size() && m_contents[index] == item)
                m_contents[index] = nullptr;
        }
    }
    repaintContents(rect, false);
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
    if (present && row == m_editRow && col == m_editCol)
        endEdit(m_editRow, m_editCol, false, m_editMode != Editing);
    widget->installEventFilter(this);
    clearCellWidget(row, col);
    if (widget->parentWidget() != viewport()) {
        widget->setParent(viewport());
        widget->move(0, 0);
    }
    insertWidget(row, col, widget);
    const QRect cr = cellGeometry(row, col);
    widget->resize(cr.size());
    moveChild(widget, cr.x(), cr.y());
    widget->show();
}

QWidget *UTable::cellWidget(int row, int col) const
{
    if (!validCell(row, col))
        return nullptr;
    ensureData();
    return m_widgets[size_t(indexOf(row, col))];
}

void UTable::clearCellWidget(int row, int col)
{
    if (!validCell(row, col))
        return;
    ensureData();
    QWidget *&slot = m_widgets[size_t(indexOf(row, col))];
    QWidget *w = slot;
    slot = nullptr;
    if (!w)
        return;
    // Deleted later: the widget may be the one whose event is being handled.
    w->removeEventFilter(this);
    removeChild(w);
    w->hide();
    w->deleteLater();
}

void UTable::insertWidget(int row, int col, QWidget *widget)
{
    if (!validCell(row, col))
        return;
    ensureData();
    m_widgets[size_t(indexOf(row, col))] = widget;
}

// --- geometry ----------------------------------------------------------------------------

int UTable::columnWidth(int col) const
{
    return m_topHeader->sectionSize(col);
}

int UTable::rowHeight(int row) const
{
    return m_leftHeader->sectionSize(row);
}

int UTable::columnPos(int col) const
{
    return m_topHeader->sectionPos(col);
}

int UTable::rowPos(int row) const
{
    return m_leftHeader->sectionPos(row);
}

int UTable::columnAt(int x) const
{
    return m_topHeader->sectionAt(x);
}

int UTable::rowAt(int y) const
{
    return m_leftHeader->sectionAt(y);
}

QRect UTable::cellGeometry(int row, int col) const
{
    const UTableItem *itm = item(row, col);
    if (!itm || (itm->rowSpan() == 1 && itm->colSpan() == 1))
        return QRect(columnPos(col), rowPos(row), columnWidth(col), rowHeight(row));
    row = itm->row();
    col = itm->col();
    QRect rect(columnPos(col), rowPos(row), columnWidth(col), rowHeight(row));
    for (int r = 1; r < itm->rowSpan(); ++r)
        rect.setHeight(rect.height() + rowHeight(row + r));
    for (int c = 1; c < itm->colSpan(); ++c)
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
    const int w = lastCol < 0 ? 0 : columnPos(lastCol) + columnWidth(lastCol);
    const int h = lastRow < 0 ? 0 : rowPos(lastRow) + rowHeight(lastRow);
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
    const QRect cg = cellGeometry(row, col);
    // A posted update: many cell updates in one pass cost one paint.
    const QRect r(contentsToViewport2(cg.topLeft()) - QPoint(2, 2), cg.size() + QSize(4, 4));
    viewport()->update(r);
}

void UTable::repaintCell(int row, int col)
{
    if (row == -1 || col == -1)
        return;
    const QRect cg = cellGeometry(row, col);
    repaintContents(cg.adjusted(-2, -2, 2, 2), false);
}

void UTable::updateRowWidgets(int row)
{
    for (int c = 0; c < numCols(); ++c) {
        if (QWidget *w = cellWidget(row, c))
            placeWidget(w, row, c);
    }
}

void UTable::updateColWidgets(int col)
{
    for (int r = 0; r < numRows(); ++r) {
        if (QWidget *w = cellWidget(r, col))
            placeWidget(w, r, col);
    }
}

void UTable::placeWidget(QWidget *w, int row, int col)
{
    moveChild(w, columnPos(col), rowPos(row));
    w->resize(columnWidth(col) - 1, rowHeight(row) - 1);
}

void UTable::setColumnWidth(int col, int width)
{
    if (d && d->hiddenCols.contains(col)) {
        d->hiddenCols[col] = width;
        return;
    }
    m_topHeader->resizeSection(col, width);
    columnWidthChanged(col);
}

void UTable::setRowHeight(int row, int height)
{
    if (d && d->hiddenRows.contains(row)) {
        d->hiddenRows[row] = height;
        return;
    }
    m_leftHeader->resizeSection(row, height);
    rowHeightChanged(row);
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
    if (std::any_of(m_widgets.begin(), m_widgets.end(), [](QWidget *x) { return x; })) {
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
    if (std::any_of(m_widgets.begin(), m_widgets.end(), [](QWidget *x) { return x; })) {
        d->lastVisRow = rowAt(contentsY() + visibleHeight() + (s.height() - h + 1));
        const int last = (isHidden() || d->lastVisRow < 0) ? numRows() - 1 : d->lastVisRow;
        for (int r = row; r <= last; ++r)
            updateRowWidgets(r);
    }
    delayedUpdateGeometries();
}

void UTable::setColumnStretchable(int col, bool stretch)
{
    m_topHeader->setSectionStretchable(col, stretch);
    if (stretch && d->hiddenCols.contains(col))
        m_topHeader->setStretchCount(m_topHeader->stretchCount() - 1);
}

void UTable::setRowStretchable(int row, bool stretch)
{
    m_leftHeader->setSectionStretchable(row, stretch);
    if (stretch && d->hiddenRows.contains(row))
        m_leftHeader->setStretchCount(m_leftHeader->stretchCount() - 1);
}

bool UTable::isColumnStretchable(int col) const
{
    return m_topHeader->isSectionStretchable(col);
}

bool UTable::isRowStretchable(int row) const
{
    return m_leftHeader->isSectionStretchable(row);
}

void UTable::columnIndexChanged(int, int fromIndex, int)
{
    if (m_sorting && m_lastSortCol == fromIndex) {
        // Where the section really went, not where the gesture pointed.
        m_topHeader->setSortIndicator(m_topHeader->lastMoveTarget(),
                                      m_topHeader->sortIndicatorOrder() == Qt::AscendingOrder);
    }
    repaintContents(contentsX(), contentsY(), visibleWidth(), visibleHeight(), false);
}

void UTable::rowIndexChanged(int, int, int)
{
    repaintContents(contentsX(), contentsY(), visibleWidth(), visibleHeight(), false);
}

void UTable::adjustColumn(int col)
{
    if (col < 0 || col >= numCols())
        return;
    int w = m_topHeader->sectionSizeHint(col, fontMetrics()).width();
    const QIcon icon = m_topHeader->iconSet(col);
    if (!icon.isNull()) {
        const int extent = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
        w += icon.actualSize(QSize(extent, extent)).width();
    }
    w = std::max(w, 20);
    for (int r = 0; r < numRows(); ++r) {
        const UTableItem *itm = item(r, col);
        if (!itm) {
            if (QWidget *widget = cellWidget(r, col))
                w = std::max(w, widget->sizeHint().width());
        } else {
            w = std::max(w, itm->sizeHint().width() / std::max(1, itm->colSpan()));
        }
    }
    setColumnWidth(col, std::max(w, cuiGlobalStrut().width()));
}

void UTable::adjustRow(int row)
{
    if (row < 0 || row >= numRows())
        return;
    int h = std::max(20, m_leftHeader->sectionSizeHint(row, m_leftHeader->fontMetrics()).height());
    const QIcon icon = m_leftHeader->iconSet(row);
    if (!icon.isNull()) {
        const int extent = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
        h = std::max(h, icon.actualSize(QSize(extent, extent)).height());
    }
    for (int c = 0; c < numCols(); ++c) {
        const UTableItem *itm = item(row, c);
        if (!itm) {
            if (QWidget *widget = cellWidget(row, c))
                h = std::max(h, widget->sizeHint().height());
        } else {
            h = std::max(h, itm->sizeHint().height() / std::max(1, itm->rowSpan()));
        }
    }
    setRowHeight(row, std::max(h, cuiGlobalStrut().height()));
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
    if (row == -1)
        row = y < 0 ? 0 : numRows() - 1;
}

void UTable::fixCol(int &col, int x) const
{
    if (col == -1)
        col = x < 0 ? 0 : numCols() - 1;
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
    if (g_inUpdateGeometries || !d)
        return;
    FlagGuard guard(g_inUpdateGeometries);
    const QSize ts = tableSize();
    if (m_topHeader->offset() && ts.width() < m_topHeader->offset() + m_topHeader->width())
        horizontalScrollBar()->setValue(ts.width() - m_topHeader->width());
    if (m_leftHeader->offset() && ts.height() < m_leftHeader->offset() + m_leftHeader->height())
        verticalScrollBar()->setValue(ts.height() - m_leftHeader->height());
    const int side = QApplication::isRightToLeft() ? rightMargin() : leftMargin();
    const int fw = frameWidth();
    m_leftHeader->setGeometry(QStyle::visualRect(
        layoutDirection(), rect(), QRect(fw, topMargin() + fw, side, visibleHeight())));
    m_topHeader->setGeometry(QStyle::visualRect(layoutDirection(), rect(),
                                                QRect(side + fw, fw, visibleWidth(), topMargin())));
    horizontalScrollBar()->raise();
    verticalScrollBar()->raise();
    m_topHeader->updateStretches();
    m_leftHeader->updateStretches();
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
    if (!d)
        return;
    const QSize s = tableSize();
    resizeContents(s.width(), s.height());
    updateGeometries();
    m_wasVisible = true;
}

// --- selections --------------------------------------------------------------------------

UTableSelection *UTable::appendSelection(int anchorRow, int anchorCol, int row, int col)
{
    m_selections.push_back(std::make_unique<UTableSelection>());
    m_currentSel = m_selections.back().get();
    m_currentSel->init(anchorRow, anchorCol);
    if (row != -2)
        m_currentSel->expandTo(row, col);
    return m_currentSel;
}

bool UTable::isSelected(int row, int col, bool includeCurrent) const
{
    for (const auto &s : m_selections) {
        if (s->isActive() && row >= s->topRow() && row <= s->bottomRow() && col >= s->leftCol() &&
            col <= s->rightCol())
            return true;
        if (includeCurrent && row == m_curRow && col == m_curCol)
            return true;
    }
    return false;
}

bool UTable::isRowSelected(int row, bool full) const
{
    for (const auto &s : m_selections) {
        const bool covers = s->isActive() && row >= s->topRow() && row <= s->bottomRow();
        if (full) {
            if (covers && s->leftCol() == 0 && s->rightCol() == numCols() - 1)
                return true;
        } else if (covers || row == m_curRow) {
            return true;
        }
    }
    return false;
}

bool UTable::isColumnSelected(int col, bool full) const
{
    for (const auto &s : m_selections) {
        const bool covers = s->isActive() && col >= s->leftCol() && col <= s->rightCol();
        if (full) {
            if (covers && s->topRow() == 0 && s->bottomRow() == numRows() - 1)
                return true;
        } else if (covers || col == m_curCol) {
            return true;
        }
    }
    return false;
}

int UTable::currentSelection() const
{
    for (size_t i = 0; i < m_selections.size(); ++i) {
        if (m_selections[i].get() == m_currentSel)
            return int(i);
    }
    return -1;
}

UTableSelection UTable::selection(int num) const
{
    if (num < 0 || num >= numSelections())
        return UTableSelection();
    return *m_selections[size_t(num)];
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
    m_selections.push_back(std::make_unique<UTableSelection>(
        std::min(s.anchorRow(), maxRow), std::min(s.anchorCol(), maxCol), std::min(farRow, maxRow),
        std::min(farCol, maxCol)));
    repaintSelections(nullptr, m_selections.back().get());
    emit selectionChanged();
    return numSelections() - 1;
}

void UTable::removeSelection(int num)
{
    if (num < 0 || num >= numSelections())
        return;
    if (m_selections[size_t(num)].get() == m_currentSel)
        m_currentSel = nullptr;
    m_selections.erase(m_selections.begin() + num);
    repaintContents(contentsX(), contentsY(), visibleWidth(), visibleHeight(), false);
}

void UTable::removeSelection(const UTableSelection &selection)
{
    for (auto it = m_selections.begin(); it != m_selections.end();) {
        if (**it != selection) {
            ++it;
            continue;
        }
        const std::unique_ptr<UTableSelection> gone = std::move(*it);
        it = m_selections.erase(it);
        repaintSelections(gone.get(), nullptr);
        if (gone.get() == m_currentSel)
            m_currentSel = nullptr;
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
    if (m_selectionMode == SingleRow)
        setCurrentCell(row, m_curCol);
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
    if (m_selections.empty())
        return;
    QRect r;
    for (const auto &s : m_selections)
        r |= rangeGeometry(*s);
    m_currentSel = nullptr;
    m_selections.clear();
    if (repaint)
        repaintContents(r, false);
    m_leftHeader->setSectionStateToAll(UTableHeader::Normal);
    m_leftHeader->repaint();
    if (!isRowSelection(m_selectionMode)) {
        m_topHeader->setSectionStateToAll(UTableHeader::Normal);
        m_topHeader->repaint();
    }
    m_topHeader->setSectionState(m_curCol, UTableHeader::Bold);
    m_leftHeader->setSectionState(m_curRow, UTableHeader::Bold);
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
    if (m_selections.empty())
        return;
    QRect r;
    for (const auto &s : m_selections)
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
        return r.width() > MaxExactRange || r.height() > MaxExactRange;
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
    const bool leftUpdates = m_leftHeader->updatesEnabled();
    const bool topUpdates = m_topHeader->updatesEnabled();
    m_leftHeader->setUpdatesEnabled(false);
    m_topHeader->setUpdatesEnabled(false);
    m_leftHeader->setSectionStateToAll(UTableHeader::Normal);
    m_topHeader->setSectionStateToAll(UTableHeader::Normal);
    for (const auto &s : m_selections) {
        if (!s->isActive())
            continue;
        if (s->leftCol() == 0 && s->rightCol() == numCols() - 1) {
            for (int r = s->topRow(); r <= s->bottomRow(); ++r)
                m_leftHeader->setSectionState(r, UTableHeader::Selected);
        }
        if (s->topRow() == 0 && s->bottomRow() == numRows() - 1) {
            for (int c = s->leftCol(); c <= s->rightCol(); ++c)
                m_topHeader->setSectionState(c, UTableHeader::Selected);
        }
    }
    m_leftHeader->setUpdatesEnabled(leftUpdates);
    m_topHeader->setUpdatesEnabled(topUpdates);
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
            const UTableItem *itm = item(r, c);
            if (itm && (itm->rowSpan() > 1 || itm->colSpan() > 1))
                optimize = false;
        }
    }
    return rect;
}

void UTable::setSelectionMode(SelectionMode mode)
{
    if (mode == m_selectionMode)
        return;
    m_selectionMode = mode;
    clearSelection(true);
    if (isRowSelection(mode) && numRows() > 0 && numCols() > 0) {
        appendSelection(m_curRow, 0, m_curRow, numCols() - 1);
        repaintSelections(nullptr, m_currentSel);
    }
}

// --- current cell ------------------------------------------------------------------------

void UTable::setCurrentCell(int row, int col, bool updateSelections, bool ensureVisible)
{
    row = std::min(row, numRows() - 1);
    col = std::min(col, numCols() - 1);
    if (row == m_curRow && col == m_curCol)
        return;
    UTableItem *old = item(m_curRow, m_curCol);
    if (old && old->editType() != UTableItem::Always && old->editType() != UTableItem::Never)
        endEdit(old->row(), old->col(), true, false);
    const int oldRow = m_curRow;
    const int oldCol = m_curCol;
    m_curRow = row;
    m_curCol = col;
    repaintCell(oldRow, oldCol);
    repaintCell(m_curRow, m_curCol);
    if (ensureVisible)
        ensureCellVisible(m_curRow, m_curCol);
    emit currentChanged(row, col);

    if (oldCol != m_curCol) {
        if (!isColumnSelected(oldCol))
            m_topHeader->setSectionState(oldCol, UTableHeader::Normal);
        else if (isRowSelection(m_selectionMode))
            m_topHeader->setSectionState(oldCol, UTableHeader::Selected);
        m_topHeader->setSectionState(m_curCol, isColumnSelected(m_curCol, true)
                                                   ? UTableHeader::Selected
                                                   : UTableHeader::Bold);
    }
    if (oldRow != m_curRow) {
        if (!isRowSelected(oldRow))
            m_leftHeader->setSectionState(oldRow, UTableHeader::Normal);
        m_leftHeader->setSectionState(
            m_curRow, isRowSelected(m_curRow, true) ? UTableHeader::Selected : UTableHeader::Bold);
    }
    updateInputMethodHint();

    QWidget *oldWidget = cellWidget(oldRow, oldCol);
    if (oldWidget && oldWidget->hasFocus())
        viewport()->setFocus();
    UTableItem *itm = item(m_curRow, m_curCol);
    if (itm && itm->editType() == UTableItem::WhenCurrent) {
        if (beginEdit(m_curRow, m_curCol, false))
            setEditMode(Editing, row, col);
    } else if (itm && itm->editType() == UTableItem::Always) {
        if (QWidget *w = cellWidget(itm->row(), itm->col()))
            w->setFocus();
    }
    if (updateSelections && isRowSelection(m_selectionMode) &&
        !isSelected(m_curRow, m_curCol, false)) {
        if (m_selectionMode == SingleRow)
            clearSelection(true);
        appendSelection(m_curRow, 0, m_curRow, numCols() - 1);
        repaintSelections(nullptr, m_currentSel);
    }
}

void UTable::updateInputMethodHint()
{
    const UTableItem *itm = item(m_curRow, m_curCol);
    setAttribute(Qt::WA_InputMethodEnabled, !itm || itm->editType() != UTableItem::Never);
    updateMicroFocus();
}

QVariant UTable::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query != Qt::ImCursorRectangle || !d)
        return UScrollView::inputMethodQuery(query);
    const QRect cell = cellGeometry(m_curRow, m_curCol);
    return QRect(viewport()->mapTo(this, contentsToViewport2(cell.topLeft())), cell.size());
}

void UTable::setFocusStyle(FocusStyle style)
{
    m_focusStyle = style;
    updateCell(m_curRow, m_curCol);
}

// --- painting ----------------------------------------------------------------------------

bool UTable::hasFocusInside() const
{
    return hasFocus() || viewport()->hasFocus();
}

void UTable::drawContents(QPainter *p, int cx, int cy, int cw, int ch)
{
    if (!d)
        return; // not initialised yet: nothing to paint
    const int colFirst = columnAt(cx);
    int colLast = columnAt(cx + cw);
    const int rowFirst = rowAt(cy);
    int rowLast = rowAt(cy + ch);
    if (rowFirst == -1 || colFirst == -1) {
        paintEmptyArea(p, cx, cy, cw, ch);
        return;
    }
    m_paintHints = styleHints();
    m_painting = true;
    const QWidget *focus = QApplication::focusWidget();
    m_drawActiveSelection = hasFocusInside() || d->inMenuMode ||
                            (focus && viewport()->isAncestorOf(focus)) ||
                            !m_paintHints.changeHighlightOnFocus;
    if (rowLast == -1)
        rowLast = numRows() - 1;
    if (colLast == -1)
        colLast = numCols() - 1;

    bool currentInSelection = false;
    for (const auto &s : m_selections) {
        if (s->isActive() && m_curRow >= s->topRow() && m_curRow <= s->bottomRow() &&
            m_curCol >= s->leftCol() && m_curCol <= s->rightCol()) {
            currentInSelection = s->topRow() != m_curRow || s->bottomRow() != m_curRow ||
                                 s->leftCol() != m_curCol || s->rightCol() != m_curCol;
            break;
        }
    }

    // The painter moves from cell to cell by the difference between their corners, one
    // translation per cell instead of there and back; it returns to the origin after the loop.
    QPoint at(0, 0);
    for (int r = rowFirst; r <= rowLast; ++r) {
        const int y = rowPos(r);
        const int h = rowHeight(r);
        for (int c = colFirst; c <= colLast; ++c) {
            QRect cell(columnPos(c), y, columnWidth(c), h);
            const UTableItem *itm = item(r, c);
            if (itm && (itm->colSpan() > 1 || itm->rowSpan() > 1)) {
                // A block is painted once, from the first of its cells that is exposed.
                const bool first =
                    (r == itm->row() || r == rowFirst) && (c == itm->col() || c == colFirst);
                if (!first)
                    continue;
                cell = cellGeometry(r, c);
            }
            p->translate(cell.x() - at.x(), cell.y() - at.y());
            at = cell.topLeft();
            bool selected = isSelected(r, c);
            if (m_focusStyle != FollowStyle && selected && !currentInSelection && r == m_curRow &&
                c == m_curCol)
                selected = false;
            paintCell(p, r, c, cell, selected);

            QWidget *w = cellWidget(r, c);
            if (w) {
                const QRect cg = cellGeometry(r, c);
                const QRect wanted(contentsToViewport2(cg.topLeft()), cg.size() - QSize(1, 1));
                if (w->geometry() != wanted) {
                    moveChild(w, cg.x(), cg.y());
                    w->resize(wanted.size());
                }
            }
        }
    }
    d->lastVisCol = colLast;
    d->lastVisRow = rowLast;

    const QRect focusRect = cellGeometry(m_curRow, m_curCol);
    p->translate(focusRect.x() - at.x(), focusRect.y() - at.y());
    paintFocus(p, focusRect);
    p->translate(-focusRect.x(), -focusRect.y());
    paintEmptyArea(p, cx, cy, cw, ch);
    m_drawActiveSelection = true;
    m_painting = false;
}

UTable::StyleHints UTable::styleHints() const
{
    if (m_painting)
        return m_paintHints;
    StyleHints hints;
    hints.changeHighlightOnFocus = changesHighlightOnFocus(this);
    hints.gridColor = style()->styleHint(QStyle::SH_Table_GridLineColor, nullptr, this);
    return hints;
}

void UTable::paintCell(QPainter *p, int row, int col, const QRect &cr, bool selected)
{
    if (cr.width() <= 0 || cr.height() <= 0)
        return;
    const bool inactive = !m_drawActiveSelection && styleHints().changeHighlightOnFocus;
    const UTableItem *itm = item(row, col);
    const bool disabled = itm && !itm->isEnabled();
    if (!inactive && !disabled) {
        paintCell(p, row, col, cr, selected, palette());
        return;
    }
    QPalette cg = palette();
    cg.setCurrentColorGroup(disabled ? QPalette::Disabled : QPalette::Inactive);
    paintCell(p, row, col, cr, selected, cg);
}

QColor UTable::gridColor(const QPalette &cg) const
{
    const int hint = styleHints().gridColor;
    // The style's grid colour serves the table's own palette; any other uses its mid colour.
    return (hint != -1 && cg.isCopyOf(palette())) ? QColor(QRgb(unsigned(hint)))
                                                  : cg.color(QPalette::Mid);
}

void UTable::paintCell(QPainter *p, int row, int col, const QRect &cr, bool selected,
                       const QPalette &cg)
{
    if (m_focusStyle == SpreadSheet && selected && row == m_curRow && col == m_curCol &&
        hasFocusInside())
        selected = false;
    const int w = cr.width();
    const int h = cr.height();
    if (UTableItem *itm = item(row, col)) {
        if (typeid(*itm) == typeid(UTableItem)) {
            // A plain item changes nothing of the painter but its pen (UTableItem::paint), so
            // that is all there is to put back; saving the whole painter state for each of the
            // hundreds of cells of a page costs more than painting the item.
            const QPen pen = p->pen();
            itm->paint(p, cg, cr, selected);
            p->setPen(pen);
        } else {
            p->save();
            itm->paint(p, cg, cr, selected);
            p->restore();
        }
    } else {
        p->fillRect(0, 0, w, h,
                    selected ? cg.brush(QPalette::Highlight) : cg.brush(QPalette::Base));
    }
    if (m_showGrid) {
        // The right and the bottom edge, one pixel wide; filled rather than stroked, which
        // is several times cheaper and leaves the painter's pen alone.
        const QColor color = gridColor(cg);
        p->fillRect(QRect(w - 1, 0, 1, h), color);
        p->fillRect(QRect(0, h - 1, w - 1, 1), color);
    }
}

void UTable::paintFocus(QPainter *p, const QRect &cr)
{
    if (!hasFocusInside())
        return;
    const int w = cr.width();
    const int h = cr.height();
    if (m_focusStyle == SpreadSheet) {
        p->setPen(QPen(Qt::black, 1));
        p->setBrush(Qt::NoBrush);
        p->drawRect(0, 0, w - 2, h - 2);
        p->drawRect(-1, -1, w, h);
        return;
    }
    QStyleOptionFocusRect opt;
    opt.initFrom(this);
    opt.rect = QRect(0, 0, w, h);
    if (isSelected(m_curRow, m_curCol, false)) {
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
    if (show == m_showGrid)
        return;
    m_showGrid = show;
    updateContents();
}

// --- read-only, sorting ------------------------------------------------------------------

void UTable::applyReadOnly(bool readOnly)
{
    UTableItem *itm = item(m_curRow, m_curCol);
    if (readOnly && isEditing()) {
        endEdit(m_editRow, m_editCol, true, false);
    } else if (!readOnly && itm &&
               (itm->editType() == UTableItem::WhenCurrent ||
                itm->editType() == UTableItem::Always)) {
        editCell(m_curRow, m_curCol);
    }
}

void UTable::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    applyReadOnly(readOnly);
}

void UTable::setLineReadOnly(bool rows, int line, bool readOnly)
{
    QSet<int> &set = rows ? m_readOnlyRows : m_readOnlyCols;
    if (readOnly)
        set.insert(line);
    else
        set.remove(line);
    if (line == (rows ? m_curRow : m_curCol))
        applyReadOnly(readOnly);
}

void UTable::setRowReadOnly(int row, bool readOnly)
{
    setLineReadOnly(true, row, readOnly);
}

void UTable::setColumnReadOnly(int col, bool readOnly)
{
    setLineReadOnly(false, col, readOnly);
}

void UTable::setColumnMovingEnabled(bool enable)
{
    m_columnMoving = enable;
}

void UTable::setRowMovingEnabled(bool enable)
{
    m_rowMoving = enable;
}

void UTable::setDragEnabled(bool enable)
{
    m_dragEnabled = enable;
}

void UTable::setSorting(bool sort)
{
    m_sorting = sort;
    if (m_topHeader)
        m_topHeader->setSortIndicator(sort ? m_lastSortCol : -1, true);
}

void UTable::columnClicked(int col)
{
    if (!m_sorting)
        return;
    if (col == m_lastSortCol) {
        m_ascending = !m_ascending;
    } else {
        m_lastSortCol = col;
        m_ascending = true;
    }
    sortColumn(m_lastSortCol, m_ascending, false);
}

void UTable::sortColumn(int col, bool ascending, bool wholeRows)
{
    std::vector<UTableItem *> items;
    for (int r = 0; r < numRows(); ++r) {
        if (UTableItem *itm = item(r, col))
            items.push_back(itm);
    }
    if (items.empty())
        return;
    std::sort(items.begin(), items.end(), [](const UTableItem *a, const UTableItem *b) {
        return QString::localeAwareCompare(a->key(), b->key()) < 0;
    });
    const bool updates = updatesEnabled();
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
    m_topHeader->setSortIndicator(col, ascending);
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
    if (m_readOnly || isRowReadOnly(row) || isColumnReadOnly(col))
        return nullptr;
    QWidget *editor = nullptr;
    const UTableItem *itm = item(row, col);
    if (itm && (initFromCell || !itm->isReplaceable())) {
        if (itm->editType() == UTableItem::Never)
            return nullptr;
        editor = itm->createEditor();
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
    if (m_readOnly || isRowReadOnly(row) || isColumnReadOnly(col))
        return nullptr;
    const UTableItem *itm = item(row, col);
    if ((itm && !itm->isEnabled()) || cellWidget(row, col))
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
        if (row == m_editRow && col == m_editCol)
            setEditMode(NotEditing, -1, -1);
        clearCellWidget(row, col);
        updateCell(row, col);
        viewport()->setFocus();
        updateCell(row, col);
        return;
    }
    UTableItem *itm = item(row, col);
    const QString oldContent = itm ? itm->text() : QString();
    if (!itm || replace) {
        setCellContentFromEditor(row, col);
        itm = item(row, col);
    } else {
        itm->setContentFromEditor(editor);
    }
    if (row == m_editRow && col == m_editCol)
        setEditMode(NotEditing, -1, -1);
    viewport()->setFocus();
    updateCell(row, col);
    if (!itm || oldContent != itm->text())
        emit valueChanged(row, col);
    clearCellWidget(row, col);
}

void UTable::setCellContentFromEditor(int row, int col)
{
    QWidget *editor = cellWidget(row, col);
    if (!editor)
        return;
    if (UTableItem *itm = item(row, col)) {
        itm->setContentFromEditor(editor);
    } else if (auto *lineEdit = qobject_cast<QLineEdit *>(editor)) {
        setText(row, col, lineEdit->text());
    }
}

void UTable::endEditOfEditCell(bool accept)
{
    endEdit(m_editRow, m_editCol, accept, m_editMode != Editing);
}

void UTable::doValueChanged()
{
    emit valueChanged(m_editRow, m_editCol);
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
    int nextRow = m_curRow;
    int nextCol = m_curCol;
    while (hiddenRow(++nextRow)) {
    }
    if (nextRow >= numRows()) {
        nextRow = firstRow;
        while (hiddenCol(++nextCol)) {
        }
        if (nextCol >= numCols())
            nextCol = firstCol;
    }
    const UTableSelection *s = m_currentSel;
    if (!s || !s->isActive() || (s->leftCol() == s->rightCol() && s->topRow() == s->bottomRow())) {
        clearSelection(true);
        setCurrentCell(nextRow, nextCol);
    } else if (m_curRow < s->bottomRow()) {
        setCurrentCell(nextRow, m_curCol);
    } else if (m_curCol < s->rightCol()) {
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
        const UTableItem *itm = item(m_curRow, c);
        if (!d->hiddenCols.contains(c) && !isColumnReadOnly(c) && (!itm || itm->isEnabled()))
            break;
    }
    return c;
}

// Answers whether the current cell moved.
bool UTable::tabToColumn(bool backwards)
{
    if (!backwards) {
        if (m_curCol >= numCols() - 1)
            return false;
        setCurrentCell(m_curRow, nextEditableColumn(std::min(numCols() - 1, m_curCol + 1), 1));
        return true;
    }
    if (m_curCol <= 0)
        return false;
    // With nothing suitable to the left the current cell stays where it is.
    const int c = nextEditableColumn(m_curCol - 1, -1);
    if (c < 0)
        return false;
    setCurrentCell(m_curRow, c);
    return true;
}

// --- rows and columns --------------------------------------------------------------------

void UTable::setNumRows(int rows)
{
    changeCount(true, rows);
}

void UTable::setNumCols(int cols)
{
    changeCount(false, cols);
}

void UTable::changeCount(bool rows, int n)
{
    if (n < 0 || !d)
        return;
    UTableHeader *header = rows ? m_leftHeader : m_topHeader;
    QHash<int, int> &hidden = rows ? d->hiddenRows : d->hiddenCols;
    const int oldCount = header->count();
    if (n < oldCount) {
        for (auto it = hidden.begin(); it != hidden.end();)
            it = it.key() >= n ? hidden.erase(it) : std::next(it);
    }
    fontChange(font());
    std::vector<UTableItem *> items;
    std::vector<SavedWidget> widgets;
    saveContents(items, widgets);
    const bool headerUpdates = header->updatesEnabled();
    header->setUpdatesEnabled(false);
    const bool smaller =
        resizeHeader(header, oldCount, n, rows ? DefaultRowHeight : DefaultColumnWidth);
    if (rows) {
        const int w = fontMetrics().horizontalAdvance(QString::number(n) + QLatin1Char('W'));
        const int margin = QApplication::isRightToLeft() ? rightMargin() : leftMargin();
        if (margin > 0 && margin < w)
            setLeftMargin(w);
    }
    restoreContents(items, widgets);
    finishContentsResize(smaller);
    header->setUpdatesEnabled(headerUpdates);
    if (headerUpdates)
        header->update();
    header->updateCache();
    int &current = rows ? m_curRow : m_curCol;
    if (current >= header->count()) {
        current = header->count() - 1;
        if (current < 0)
            m_curCol = -1;
        else
            repaintCell(m_curRow, m_curCol);
    }
}

void UTable::saveContents(std::vector<UTableItem *> &items, std::vector<SavedWidget> &widgets)
{
    endEdit(m_editRow, m_editCol, false, m_editMode != Editing);
    const int cols = std::max(1, numCols());
    for (size_t i = 0; i < m_contents.size(); ++i) {
        UTableItem *itm = m_contents[i];
        // A block is kept once, at its own top-left cell.
        if (itm && size_t(itm->row()) * size_t(cols) + size_t(itm->col()) == i)
            items.push_back(itm);
    }
    for (size_t i = 0; i < m_widgets.size(); ++i) {
        if (m_widgets[i])
            widgets.push_back({m_widgets[i], int(i) / cols, int(i) % cols});
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
    m_contents.clear();
    m_widgets.clear();
    resizeData(numRows() * numCols());
    header->recountStretches();
    return newCount < oldCount;
}

void UTable::restoreContents(std::vector<UTableItem *> &items, std::vector<SavedWidget> &widgets)
{
    const int rows = numRows();
    const int cols = numCols();
    for (UTableItem *itm : items) {
        if (itm->row() >= rows || itm->col() >= cols) {
            // It no longer fits: gone without touching the table's new storage.
            itm->m_row = itm->m_col = -1;
            delete itm;
            continue;
        }
        for (int r = itm->row(); r < std::min(rows, itm->row() + itm->rowSpan()); ++r) {
            for (int c = itm->col(); c < std::min(cols, itm->col() + itm->colSpan()); ++c)
                m_contents[size_t(indexOf(r, c))] = itm;
        }
    }
    for (const SavedWidget &saved : widgets) {
        if (saved.row < rows && saved.col < cols) {
            m_widgets[size_t(indexOf(saved.row, saved.col))] = saved.widget;
        } else {
            saved.widget->removeEventFilter(this);
            removeChild(saved.widget);
            saved.widget->hide();
            saved.widget->deleteLater();
        }
    }
}

void UTable::finishContentsResize(bool updateBefore)
{
    const QSize s = tableSize();
    resizeContents(s.width(), s.height());
    updateGeometries();
    repaintContents(contentsX(), contentsY(), visibleWidth(), visibleHeight(), updateBefore);
    if (isRowSelection(m_selectionMode)) {
        const int r = m_curRow;
        m_curRow = -1;
        setCurrentCell(r, m_curCol);
    }
}

void UTable::insertRows(int row, int count)
{
    insertLines(true, row, count);
}

void UTable::insertColumns(int col, int count)
{
    insertLines(false, col, count);
}

void UTable::insertLines(bool rows, int at, int count)
{
    int &current = rows ? m_curRow : m_curCol;
    if (at == -1 && current == -1)
        at = 0;
    if (at < 0 || count <= 0)
        return;
    UTableHeader *header = rows ? m_leftHeader : m_topHeader;
    const int after = at - 1;
    if (after >= header->count())
        return;
    const bool tableUpdates = updatesEnabled();
    const bool headerUpdates = header->updatesEnabled();
    setUpdatesEnabled(false);
    header->setUpdatesEnabled(false);
    const auto setCount = rows ? &UTable::setNumRows : &UTable::setNumCols;
    (this->*setCount)(header->count() + count);
    // The swaps carry the table's lines, and with them the current cell, to their new places.
    for (int i = header->count() - count - 1; i > after; --i)
        header->swapSections(i, i + count);
    header->setUpdatesEnabled(headerUpdates);
    setUpdatesEnabled(tableUpdates);
    setCurrentCell(std::max(0, m_curRow), std::max(0, m_curCol), true, false);
    const bool spans = rows ? d->hasRowSpan : d->hasColSpan;
    if (headerUpdates)
        header->update();
    if (!tableUpdates)
        return;
    if (rows) {
        const int y = spans ? contentsY() : rowPos(std::max(0, at));
        updateContents(contentsX(), y, visibleWidth(), contentsHeight() + 1);
    } else {
        const int x = spans ? contentsX() : columnPos(std::max(0, at));
        updateContents(x, contentsY(), contentsWidth() + 1, visibleHeight());
    }
}

void UTable::removeRow(int row)
{
    removeLines(true, {row});
}

void UTable::removeRows(const QList<int> &rows)
{
    removeLines(true, rows);
}

void UTable::removeColumn(int col)
{
    removeLines(false, {col});
}

void UTable::removeColumns(const QList<int> &cols)
{
    removeLines(false, cols);
}

// Moves the lines to go to the end by section swaps, so that the others close up in order,
// then drops the end. Lines outside the table or given twice are passed over, so that no line
// goes that was not asked for.
void UTable::removeLines(bool rows, QList<int> lines)
{
    UTableHeader *header = rows ? m_leftHeader : m_topHeader;
    const int total = header->count();
    lines.erase(
        std::remove_if(lines.begin(), lines.end(), [total](int l) { return l < 0 || l >= total; }),
        lines.end());
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    if (lines.isEmpty())
        return;
    const int n = int(lines.size());
    if (n == 1 && lines[0] < total - 1)
        (rows ? d->hiddenRows : d->hiddenCols).remove(lines[0]);
    for (int i = 0; i < n - 1; ++i) {
        for (int j = lines[i] - i; j < lines[i + 1] - i - 1; ++j)
            header->swapSections(j, j + i + 1);
    }
    for (int j = lines[n - 1] - (n - 1); j < total - n; ++j)
        header->swapSections(j, j + n);
    const auto setCount = rows ? &UTable::setNumRows : &UTable::setNumCols;
    (this->*setCount)(total - n);
}

void UTable::swapRows(int row1, int row2, bool swapHeader)
{
    if (swapHeader)
        m_leftHeader->swapSections(row1, row2, false);
    swapLines(true, row1, row2);
}

void UTable::swapColumns(int col1, int col2, bool swapHeader)
{
    if (swapHeader)
        m_topHeader->swapSections(col1, col2, false);
    swapLines(false, col1, col2);
}

void UTable::swapLines(bool rows, int a, int b)
{
    const int count = rows ? numRows() : numCols();
    if (a < 0 || b < 0 || a >= count || b >= count || a == b)
        return;
    ensureData();
    const int across = rows ? numCols() : numRows();
    for (int i = 0; i < across; ++i) {
        const size_t ia = size_t(rows ? indexOf(a, i) : indexOf(i, a));
        const size_t ib = size_t(rows ? indexOf(b, i) : indexOf(i, b));
        std::swap(m_contents[ia], m_contents[ib]);
        std::swap(m_widgets[ia], m_widgets[ib]);
        for (const auto &[index, line] : {std::pair(ia, a), std::pair(ib, b)}) {
            if (UTableItem *itm = m_contents[index])
                rows ? itm->setRow(line) : itm->setCol(line);
        }
    }
    if (rows) {
        updateRowWidgets(a);
        updateRowWidgets(b);
    } else {
        columnWidthChanged(a);
        columnWidthChanged(b);
    }
    for (int *line : {rows ? &m_curRow : &m_curCol, rows ? &m_editRow : &m_editCol}) {
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
    const size_t i1 = size_t(indexOf(row1, col1));
    const size_t i2 = size_t(indexOf(row2, col2));
    std::swap(m_contents[i1], m_contents[i2]);
    if (UTableItem *itm = m_contents[i1]) {
        itm->setRow(row1);
        itm->setCol(col1);
    }
    if (UTableItem *itm = m_contents[i2]) {
        itm->setRow(row2);
        itm->setCol(col2);
    }
    std::swap(m_widgets[i1], m_widgets[i2]);
    updateRowWidgets(row1);
    updateRowWidgets(row2);
    updateColWidgets(col1);
    updateColWidgets(col2);
}

void UTable::hideRow(int row)
{
    hideLine(true, row);
}

void UTable::hideColumn(int col)
{
    hideLine(false, col);
}

void UTable::hideLine(bool rows, int line)
{
    UTableHeader *header = rows ? m_leftHeader : m_topHeader;
    QHash<int, int> &hidden = rows ? d->hiddenRows : d->hiddenCols;
    if (line < 0 || line >= header->count() || hidden.contains(line))
        return;
    hidden.insert(line, header->sectionSize(line));
    header->resizeSection(line, 0);
    header->setResizeEnabled(false, line);
    if (header->isSectionStretchable(line))
        header->setStretchCount(header->stretchCount() - 1);
    rows ? rowHeightChanged(line) : columnWidthChanged(line);
    if ((rows ? m_curRow : m_curCol) != line)
        return;
    int r = m_curRow;
    int c = m_curCol;
    const bool last = line >= header->count() - 1;
    const int key =
        rows ? (last ? Qt::Key_Up : Qt::Key_Down) : (last ? Qt::Key_Left : Qt::Key_Right);
    fixCell(r, c, key);
    if (header->count() > 0)
        setCurrentCell(r, c);
}

void UTable::showRow(int row)
{
    showLine(true, row);
}

void UTable::showColumn(int col)
{
    showLine(false, col);
}

void UTable::showLine(bool rows, int line)
{
    UTableHeader *header = rows ? m_leftHeader : m_topHeader;
    QHash<int, int> &hidden = rows ? d->hiddenRows : d->hiddenCols;
    if (line < 0 || line >= header->count())
        return;
    const auto set = rows ? &UTable::setRowHeight : &UTable::setColumnWidth;
    if (hidden.contains(line)) {
        const int size = hidden.take(line);
        (this->*set)(line, size);
        if (header->isSectionStretchable(line))
            header->setStretchCount(header->stretchCount() + 1);
    } else if (header->sectionSize(line) == 0) {
        (this->*set)(line, ShownSize);
    }
    header->setResizeEnabled(true, line);
}

bool UTable::isRowHidden(int row) const
{
    return d && d->hiddenRows.contains(row);
}

bool UTable::isColumnHidden(int col) const
{
    return d && d->hiddenCols.contains(col);
}

void UTable::setRowLabels(const QStringList &labels)
{
    m_leftHeader->setLabels(labels);
}

void UTable::setColumnLabels(const QStringList &labels)
{
    m_topHeader->setLabels(labels);
}

// --- events ------------------------------------------------------------------------------

bool UTable::focusNextPrevChild(bool)
{
    return false;
}

bool UTable::eventFilter(QObject *o, QEvent *e)
{
    QWidget *editor = cellWidget(m_editRow, m_editCol);
    switch (e->type()) {
    case QEvent::KeyPress: {
        auto *ke = static_cast<QKeyEvent *>(e);
        if (isEditing() && editor && o == editor) {
            const UTableItem *itm = item(m_editRow, m_editCol);
            const bool endsOnKeys = !itm || itm->editType() == UTableItem::OnTyping;
            const int key = ke->key();
            const Qt::KeyboardModifiers mods = ke->modifiers();
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
                    beginEdit(m_curRow, m_curCol, false))
                    setEditMode(Editing, m_curRow, m_curCol);
                return true;
            }
            if ((m_editMode == Replacing || (itm && itm->editType() == UTableItem::WhenCurrent)) &&
                isNavigationKey(key)) {
                if (endsOnKeys)
                    endEditOfEditCell(true);
                keyPressEvent(ke);
                return true;
            }
        } else if (o != viewport() && o->isWidgetType() &&
                   viewport()->isAncestorOf(static_cast<QWidget *>(o))) {
            if ((ke->modifiers() & Qt::ControlModifier) || !isNavigationKey(ke->key()))
                return false;
            keyPressEvent(ke);
            return true;
        }
        break;
    }
    case QEvent::FocusOut:
        if (isEditing() && editor && o == editor &&
            static_cast<QFocusEvent *>(e)->reason() != Qt::PopupFocusReason) {
            const UTableItem *itm = item(m_editRow, m_editCol);
            if (!itm || itm->editType() == UTableItem::OnTyping) {
                endEditOfEditCell(true);
                return true;
            }
        }
        break;
    case QEvent::Wheel:
        if (o == this || o == viewport()) {
            auto *we = static_cast<QWheelEvent *>(e);
            scrollBy(0, -we->angleDelta().y());
            we->accept();
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
            row = m_curRow;
    } else if (columnWidth(col) <= 0) {
        if (key == Qt::Key_Left) {
            while (col >= 0 && columnWidth(col) <= 0)
                --col;
            if (columnWidth(col) <= 0)
                col = m_curCol;
        } else if (key == Qt::Key_Right) {
            while (col < numCols() && columnWidth(col) <= 0)
                ++col;
            if (columnWidth(col) <= 0)
                col = m_curCol;
        }
    }
}

void UTable::keyPressEvent(QKeyEvent *e)
{
    if (!d) {
        e->ignore();
        return;
    }
    if (isEditing()) {
        const UTableItem *itm = item(m_editRow, m_editCol);
        if (itm && itm->editType() == UTableItem::OnTyping)
            return;
    }
    int row = m_curRow;
    int col = m_curCol;
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
        const UTableItem *itm = item(row, col);
        if (!text.isEmpty() && text.at(0).isPrint() &&
            (!itm || itm->editType() == UTableItem::OnTyping)) {
            const bool replace = !itm || itm->isReplaceable();
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
    moveByKey(e, row, col, m_curRow, m_curCol);
}

void UTable::moveByKey(QKeyEvent *e, int row, int col, int oldRow, int oldCol)
{
    const bool extend = (e->modifiers() & Qt::ShiftModifier) && m_selectionMode != NoSelection &&
                        m_selectionMode != SingleRow;
    setCurrentCell(row, col, false, true);
    if (!extend) {
        if (!isRowSelection(m_selectionMode))
            clearSelection(true);
        else
            rowModeKeyMove(row, col, oldRow);
        return;
    }
    const bool created = !m_currentSel;
    if (created) {
        if (isRowSelection(m_selectionMode))
            appendSelection(std::max(0, oldRow), 0, -2, -2);
        else
            appendSelection(oldRow, oldCol, -2, -2);
    }
    const UTableSelection before = *m_currentSel;
    m_currentSel->expandTo(row, isRowSelection(m_selectionMode) ? numCols() - 1 : col);
    repaintSelections(created ? nullptr : &before, m_currentSel);
    emit selectionChanged();
}

void UTable::rowModeKeyMove(int row, int col, int oldRow)
{
    if (row == oldRow && isSelected(row, col, false))
        return;
    std::unique_ptr<UTableSelection> old;
    if (m_selectionMode == MultiRow) {
        clearSelectionQuietly();
    } else if (m_currentSel) {
        const auto it = std::find_if(m_selections.begin(), m_selections.end(),
                                     [this](const auto &s) { return s.get() == m_currentSel; });
        m_currentSel = nullptr;
        if (it != m_selections.end()) {
            old = std::move(*it);
            m_selections.erase(it);
            m_leftHeader->setSectionState(old->topRow(), UTableHeader::Normal);
        }
    }
    appendSelection(row, 0, row, numCols() - 1);
    repaintSelections(old.get(), m_currentSel, !old);
    emit selectionChanged();
}

void UTable::contentsMousePressEvent(QMouseEvent *e)
{
    if (!d)
        return;
    contentsMousePressEventEx(e);
}

void UTable::contentsMousePressEventEx(QMouseEvent *e)
{
    m_shouldClearSelection = false;
    m_lastGlobalPos = e->globalPosition().toPoint();
    const QPoint pos = e->position().toPoint();
    if (isEditing()) {
        if (cellGeometry(m_editRow, m_editCol).contains(pos)) {
            e->ignore();
            return;
        }
        endEditOfEditCell(true);
    }
    d->redirectMouseEvent = false;
    int row = rowAt(pos.y());
    int col = columnAt(pos.x());
    m_pressedRow = row;
    m_pressedCol = col;
    fixRow(row, pos.y());
    fixCol(col, pos.x());
    m_dragStartRow = m_dragStartCol = -1;
    if (isSelected(row, col)) {
        m_dragStartRow = row;
        m_dragStartCol = col;
        m_dragStartPos = pos;
    }
    const UTableItem *itm = item(m_pressedRow, m_pressedCol);
    if (itm && !itm->isEnabled()) {
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
    const int oldRow = m_curRow;
    const int oldCol = m_curCol;
    setCurrentCell(row, col, m_selectionMode == SingleRow, true);
    if (m_selectionMode == NoSelection || m_selectionMode == SingleRow)
        return;
    const bool rowMode = isRowSelection(m_selectionMode);
    if (!m_currentSel)
        appendSelection(oldRow, rowMode ? 0 : oldCol, -2, -2);
    const UTableSelection before = *m_currentSel;
    m_currentSel->expandTo(row, rowMode ? numCols() - 1 : col);
    repaintSelections(&before, m_currentSel);
    emit selectionChanged();
}

void UTable::pressWithControl(int row, int col)
{
    setCurrentCell(row, col, false, true);
    if (m_selectionMode == NoSelection)
        return;
    const bool selected = isSelected(row, col, false);
    if (m_selectionMode == Single || (m_selectionMode == SingleRow && !selected))
        clearSelection(true);
    if (m_selectionMode == SingleRow && selected)
        return;
    startOneCellSelection(row, col, true);
    emit selectionChanged();
}

void UTable::startOneCellSelection(int row, int col, bool expand)
{
    if (isRowSelection(m_selectionMode)) {
        appendSelection(row, 0, row, numCols() - 1);
        repaintSelections(nullptr, m_currentSel);
    } else {
        appendSelection(row, col, expand ? row : -2, col);
    }
}

void UTable::forwardMouse(QWidget *w, QMouseEvent *e)
{
    const QPointF global = e->globalPosition();
    QMouseEvent copy(e->type(), w->mapFromGlobal(global), global, e->button(), e->buttons(),
                     e->modifiers());
    QCoreApplication::sendPostedEvents(w, 0);
    QApplication::sendEvent(w, &copy);
}

void UTable::plainPress(QMouseEvent *e, int row, int col)
{
    setCurrentCell(row, col, false, true);
    const UTableItem *itm = item(row, col);
    if (itm && itm->editType() == UTableItem::WhenCurrent) {
        QWidget *w = cellWidget(row, col);
        if (qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractButton *>(w)) {
            forwardMouse(w, e);
            d->redirectMouseEvent = true;
        }
    }
    if (isSelected(row, col, false)) {
        m_shouldClearSelection = true;
        return;
    }
    if (m_selectionMode != NoSelection)
        clearSelectionQuietly();
    else
        clearSelection(true);
    if (m_selectionMode == NoSelection)
        return;
    startOneCellSelection(row, col, true);
    emit selectionChanged();
}

void UTable::contentsMouseMoveEvent(QMouseEvent *e)
{
    if (!d)
        return;
    if (e->buttons() == Qt::NoButton)
        return;
    m_lastGlobalPos = e->globalPosition().toPoint();
    const QPoint pos = e->position().toPoint();
    if (m_dragEnabled && m_dragStartRow != -1 && m_dragStartCol != -1 &&
        (m_dragStartPos - pos).manhattanLength() > QApplication::startDragDistance()) {
        startDrag();
        return;
    }
    if (m_selectionMode == MultiRow && (e->modifiers() & Qt::ControlModifier))
        m_shouldClearSelection = false;
    if (m_shouldClearSelection) {
        int row = rowAt(pos.y());
        int col = columnAt(pos.x());
        fixRow(row, pos.y());
        fixCol(col, pos.x());
        clearSelection(true);
        if (m_selectionMode != NoSelection) {
            appendSelection(row, isRowSelection(m_selectionMode) ? 0 : col, -2, -2);
            emit selectionChanged();
        }
        m_shouldClearSelection = false;
    }
    m_autoScrollTimer->stop();
    doAutoScroll();
}

QPoint UTable::pointerInCellArea() const
{
    return viewport()->mapFromGlobal(m_lastGlobalPos);
}

bool UTable::pointerOutside(const QPoint &pos) const
{
    return pos.x() < 0 || pos.x() > visibleWidth() || pos.y() < 0 || pos.y() > visibleHeight();
}

void UTable::doAutoScroll()
{
    const QPoint pos = pointerInCellArea();
    int row = m_curRow;
    int col = m_curCol;
    if (pos.y() < 0)
        --row;
    else if (pos.y() > visibleHeight())
        ++row;
    if (pos.x() < 0)
        --col;
    else if (pos.x() > visibleWidth())
        ++col;
    const QPoint at = viewportToContents2(pos);
    if (row == m_curRow)
        row = rowAt(at.y());
    if (col == m_curCol)
        col = columnAt(at.x());
    fixRow(row, pos.y());
    fixCol(col, pos.x());
    if (row < 0 || row > numRows() - 1)
        row = m_curRow;
    if (col < 0 || col > numCols() - 1)
        col = m_curCol;
    ensureCellVisible(row, col);
    if (m_currentSel && m_selectionMode != NoSelection) {
        const UTableSelection before = *m_currentSel;
        bool useOld = true;
        if (m_selectionMode != SingleRow) {
            m_currentSel->expandTo(row, isRowSelection(m_selectionMode) ? numCols() - 1 : col);
        } else if (row == m_curRow && isSelected(row, col)) {
            m_currentSel->expandTo(row, numCols() - 1);
        } else {
            useOld = false;
            clearSelection(true);
            appendSelection(row, 0, row, numCols() - 1);
            repaintSelections(nullptr, m_currentSel);
        }
        setCurrentCell(row, col, false, true);
        repaintSelections(useOld ? &before : nullptr, m_currentSel);
        if (m_currentSel && before != *m_currentSel)
            emit selectionChanged();
    } else {
        setCurrentCell(row, col, false, true);
    }
    if (pointerOutside(pos))
        m_autoScrollTimer->start(AutoScrollInterval);
}

void UTable::contentsMouseReleaseEvent(QMouseEvent *e)
{
    if (!d)
        return;
    const QPoint pos = e->position().toPoint();
    if (m_pressedRow == m_curRow && m_pressedCol == m_curCol)
        emit clicked(m_curRow, m_curCol, int(e->button()), pos);
    if (e->button() != Qt::LeftButton)
        return;
    if (m_shouldClearSelection) {
        int row = rowAt(pos.y());
        int col = columnAt(pos.x());
        fixRow(row, pos.y());
        fixCol(col, pos.x());
        clearSelection(true);
        if (m_selectionMode != NoSelection) {
            startOneCellSelection(row, col, false);
            emit selectionChanged();
        }
        m_shouldClearSelection = false;
    }
    m_autoScrollTimer->stop();
    const UTableItem *itm = item(m_pressedRow, m_pressedCol);
    if (d->redirectMouseEvent && m_pressedRow == m_curRow && m_pressedCol == m_curCol && itm &&
        itm->editType() == UTableItem::WhenCurrent) {
        if (QWidget *w = cellWidget(m_pressedRow, m_pressedCol))
            forwardMouse(w, e);
    }
}

void UTable::contentsMouseDoubleClickEvent(QMouseEvent *e)
{
    if (!d)
        return;
    if (e->button() != Qt::LeftButton)
        return;
    if (!isRowSelection(m_selectionMode))
        clearSelection(true);
    const QPoint pos = e->position().toPoint();
    const int row = rowAt(pos.y());
    const int col = columnAt(pos.x());
    const UTableItem *itm = item(row, col);
    if (itm && !itm->isEnabled())
        return;
    if (row != -1 && col != -1 && beginEdit(row, col, false))
        setEditMode(Editing, row, col);
    emit doubleClicked(row, col, int(e->button()), pos);
}

void UTable::contentsContextMenuEvent(QContextMenuEvent *e)
{
    if (!d) {
        e->ignore();
        return;
    }
    if (!isSignalConnected(QMetaMethod::fromSignal(&UTable::contextMenuRequested))) {
        e->ignore();
        return;
    }
    if (e->reason() == QContextMenuEvent::Keyboard) {
        const QRect r = cellGeometry(m_curRow, m_curCol);
        const QPoint global = viewport()->mapToGlobal(contentsToViewport2(r.center()));
        emit contextMenuRequested(m_curRow, m_curCol, global);
    } else {
        emit contextMenuRequested(rowAt(e->pos().y()), columnAt(e->pos().x()), e->globalPos());
    }
}

void UTable::contentsDragEnterEvent(QDragEnterEvent *e)
{
    if (!d)
        return;
    m_savedRow = m_curRow;
    m_savedCol = m_curCol;
    contentsDragMoveEvent(e);
}

void UTable::contentsDragMoveEvent(QDragMoveEvent *e)
{
    if (!d)
        return;
    const QPoint pos = e->position().toPoint();
    int row = rowAt(pos.y());
    int col = columnAt(pos.x());
    fixRow(row, pos.y());
    fixCol(col, pos.x());
    const QWidget *current = cellWidget(m_curRow, m_curCol);
    if (!current || e->source() != current)
        setCurrentCell(row, col, false, true);
    e->accept();
}

void UTable::contentsDragLeaveEvent(QDragLeaveEvent *)
{
    if (!d)
        return;
    setCurrentCell(m_savedRow, m_savedCol, false, true);
}

void UTable::contentsDropEvent(QDropEvent *e)
{
    if (!d)
        return;
    setCurrentCell(m_savedRow, m_savedCol, false, true);
    emit dropped(e);
}

QMimeData *UTable::dragObject()
{
    return nullptr;
}

void UTable::startDrag()
{
    if (m_dragStartRow == -1 || m_dragStartCol == -1)
        return;
    m_dragStartRow = m_dragStartCol = -1;
    QMimeData *data = dragObject();
    if (!data)
        return;
    auto *drag = new QDrag(viewport());
    drag->setMimeData(data);
    drag->exec();
}

void UTable::focusInEvent(QFocusEvent *)
{
    if (!d)
        return;
    d->inMenuMode = false;
    updateCell(m_curRow, m_curCol);
    if (changesHighlightOnFocus(this))
        repaintSelections();
    QWidget *editor = cellWidget(m_editRow, m_editCol);
    if (isEditing() && editor)
        editor->setFocus();
    updateInputMethodHint();
}

void UTable::focusOutEvent(QFocusEvent *e)
{
    if (!d)
        return;
    updateCell(m_curRow, m_curCol);
    if (!changesHighlightOnFocus(this))
        return;
    const QWidget *focus = QApplication::focusWidget();
    d->inMenuMode = e->reason() == Qt::PopupFocusReason || qobject_cast<const QMenuBar *>(focus);
    if (!d->inMenuMode)
        repaintSelections();
}

void UTable::windowActivationChange(bool oldActive)
{
    if (oldActive && m_autoScrollTimer)
        m_autoScrollTimer->stop();
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
