#include "symbols/filters/modulefilterdlgbase.h"

namespace {

void pleaseOverride(const char *slot)
{
    qWarning("ModuleFilterDlgBase::%s: Please override this method!", slot);
}

} // namespace

ModuleFilterDlgBase::ModuleFilterDlgBase(QWidget *parent, const char *name, bool modal,
                                         Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    if (name)
        setObjectName(QLatin1String(name));
    setModal(modal);
    setupUi(this);
    resize(size().expandedTo(minimumSizeHint()));
    connectSignals();
}

void ModuleFilterDlgBase::connectSignals()
{
    connect(checkMaster, &QCheckBox::clicked, this, [this] { On_checkMaster_Click(); });
    for (QCheckBox *box :
         {checkActiveFilter, checkInclude, checkAlwaysProcess, checkRegEx, checkAlwaysModule})
        connect(box, &QCheckBox::clicked, this, [this] { On_FilterProp_Changed(); });
    connect(editFilterProcessName, &QLineEdit::textChanged, this,
            &ModuleFilterDlgBase::On_editFilterTextProcess_Changed);
    connect(editFilterModuleName, &QLineEdit::textChanged, this,
            &ModuleFilterDlgBase::On_editFilterTextModule_Changed);
    connect(editFilterName, &QLineEdit::textChanged, this,
            &ModuleFilterDlgBase::On_editFilterName_Changed);
    connect(pushNew, &QPushButton::clicked, this, [this] { On_pushNew_Click(); });
    connect(pushDelete, &QPushButton::clicked, this, [this] { On_pushDelete_Click(); });
    connect(pushDown, &QPushButton::clicked, this, [this] { On_pushDown_Click(); });
    connect(pushUp, &QPushButton::clicked, this, [this] { On_pushUp_Click(); });
    connect(pushEdit, &QPushButton::clicked, this, [this] { On_pushEdit_Click(); });
    connect(pushCancel, &QPushButton::clicked, this, &QDialog::close);
    connect(pushOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(listFilters, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { On_listFilters_selectionChanged(current); });
    connect(listFilters, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { On_listFilters_doubleClicked(item); });
}

void ModuleFilterDlgBase::languageChange()
{
    retranslateUi(this);
}

void ModuleFilterDlgBase::On_checkMaster_Click()
{
    pleaseOverride("On_checkMaster_Click()");
}

void ModuleFilterDlgBase::On_FilterProp_Changed()
{
    pleaseOverride("On_FilterProp_Changed()");
}

void ModuleFilterDlgBase::On_editFilterTextProcess_Changed(const QString &)
{
    pleaseOverride("On_editFilterTextProcess_Changed(const QString&)");
}

void ModuleFilterDlgBase::On_pushNew_Click()
{
    pleaseOverride("On_pushNew_Click()");
}

void ModuleFilterDlgBase::On_pushDelete_Click()
{
    pleaseOverride("On_pushDelete_Click()");
}

void ModuleFilterDlgBase::On_pushUp_Click()
{
    pleaseOverride("On_pushUp_Click()");
}

void ModuleFilterDlgBase::On_pushDown_Click()
{
    pleaseOverride("On_pushDown_Click()");
}

void ModuleFilterDlgBase::On_listFilters_selectionChanged(QTreeWidgetItem *)
{
    pleaseOverride("On_listFilters_selectionChanged(QListViewItem*)");
}

void ModuleFilterDlgBase::On_editFilterTextModule_Changed(const QString &)
{
    pleaseOverride("On_editFilterTextModule_Changed(const QString&)");
}

void ModuleFilterDlgBase::On_editFilterName_Changed(const QString &)
{
    pleaseOverride("On_editFilterName_Changed(const QString&)");
}

void ModuleFilterDlgBase::On_listFilters_doubleClicked(QTreeWidgetItem *)
{
    pleaseOverride("On_listFilters_doubleClicked(QListViewItem*)");
}

void ModuleFilterDlgBase::On_pushEdit_Click()
{
    pleaseOverride("On_pushEdit_Click()");
}
