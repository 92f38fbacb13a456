#pragma once
// The six models of the synchronisation window over the shared data: per core whether its
// actions and its execution commands are coupled and how its cross triggers are set; per
// action and per execution command whether it is coupled; and the command-pending mode. Each
// commits its part through its own operation of the host's synchronisation access.

#include "sync/asyncabstractdatamodel.h"

// Rows are cores; a core takes part in action coupling when it has any user action.
class SyncDataModelActionsCores : public ASyncModelMatrix
{
public:
    using ASyncModelMatrix::ASyncModelMatrix;

    int columnCount() const override { return 2; }
    bool hasCoreRows() const override { return true; }
    bool isChecked(int row, int col) override;
    // On: the actions already coupled elsewhere, or all of them when none is.
    void setChecked(int row, int col, bool on) override;
    bool commit() override;

protected:
    // The group of events the model couples.
    virtual uint32_t group() const;
};

// Rows are cores; the same with the execution commands.
class SyncDataModelExecutionCores : public SyncDataModelActionsCores
{
public:
    using SyncDataModelActionsCores::SyncDataModelActionsCores;

    bool commit() override;

protected:
    uint32_t group() const override;
};

// Rows are cores, columns the cross triggers: In, Out, HW In, HW Out (1 to 4).
class SyncDataModelXTrig : public ASyncModelMatrix
{
public:
    using ASyncModelMatrix::ASyncModelMatrix;

    int columnCount() const override { return 6; }
    bool hasCoreRows() const override { return true; }
    bool isChecked(int row, int col) override;
    bool isEnabled(int row, int col) override;
    std::string getComment(int row) override;
    // Also notes the core for the next commit.
    void setChecked(int row, int col, bool on) override;
    // One host call per noted core, in order; the notes are gone afterwards however it went.
    bool commit() override;

    static uint32_t columnBit(int col);

private:
    std::vector<uint32_t> m_pending;
};

// Rows are the seven user actions.
class SyncDataModelActionsSet : public ASyncModelMatrix
{
public:
    using ASyncModelMatrix::ASyncModelMatrix;

    int columnCount() const override { return 3; }
    int rowCount() const override { return 7; }
    bool hasCoreRows() const override { return false; }
    bool isChecked(int row, int col) override;
    // On reaches only the cores that take part in the group's coupling.
    void setChecked(int row, int col, bool on) override;
    bool isActive() override;
    std::string getComment(int row) override;
    bool commit() override;

protected:
    virtual uint32_t group() const;
    virtual uint32_t rowBit(int row) const;
};

// Rows are Step, Run and Stop.
class SyncDataModelExecutionSet : public SyncDataModelActionsSet
{
public:
    using SyncDataModelActionsSet::SyncDataModelActionsSet;

    int rowCount() const override { return 3; }
    // How the cores that couple the row's command are coupled: tightly, loosely, mixed.
    std::string getComment(int row) override;
    bool commit() override;

protected:
    uint32_t group() const override;
    uint32_t rowBit(int row) const override;
};

// The command-pending mode.
class SyncDataModelExecutionAddOns : public ASyncAbstractDataModel
{
public:
    using ASyncAbstractDataModel::ASyncAbstractDataModel;

    // True for "Any synchronized core running".
    bool getPendingMode() const;
    void setPendingMode(int mode);
    bool commit() override;
};
