#include "symbols/breakpoints/breakpointconditionsdlgbase.h"

BreakpointConditionsDlgBase::BreakpointConditionsDlgBase(QWidget *parent, const char *name,
                                                         bool modal, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setModal(modal);
    setupUi(this);
    resize(size().expandedTo(minimumSizeHint()));

    connect(okPB, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelPB, &QPushButton::clicked, this, &QDialog::reject);
    connect(conditionsLB, &QListWidget::currentRowChanged, this,
            &BreakpointConditionsDlgBase::selectionChangedSlot);
}

void BreakpointConditionsDlgBase::languageChange()
{
    retranslateUi(this);
}

void BreakpointConditionsDlgBase::addConditionSlot()
{
    qWarning("BreakpointConditionsDlgBase::addConditionSlot(): Not implemented yet");
}

void BreakpointConditionsDlgBase::browseSlot()
{
    qWarning("BreakpointConditionsDlgBase::browseSlot(): Not implemented yet");
}

void BreakpointConditionsDlgBase::selectionChangedSlot(int)
{
    qWarning("BreakpointConditionsDlgBase::selectionChangedSlot(int): Not implemented yet");
}
