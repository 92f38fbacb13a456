#include "dialogs/gotolinedlgbase.h"

GotoLineDlgBase::GotoLineDlgBase(QWidget *parent, const char *name, bool modal,
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

void GotoLineDlgBase::languageChange()
{
    retranslateUi(this);
}

void GotoLineDlgBase::setValue(int)
{
    qWarning("GotoLineDlgBase::setValue(int): Not implemented yet");
}

void GotoLineDlgBase::setMaximum(int)
{
    qWarning("GotoLineDlgBase::setMaximum(int): Not implemented yet");
}

int GotoLineDlgBase::getValue()
{
    qWarning("GotoLineDlgBase::getValue(): Not implemented yet");
    return 0;
}
