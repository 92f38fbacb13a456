#include "symbols/breakpoints/breakpointconditionsdlgbase.h"

#include "frame/core/formbuttons.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpacerItem>

BreakpointConditionsDlgBase::BreakpointConditionsDlgBase(QWidget *parent, const char *name,
                                                         bool modal, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(QString::fromLatin1(name ? name : "BreakpointConditionsDlgBase"));
    setModal(modal);
    setSizeGripEnabled(true);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(11, 11, 11, 11);
    grid->setSpacing(6);
    textLabel2 = new QLabel(this);
    textLabel2->setObjectName(QStringLiteral("textLabel2"));
    grid->addWidget(textLabel2, 0, 0, 1, 3);
    conditionsLB = new QListWidget(this);
    conditionsLB->setObjectName(QStringLiteral("conditionsLB"));
    grid->addWidget(conditionsLB, 1, 0, 3, 1);
    expressionEF = new QLineEdit(this);
    expressionEF->setObjectName(QStringLiteral("expressionEF"));
    grid->addWidget(expressionEF, 1, 1, 1, 2);
    descriptionLBL = new QLabel(this);
    descriptionLBL->setObjectName(QStringLiteral("descriptionLBL"));
    grid->addWidget(descriptionLBL, 2, 2);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addItem(new QSpacerItem(20, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    okPB = addFormButton(this, buttons, "okPB", true);
    cancelPB = addFormButton(this, buttons, "cancelPB");
    grid->addLayout(buttons, 3, 2);

    languageChange();
    resize(QSize(454, 129).expandedTo(minimumSizeHint()));

    connect(okPB, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelPB, &QPushButton::clicked, this, &QDialog::reject);
    connect(conditionsLB, &QListWidget::currentRowChanged, this,
            &BreakpointConditionsDlgBase::selectionChangedSlot);
    setTabOrder(conditionsLB, expressionEF);
    setTabOrder(expressionEF, okPB);
    setTabOrder(okPB, cancelPB);
}

void BreakpointConditionsDlgBase::languageChange()
{
    setWindowTitle(tr("Add Condition"));
    textLabel2->setText(tr("Select the condition you wish to add to the current breakpoint."));
    okPB->setText(tr("OK"));
    cancelPB->setText(tr("Cancel"));
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
