#pragma once
// The navigator's list of functions: its menu and named actions send debugger commands for the
// current function; its flags choose which scopes are listed.

#include "symbols/datanavlistbase.h"

class FuncListView : public DataNavListBase
{
    Q_OBJECT

public:
    // Menu item ids.
    enum Item {
        kTogglePublics = 1,
        kToggleStatics,
        kToggleLabels,
        kToggleLibSymbols,
        kDisasm,
        kSource,
        kBreak,
        kGoto,
        kType,
        kInfo,
        kSetPC,
        kScope,
    };

    explicit FuncListView(QWidget *parent = nullptr);

    SymbolListModel *symbols() const { return static_cast<SymbolListModel *>(listModel()); }
    QString typeName() const override;
    bool symbolPath(QString &path) const override;

    virtual bool showPublics() const;
    virtual bool showStatics() const;
    virtual bool showLabels() const;
    virtual bool showLibSymbols() const;

public slots:
    void slotDoubleClicked(const QModelIndex &index);
    void slotTogglePublics();
    void slotToggleStatics();
    void slotToggleLabels();
    void slotToggleLibSymbols();
    void slotDisasm();
    void slotSource();
    void slotBreak();
    void slotGoto();
    void slotType();
    void slotInfo();
    void slotSetPC();
    void slotScope();
    void languageChange() override;
};
