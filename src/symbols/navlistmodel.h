#pragma once
// The models behind the navigator's lists: flat, one row per search result, no object per row.
// A fill replaces the rows in one reset; sorting reorders them in one layout change. A model
// empties itself when its data source clears or goes, so it never shows freed symbols.

#include "symbols/symtabdatasource.h"

#include <QAbstractItemModel>
#include <QPointer>
#include <QStringList>

#include <utility>
#include <vector>

class NavListModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit NavListModel(QObject *parent = nullptr);

    void setHeaders(const QStringList &headers);
    // Rows with a check box in column 0 (the function picker); checks start cleared.
    void setCheckable(bool checkable);
    bool isCheckable() const { return m_checkable; }
    bool isChecked(int row) const;

    virtual QString text(int row, int column) const = 0;
    int rows() const { return rowCount(); }
    void clear();

    QModelIndex index(int row, int column,
                      const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // Column -1 leaves the rows as they are (filled in search order).
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

protected:
    virtual int count() const = 0;
    virtual void clearRows() = 0;
    // Puts the rows in this order (new position to old row).
    virtual void reorder(const std::vector<int> &order) = 0;
    // The order a sort gives; by default from the column texts.
    virtual std::vector<int> sortedOrder(int column, Qt::SortOrder order) const;

    // Sorts new rows by the remembered column; call between beginResetModel and endResetModel.
    void sortNewRows();
    void resetChecks();
    SymtabDataSource *source() const { return m_source; }
    void watchSource(SymtabDataSource *source);
    template<typename T>
    static void permute(std::vector<T> &rows, const std::vector<int> &order)
    {
        std::vector<T> sorted;
        sorted.reserve(rows.size());
        for (int old : order)
            sorted.push_back(rows[size_t(old)]);
        rows.swap(sorted);
    }

private:
    QStringList m_headers;
    int m_sortColumn = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_checkable = false;
    std::vector<uint8_t> m_checks;
    QPointer<SymtabDataSource> m_source;
};

class ImageListModel : public NavListModel
{
    Q_OBJECT

public:
    using NavListModel::NavListModel;
    void setImages(SymtabDataSource *source, std::vector<SymImage *> images);
    QString text(int row, int column) const override;

protected:
    int count() const override { return int(m_images.size()); }
    void clearRows() override { m_images = {}; }
    void reorder(const std::vector<int> &order) override { permute(m_images, order); }

private:
    std::vector<SymImage *> m_images;
};

class ModuleListModel : public NavListModel
{
    Q_OBJECT

public:
    using NavListModel::NavListModel;
    void setModules(SymtabDataSource *source, std::vector<SymModule *> modules);
    QString text(int row, int column) const override;

protected:
    int count() const override { return int(m_modules.size()); }
    void clearRows() override { m_modules = {}; }
    void reorder(const std::vector<int> &order) override { permute(m_modules, order); }

private:
    std::vector<SymModule *> m_modules;
};

// Functions or variables: name, address, scope, module, image.
class SymbolListModel : public NavListModel
{
    Q_OBJECT

public:
    using NavListModel::NavListModel;
    // `inNameOrder`: the rows come as a search with SymbolQuery::byName gave them, in the order
    // asked for by nameOrderWanted(), so a list sorted by name need not sort them again.
    void setSymbols(SymtabDataSource *source, std::vector<SymbolIndex> symbols,
                    bool inNameOrder = false);
    bool nameOrderWanted() const { return sortColumn() == 0; }
    QString text(int row, int column) const override;

protected:
    int count() const override { return int(m_symbols.size()); }
    void clearRows() override { m_symbols = {}; }
    void reorder(const std::vector<int> &order) override { permute(m_symbols, order); }
    std::vector<int> sortedOrder(int column, Qt::SortOrder order) const override;

private:
    void sortByName(std::vector<SymbolIndex> &rows, Qt::SortOrder order) const;
    // One key per row, without a text per row: an address as its number (texts after all
    // numbers, by their rank), a module or image by the rank of its name among the few
    // distinct names listed.
    using SortKey = std::pair<bool, uint64_t>;
    std::vector<SortKey> addressKeys() const;
    std::vector<SortKey> ownerKeys(int column) const;

    std::vector<SymbolIndex> m_symbols;
};
