#pragma once

// The "Event Configuration" dialog: the master switch and the list of event filters, edited on a
// copy of the process-wide set that OK writes back whole and Cancel drops.

#include "symbols/filters/filtering.h"
#include "symbols/filters/modulefilterdlgbase.h"
#include "system/modalseam.h"

#include <QHash>
#include <QTreeWidgetItem>
#include <QValidator>

class ModuleFilterDlg;

// Refuses every keystroke that would put "," or ";" into a filter text.
class InputTextValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};

// A check-box row of the filter list. It reports its check changes to the dialog that made it.
class ModuleFilterDlg_ColoredListViewItem : public QTreeWidgetItem
{
public:
    ModuleFilterDlg_ColoredListViewItem(QTreeWidget *list, QTreeWidgetItem *after,
                                        ModuleFilterDlg *dialog);

    bool isOn() const { return checkState(0) == Qt::Checked; }
    void setOn(bool on) { setCheckState(0, on ? Qt::Checked : Qt::Unchecked); }
    void stateChange(bool on);

private:
    ModuleFilterDlg *m_dialog;
};

class ModuleFilterDlg : public ModuleFilterDlgBase
{
    Q_OBJECT
public:
    explicit ModuleFilterDlg(QWidget *parent = nullptr, const char *name = nullptr,
                             Qt::WindowFlags flags = {});
    ~ModuleFilterDlg() override;

    // Works on a copy of the set from here on.
    void Init(const Filtering::SymbolFileFilterData &set, const QString &text);

    virtual void ItemStateChanged(QTreeWidgetItem *item, bool on);
    // Inserts a row after the given one (at the top for none) and shows the filter in it.
    virtual QTreeWidgetItem *CreateItem(QTreeWidget *list, QTreeWidgetItem *after,
                                        Filtering::FModuleFilter *filter);

public slots:
    void accept() override;

protected slots:
    void On_checkMaster_Click() override;
    void On_FilterProp_Changed() override;
    void On_editFilterTextProcess_Changed(const QString &text) override;
    void On_pushNew_Click() override;
    void On_pushDelete_Click() override;
    void On_pushUp_Click() override;
    void On_pushDown_Click() override;
    void On_listFilters_selectionChanged(QTreeWidgetItem *item) override;
    void On_editFilterTextModule_Changed(const QString &text) override;
    void On_editFilterName_Changed(const QString &text) override;
    void On_listFilters_doubleClicked(QTreeWidgetItem *item) override;
    void On_pushEdit_Click() override;

private:
    Filtering::FModuleFilter *filterOf(QTreeWidgetItem *item) const;
    void UpdateItem(QTreeWidgetItem *item, Filtering::FModuleFilter *filter);
    void UpdateControls();
    void LoadProperties(Filtering::FModuleFilter *filter);
    void StoreProperties(Filtering::FModuleFilter *filter);
    void storeCurrent();
    void showItem(QTreeWidgetItem *item);
    void moveCurrent(int step);
    void onItemChanged(QTreeWidgetItem *item, int column);
    QString proposedName() const;
    // The edit dialog's run: alive false when this dialog was closed meanwhile.
    tesk::system::ModalSeam::Result runEventDialog(const char *caption,
                                                   Filtering::FModuleFilter *filter);

    Filtering::SymbolFileFilterData m_working;
    QHash<QTreeWidgetItem *, Filtering::FModuleFilter *> m_filters;
    QString m_text;
    InputTextValidator *m_validator = nullptr;
    // Check changes the dialog makes itself are not the user's.
    bool m_settingItems = false;
};
