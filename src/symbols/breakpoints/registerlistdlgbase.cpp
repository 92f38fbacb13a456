#include "symbols/breakpoints/registerlistdlgbase.h"

#include "frame/core/formbuttons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSizeGrip>
#include <QSpacerItem>
#include <QVBoxLayout>

RegisterListDlgBase::RegisterListDlgBase(QWidget *parent, const char *name, bool modal,
                                         Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(QString::fromLatin1(name ? name : "RegisterListDlgBase"));
    setModal(modal);
    setSizeGripEnabled(true);

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(11, 11, 11, 11);
    box->setSpacing(6);
    textLabel1 = new QLabel(this);
    textLabel1->setObjectName(QStringLiteral("textLabel1"));
    box->addWidget(textLabel1);
    registerLB = new QListWidget(this);
    registerLB->setObjectName(QStringLiteral("registerLB"));
    box->addWidget(registerLB);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addItem(new QSpacerItem(20, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    okPB = addFormButton(this, buttons, "okPB", true);
    cancelPB = addFormButton(this, buttons, "cancelPB");
    box->addLayout(buttons);

    languageChange();
    resize(QSize(427, 292).expandedTo(minimumSizeHint()));

    connect(okPB, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelPB, &QPushButton::clicked, this, &QDialog::reject);
    connect(registerLB, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    setTabOrder(registerLB, okPB);
    setTabOrder(okPB, cancelPB);
}

void RegisterListDlgBase::languageChange()
{
    setWindowTitle(QObject::tr("Register List"));
    textLabel1->setText(QObject::tr("Please select a memory mapped register from the list below."));
    okPB->setText(QObject::tr("OK"));
    cancelPB->setText(QObject::tr("Cancel"));
}
