#include "dialogs/mappingentrydlgbase.h"

#include "dialogs/folderpicture.h"

mappingEntryDlgBase::mappingEntryDlgBase(QWidget *parent, const char *name, bool modal,
                                         Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setupUi(this);
    setModal(modal);
    // A layout's alignment and a painted icon are beyond what the form holds.
    groupBox1Layout->setAlignment(Qt::AlignTop);
    groupBox2Layout->setAlignment(Qt::AlignTop);
    const QPixmap folder = tesk::dialogs::openFolderPicture();
    origBrowsePB->setIcon(folder);
    mappBrowsePB->setIcon(folder);
    // The form's size is where it starts; a longer translation may need more.
    resize(size().expandedTo(minimumSizeHint()));

    connect(buttonOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(origBrowsePB, &QPushButton::clicked, this, &mappingEntryDlgBase::origBrowseSlot);
    connect(mappBrowsePB, &QPushButton::clicked, this, &mappingEntryDlgBase::mappBrowseSlot);
}

void mappingEntryDlgBase::languageChange()
{
    retranslateUi(this);
}

void mappingEntryDlgBase::origBrowseSlot()
{
    qWarning("mappingEntryDlgBase::origBrowseSlot(): Not implemented yet");
}

void mappingEntryDlgBase::mappBrowseSlot()
{
    qWarning("mappingEntryDlgBase::mappBrowseSlot(): Not implemented yet");
}
