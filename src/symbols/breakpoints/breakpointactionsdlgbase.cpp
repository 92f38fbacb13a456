#include "symbols/breakpoints/breakpointactionsdlgbase.h"

#include "symbols/breakpoints/listwidth.h"

BreakpointActionsDlgBase::BreakpointActionsDlgBase(QWidget *parent, const char *name, bool modal,
                                                   Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setModal(modal);
    setupUi(this);
    tesk::breakpoints::widenToRows(actionsLB);
    resize(size().expandedTo(minimumSizeHint()));

    connect(okPB, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelPB, &QPushButton::clicked, this, &QDialog::reject);
    connect(actionsLB, &QListWidget::currentRowChanged, actionsWidgetStack,
            &QStackedWidget::setCurrentIndex);
    connect(actionsLB, &QListWidget::currentRowChanged, this,
            &BreakpointActionsDlgBase::actionChangedSlot);
}

void BreakpointActionsDlgBase::languageChange()
{
    retranslateUi(this);
}

void BreakpointActionsDlgBase::addActionSlot()
{
    qWarning("BreakpointActionsDlgBase::addActionSlot(): Not implemented yet");
}

void BreakpointActionsDlgBase::actionChangedSlot()
{
    qWarning("BreakpointActionsDlgBase::actionChangedSlot(): Not implemented yet");
}
