#include "symbols/breakpoints/breakpointdlgbase.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include <tuple>

namespace {

template<typename Widget>
Widget *make(QWidget *parent, const char *name)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QVBoxLayout *buttonColumn(std::initializer_list<QPushButton *> buttons)
{
    auto *column = new QVBoxLayout;
    column->setSpacing(6);
    for (QPushButton *button : buttons)
        column->addWidget(button);
    column->addStretch();
    return column;
}

QHBoxLayout *listWithButtons(QGroupBox *box, QListWidget *list, QVBoxLayout *buttons)
{
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(11, 11, 11, 11);
    row->setSpacing(6);
    row->addWidget(list);
    row->addLayout(buttons);
    return row;
}

void notImplemented(const char *slot)
{
    qWarning("BreakpointDlgBase::%s: Not implemented yet", slot);
}

} // namespace

BreakpointDlgBase::BreakpointDlgBase(QWidget *parent, const char *name, bool modal,
                                     Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(QString::fromLatin1(name ? name : "BreakpointDlgBase"));
    setModal(modal);
    setSizeGripEnabled(true);
    buildTopPart();
    buildLowerPart();
    languageChange();
    resize(minimumSizeHint());
    wire();
    setTabOrders();
}

void BreakpointDlgBase::buildTopPart()
{
    // Created in the order the form has always had: the children's order follows it.
    const QIcon builderImage = style()->standardIcon(QStyle::SP_ArrowRight);
    valueBuilderPB = make<QPushButton>(this, "valueBuilderPB");
    valueBuilderPB->setIcon(builderImage);
    valueBuilderPB->setEnabled(false);
    textLabel2 = make<QLabel>(this, "textLabel2");
    valueCOB = make<QComboBox>(this, "valueCOB");
    valueCOB->setEditable(true);
    valueCOB->setEnabled(false);
    locationCOB = make<QComboBox>(this, "locationCOB");
    locationCOB->setEditable(true);
    locationBuilderPB = make<QPushButton>(this, "locationBuilderPB");
    locationBuilderPB->setIcon(builderImage);
    textLabel1 = make<QLabel>(this, "textLabel1");
    forcedCB = make<QCheckBox>(this, "forcedCB");
    forcedSizeEF = make<QLineEdit>(this, "forcedSizeEF");
    forcedSizeEF->setEnabled(false);
    classCOB = make<QComboBox>(this, "classCOB");
    classCOB->setEnabled(false);
    groupBox1 = make<QGroupBox>(this, "groupBox1");
    breakpointTypeLB = make<QListWidget>(groupBox1, "breakpointTypeLB");
    textLabel3 = make<QLabel>(this, "textLabel3");
    OKPB = make<QPushButton>(this, "OKPB");
    OKPB->setDefault(true);
    cancelPB = make<QPushButton>(this, "cancelPB");
    helpPB = make<QPushButton>(this, "helpPB");
    morePB = make<QPushButton>(this, "morePB");
    morePB->setCheckable(true);

    textLabel1->setBuddy(locationCOB);
    textLabel2->setBuddy(valueCOB);
    textLabel3->setBuddy(classCOB);

    auto *typeBox = new QVBoxLayout(groupBox1);
    typeBox->setContentsMargins(11, 11, 11, 11);
    typeBox->addWidget(breakpointTypeLB);

    auto *fields = new QGridLayout;
    fields->setSpacing(6);
    fields->addWidget(textLabel1, 0, 0);
    fields->addWidget(locationCOB, 0, 1, 1, 2);
    fields->addWidget(locationBuilderPB, 0, 3);
    fields->addWidget(textLabel2, 1, 0);
    fields->addWidget(valueCOB, 1, 1, 1, 2);
    fields->addWidget(valueBuilderPB, 1, 3);
    fields->addWidget(textLabel3, 2, 0);
    fields->addWidget(classCOB, 2, 1, 1, 2);
    fields->addWidget(forcedCB, 3, 0, 1, 2);
    fields->addWidget(forcedSizeEF, 3, 2);
    fields->setRowStretch(4, 1);
    fields->setColumnStretch(1, 1);

    auto *top = new QHBoxLayout;
    top->setSpacing(6);
    top->addWidget(groupBox1);
    top->addLayout(fields, 1);
    top->addLayout(buttonColumn({OKPB, cancelPB, helpPB, morePB}));

    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(11, 11, 11, 11);
    main->setSpacing(6);
    main->addLayout(top);
}

void BreakpointDlgBase::buildLowerPart()
{
    actionsGB = make<QGroupBox>(this, "actionsGB");
    buttonGroup1 = make<QGroupBox>(actionsGB, "buttonGroup1");
    thenGroup = new QButtonGroup(buttonGroup1);
    stopRB = make<QRadioButton>(buttonGroup1, "stopRB");
    continueRB = make<QRadioButton>(buttonGroup1, "continueRB");
    thenGroup->addButton(stopRB, 0);
    thenGroup->addButton(continueRB, 1);
    actionsLB = make<QListWidget>(actionsGB, "actionsLB");
    actionsAddPB = make<QPushButton>(actionsGB, "actionsAddPB");
    actionsDeletePB = make<QPushButton>(actionsGB, "actionsDeletePB");
    actionsEditPB = make<QPushButton>(actionsGB, "actionsEditPB");
    actionsMoveUpPB = make<QPushButton>(actionsGB, "actionsMoveUpPB");
    actionsMoveDownPB = make<QPushButton>(actionsGB, "actionsMoveDownPB");
    hardwareSupportGB = make<QGroupBox>(this, "hardwareSupportGB");
    hardwareSupportLB = make<QListWidget>(hardwareSupportGB, "hardwareSupportLB");
    hardwareSupportEditPB = make<QPushButton>(hardwareSupportGB, "hardwareSupportEditPB");
    hardwareSupportResetPB = make<QPushButton>(hardwareSupportGB, "hardwareSupportResetPB");
    conditionsGB = make<QGroupBox>(this, "conditionsGB");
    conditionsLB = make<QListWidget>(conditionsGB, "conditionsLB");
    conditionsAddPB = make<QPushButton>(conditionsGB, "conditionsAddPB");
    conditionsDeletePB = make<QPushButton>(conditionsGB, "conditionsDeletePB");
    conditionsEditPB = make<QPushButton>(conditionsGB, "conditionsEditPB");
    conditionsMoveUpPB = make<QPushButton>(conditionsGB, "conditionsMoveUpPB");
    conditionsMoveDownPB = make<QPushButton>(conditionsGB, "conditionsMoveDownPB");

    for (QWidget *w : std::initializer_list<QWidget *>{
             hardwareSupportLB, hardwareSupportEditPB, hardwareSupportResetPB, conditionsDeletePB,
             conditionsEditPB, conditionsMoveUpPB, conditionsMoveDownPB, actionsDeletePB,
             actionsEditPB, actionsMoveUpPB, actionsMoveDownPB})
        w->setEnabled(false);

    listWithButtons(hardwareSupportGB, hardwareSupportLB,
                    buttonColumn({hardwareSupportEditPB, hardwareSupportResetPB}));
    listWithButtons(conditionsGB, conditionsLB,
                    buttonColumn({conditionsAddPB, conditionsDeletePB, conditionsEditPB,
                                  conditionsMoveUpPB, conditionsMoveDownPB}));
    auto *then = new QVBoxLayout(buttonGroup1);
    then->addWidget(stopRB);
    then->addWidget(continueRB);
    QVBoxLayout *actionButtons = buttonColumn(
        {actionsAddPB, actionsDeletePB, actionsEditPB, actionsMoveUpPB, actionsMoveDownPB});
    actionButtons->insertWidget(0, buttonGroup1);
    listWithButtons(actionsGB, actionsLB, actionButtons);

    auto *main = static_cast<QVBoxLayout *>(layout());
    main->addWidget(hardwareSupportGB);
    main->addWidget(conditionsGB);
    main->addWidget(actionsGB);
}

void BreakpointDlgBase::wire()
{
    using PB = QPushButton;
    connect(OKPB, &PB::clicked, this, &QDialog::accept);
    connect(cancelPB, &PB::clicked, this, &QDialog::reject);
    for (QGroupBox *box : {hardwareSupportGB, conditionsGB, actionsGB})
        connect(morePB, &PB::toggled, box, &QWidget::setVisible);
    connect(morePB, &PB::toggled, this, &QWidget::adjustSize);
    connect(breakpointTypeLB, &QListWidget::currentRowChanged, this,
            &BreakpointDlgBase::breakpointTypeChangedSlot);
    connect(hardwareSupportEditPB, &PB::clicked, this,
            &BreakpointDlgBase::editHardwareSupportValueSlot);
    connect(hardwareSupportLB, &QListWidget::itemDoubleClicked, this,
            &BreakpointDlgBase::editHardwareSupportValueSlot);
    connect(hardwareSupportResetPB, &PB::clicked, this,
            &BreakpointDlgBase::resetHardwareSupportValueSlot);
    connect(forcedCB, &QCheckBox::toggled, forcedSizeEF, &QWidget::setEnabled);
    connect(locationBuilderPB, &PB::clicked, this, &BreakpointDlgBase::buildLocationSlot);
    connect(valueBuilderPB, &PB::clicked, this, &BreakpointDlgBase::buildValueSlot);
    connect(conditionsAddPB, &PB::clicked, this, &BreakpointDlgBase::conditionsAddSlot);
    connect(conditionsDeletePB, &PB::clicked, this, &BreakpointDlgBase::conditionsDeleteSlot);
    connect(conditionsEditPB, &PB::clicked, this, &BreakpointDlgBase::conditionsEditSlot);
    connect(conditionsMoveUpPB, &PB::clicked, this, &BreakpointDlgBase::conditionsMoveUpSlot);
    connect(conditionsMoveDownPB, &PB::clicked, this, &BreakpointDlgBase::conditionsMoveDownSlot);
    connect(actionsAddPB, &PB::clicked, this, &BreakpointDlgBase::actionsAddSlot);
    connect(actionsDeletePB, &PB::clicked, this, &BreakpointDlgBase::actionsDeleteSlot);
    connect(actionsEditPB, &PB::clicked, this, &BreakpointDlgBase::actionsEditSlot);
    connect(actionsMoveUpPB, &PB::clicked, this, &BreakpointDlgBase::actionsMoveUpSlot);
    connect(actionsMoveDownPB, &PB::clicked, this, &BreakpointDlgBase::actionsMoveDownSlot);
    connect(conditionsLB, &QListWidget::itemDoubleClicked, this,
            &BreakpointDlgBase::conditionsEditSlot);
    connect(actionsLB, &QListWidget::itemDoubleClicked, this, &BreakpointDlgBase::actionsEditSlot);
    connect(helpPB, &PB::clicked, this, &BreakpointDlgBase::helpSlot);
}

void BreakpointDlgBase::setTabOrders()
{
    const QList<QWidget *> order = {breakpointTypeLB,
                                    locationCOB,
                                    locationBuilderPB,
                                    valueCOB,
                                    valueBuilderPB,
                                    classCOB,
                                    forcedCB,
                                    forcedSizeEF,
                                    OKPB,
                                    cancelPB,
                                    helpPB,
                                    morePB,
                                    hardwareSupportLB,
                                    hardwareSupportEditPB,
                                    hardwareSupportResetPB,
                                    conditionsLB,
                                    conditionsAddPB,
                                    conditionsDeletePB,
                                    conditionsEditPB,
                                    conditionsMoveUpPB,
                                    conditionsMoveDownPB,
                                    actionsLB,
                                    actionsAddPB,
                                    actionsDeletePB,
                                    actionsEditPB,
                                    actionsMoveUpPB,
                                    actionsMoveDownPB,
                                    stopRB,
                                    continueRB};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void BreakpointDlgBase::languageChange()
{
    setWindowTitle(tr("Create Breakpoint"));
    textLabel2->setText(tr("&Value Match:"));
    textLabel1->setText(tr("&Location:"));
    forcedCB->setText(tr("&Force Breakpoint Size (bits)"));
    groupBox1->setTitle(tr("Breakpoint Type"));
    textLabel3->setText(tr("Class:"));
    OKPB->setText(tr("OK"));
    cancelPB->setText(tr("Cancel"));
    helpPB->setText(tr("Help"));
    morePB->setText(tr("&More..."));
    actionsGB->setTitle(tr("Actions"));
    buttonGroup1->setTitle(tr("Then"));
    stopRB->setText(tr("&Stop"));
    continueRB->setText(tr("&Continue"));
    hardwareSupportGB->setTitle(tr("Hardware Support"));
    hardwareSupportEditPB->setText(tr("&Edit"));
    hardwareSupportResetPB->setText(tr("&Reset"));
    conditionsGB->setTitle(tr("Conditions"));
    for (auto [add, del, edit, up, down] :
         {std::tuple{actionsAddPB, actionsDeletePB, actionsEditPB, actionsMoveUpPB,
                     actionsMoveDownPB},
          std::tuple{conditionsAddPB, conditionsDeletePB, conditionsEditPB, conditionsMoveUpPB,
                     conditionsMoveDownPB}}) {
        add->setText(tr("Add"));
        del->setText(tr("Delete"));
        edit->setText(tr("Edit"));
        up->setText(tr("Move Up"));
        down->setText(tr("Move Down"));
    }
}

// The form's own slots; BreakpointDlg overrides those it gives behaviour.
void BreakpointDlgBase::breakpointTypeChangedSlot(int)
{
    notImplemented("breakpointTypeChangedSlot(int)");
}
void BreakpointDlgBase::editHardwareSupportValueSlot()
{
    notImplemented("editHardwareSupportValueSlot()");
}
void BreakpointDlgBase::resetHardwareSupportValueSlot()
{
    notImplemented("resetHardwareSupportValueSlot()");
}
void BreakpointDlgBase::editQualifiersValueSlot()
{
    notImplemented("editQualifiersValueSlot()");
}
void BreakpointDlgBase::editActionsValueSlot()
{
    notImplemented("editActionsValueSlot()");
}
void BreakpointDlgBase::buildLocationSlot()
{
    notImplemented("buildLocationSlot()");
}
void BreakpointDlgBase::buildValueSlot()
{
    notImplemented("buildValueSlot()");
}
void BreakpointDlgBase::conditionsAddSlot()
{
    notImplemented("conditionsAddSlot()");
}
void BreakpointDlgBase::conditionsDeleteSlot()
{
    notImplemented("conditionsDeleteSlot()");
}
void BreakpointDlgBase::conditionsEditSlot()
{
    notImplemented("conditionsEditSlot()");
}
void BreakpointDlgBase::conditionsMoveUpSlot()
{
    notImplemented("conditionsMoveUpSlot()");
}
void BreakpointDlgBase::actionsDeleteSlot()
{
    notImplemented("actionsDeleteSlot()");
}
void BreakpointDlgBase::actionsEditSlot()
{
    notImplemented("actionsEditSlot()");
}
void BreakpointDlgBase::conditionsMoveDownSlot()
{
    notImplemented("conditionsMoveDownSlot()");
}
void BreakpointDlgBase::actionsMoveDownSlot()
{
    notImplemented("actionsMoveDownSlot()");
}
void BreakpointDlgBase::actionsMoveUpSlot()
{
    notImplemented("actionsMoveUpSlot()");
}
void BreakpointDlgBase::actionsAddSlot()
{
    notImplemented("actionsAddSlot()");
}
void BreakpointDlgBase::helpSlot()
{
    notImplemented("helpSlot()");
}
