#pragma once
// The two abstract models of the synchronisation window: views on the mediator that pass its
// notifications on to their tables and commit their part of the data to the host.

#include "sync/syncdatamediator.h"
#include "sync/syncobservable.h"

#include <cstdint>
#include <string>
#include <vector>

class SyncData;
class SyncDataAdaptor;
class SyncDataConnection;

class ASyncAbstractDataModel : public SyncObservable, public ASyncObserver
{
public:
    // Attaches itself to the mediator's observers until destroyed.
    explicit ASyncAbstractDataModel(SyncDataMediator *mediator);
    ~ASyncAbstractDataModel() override;

    virtual SyncData *data() const;
    virtual SyncDataMediator *mediator() const { return m_mediator; }
    virtual bool prepareChange() { return true; }
    // Commits; a commit that throws answers false.
    virtual bool apply();
    // Sends this model's part of the data to the host; true when the host took it.
    virtual bool commit() = 0;

    void update(int a, int b) override;

protected:
    // Hands the host a short-lived adaptor over the data through one operation of its
    // synchronisation access: once without a context, or once per context word in order until
    // the host refuses. False when the access cannot be had, nothing was sent, the host
    // refused or threw.
    bool sendToHost(SyncAccessOperation operation, const std::vector<uint32_t> &contexts = {});

private:
    SyncDataMediator *m_mediator;
};

// A model shown as a check-box table: rows are cores (sorted by id) or fixed events.
class ASyncModelMatrix : public ASyncAbstractDataModel
{
public:
    using ASyncAbstractDataModel::ASyncAbstractDataModel;

    virtual int columnCount() const = 0;
    // "name [comment]"; empty for a row without a connection.
    virtual std::string getLabel(int row);
    virtual std::string getComment(int row);
    virtual bool isChecked(int row, int col) = 0;
    virtual void setChecked(int row, int col, bool on) = 0;
    virtual bool isEnabled(int row, int col);
    virtual bool isActive();
    // 0 for a row outside the core rows.
    virtual uint32_t getCoreId(int row);
    virtual int rowCount() const;
    // None for a row outside the core rows.
    virtual SyncDataConnection *getConnection(int row);
    virtual void updateRows();
    virtual bool hasCoreRows() const = 0;

    // Rebuilds the rows first, so that a table redrawn in its update sees the new rows.
    void update(int a, int b) override;

private:
    std::vector<uint32_t> m_rows;
};
