#include "dialogs/simpleentrypddlgbase.h"

#include "frame/core/formbuttons.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

SimpleEntryPDDlgBase::SimpleEntryPDDlgBase(QWidget *parent, const char *name, bool modal,
                                           Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("SimpleEntryPDDlgBase"));
    setModal(modal);
    setSizeGripEnabled(true);
    SimpleEntryPDDlgBaseLayout = new QVBoxLayout(this);
    SimpleEntryPDDlgBaseLayout->setObjectName(QStringLiteral("SimpleEntryPDDlgBaseLayout"));
    SimpleEntryPDDlgBaseLayout->setContentsMargins(11, 11, 11, 11);
    SimpleEntryPDDlgBaseLayout->setSpacing(6);

    msgLBL = new QLabel(this);
    msgLBL->setObjectName(QStringLiteral("msgLBL"));
    SimpleEntryPDDlgBaseLayout->addWidget(msgLBL);
    valueCB = new QComboBox(this);
    valueCB->setObjectName(QStringLiteral("valueCB"));
    valueCB->setEditable(true);
    SimpleEntryPDDlgBaseLayout->addWidget(valueCB);

    layout2 = new QHBoxLayout;
    layout2->setObjectName(QStringLiteral("layout2"));
    layout2->setSpacing(6);
    layout2->addItem(new QSpacerItem(210, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    okPB = addFormButton(this, layout2, "okPB", true);
    cancelPB = addFormButton(this, layout2, "cancelPB");
    helpPB = addFormButton(this, layout2, "helpPB");
    SimpleEntryPDDlgBaseLayout->addLayout(layout2);

    languageChange();
    resize(QSize(498, 151).expandedTo(minimumSizeHint()));

    connect(okPB, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelPB, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(okPB, cancelPB);
    setTabOrder(cancelPB, helpPB);
}

void SimpleEntryPDDlgBase::languageChange()
{
    setWindowTitle(tr("Prompt"));
    msgLBL->setText(tr("textLabel1"));
    okPB->setText(tr("OK"));
    cancelPB->setText(tr("Cancel"));
    helpPB->setText(tr("Help"));
}
