#include "dialogs/simpleentrydlgbase.h"

#include "frame/core/formbuttons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

SimpleEntryDlgBase::SimpleEntryDlgBase(QWidget *parent, const char *name, bool modal,
                                       Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("SimpleEntryDlgBase"));
    setModal(modal);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    SimpleEntryDlgBaseLayout = new QVBoxLayout(this);
    SimpleEntryDlgBaseLayout->setObjectName(QStringLiteral("SimpleEntryDlgBaseLayout"));
    SimpleEntryDlgBaseLayout->setContentsMargins(11, 11, 11, 11);
    SimpleEntryDlgBaseLayout->setSpacing(6);

    layout1 = new QHBoxLayout;
    layout1->setObjectName(QStringLiteral("layout1"));
    layout1->setSpacing(6);
    msgICON = new QLabel(this);
    msgICON->setObjectName(QStringLiteral("msgICON"));
    msgICON->setFixedSize(32, 32);
    msgICON->setScaledContents(true);
    layout1->addWidget(msgICON);
    layout1->addItem(new QSpacerItem(10, 10, QSizePolicy::Fixed, QSizePolicy::Minimum));
    msgLBL = new QLabel(this);
    msgLBL->setObjectName(QStringLiteral("msgLBL"));
    layout1->addWidget(msgLBL);
    SimpleEntryDlgBaseLayout->addLayout(layout1);

    valueEF = new QLineEdit(this);
    valueEF->setObjectName(QStringLiteral("valueEF"));
    SimpleEntryDlgBaseLayout->addWidget(valueEF);

    layout2 = new QHBoxLayout;
    layout2->setObjectName(QStringLiteral("layout2"));
    layout2->setSpacing(6);
    layout2->addItem(new QSpacerItem(210, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    okPB = addFormButton(this, layout2, "okPB", true);
    cancelPB = addFormButton(this, layout2, "cancelPB");
    helpPB = addFormButton(this, layout2, "helpPB");
    SimpleEntryDlgBaseLayout->addLayout(layout2);

    languageChange();
    resize(QSize(498, 113).expandedTo(minimumSizeHint()));

    connect(okPB, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelPB, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpPB, &QPushButton::clicked, this, &SimpleEntryDlgBase::helpSlot);
    setTabOrder(valueEF, okPB);
    setTabOrder(okPB, cancelPB);
    setTabOrder(cancelPB, helpPB);
}

void SimpleEntryDlgBase::languageChange()
{
    setWindowTitle(tr("Enter Value"));
    msgLBL->setText(tr("textLabel1"));
    okPB->setText(tr("OK"));
    cancelPB->setText(tr("Cancel"));
    helpPB->setText(tr("Help"));
}

void SimpleEntryDlgBase::helpSlot()
{
    qWarning("SimpleEntryDlgBase::helpSlot(): Not implemented yet");
}
