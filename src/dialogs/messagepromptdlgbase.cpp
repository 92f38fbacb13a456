#include "dialogs/messagepromptdlgbase.h"

MessagePromptDlgBase::MessagePromptDlgBase(QWidget *parent, const char *name, bool modal,
                                           Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setupUi(this);
    setModal(modal);
    // The gap beside the icon keeps its height too, which a form's spacer cannot say.
    iconGap->changeSize(16, 16, QSizePolicy::Fixed, QSizePolicy::Fixed);
    // The form's size is where it starts; a longer translation may need more.
    resize(size().expandedTo(minimumSizeHint()));

    connect(firstPB, &QPushButton::clicked, this, &MessagePromptDlgBase::button1Slot);
    connect(secondPB, &QPushButton::clicked, this, &MessagePromptDlgBase::button2Slot);
    connect(thirdPB, &QPushButton::clicked, this, &MessagePromptDlgBase::button3Slot);
}

void MessagePromptDlgBase::languageChange()
{
    retranslateUi(this);
}

void MessagePromptDlgBase::button1Slot()
{
    qWarning("MessagePromptDlgBase::button1Slot(): Not implemented yet");
}

void MessagePromptDlgBase::button2Slot()
{
    qWarning("MessagePromptDlgBase::button2Slot(): Not implemented yet");
}

void MessagePromptDlgBase::button3Slot()
{
    qWarning("MessagePromptDlgBase::button3Slot(): Not implemented yet");
}
