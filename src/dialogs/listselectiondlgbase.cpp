#include "dialogs/listselectiondlgbase.h"

ListSelectionDlgBase::ListSelectionDlgBase(QWidget *parent, const char *name, bool modal,
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
    connect(CancelPB, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpPB, &QPushButton::clicked, this, &ListSelectionDlgBase::helpSlot);
    connect(itemsLV, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
}

void ListSelectionDlgBase::languageChange()
{
    retranslateUi(this);
}

void ListSelectionDlgBase::helpSlot()
{
    qWarning("ListSelectionDlgBase::helpSlot(): Not implemented yet");
}
