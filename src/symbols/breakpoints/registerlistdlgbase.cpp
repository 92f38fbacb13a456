#include "symbols/breakpoints/registerlistdlgbase.h"

RegisterListDlgBase::RegisterListDlgBase(QWidget *parent, const char *name, bool modal,
                                         Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setModal(modal);
    setupUi(this);
    // The form's size is where it starts; a larger font may ask for more.
    resize(size().expandedTo(minimumSizeHint()));

    connect(okPB, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelPB, &QPushButton::clicked, this, &QDialog::reject);
    connect(registerLB, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

void RegisterListDlgBase::languageChange()
{
    retranslateUi(this);
}
