#pragma once
// The synchronisation window's views on its models: a view owns the model it is bound to and
// changes it through an edit controller (not owned), which holds host events back, commits and
// has every view refilled from what the host then holds.

#include "sync/syncobservable.h"
#include "sync/synctablebase.h"

#include <map>

class ASyncAbstractDataModel;
class ASyncModelMatrix;
class SyncCntrlCoresTable;

class SyncViewGeneric : public ASyncObserver
{
public:
    SyncViewGeneric() = default;
    SyncViewGeneric(const SyncViewGeneric &) = delete;
    SyncViewGeneric &operator=(const SyncViewGeneric &) = delete;
    // Detaches from the model and deletes it.
    ~SyncViewGeneric() override;

    // Takes the model over and attaches to it.
    virtual void setModel(ASyncAbstractDataModel *model);
    ASyncAbstractDataModel *model() const { return m_model; }
    virtual void setController(SyncCntrlCoresTable *controller) { m_controller = controller; }
    SyncCntrlCoresTable *controller() const { return m_controller; }

private:
    ASyncAbstractDataModel *m_model = nullptr;
    SyncCntrlCoresTable *m_controller = nullptr;
};

// A view that belongs to a window widget (not owned).
class SyncViewWidget : public SyncViewGeneric
{
public:
    void setWidget(QWidget *widget) { m_widget = widget; }
    QWidget *widget() const { return m_widget; }

private:
    QWidget *m_widget = nullptr;
};

// A check table bound to a matrix model: every user change of a check cell (or of the selected
// block around it) becomes one change through the controller.
class SyncTableGeneric : public SyncTableBase, public SyncViewGeneric
{
    Q_OBJECT

public:
    explicit SyncTableGeneric(QWidget *parent = nullptr, const char *name = nullptr);
    ~SyncTableGeneric() override;

    // Lays the table out and fills it once; the table kinds do it.
    virtual void setupTable() {}
    virtual void registerCheckItem(int row, int col, SyncTableCheckItem *item);
    // Stale entries of removed rows go with them.
    void setNumRows(int rows) override;
    // All cells without scrolling, inside the frame: the table's size follows its contents.
    QSize tableSizeHint() const override;
    // Never a remembered size: refills change it.
    QSize sizeHint() const override { return tableSizeHint(); }

    // Refills from the model; the table kinds give fillTable.
    void update(int, int) override { fillTable(); }
    virtual void fillTable() {}

public Q_SLOTS:
    virtual void slotCheckItemChanged(SyncTableCheckItem *item, int state);

protected:
    ASyncModelMatrix *matrix() const;
    // What every kind's set-up starts with: the model's size, read-only.
    void initFromModel();
    // What it ends with: every row fitted, one range selectable, the current cell.
    void finishSetup(int currentRow, int currentCol);
    void setHeaderLabels(const QStringList &labels, const QList<int> &widths);
    void hideLeftHeader();
    // The labels and chips of the core rows (the model's order: ascending core id).
    void fillCoreLabels(int rows);
    // The actions and execution tables: a "State" check column and a description, the whole
    // table disabled while no core takes part.
    void fillEventTable();

    // The check item of a cell, made, connected and registered when the cell has none.
    SyncTableCheckItem *ensureCheckItem(int row, int col, bool cream);
    // The shared end of every refill: the table's size follows its contents, so the layout
    // is asked again only when the contents' size changed.
    void followContentsSize(const QSize &before);
    // Every column at least as wide as its label and its texts need; the widths the kinds give
    // are where the columns start.
    void widenToTexts();
    // The width of the column's header and its widest cell.
    int neededWidth(int col) const;
    // Places the placeholder row when the model has no rows; true when it did.
    bool showPlaceholderWhenEmpty(int modelRows);
    // The tallest the table may ask to be on its screen; beyond it the rows scroll.
    int heightCap() const;
    // The vertical scroll bar is there exactly when the rows pass the cap.
    void followScreenCap();

private:
    // The cell an item was registered for, when the item still stands there.
    bool registeredCell(SyncTableCheckItem *item, int &row, int &col) const;

    std::map<SyncTableCheckItem *, int> m_columnByItem;
    std::map<SyncTableCheckItem *, int> m_rowByItem;
    bool m_busy = false;
    static constexpr int kMinimumCap = 120;
};
