#include "dialogs/corvasimconfigdlgbase.h"

CorvasimConfigDlgBase::CorvasimConfigDlgBase(QWidget *parent, const char *name, bool modal,
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
    connect(helpPB, &QPushButton::clicked, this, [this] { helpSlot(); });
    connect(emulatedRB, &QRadioButton::toggled, speedEF, &QLineEdit::setEnabled);
}

void CorvasimConfigDlgBase::languageChange()
{
    retranslateUi(this);
}

void CorvasimConfigDlgBase::helpSlot()
{
    qWarning("CorvasimConfigDlgBase::helpSlot(): Not implemented yet");
}
