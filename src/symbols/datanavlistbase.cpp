#include "symbols/datanavlistbase.h"

#include "system/lifetime.h"
#include "system/modalseam.h"
#include "utilities/asciiline.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHeaderView>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>

namespace {

// Widths a restored state may set; anything else is a damaged state text.
constexpr int kMaxColumnWidth = 10000;
const QString kGlobalModule = QStringLiteral("<Global>");

// Plain text cells drawn with one shaping of their text: the style's general path measures,
// elides and lays each cell out apart, and a page of cells is most of what a keystroke costs
// once the rows themselves cost nothing. Cells with a check box or an icon take that path.
class RowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        if (cell.features &
            (QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration |
             QStyleOptionViewItem::WrapText)) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const QWidget *widget = cell.widget;
        const QStyle *style = widget ? widget->style() : QApplication::style();
        painter->save();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, widget);
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QRect text = cell.rect.adjusted(margin, 0, -margin, 0);
        const bool enabled = cell.state & QStyle::State_Enabled;
        const QPalette::ColorGroup group = !enabled                            ? QPalette::Disabled
                                           : cell.state & QStyle::State_Active ? QPalette::Normal
                                                                               : QPalette::Inactive;
        const bool selected = cell.state & QStyle::State_Selected;
        painter->setPen(
            cell.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(cell.font);
        if (!drawPlain(painter, cell, text))
            painter->drawText(
                text, int(cell.displayAlignment) | Qt::TextSingleLine,
                cell.fontMetrics.elidedText(cell.text, cell.textElideMode, text.width()));
        if (cell.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(cell);
            focus.rect = style->subElementRect(QStyle::SE_ItemViewItemFocusRect, &cell, widget);
            focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
            focus.backgroundColor =
                cell.palette.color(group, selected ? QPalette::Highlight : QPalette::Window);
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
        }
        painter->restore();
    }

private:
    // A name that fits its cell, as nearly all do, drawn as a run of learnt glyphs where the
    // painter's layout would put it: laying out a text costs more than drawing it. False where
    // the text or its placing needs that layout.
    bool drawPlain(QPainter *painter, const QStyleOptionViewItem &cell, const QRect &rect) const
    {
        if (cell.text.isEmpty() || cell.direction != Qt::LeftToRight)
            return false;
        const Qt::Alignment align = cell.displayAlignment;
        if (align & (Qt::AlignJustify | Qt::AlignAbsolute | Qt::AlignBaseline))
            return false;
        const int dpi = painter->device()->logicalDpiY();
        if (!m_line || m_lineDpi != dpi || m_line->font() != cell.font) {
            m_line = tesk::utilities::AsciiLine::forFont(cell.font);
            m_lineDpi = dpi;
        }
        const qreal width = m_line->width(cell.text);
        const QRectF r(rect);
        const qreal height = m_line->lineHeight();
        // Spaces at the end are laid out apart from the line's width.
        if (width < 0 || width > r.width() || height > r.height() ||
            cell.text.endsWith(QLatin1Char(' ')))
            return false;
        return m_line->draw(
            painter,
            tesk::utilities::alignedBaseline(r, align, width, height, m_line->lineAscent()),
            cell.text);
    }

    mutable std::shared_ptr<tesk::utilities::AsciiLine> m_line;
    mutable int m_lineDpi = 0;
};

} // namespace

class DataNavListBasePrivate
{
public:
    explicit DataNavListBasePrivate(NavListModel *model)
        : model(model)
    {
    }

    NavListModel *model;
    QHeaderView *header = nullptr;
    int rowHeight = 1;
    bool sortAscending = true;
    int sortColumn = 0;
    DataNavListOwner *owner = nullptr;
    const DataNavListBase::MenuTables *tables = nullptr;
    // The toggles' states, in the order of the menu tables' toggles.
    std::vector<bool> flags;
    // Per column: grown from the rows on screen rather than kept at a fixed width.
    std::vector<bool> autoWidth;
    bool refreshQueued = false;
};

DataNavListBase::DataNavListBase(NavListModel *model, QWidget *parent)
    : QAbstractItemView(parent)
    , d(std::make_unique<DataNavListBasePrivate>(model))
{
    d->header = new QHeaderView(Qt::Horizontal, this);
    d->model->setParent(this);
    setModel(d->model);
    setItemDelegate(new RowDelegate(this));
    d->header->setModel(d->model);
    d->rowHeight = fontMetrics().height() + 4;
    setTabKeyNavigation(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setContextMenuPolicy(Qt::CustomContextMenu);
    QHeaderView *h = d->header;
    h->setHighlightSections(false);
    h->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    h->setSectionsMovable(false);
    h->setSectionsClickable(true);
    h->setSortIndicatorShown(true);
    h->setStretchLastSection(false);
    h->setSectionResizeMode(QHeaderView::Interactive);
    connect(h, &QHeaderView::sectionResized, this, [this] {
        updateGeometries();
        viewport()->update();
    });
    connect(h, &QHeaderView::geometriesChanged, this, &DataNavListBase::updateGeometries);
    connect(h, &QHeaderView::sectionCountChanged, this, &DataNavListBase::updateGeometries);
    connect(h, &QHeaderView::sectionHandleDoubleClicked, this, &DataNavListBase::fitColumnToRows);
    connect(h, &QHeaderView::sectionClicked, this, &DataNavListBase::onSectionClicked);
    // Removing rows has no virtual hook in the base view, and the scroll range follows the rows.
    connect(d->model, &QAbstractItemModel::rowsRemoved, this,
            &DataNavListBase::scheduleDelayedItemsLayout);
    connect(this, &QAbstractItemView::clicked, this, &DataNavListBase::slotClicked);
    connect(this, &QWidget::customContextMenuRequested, this,
            &DataNavListBase::slotContextMenuRequested);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &DataNavListBase::queueRefresh);
    connect(d->model, &QAbstractItemModel::modelReset, this, &DataNavListBase::queueRefresh);
    connect(d->model, &QAbstractItemModel::layoutChanged, this, &DataNavListBase::queueRefresh);
    applySorting(d->sortColumn, d->sortAscending);
}

DataNavListBase::~DataNavListBase()
{
    // The header outlives this part of the view while the widget tears down and still reports.
    d->header->disconnect(this);
}

NavListModel *DataNavListBase::listModel() const
{
    return d->model;
}

int DataNavListBase::sortColumn() const
{
    return d->sortColumn;
}

bool DataNavListBase::sortAscending() const
{
    return d->sortAscending;
}

QHeaderView *DataNavListBase::horizontalHeader() const
{
    return d->header;
}

int DataNavListBase::columnWidth(int column) const
{
    return d->header->sectionSize(column);
}

void DataNavListBase::setColumnWidth(int column, int width)
{
    d->header->resizeSection(column, width);
}

int DataNavListBase::rowHeight(int row) const
{
    return row >= 0 && row < d->model->rowCount() ? d->rowHeight : 0;
}

QRect DataNavListBase::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != d->model || index.parent().isValid())
        return {};
    return QRect(d->header->sectionViewportPosition(index.column()),
                 (index.row() - verticalScrollBar()->value()) * d->rowHeight,
                 d->header->sectionSize(index.column()), d->rowHeight);
}

void DataNavListBase::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid() || index.model() != d->model)
        return;
    QScrollBar *bar = verticalScrollBar();
    const int row = index.row();
    const int page = pageRows();
    const int top = bar->value();
    switch (hint) {
    case EnsureVisible:
        if (row < top)
            bar->setValue(row);
        else if (row >= top + page)
            bar->setValue(row - page + 1);
        break;
    case PositionAtTop:
        bar->setValue(row);
        break;
    case PositionAtBottom:
        bar->setValue(row - page + 1);
        break;
    case PositionAtCenter:
        bar->setValue(row - page / 2);
        break;
    }
    // Across, as a table does: the cell's column comes into view, its left edge first.
    const int left = d->header->sectionPosition(index.column());
    const int right = left + d->header->sectionSize(index.column());
    QScrollBar *across = horizontalScrollBar();
    const int width = viewport()->width();
    if (left < across->value() || right - left > width)
        across->setValue(left);
    else if (right > across->value() + width)
        across->setValue(right - width);
}

QModelIndex DataNavListBase::indexAt(const QPoint &point) const
{
    const int row = rowAtY(point.y());
    const int column = d->header->logicalIndexAt(point.x());
    if (row < 0 || column < 0)
        return {};
    return d->model->index(row, column);
}

void DataNavListBase::saveState(QString &state) const
{
    const QString prefix = typeName();
    state += QLatin1Char(':') + prefix +
             (d->sortAscending ? QLatin1String("_sort_asc=") : QLatin1String("_sort_desc=")) +
             QString::number(d->sortColumn);
    state += QLatin1Char(':') + prefix + QLatin1String("_col_widths=");
    for (int column = 0; column < d->model->columnCount(); ++column) {
        if (column)
            state += QLatin1Char(',');
        state += QString::number(columnWidth(column));
    }
}

void DataNavListBase::restoreState(const QString &key, const QString &value)
{
    bool ok = false;
    if (key == QLatin1String("sort_asc") || key == QLatin1String("sort_desc")) {
        const int column = value.toInt(&ok);
        if (ok && column >= -1 && column < d->model->columnCount())
            setSorting(column, key == QLatin1String("sort_asc"));
    } else if (key == QLatin1String("col_widths")) {
        const QStringList widths = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (int column = 0; column < widths.size() && column < d->model->columnCount(); ++column) {
            const int width = widths[column].toInt(&ok);
            if (ok && width >= 0 && width <= kMaxColumnWidth)
                setColumnWidth(column, width);
        }
    }
}

void DataNavListBase::namedAction(const QString &action)
{
    if (!d->tables)
        return;
    if (action == QLatin1String("reset_toggle_state") && !d->tables->toggles.empty()) {
        resetToggles();
        emit updateContents();
        return;
    }
    for (const Toggle &t : d->tables->toggles) {
        if (action == QLatin1String(t.action)) {
            toggle(t.id);
            return;
        }
    }
    for (const Command &c : d->tables->commands) {
        if (action == QLatin1String(c.action)) {
            runCommand(c.id);
            return;
        }
    }
}

void DataNavListBase::refreshContents()
{
    d->refreshQueued = false;
    const int rows = d->model->rowCount();
    if (!rows)
        return;
    const QModelIndex top = indexAt(QPoint(0, 0));
    const QModelIndex bottom = indexAt(QPoint(0, viewport()->height() - 1));
    const int first = top.isValid() ? top.row() : 0;
    const int last = qMin(bottom.isValid() ? bottom.row() : rows - 1, first + 200);
    for (int column = 0; column < int(d->autoWidth.size()); ++column) {
        if (!d->autoWidth[size_t(column)])
            continue;
        int width = d->header->sectionSizeHint(column);
        for (int row = first; row <= last; ++row)
            width = qMax(width, sizeHintForIndex(d->model->index(row, column)).width());
        if (width > columnWidth(column))
            setColumnWidth(column, width);
    }
}

void DataNavListBase::setOwner(DataNavListOwner *owner)
{
    d->owner = owner;
}

DataNavListOwner *DataNavListBase::owner() const
{
    return d->owner;
}

void DataNavListBase::disableSorting()
{
    d->model->sort(-1);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
}

void DataNavListBase::restoreSorting()
{
    applySorting(d->sortColumn, d->sortAscending);
}

void DataNavListBase::setSorting(int column, bool ascending)
{
    d->sortColumn = column;
    d->sortAscending = ascending;
    applySorting(column, ascending);
}

QString DataNavListBase::pathOf(const QString &image, const QString &module, const QString &name)
{
    if (module.isEmpty() || module == kGlobalModule)
        return QStringLiteral("%1\\\\%2").arg(image, name);
    return QStringLiteral("%1\\\\%2\\%3").arg(image, module, name);
}

void DataNavListBase::slotClicked(const QModelIndex &)
{
    refreshContents();
}

void DataNavListBase::slotContextMenuRequested(const QPoint &pos)
{
    // The pane that holds the list is the menu's owner: the host may destroy it meanwhile.
    auto *paneObject = dynamic_cast<QObject *>(d->owner);
    const QObject *owner = paneObject ? paneObject : this;
    tesk::system::Modal<QMenu> menu(this);
    fillMenu(*menu);
    if (menu->isEmpty())
        return;
    const tesk::system::ModalSeam::Result result =
        menu.runMenu(viewport()->mapToGlobal(pos), owner);
    if (!result.alive || !result.chosen)
        return;
    const int id = result.chosen->data().toInt();
    // A command reaches the host, which may destroy the pane from inside its answer.
    tesk::lifetime::Scope scope(owner);
    if (toggleOf(id))
        toggle(id);
    else if (command(id))
        runCommand(id);
    if (scope.alive() && d->owner)
        d->owner->processPaneGenericOption(id);
}

void DataNavListBase::setMenuTables(const MenuTables *tables)
{
    d->tables = tables;
    resetToggles();
}

bool DataNavListBase::flag(int toggleId) const
{
    if (!d->tables)
        return false;
    for (size_t i = 0; i < d->tables->toggles.size(); ++i) {
        if (d->tables->toggles[i].id == toggleId)
            return d->flags[i];
    }
    return false;
}

void DataNavListBase::runCommand(int id)
{
    const Command *c = command(id);
    QString path;
    if (!c || !symbolPath(path))
        return;
    switch (c->request) {
    case Request::Command:
        emit doCommand(QLatin1String(c->prefix) + path);
        break;
    case Request::Watch:
        emit doWatch(path);
        break;
    case Request::Break:
        emit doBreak(path);
        break;
    }
}

int DataNavListBase::ownerMode() const
{
    return d->owner ? d->owner->mode() : -1;
}

void DataNavListBase::setAutoWidth(int column, bool automatic)
{
    if (column >= int(d->autoWidth.size()))
        d->autoWidth.resize(size_t(column) + 1);
    d->autoWidth[size_t(column)] = automatic;
}

QString DataNavListBase::currentText(int column) const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? d->model->text(current.row(), column) : QString();
}

bool DataNavListBase::symbolRowPath(QString &path) const
{
    if (!currentIndex().isValid())
        return false;
    path = pathOf(currentText(4), currentText(3), currentText(0));
    return true;
}

void DataNavListBase::setUpSymbolColumns()
{
    setColumnWidth(0, 130);
    for (int column = 1; column <= 4; ++column)
        setAutoWidth(column, true);
}

void DataNavListBase::setSymbolHeaders(const QString &nameHeader)
{
    d->model->setHeaders({nameHeader, QObject::tr("Address"), QObject::tr("Scope"),
                          QObject::tr("Module"), QObject::tr("Image")});
}

void DataNavListBase::changeEvent(QEvent *event)
{
    QAbstractItemView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        d->rowHeight = fontMetrics().height() + 4;
        updateGeometries();
        viewport()->update();
    }
    if (event->type() == QEvent::LanguageChange)
        languageChange();
}

void DataNavListBase::resizeEvent(QResizeEvent *event)
{
    QAbstractItemView::resizeEvent(event);
    refreshContents();
}

void DataNavListBase::paintEvent(QPaintEvent *event)
{
    const int rows = d->model->rowCount();
    const int columns = d->header->count();
    if (!rows || !columns)
        return;
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QRect area = event->rect();
    const int first =
        qMax(0, rowAtY(area.top()) < 0 ? verticalScrollBar()->value() : rowAtY(area.top()));
    const int last = qMin(rows - 1, verticalScrollBar()->value() +
                                        (area.bottom() + d->rowHeight - 1) / d->rowHeight);
    int firstColumn = d->header->visualIndexAt(area.left());
    int lastColumn = d->header->visualIndexAt(area.right());
    if (firstColumn < 0)
        firstColumn = 0;
    if (lastColumn < 0)
        lastColumn = columns - 1;
    const QModelIndex current = currentIndex();
    const bool focused = hasFocus() || viewport()->hasFocus();
    const QStyle::State base = option.state;
    QItemSelectionModel *selection = selectionModel();
    for (int row = first; row <= last; ++row) {
        const bool selected = selection && selection->isRowSelected(row, QModelIndex());
        for (int visual = firstColumn; visual <= lastColumn; ++visual) {
            const int column = d->header->logicalIndex(visual);
            if (d->header->isSectionHidden(column))
                continue;
            const QModelIndex index = d->model->index(row, column);
            option.rect = visualRect(index);
            option.state = base;
            if (selected)
                option.state |= QStyle::State_Selected;
            if (!(d->model->flags(index) & Qt::ItemIsEnabled))
                option.state &= ~QStyle::State_Enabled;
            option.index = index;
            style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &option, &painter, this);
            itemDelegateForIndex(index)->paint(&painter, option, index);
        }
        if (focused && row == current.row())
            drawRowFocus(painter, option, row, selected);
    }
}

QRect DataNavListBase::rowRect(int row) const
{
    if (row < 0)
        return {};
    return QRect(-horizontalScrollBar()->value(),
                 (row - verticalScrollBar()->value()) * d->rowHeight,
                 qMax(d->header->length(), viewport()->width()), d->rowHeight);
}

// The row is the item: one focus frame across all its columns.
void DataNavListBase::drawRowFocus(QPainter &painter, const QStyleOptionViewItem &cell, int row,
                                   bool selected)
{
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(cell);
    focus.rect = rowRect(row);
    focus.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange | QStyle::State_Item;
    focus.backgroundColor = cell.palette.color(selected ? QPalette::Highlight : QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

void DataNavListBase::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    viewport()->update(rowRect(previous.row()));
    // A click on any column makes the row current at its name, which type-ahead searches.
    if (current.isValid() && current.column() != 0) {
        selectionModel()->setCurrentIndex(current.siblingAtColumn(0),
                                          QItemSelectionModel::NoUpdate);
        return;
    }
    QAbstractItemView::currentChanged(current, previous);
    viewport()->update(rowRect(current.row()));
}

void DataNavListBase::scrollContentsBy(int dx, int dy)
{
    d->header->setOffset(horizontalScrollBar()->value());
    const int pixels = dy * d->rowHeight;
    if (qAbs(pixels) >= viewport()->height())
        viewport()->update();
    else
        viewport()->scroll(dx, pixels);
}

void DataNavListBase::updateGeometries()
{
    const int headerHeight = d->header->isHidden() ? 0 : d->header->sizeHint().height();
    setViewportMargins(0, headerHeight, 0, 0);
    const QRect area = viewport()->geometry();
    d->header->setGeometry(area.left(), area.top() - headerHeight, area.width(), headerHeight);

    const int page = pageRows();
    QScrollBar *down = verticalScrollBar();
    down->setSingleStep(1);
    down->setPageStep(page);
    down->setRange(0, qMax(0, d->model->rowCount() - page));

    QScrollBar *across = horizontalScrollBar();
    across->setSingleStep(qMax(1, fontMetrics().averageCharWidth() * 2));
    across->setPageStep(area.width());
    across->setRange(0, qMax(0, d->header->length() - area.width()));
    d->header->setOffset(across->value());
    QAbstractItemView::updateGeometries();
}

void DataNavListBase::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QAbstractItemView::rowsInserted(parent, start, end);
    scheduleDelayedItemsLayout();
}

QModelIndex DataNavListBase::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers)
{
    const int rows = d->model->rowCount();
    const int columns = d->model->columnCount();
    if (!rows || !columns)
        return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return d->model->index(0, 0);
    int row = current.row();
    switch (cursorAction) {
    case MoveUp:
        --row;
        break;
    case MoveDown:
        ++row;
        break;
    case MovePageUp:
        row -= pageRows();
        break;
    case MovePageDown:
        row += pageRows();
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = rows - 1;
        break;
    case MoveLeft:
    case MoveRight:
        // Across, the list scrolls: the current row stays at its name.
        horizontalScrollBar()->triggerAction(cursorAction == MoveLeft
                                                 ? QAbstractSlider::SliderSingleStepSub
                                                 : QAbstractSlider::SliderSingleStepAdd);
        return current;
    case MoveNext:
    case MovePrevious:
        return current;
    }
    return d->model->index(qBound(0, row, rows - 1), 0);
}

int DataNavListBase::horizontalOffset() const
{
    return horizontalScrollBar()->value();
}

int DataNavListBase::verticalOffset() const
{
    return verticalScrollBar()->value() * d->rowHeight;
}

bool DataNavListBase::isIndexHidden(const QModelIndex &index) const
{
    return d->header->isSectionHidden(index.column());
}

void DataNavListBase::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    const QRect r = rect.normalized();
    const int rows = d->model->rowCount();
    const int columns = d->model->columnCount();
    // Outside the rows (below the last one) a press selects nothing and keeps what was.
    const int top = rowAtY(r.top());
    const int bottom = rowAtY(r.bottom());
    if (top < 0 || bottom < 0 || !columns || !selectionModel())
        return;
    const int first = qBound(0, top, rows - 1);
    const int last = qBound(0, bottom, rows - 1);
    selectionModel()->select(
        QItemSelection(d->model->index(first, 0), d->model->index(last, columns - 1)), command);
}

QRegion DataNavListBase::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    const int top = verticalScrollBar()->value();
    const int shown = viewport()->height() / d->rowHeight + 1;
    const int width = viewport()->width();
    for (const QItemSelectionRange &range : selection) {
        if (!range.isValid() || range.model() != d->model)
            continue;
        const int first = qMax(range.top(), top);
        const int last = qMin(range.bottom(), top + shown);
        if (first > last)
            continue;
        region += QRect(0, (first - top) * d->rowHeight, width, (last - first + 1) * d->rowHeight);
    }
    return region;
}

int DataNavListBase::pageRows() const
{
    return qMax(1, viewport()->height() / d->rowHeight);
}

int DataNavListBase::rowAtY(int y) const
{
    if (y < 0)
        return -1;
    const qint64 row = qint64(verticalScrollBar()->value()) + y / d->rowHeight;
    return row < d->model->rowCount() ? int(row) : -1;
}

void DataNavListBase::fitColumnToRows(int column)
{
    const int rows = d->model->rowCount();
    int width = d->header->sectionSizeHint(column);
    const int first = verticalScrollBar()->value();
    const int last = qMin(rows - 1, first + pageRows());
    for (int row = first; row <= last; ++row)
        width = qMax(width, sizeHintForIndex(d->model->index(row, column)).width());
    setColumnWidth(column, width);
}

void DataNavListBase::applySorting(int column, bool ascending)
{
    const Qt::SortOrder order = ascending ? Qt::AscendingOrder : Qt::DescendingOrder;
    d->model->sort(column, order);
    horizontalHeader()->setSortIndicator(column, order);
}

void DataNavListBase::onSectionClicked(int column)
{
    setSorting(column, column == d->sortColumn ? !d->sortAscending : true);
}

void DataNavListBase::fillMenu(QMenu &menu) const
{
    const bool paneMode = ownerMode() == 0;
    const auto add = [&menu](int id, const char *label) {
        QAction *action = menu.addAction(QCoreApplication::translate("QObject", label));
        action->setData(id);
        return action;
    };
    if (d->tables && paneMode) {
        for (int id : d->tables->commandMenu) {
            if (!id)
                menu.addSeparator();
            else
                add(id, command(id)->label)->setEnabled(d->model->rowCount() > 0);
        }
    }
    if (d->tables) {
        for (size_t i = 0; i < d->tables->toggles.size(); ++i) {
            // The library-symbols switch stands apart from the scope switches.
            if (i + 1 == d->tables->toggles.size())
                menu.addSeparator();
            QAction *action = add(d->tables->toggles[i].id, d->tables->toggles[i].label);
            action->setCheckable(true);
            action->setChecked(d->flags[i]);
        }
    }
    if (paneMode && d->owner)
        d->owner->appendDockMenuItems(&menu, !menu.isEmpty());
}

void DataNavListBase::toggle(int id)
{
    for (size_t i = 0; i < d->tables->toggles.size(); ++i) {
        if (d->tables->toggles[i].id == id)
            d->flags[i] = !d->flags[i];
    }
    emit updateContents();
}

void DataNavListBase::resetToggles()
{
    d->flags.clear();
    if (!d->tables)
        return;
    for (const Toggle &t : d->tables->toggles)
        d->flags.push_back(t.initial);
}

const DataNavListBase::Command *DataNavListBase::command(int id) const
{
    if (d->tables) {
        for (const Command &c : d->tables->commands) {
            if (c.id == id)
                return &c;
        }
    }
    return nullptr;
}

const DataNavListBase::Toggle *DataNavListBase::toggleOf(int id) const
{
    if (d->tables) {
        for (const Toggle &t : d->tables->toggles) {
            if (t.id == id)
                return &t;
        }
    }
    return nullptr;
}

void DataNavListBase::queueRefresh()
{
    if (d->refreshQueued)
        return;
    d->refreshQueued = true;
    QTimer::singleShot(0, this, &DataNavListBase::refreshContents);
}
