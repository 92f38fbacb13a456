#include "dialogs/memoryoperationsdlgbase.h"

#include <QButtonGroup>

MemoryOperationsDlgBase::MemoryOperationsDlgBase(QWidget *parent, const char *name, bool modal,
                                                 Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setupUi(this);
    setModal(modal);
    // The box keeps the object name the host's scripts know it by; the form cannot give it, as
    // its member would then take the button group's name.
    actionGroupBox->setObjectName(QStringLiteral("actionGroup"));
    // The action's number is its button's id, which a form cannot set.
    actionGroup = new QButtonGroup(this);
    actionGroup->setObjectName(QStringLiteral("actionGroupButtons"));
    int id = 0;
    for (QRadioButton *button : {loadFileRB, saveFileRB, verifyFileRB})
        actionGroup->addButton(button, id++);
    // The form's size is where it starts; a longer translation may need more.
    resize(size().expandedTo(minimumSizeHint()));

    connect(browsePB, &QPushButton::clicked, this, [this] { getFilename(); });
    connect(closePB, &QPushButton::clicked, this, &QDialog::accept);
    connect(applyPB, &QPushButton::clicked, this, [this] { applySlot(); });
    connect(helpPB, &QPushButton::clicked, this, [this] { helpSlot(); });
    // Also for keys and the host's own choice, not only for clicks.
    connect(actionGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            actionChangedSlot();
    });
    connect(filetypeLB, &QListWidget::itemSelectionChanged, this,
            [this] { fileTypeClickedSlot(); });
}

void MemoryOperationsDlgBase::languageChange()
{
    retranslateUi(this);
}

void MemoryOperationsDlgBase::getFilename()
{
    qWarning("MemoryOperationsDlgBase::getFilename(): Not implemented yet");
}

void MemoryOperationsDlgBase::applySlot()
{
    qWarning("MemoryOperationsDlgBase::applySlot(): Not implemented yet");
}

void MemoryOperationsDlgBase::helpSlot()
{
    qWarning("MemoryOperationsDlgBase::helpSlot(): Not implemented yet");
}

void MemoryOperationsDlgBase::actionChangedSlot()
{
    qWarning("MemoryOperationsDlgBase::actionChangedSlot(): Not implemented yet");
}

void MemoryOperationsDlgBase::fileTypeClickedSlot()
{
    qWarning("MemoryOperationsDlgBase::fileTypeClickedSlot(): Not implemented yet");
}
