#include "symbols/navlistmodel.h"

#include "symbols/navlistitem.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <numeric>
#include <utility>

namespace {

// The stable order of rows by value (then by group, 0 first): one counting pass per byte of
// the values, passes whose byte is the same in every row skipped. Equal rows keep their order.
// Each value travels with its row, so that a pass reads the values in sequence.
std::vector<int> radixOrder(std::vector<uint64_t> values, const std::vector<uint8_t> &groups,
                            bool descending)
{
    const size_t n = values.size();
    std::vector<int> order(n), spareOrder(n);
    std::vector<uint64_t> spareValues(n);
    std::iota(order.begin(), order.end(), 0);
    if (descending) {
        for (uint64_t &value : values)
            value = ~value;
    }
    std::array<size_t, 256> counts;
    const auto place = [&counts, n]() {
        if (std::find(counts.begin(), counts.end(), n) != counts.end())
            return false;
        size_t start = 0;
        for (size_t &count : counts)
            start += std::exchange(count, start);
        return true;
    };
    // Values already in order (rows listed by address) need no pass at all.
    if (!std::is_sorted(values.begin(), values.end())) {
        for (int shift = 0; shift < 64; shift += 8) {
            counts.fill(0);
            for (uint64_t value : values)
                ++counts[(value >> shift) & 0xffu];
            if (!place())
                continue;
            for (size_t i = 0; i < n; ++i) {
                const size_t to = counts[(values[i] >> shift) & 0xffu]++;
                spareOrder[to] = order[i];
                spareValues[to] = values[i];
            }
            order.swap(spareOrder);
            values.swap(spareValues);
        }
    }
    counts.fill(0);
    for (int row : order)
        ++counts[groups[size_t(row)]];
    if (place()) {
        for (int row : order)
            spareOrder[counts[groups[size_t(row)]]++] = row;
        order.swap(spareOrder);
    }
    return order;
}

} // namespace

NavListModel::NavListModel(QObject *parent)
    : QAbstractItemModel(parent)
{
}

void NavListModel::setHeaders(const QStringList &headers)
{
    if (headers.size() != m_headers.size()) {
        beginResetModel();
        m_headers = headers;
        endResetModel();
        return;
    }
    m_headers = headers;
    if (!headers.isEmpty())
        emit headerDataChanged(Qt::Horizontal, 0, int(headers.size()) - 1);
}

void NavListModel::setCheckable(bool checkable)
{
    beginResetModel();
    m_checkable = checkable;
    m_checks.assign(checkable ? size_t(count()) : 0, 0);
    endResetModel();
}

bool NavListModel::isChecked(int row) const
{
    return m_checkable && row >= 0 && size_t(row) < m_checks.size() && m_checks[size_t(row)];
}

void NavListModel::clear()
{
    beginResetModel();
    clearRows();
    m_checks.clear();
    endResetModel();
}

QModelIndex NavListModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || row < 0 || column < 0 || row >= count() || column >= m_headers.size())
        return QModelIndex();
    return createIndex(row, column);
}

QModelIndex NavListModel::parent(const QModelIndex &) const
{
    return QModelIndex();
}

int NavListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

int NavListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant NavListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::CheckStateRole && m_checkable && index.column() == 0)
        return isChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
    return QVariant();
}

bool NavListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || !m_checkable || index.column() != 0 ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    m_checks.resize(size_t(count()));
    m_checks[size_t(index.row())] = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags NavListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (m_checkable && index.column() == 0)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant NavListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= m_headers.size())
        return QVariant();
    return m_headers[section];
}

void NavListModel::sort(int column, Qt::SortOrder order)
{
    m_sortColumn = column;
    m_sortOrder = order;
    if (column < 0 || column >= m_headers.size() || count() < 2)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<int> newOrder = sortedOrder(column, order);
    reorder(newOrder);
    if (!m_checks.empty())
        permute(m_checks, newOrder);
    // Rows the view holds on to (current, selected) follow their data.
    const QModelIndexList from = persistentIndexList();
    if (!from.isEmpty()) {
        std::vector<int> newRowOf(newOrder.size());
        for (size_t i = 0; i < newOrder.size(); ++i)
            newRowOf[size_t(newOrder[i])] = int(i);
        QModelIndexList to;
        for (const QModelIndex &old : from)
            to.append(createIndex(newRowOf[size_t(old.row())], old.column()));
        changePersistentIndexList(from, to);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::vector<int> NavListModel::sortedOrder(int column, Qt::SortOrder order) const
{
    const int n = count();
    std::vector<QString> keys(static_cast<size_t>(n));
    std::vector<bool> first(static_cast<size_t>(n));
    for (int row = 0; row < n; ++row) {
        keys[size_t(row)] = NavListItem::sortKey(text(row, column), column);
        first[size_t(row)] = NavListItem::sortsFirst(text(row, 0));
    }
    return NavListItem::order(keys, first, order == Qt::DescendingOrder);
}

void NavListModel::resetChecks()
{
    m_checks.assign(m_checkable ? size_t(count()) : 0, 0);
}

void NavListModel::sortNewRows()
{
    resetChecks();
    if (m_sortColumn >= 0 && m_sortColumn < m_headers.size() && count() > 1)
        reorder(sortedOrder(m_sortColumn, m_sortOrder));
}

void NavListModel::watchSource(SymtabDataSource *source)
{
    if (m_source == source)
        return;
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (source)
        connect(source, &SymtabDataSource::aboutToClear, this, &NavListModel::clear);
}

// ---------------------------------------------------------------------------------------------

void ImageListModel::setImages(SymtabDataSource *source, std::vector<SymImage *> images)
{
    beginResetModel();
    watchSource(source);
    m_images = std::move(images);
    sortNewRows();
    endResetModel();
}

QString ImageListModel::text(int row, int column) const
{
    return column == 0 ? m_images[size_t(row)]->name : QString();
}

void ModuleListModel::setModules(SymtabDataSource *source, std::vector<SymModule *> modules)
{
    beginResetModel();
    watchSource(source);
    m_modules = std::move(modules);
    sortNewRows();
    endResetModel();
}

QString ModuleListModel::text(int row, int column) const
{
    const SymModule *module = m_modules[size_t(row)];
    switch (column) {
    case 0:
        return module->name;
    case 1:
        return module->file;
    case 2:
        return module->image->name;
    }
    return QString();
}

void SymbolListModel::setSymbols(SymtabDataSource *source, std::vector<SymbolIndex> symbols,
                                 bool inNameOrder)
{
    beginResetModel();
    watchSource(source);
    m_symbols = source ? std::move(symbols) : std::vector<SymbolIndex>();
    if (sortColumn() == 0) {
        if (!inNameOrder)
            sortByName(m_symbols, sortOrder());
        resetChecks();
    } else {
        sortNewRows();
    }
    endResetModel();
}

QString SymbolListModel::text(int row, int column) const
{
    const SymSymbol &s = source()->symbol(m_symbols[size_t(row)]);
    switch (column) {
    case 0:
        return source()->name(s);
    case 1:
        return source()->address(s);
    case 2:
        return SymtabDataSource::scopeText(s);
    case 3:
        return s.module->name;
    case 4:
        return s.module->image->name;
    }
    return QString();
}

std::vector<SymbolListModel::SortKey> SymbolListModel::addressKeys() const
{
    // Numbers first, as numbers; the rare texts after them, in collation order.
    std::vector<SortKey> keys(m_symbols.size());
    std::vector<size_t> textRows;
    std::vector<QString> texts;
    for (size_t row = 0; row < m_symbols.size(); ++row) {
        const SymSymbol &s = source()->symbol(m_symbols[row]);
        if (s.flags & SymSymbol::kNumericAddress) {
            keys[row] = {false, s.address};
        } else {
            textRows.push_back(row);
            texts.push_back(source()->address(s));
        }
    }
    if (textRows.empty())
        return keys;
    const std::vector<uint32_t> ranks = NavListItem::collationRanks(texts);
    for (size_t i = 0; i < textRows.size(); ++i)
        keys[textRows[i]] = {true, ranks[i]};
    return keys;
}

std::vector<SymbolListModel::SortKey> SymbolListModel::ownerKeys(int column) const
{
    QHash<const void *, uint32_t> placeOf;
    std::vector<QString> names;
    std::vector<uint32_t> places(m_symbols.size());
    const void *lastOwner = nullptr;
    for (size_t row = 0; row < m_symbols.size(); ++row) {
        const SymModule *module = source()->symbol(m_symbols[row]).module;
        const void *owner = column == 3 ? static_cast<const void *>(module) : module->image;
        // Rows come in runs of one module.
        if (row > 0 && owner == lastOwner) {
            places[row] = places[row - 1];
            continue;
        }
        lastOwner = owner;
        const auto found = placeOf.constFind(owner);
        if (found != placeOf.constEnd()) {
            places[row] = *found;
            continue;
        }
        places[row] = uint32_t(names.size());
        placeOf.insert(owner, places[row]);
        names.push_back(column == 3 ? module->name : module->image->name);
    }
    const std::vector<uint32_t> ranks = NavListItem::collationRanks(names);
    std::vector<SortKey> keys(m_symbols.size());
    for (size_t row = 0; row < keys.size(); ++row)
        keys[row] = {false, ranks[places[row]]};
    return keys;
}

std::vector<int> SymbolListModel::sortedOrder(int column, Qt::SortOrder order) const
{
    if (column == 1 || column == 3 || column == 4) {
        const std::vector<SortKey> keys = column == 1 ? addressKeys() : ownerKeys(column);
        const bool descending = order == Qt::DescendingOrder;
        // Rows whose name starts with "<" first in either direction; texts after numbers
        // (before them, descending).
        std::vector<uint64_t> values(keys.size());
        std::vector<uint8_t> groups(keys.size());
        for (size_t row = 0; row < keys.size(); ++row) {
            const bool angle = source()->symbol(m_symbols[row]).flags & SymSymbol::kAngleName;
            values[row] = keys[row].second;
            groups[row] = angle ? 0 : uint8_t(keys[row].first != descending ? 2 : 1);
        }
        return radixOrder(std::move(values), groups, descending);
    }
    if (column != 0)
        return NavListModel::sortedOrder(column, order);
    std::vector<SymbolIndex> sorted = m_symbols;
    sortByName(sorted, order);
    std::vector<int> rowOf(source()->symbolCount());
    for (size_t row = 0; row < m_symbols.size(); ++row)
        rowOf[m_symbols[row]] = int(row);
    std::vector<int> newOrder;
    newOrder.reserve(sorted.size());
    for (SymbolIndex index : sorted)
        newOrder.push_back(rowOf[index]);
    return newOrder;
}

void SymbolListModel::sortByName(std::vector<SymbolIndex> &rows, Qt::SortOrder order) const
{
    if (source() && rows.size() > 1)
        source()->sortByName(rows, order);
}
