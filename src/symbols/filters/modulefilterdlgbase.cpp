#include "symbols/filters/modulefilterdlgbase.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <iterator>

namespace {

template<typename Widget>
Widget *named(QWidget *parent, const char *name)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

void pleaseOverride(const char *slot)
{
    qWarning("ModuleFilterDlgBase::%s: Please override this method!", slot);
}

} // namespace

ModuleFilterDlgBase::ModuleFilterDlgBase(QWidget *parent, const char *name, bool modal,
                                         Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(QLatin1String(name ? name : "ModuleFilterDlgBase"));
    setModal(modal);
    createWidgets();
    layOut();
    languageChange();
    resize(QSize(618, 334).expandedTo(minimumSizeHint()));
    connectSignals();
    setTabOrder();
}

void ModuleFilterDlgBase::createWidgets()
{
    checkMaster = named<QCheckBox>(this, "checkMaster");
    textInformation = named<QLabel>(this, "textInformation");
    line1 = named<QFrame>(this, "line1");
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);
    groupEvents = named<QGroupBox>(this, "groupEvents");
    listFilters = named<QTreeWidget>(groupEvents, "listFilters");
    listFilters->setRootIsDecorated(false);
    listFilters->setAllColumnsShowFocus(true);
    pushNew = named<QPushButton>(groupEvents, "pushNew");
    pushEdit = named<QPushButton>(groupEvents, "pushEdit");
    pushDelete = named<QPushButton>(groupEvents, "pushDelete");
    pushUp = named<QPushButton>(groupEvents, "pushUp");
    pushDown = named<QPushButton>(groupEvents, "pushDown");
    groupProperties = named<QGroupBox>(this, "groupProperties");
    labelFilterName = named<QLabel>(groupProperties, "labelFilterName");
    editFilterName = named<QLineEdit>(groupProperties, "editFilterName");
    checkActiveFilter = named<QCheckBox>(groupProperties, "checkActiveFilter");
    checkInclude = named<QCheckBox>(groupProperties, "checkInclude");
    checkRegEx = named<QCheckBox>(groupProperties, "checkRegEx");
    labelFilterTextProcess = named<QLabel>(groupProperties, "labelFilterTextProcess");
    editFilterProcessName = named<QLineEdit>(groupProperties, "editFilterProcessName");
    checkAlwaysProcess = named<QCheckBox>(groupProperties, "checkAlwaysProcess");
    labelFilterTextModule = named<QLabel>(groupProperties, "labelFilterTextModule");
    editFilterModuleName = named<QLineEdit>(groupProperties, "editFilterModuleName");
    checkAlwaysModule = named<QCheckBox>(groupProperties, "checkAlwaysModule");
    pushOK = named<QPushButton>(this, "pushOK");
    pushCancel = named<QPushButton>(this, "pushCancel");
    labelFilterName->setBuddy(editFilterName);
    labelFilterTextProcess->setBuddy(editFilterProcessName);
    labelFilterTextModule->setBuddy(editFilterModuleName);
}

void ModuleFilterDlgBase::layOut()
{
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {pushNew, pushEdit, pushDelete, pushUp, pushDown})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *events = new QHBoxLayout(groupEvents);
    events->addWidget(listFilters, 1);
    events->addLayout(buttons);

    auto *properties = new QGridLayout(groupProperties);
    properties->addWidget(labelFilterName, 0, 0);
    properties->addWidget(editFilterName, 0, 1);
    auto *flags = new QHBoxLayout;
    flags->addWidget(checkActiveFilter);
    flags->addWidget(checkInclude);
    flags->addWidget(checkRegEx);
    properties->addLayout(flags, 0, 2);
    properties->addWidget(labelFilterTextProcess, 1, 0);
    properties->addWidget(editFilterProcessName, 1, 1);
    properties->addWidget(checkAlwaysProcess, 1, 2);
    properties->addWidget(labelFilterTextModule, 2, 0);
    properties->addWidget(editFilterModuleName, 2, 1);
    properties->addWidget(checkAlwaysModule, 2, 2);

    auto *closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(pushOK);
    closing->addWidget(pushCancel);

    auto *top = new QVBoxLayout(this);
    top->addWidget(checkMaster);
    top->addWidget(textInformation);
    top->addWidget(line1);
    top->addWidget(groupEvents, 1);
    top->addWidget(groupProperties);
    top->addLayout(closing);
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

void ModuleFilterDlgBase::setTabOrder()
{
    QWidget *order[] = {checkMaster,
                        listFilters,
                        pushNew,
                        pushEdit,
                        pushDelete,
                        pushDown,
                        pushUp,
                        editFilterName,
                        checkActiveFilter,
                        checkInclude,
                        checkRegEx,
                        editFilterProcessName,
                        editFilterModuleName,
                        checkAlwaysProcess,
                        checkAlwaysModule,
                        pushOK,
                        pushCancel};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void ModuleFilterDlgBase::languageChange()
{
    setWindowTitle(QObject::tr("Event Configuration"));
    checkMaster->setText(QObject::tr("Enable &Capturing"));
    textInformation->setText(
        QObject::tr("<b>Warning:</b> Without enabled filtering all symbol files will be loaded!"));
    groupEvents->setTitle(QObject::tr("Events"));
    listFilters->setHeaderLabels({QObject::tr("Event Name"), QObject::tr("Include/Exclude"),
                                  QObject::tr("Event Type"), QObject::tr("Process name"),
                                  QObject::tr("Filename"), QObject::tr("RegEx"),
                                  QObject::tr("Description")});
    pushNew->setText(QObject::tr("&New..."));
    pushNew->setToolTip(QObject::tr("Creates a new event"));
    pushEdit->setText(QObject::tr("&Edit..."));
    pushEdit->setToolTip(QObject::tr("Edits the selected event"));
    pushDelete->setText(QObject::tr("&Delete"));
    pushDelete->setToolTip(QObject::tr("Deletes the selected event"));
    pushUp->setText(QObject::tr("Up"));
    pushDown->setText(QObject::tr("Down"));
    groupProperties->setTitle(QObject::tr("Filter Properties"));
    labelFilterName->setText(QObject::tr("&Filter name:"));
    checkActiveFilter->setText(QObject::tr("&Active"));
    checkInclude->setText(QObject::tr("&Include"));
    checkRegEx->setText(QObject::tr("&RegEx"));
    labelFilterTextProcess->setText(QObject::tr("Pr&ocess name:"));
    checkAlwaysProcess->setText(QObject::tr("Any"));
    labelFilterTextModule->setText(QObject::tr("Fi&lename:"));
    checkAlwaysModule->setText(QObject::tr("Any"));
    pushOK->setText(QObject::tr("OK"));
    pushCancel->setText(QObject::tr("Cancel"));
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
