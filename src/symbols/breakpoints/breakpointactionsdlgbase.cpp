#include "symbols/breakpoints/breakpointactionsdlgbase.h"

#include "frame/core/formbuttons.h"
#include "symbols/breakpoints/listwidth.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

template<typename Widget>
Widget *make(QWidget *parent, const char *name)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QVBoxLayout *pageLayout(QWidget *page)
{
    auto *box = new QVBoxLayout(page);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(6);
    return box;
}

} // namespace

BreakpointActionsDlgBase::BreakpointActionsDlgBase(QWidget *parent, const char *name, bool modal,
                                                   Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(QString::fromLatin1(name ? name : "BreakpointActionsDlgBase"));
    setModal(modal);
    setSizeGripEnabled(true);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(11, 11, 11, 11);
    grid->setSpacing(6);
    textLabel5 = make<QLabel>(this, "textLabel5");
    grid->addWidget(textLabel5, 0, 0, 1, 2);
    actionsLB = make<QListWidget>(this, "actionsLB");
    grid->addWidget(actionsLB, 1, 0);
    actionsWidgetStack = make<QStackedWidget>(this, "actionsWidgetStack");
    grid->addWidget(actionsWidgetStack, 1, 1);

    WStackPage = make<QWidget>(actionsWidgetStack, "WStackPage");
    QVBoxLayout *windows = pageLayout(WStackPage);
    windowListLB = make<QListWidget>(WStackPage, "windowListLB");
    windows->addWidget(windowListLB);
    textLabel4 = make<QLabel>(WStackPage, "textLabel4");
    windows->addWidget(textLabel4);
    actionsWidgetStack->addWidget(WStackPage);

    WStackPage_2 = make<QWidget>(actionsWidgetStack, "WStackPage_2");
    QVBoxLayout *message = pageLayout(WStackPage_2);
    messageEF = make<QLineEdit>(WStackPage_2, "messageEF");
    message->addWidget(messageEF);
    textLabel3 = make<QLabel>(WStackPage_2, "textLabel3");
    message->addWidget(textLabel3);
    message->addStretch();
    actionsWidgetStack->addWidget(WStackPage_2);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addItem(new QSpacerItem(20, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    okPB = addFormButton(this, buttons, "okPB", true);
    cancelPB = addFormButton(this, buttons, "cancelPB");
    grid->addLayout(buttons, 2, 0, 1, 2);

    languageChange();
    tesk::breakpoints::widenToRows(actionsLB);
    resize(QSize(483, 279).expandedTo(minimumSizeHint()));

    connect(okPB, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelPB, &QPushButton::clicked, this, &QDialog::reject);
    connect(actionsLB, &QListWidget::currentRowChanged, actionsWidgetStack,
            &QStackedWidget::setCurrentIndex);
    connect(actionsLB, &QListWidget::currentRowChanged, this,
            &BreakpointActionsDlgBase::actionChangedSlot);
    setTabOrder(actionsLB, messageEF);
    setTabOrder(messageEF, okPB);
    setTabOrder(okPB, cancelPB);
    setTabOrder(cancelPB, windowListLB);
}

void BreakpointActionsDlgBase::languageChange()
{
    setWindowTitle(tr("Add Action"));
    textLabel5->setText(tr("Select the Action you wish to add to the current breakpoint."));
    actionsLB->clear();
    actionsLB->addItem(tr("Update Window"));
    actionsLB->addItem(tr("Output Message"));
    textLabel4->setText(tr("Select which window you want updated when the breakpoint is "
                           "triggered,\nor select 'All' to update all windows."));
    textLabel3->setText(
        tr("Enter the message to display when the program stops at the breakpoint.\nEntering a "
           "number, in the format $num$, at the start of the message will\nspecify a window to "
           "display the message on."));
    okPB->setText(tr("OK"));
    cancelPB->setText(tr("Cancel"));
}

void BreakpointActionsDlgBase::addActionSlot()
{
    qWarning("BreakpointActionsDlgBase::addActionSlot(): Not implemented yet");
}

void BreakpointActionsDlgBase::actionChangedSlot()
{
    qWarning("BreakpointActionsDlgBase::actionChangedSlot(): Not implemented yet");
}
