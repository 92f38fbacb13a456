#pragma once
// The edit controller a synchronisation table changes its model through: host events are held
// back while the user changes the table, and at the end the model's part goes to the host and
// everything is read back, so that every table shows what the host holds.

#include <QObject>

class ASyncAbstractDataModel;
class ASyncModelMatrix;

class SyncCntrlCoresTable : public QObject
{
    Q_OBJECT

public:
    SyncCntrlCoresTable();

    virtual ASyncAbstractDataModel *model() const { return m_model; }
    // Not owned.
    void setModel(ASyncAbstractDataModel *model) { m_model = model; }

    virtual void refresh();
    // Forwards to a matrix model; nothing for any other.
    virtual void setChecked(int row, int col, bool on);
    virtual bool beginChange();
    // The model's commit; host events flow again and the data is re-read however it ended.
    virtual bool endChange();

private:
    ASyncAbstractDataModel *m_model = nullptr;
};
