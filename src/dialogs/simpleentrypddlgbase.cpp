#include "dialogs/simpleentrypddlgbase.h"

SimpleEntryPDDlgBase::SimpleEntryPDDlgBase(QWidget *parent, const char *name, bool modal,
                                           Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setupUi(this);
    setModal(modal);
    // The form's size is where it starts; a longer translation may need more.
    resize(size().expandedTo(minimumSizeHint()));

    connect(okPB, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelPB, &QPushButton::clicked, this, &QDialog::reject);
}

void SimpleEntryPDDlgBase::languageChange()
{
    retranslateUi(this);
}
