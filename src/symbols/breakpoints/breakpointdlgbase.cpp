#include "symbols/breakpoints/breakpointdlgbase.h"

#include "frame/core/hostgeometry.h"

#include <QButtonGroup>
#include <QStyle>

#include <initializer_list>
#include <iterator>

namespace {

void notImplemented(const char *slot)
{
    qWarning("BreakpointDlgBase::%s: Not implemented yet", slot);
}

} // namespace

BreakpointDlgBase::BreakpointDlgBase(QWidget *parent, const char *name, bool modal,
                                     Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setModal(modal);
    setupUi(this);
    const QIcon builderImage = style()->standardIcon(QStyle::SP_ArrowRight);
    locationBuilderPB->setIcon(builderImage);
    valueBuilderPB->setIcon(builderImage);
    thenGroup = new QButtonGroup(buttonGroup1);
    thenGroup->addButton(stopRB, 0);
    thenGroup->addButton(continueRB, 1);
    restoreCreationOrder();
    resize(minimumSizeHint());
    wire();
}

// The form creates the widgets in layout order; the dialog always stacked them in the order it
// created them, which the children keep. The Tab order is the form's own tab stops.
void BreakpointDlgBase::restoreCreationOrder()
{
    const auto beforeLayout = [](std::initializer_list<QWidget *> widgets) {
        for (auto it = std::rbegin(widgets); it != std::rend(widgets); ++it)
            (*it)->lower();
    };
    beforeLayout({valueBuilderPB, textLabel2, valueCOB, locationCOB, locationBuilderPB, textLabel1,
                  forcedCB, forcedSizeEF, classCOB, groupBox1, textLabel3, OKPB, cancelPB, helpPB,
                  morePB});
    for (QWidget *box : {actionsGB, hardwareSupportGB, conditionsGB})
        box->raise();
    beforeLayout({breakpointTypeLB});
    beforeLayout({buttonGroup1, actionsLB, actionsAddPB, actionsDeletePB, actionsEditPB,
                  actionsMoveUpPB, actionsMoveDownPB});
    beforeLayout({stopRB, continueRB});
    beforeLayout({hardwareSupportLB, hardwareSupportEditPB, hardwareSupportResetPB});
    beforeLayout({conditionsLB, conditionsAddPB, conditionsDeletePB, conditionsEditPB,
                  conditionsMoveUpPB, conditionsMoveDownPB});
}

void BreakpointDlgBase::wire()
{
    using PB = QPushButton;
    connect(OKPB, &PB::clicked, this, &QDialog::accept);
    connect(cancelPB, &PB::clicked, this, &QDialog::reject);
    for (QGroupBox *box : {hardwareSupportGB, conditionsGB, actionsGB})
        connect(morePB, &PB::toggled, box, &QWidget::setVisible);
    connect(morePB, &PB::toggled, this, [this] {
        adjustSize();
        // Opened out, the dialog grows downward: it moves up as far as its screen needs.
        if (isVisible())
            move(tesk::frame::onAvailableScreen(frameGeometry()).topLeft());
    });
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

void BreakpointDlgBase::languageChange()
{
    retranslateUi(this);
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
