#pragma once
// The navigator's list of variables: its menu and named actions print, watch and break on the
// current variable; its flags choose which scopes are listed.

#include "symbols/datanavlistbase.h"

class VarListView : public DataNavListBase
{
    Q_OBJECT

public:
    // Menu item ids.
    enum Item {
        kTogglePublics = 1,
        kToggleStatics,
        kToggleLabels,
        kToggleLocals,
        kToggleLibSymbols,
        kPrintDec,
        kPrintHex,
        kWatch,
        kPrintType,
        kInfo,
        kBreak,
    };

    explicit VarListView(QWidget *parent = nullptr);

    SymbolListModel *symbols() const { return static_cast<SymbolListModel *>(listModel()); }
    QString typeName() const override;
    bool symbolPath(QString &path) const override;

    virtual bool showPublics() const;
    virtual bool showStatics() const;
    virtual bool showLabels() const;
    virtual bool showLocals() const;
    virtual bool showLibSymbols() const;

public slots:
    void languageChange() override;
    void slotDoubleClicked(const QModelIndex &index);
    void slotTogglePublics();
    void slotToggleStatics();
    void slotToggleLabels();
    void slotToggleLocals();
    void slotToggleLibSymbols();
    void slotPrint();
    void slotPrintHex();
    void slotWatch();
    void slotPrintType();
    void slotInfo();
    void slotBreak();
};
