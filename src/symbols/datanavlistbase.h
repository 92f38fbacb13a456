#pragma once
// The base of the data navigator's four lists: a flat list of rows of one height under a header
// of columns, which keeps nothing per row and touches only the rows on screen, so a million rows
// cost what a page does; over a NavListModel that
// remembers its sorting, saves and restores sort order and column widths as part of the pane's
// state text, answers named actions given by script, builds the symbol path of its current row
// and runs its context menu from the list's tables of toggles and commands.

#include "symbols/navlistmodel.h"

#include <QAbstractItemView>

#include <memory>
#include <vector>

class DataNavListBasePrivate;
class QHeaderView;
class QMenu;

// What a list needs of the pane that holds it (the data navigator fills this face).
class DataNavListOwner
{
public:
    virtual ~DataNavListOwner() = default;
    // 0 the dockable pane, 1 the symbol selector, 2 the function picker.
    virtual int mode() const = 0;
    // The dock window's items ("Dock/Float", "Hide", "Close"), after a separator when asked.
    virtual void appendDockMenuItems(QMenu *menu, bool withSeparator) = 0;
    // Hands a chosen menu item's id to the pane's dock window.
    virtual void processPaneGenericOption(int id) = 0;
};

class DataNavListBase : public QAbstractItemView
{
    Q_OBJECT

public:
    // Where a command's text goes.
    enum class Request { Command, Watch, Break };

    // A menu entry: id, the name a script uses, the label, and for a command its text prefix.
    struct Command
    {
        int id;
        const char *action;
        const char *label;
        Request request;
        const char *prefix;
    };
    struct Toggle
    {
        int id;
        const char *action;
        const char *label;
        bool initial;
    };
    // The list's menu: commands (0 for a separator) shown in mode 0 only, and flag toggles.
    struct MenuTables
    {
        std::vector<Command> commands;
        std::vector<int> commandMenu;
        std::vector<Toggle> toggles;
    };

    explicit DataNavListBase(NavListModel *model, QWidget *parent = nullptr);
    ~DataNavListBase() override;

    NavListModel *listModel() const;

    virtual void saveState(QString &state) const;
    virtual void restoreState(const QString &key, const QString &value);
    virtual QString typeName() const = 0;
    virtual void namedAction(const QString &action);
    // Widens the automatic columns to what the rows on screen need.
    virtual void refreshContents();
    virtual void setOwner(DataNavListOwner *owner);
    virtual DataNavListOwner *owner() const;
    // False when there is no current row.
    virtual bool symbolPath(QString &path) const = 0;
    // Sorting off (rows stay in fill order) and back on, without forgetting the remembered order.
    virtual void disableSorting();
    virtual void restoreSorting();

    void setSorting(int column, bool ascending = true);
    int sortColumn() const;
    bool sortAscending() const;

    QHeaderView *horizontalHeader() const;
    int columnWidth(int column) const;
    void setColumnWidth(int column, int width);
    int rowHeight(int row) const;

    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;

    // "%1\\%2\%3" (image, module, name); "%1\\%2" without a module or in "<Global>".
    static QString pathOf(const QString &image, const QString &module, const QString &name);

public slots:
    void slotClicked(const QModelIndex &index);
    void slotContextMenuRequested(const QPoint &pos);
    // Header texts in the current language.
    virtual void languageChange() {}

protected:
    void changeEvent(QEvent *event) override;
    void setMenuTables(const MenuTables *tables);
    bool flag(int toggleId) const;
    void runCommand(int id);
    int ownerMode() const;
    // Fixed width, or grown from the rows on screen.
    void setAutoWidth(int column, bool automatic);
    QString currentText(int column) const;
    // The path of a function or variable row (name, address, scope, module, image).
    bool symbolRowPath(QString &path) const;
    // Column set-up and header texts of a function or variable list.
    void setUpSymbolColumns();
    void setSymbolHeaders(const QString &nameHeader);

    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    // Home and End go to the first and last row, as in any list; Tab leaves the list; Left and
    // Right scroll across.
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex &index) const override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;

signals:
    void doCommand(const QString &command);
    void doWatch(const QString &path);
    void doBreak(const QString &path);
    // The list's flags changed: refill it.
    void updateContents();

private:
    QRect rowRect(int row) const;
    void drawRowFocus(QPainter &painter, const QStyleOptionViewItem &cell, int row, bool selected);
    void applySorting(int column, bool ascending);
    void onSectionClicked(int column);
    void fillMenu(QMenu &menu) const;
    void toggle(int id);
    void resetToggles();
    const Command *command(int id) const;
    const Toggle *toggleOf(int id) const;
    void queueRefresh();
    // Rows wholly on screen, at least one.
    int pageRows() const;
    int rowAtY(int y) const;
    void fitColumnToRows(int column);

    std::unique_ptr<DataNavListBasePrivate> d;
};
