#pragma once

// The form of the "Event Configuration" dialog: its widgets, texts, connections and tab order.
// ModuleFilterDlg gives the slots their work.

#include "ui_modulefilterdlgbase.h"

#include <QDialog>

class ModuleFilterDlgBase : public QDialog, public Ui::ModuleFilterDlgBase
{
    Q_OBJECT
public:
    explicit ModuleFilterDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                 bool modal = false, Qt::WindowFlags flags = {});

protected slots:
    virtual void languageChange();
    virtual void On_checkMaster_Click();
    virtual void On_FilterProp_Changed();
    virtual void On_editFilterTextProcess_Changed(const QString &text);
    virtual void On_pushNew_Click();
    virtual void On_pushDelete_Click();
    virtual void On_pushUp_Click();
    virtual void On_pushDown_Click();
    virtual void On_listFilters_selectionChanged(QTreeWidgetItem *item);
    virtual void On_editFilterTextModule_Changed(const QString &text);
    virtual void On_editFilterName_Changed(const QString &text);
    virtual void On_listFilters_doubleClicked(QTreeWidgetItem *item);
    virtual void On_pushEdit_Click();

private:
    void connectSignals();
};
