#include "dialogs/panenamedlgbase.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

PaneNameDlgBase::PaneNameDlgBase(QWidget *parent, const char *name, bool modal,
                                 Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("PaneNameDlgBase"));
    setModal(modal);
    setSizeGripEnabled(true);
    PaneNameDlgBaseLayout = new QVBoxLayout(this);
    PaneNameDlgBaseLayout->setObjectName(QStringLiteral("PaneNameDlgBaseLayout"));
    PaneNameDlgBaseLayout->setContentsMargins(11, 11, 11, 11);
    PaneNameDlgBaseLayout->setSpacing(6);

    textLBL = new QLabel(this);
    textLBL->setObjectName(QStringLiteral("textLBL"));
    PaneNameDlgBaseLayout->addWidget(textLBL);
    nameEF = new QLineEdit(this);
    nameEF->setObjectName(QStringLiteral("nameEF"));
    nameEF->setMaxLength(64);
    PaneNameDlgBaseLayout->addWidget(nameEF);

    Layout1 = new QHBoxLayout;
    Layout1->setObjectName(QStringLiteral("Layout1"));
    Layout1->setSpacing(6);
    Layout1->addItem(new QSpacerItem(20, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    buttonOk = new QPushButton(this);
    buttonOk->setObjectName(QStringLiteral("buttonOk"));
    buttonOk->setAutoDefault(true);
    buttonOk->setDefault(true);
    Layout1->addWidget(buttonOk);
    buttonCancel = new QPushButton(this);
    buttonCancel->setObjectName(QStringLiteral("buttonCancel"));
    buttonCancel->setAutoDefault(true);
    Layout1->addWidget(buttonCancel);
    PaneNameDlgBaseLayout->addLayout(Layout1);

    languageChange();
    resize(QSize(449, 101).expandedTo(minimumSizeHint()));

    connect(buttonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void PaneNameDlgBase::languageChange()
{
    setWindowTitle(tr("Enter New Window Name"));
    textLBL->setText(tr("Window Name:"));
    buttonOk->setText(tr("OK"));
    buttonCancel->setText(tr("Cancel"));
}
