#include "symbols/datanavlistbase.h"

#include "system/lifetime.h"
#include "system/modalseam.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>

namespace {

// Widths a restored state may set; anything else is a damaged state text.
constexpr int kMaxColumnWidth = 10000;
const QString kGlobalModule = QStringLiteral("<Global>");

} // namespace

DataNavListBase::DataNavListBase(NavListModel *model, QWidget *parent)
    : QTableView(parent)
    , m_model(model)
{
    m_model->setParent(this);
    setModel(m_model);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setContextMenuPolicy(Qt::CustomContextMenu);
    QHeaderView *rows = verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(1);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 4);
    QHeaderView *h = horizontalHeader();
    h->setHighlightSections(false);
    h->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    h->setSectionsMovable(false);
    h->setSectionsClickable(true);
    h->setSortIndicatorShown(true);
    h->setStretchLastSection(false);
    h->setSectionResizeMode(QHeaderView::Interactive);
    connect(h, &QHeaderView::sectionClicked, this, &DataNavListBase::onSectionClicked);
    connect(this, &QAbstractItemView::clicked, this, &DataNavListBase::slotClicked);
    connect(this, &QWidget::customContextMenuRequested, this,
            &DataNavListBase::slotContextMenuRequested);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &DataNavListBase::queueRefresh);
    connect(m_model, &QAbstractItemModel::modelReset, this, &DataNavListBase::queueRefresh);
    connect(m_model, &QAbstractItemModel::layoutChanged, this, &DataNavListBase::queueRefresh);
    applySorting(m_sortColumn, m_sortAscending);
}

void DataNavListBase::saveState(QString &state) const
{
    const QString prefix = typeName();
    state += QLatin1Char(':') + prefix +
             (m_sortAscending ? QLatin1String("_sort_asc=") : QLatin1String("_sort_desc=")) +
             QString::number(m_sortColumn);
    state += QLatin1Char(':') + prefix + QLatin1String("_col_widths=");
    for (int column = 0; column < m_model->columnCount(); ++column) {
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
        if (ok && column >= -1 && column < m_model->columnCount())
            setSorting(column, key == QLatin1String("sort_asc"));
    } else if (key == QLatin1String("col_widths")) {
        const QStringList widths = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (int column = 0; column < widths.size() && column < m_model->columnCount(); ++column) {
            const int width = widths[column].toInt(&ok);
            if (ok && width >= 0 && width <= kMaxColumnWidth)
                setColumnWidth(column, width);
        }
    }
}

void DataNavListBase::namedAction(const QString &action)
{
    if (!m_tables)
        return;
    if (action == QLatin1String("reset_toggle_state") && !m_tables->toggles.empty()) {
        resetToggles();
        emit updateContents();
        return;
    }
    for (const Toggle &t : m_tables->toggles) {
        if (action == QLatin1String(t.action)) {
            toggle(t.id);
            return;
        }
    }
    for (const Command &c : m_tables->commands) {
        if (action == QLatin1String(c.action)) {
            runCommand(c.id);
            return;
        }
    }
}

void DataNavListBase::refreshContents()
{
    m_refreshQueued = false;
    const int rows = m_model->rowCount();
    if (!rows)
        return;
    const QModelIndex top = indexAt(QPoint(0, 0));
    const QModelIndex bottom = indexAt(QPoint(0, viewport()->height() - 1));
    const int first = top.isValid() ? top.row() : 0;
    const int last = qMin(bottom.isValid() ? bottom.row() : rows - 1, first + 200);
    for (int column = 0; column < int(m_autoWidth.size()); ++column) {
        if (!m_autoWidth[size_t(column)])
            continue;
        int width = horizontalHeader()->sectionSizeHint(column);
        for (int row = first; row <= last; ++row)
            width = qMax(width, sizeHintForIndex(m_model->index(row, column)).width());
        if (width > columnWidth(column))
            setColumnWidth(column, width);
    }
}

void DataNavListBase::setOwner(DataNavListOwner *owner)
{
    m_owner = owner;
}

DataNavListOwner *DataNavListBase::owner() const
{
    return m_owner;
}

void DataNavListBase::disableSorting()
{
    m_model->sort(-1);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
}

void DataNavListBase::restoreSorting()
{
    applySorting(m_sortColumn, m_sortAscending);
}

void DataNavListBase::setSorting(int column, bool ascending)
{
    m_sortColumn = column;
    m_sortAscending = ascending;
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
    auto *paneObject = dynamic_cast<QObject *>(m_owner);
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
    if (scope.alive() && m_owner)
        m_owner->processPaneGenericOption(id);
}

void DataNavListBase::setMenuTables(const MenuTables *tables)
{
    m_tables = tables;
    resetToggles();
}

bool DataNavListBase::flag(int toggleId) const
{
    if (!m_tables)
        return false;
    for (size_t i = 0; i < m_tables->toggles.size(); ++i) {
        if (m_tables->toggles[i].id == toggleId)
            return m_flags[i];
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
    return m_owner ? m_owner->mode() : -1;
}

void DataNavListBase::setAutoWidth(int column, bool automatic)
{
    if (column >= int(m_autoWidth.size()))
        m_autoWidth.resize(size_t(column) + 1);
    m_autoWidth[size_t(column)] = automatic;
}

QString DataNavListBase::currentText(int column) const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? m_model->text(current.row(), column) : QString();
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
    m_model->setHeaders({nameHeader, QObject::tr("Address"), QObject::tr("Scope"),
                         QObject::tr("Module"), QObject::tr("Image")});
}

void DataNavListBase::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    if (event->type() == QEvent::LanguageChange)
        languageChange();
}

void DataNavListBase::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    refreshContents();
}

QModelIndex DataNavListBase::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    if (cursorAction == MoveHome || cursorAction == MoveEnd)
        modifiers |= Qt::ControlModifier;
    return QTableView::moveCursor(cursorAction, modifiers);
}

void DataNavListBase::applySorting(int column, bool ascending)
{
    const Qt::SortOrder order = ascending ? Qt::AscendingOrder : Qt::DescendingOrder;
    m_model->sort(column, order);
    horizontalHeader()->setSortIndicator(column, order);
}

void DataNavListBase::onSectionClicked(int column)
{
    setSorting(column, column == m_sortColumn ? !m_sortAscending : true);
}

void DataNavListBase::fillMenu(QMenu &menu) const
{
    const bool paneMode = ownerMode() == 0;
    const auto add = [&menu](int id, const char *label) {
        QAction *action = menu.addAction(QCoreApplication::translate("QObject", label));
        action->setData(id);
        return action;
    };
    if (m_tables && paneMode) {
        for (int id : m_tables->commandMenu) {
            if (!id)
                menu.addSeparator();
            else
                add(id, command(id)->label)->setEnabled(m_model->rowCount() > 0);
        }
    }
    if (m_tables) {
        for (size_t i = 0; i < m_tables->toggles.size(); ++i) {
            // The library-symbols switch stands apart from the scope switches.
            if (i + 1 == m_tables->toggles.size())
                menu.addSeparator();
            QAction *action = add(m_tables->toggles[i].id, m_tables->toggles[i].label);
            action->setCheckable(true);
            action->setChecked(m_flags[i]);
        }
    }
    if (paneMode && m_owner)
        m_owner->appendDockMenuItems(&menu, !menu.isEmpty());
}

void DataNavListBase::toggle(int id)
{
    for (size_t i = 0; i < m_tables->toggles.size(); ++i) {
        if (m_tables->toggles[i].id == id)
            m_flags[i] = !m_flags[i];
    }
    emit updateContents();
}

void DataNavListBase::resetToggles()
{
    m_flags.clear();
    if (!m_tables)
        return;
    for (const Toggle &t : m_tables->toggles)
        m_flags.push_back(t.initial);
}

const DataNavListBase::Command *DataNavListBase::command(int id) const
{
    if (m_tables) {
        for (const Command &c : m_tables->commands) {
            if (c.id == id)
                return &c;
        }
    }
    return nullptr;
}

const DataNavListBase::Toggle *DataNavListBase::toggleOf(int id) const
{
    if (m_tables) {
        for (const Toggle &t : m_tables->toggles) {
            if (t.id == id)
                return &t;
        }
    }
    return nullptr;
}

void DataNavListBase::queueRefresh()
{
    if (m_refreshQueued)
        return;
    m_refreshQueued = true;
    QTimer::singleShot(0, this, &DataNavListBase::refreshContents);
}
