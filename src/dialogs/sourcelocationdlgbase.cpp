#include "dialogs/sourcelocationdlgbase.h"

#include <QStyle>

SourceLocationDlgBase::SourceLocationDlgBase(QWidget *parent, const char *name, bool modal,
                                             Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setupUi(this);
    setModal(modal);
    // The style's own folder picture, which a form cannot name.
    browsePB->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    // The form's size is where it starts; a longer translation may need more.
    resize(size().expandedTo(minimumSizeHint()));

    connect(retryPB, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelPB, &QPushButton::clicked, this, &QDialog::reject);
    connect(browsePB, &QPushButton::clicked, this, &SourceLocationDlgBase::browseSlot);
}

void SourceLocationDlgBase::languageChange()
{
    retranslateUi(this);
}

void SourceLocationDlgBase::browseSlot()
{
    qWarning("SourceLocationDlgBase::browseSlot(): Not implemented yet");
}
