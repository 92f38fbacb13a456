#pragma once

// The form of the "Event Configuration" dialog: its widgets, texts, connections and tab order.
// ModuleFilterDlg gives the slots their work.

#include <QDialog>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class ModuleFilterDlgBase : public QDialog
{
    Q_OBJECT
public:
    explicit ModuleFilterDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                 bool modal = false, Qt::WindowFlags flags = {});

    QCheckBox *checkMaster;
    QLabel *textInformation;
    QFrame *line1;
    QGroupBox *groupEvents;
    QTreeWidget *listFilters;
    QPushButton *pushNew;
    QPushButton *pushEdit;
    QPushButton *pushDelete;
    QPushButton *pushUp;
    QPushButton *pushDown;
    QGroupBox *groupProperties;
    QLabel *labelFilterName;
    QLineEdit *editFilterName;
    QCheckBox *checkActiveFilter;
    QCheckBox *checkInclude;
    QCheckBox *checkRegEx;
    QLabel *labelFilterTextProcess;
    QLineEdit *editFilterProcessName;
    QCheckBox *checkAlwaysProcess;
    QLabel *labelFilterTextModule;
    QLineEdit *editFilterModuleName;
    QCheckBox *checkAlwaysModule;
    QPushButton *pushOK;
    QPushButton *pushCancel;

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
    void createWidgets();
    void layOut();
    void connectSignals();
    void setTabOrder();
};
