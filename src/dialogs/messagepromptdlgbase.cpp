#include "dialogs/messagepromptdlgbase.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpacerItem>
#include <QTextEdit>

MessagePromptDlgBase::MessagePromptDlgBase(QWidget *parent, const char *name, bool modal,
                                           Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("MessagePromptDlgBase"));
    setModal(modal);
    MessagePromptDlgBaseLayout = new QGridLayout(this);
    MessagePromptDlgBaseLayout->setObjectName(QStringLiteral("MessagePromptDlgBaseLayout"));
    MessagePromptDlgBaseLayout->setContentsMargins(11, 11, 11, 11);
    MessagePromptDlgBaseLayout->setSpacing(6);

    layout5 = new QHBoxLayout;
    layout5->setObjectName(QStringLiteral("layout5"));
    layout5->setSpacing(6);
    msgIcon = new QLabel(this);
    msgIcon->setObjectName(QStringLiteral("msgIcon"));
    msgIcon->setFixedSize(32, 32);
    msgIcon->setScaledContents(true);
    msgIcon->setPixmap(QPixmap(QStringLiteral(":/frameimages/windowicon32.xpm")));
    layout5->addWidget(msgIcon);
    layout5->addItem(new QSpacerItem(16, 16, QSizePolicy::Fixed, QSizePolicy::Fixed));
    msgLBL = new QTextEdit(this);
    msgLBL->setObjectName(QStringLiteral("msgLBL"));
    msgLBL->setFrameShape(QFrame::NoFrame);
    msgLBL->setReadOnly(true);
    layout5->addWidget(msgLBL);
    MessagePromptDlgBaseLayout->addLayout(layout5, 0, 0);

    layout4 = new QHBoxLayout;
    layout4->setObjectName(QStringLiteral("layout4"));
    layout4->setSpacing(6);
    layout4->addItem(new QSpacerItem(120, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    firstPB = new QPushButton(this);
    firstPB->setObjectName(QStringLiteral("firstPB"));
    firstPB->setAutoDefault(true);
    firstPB->setDefault(true);
    secondPB = new QPushButton(this);
    secondPB->setObjectName(QStringLiteral("secondPB"));
    thirdPB = new QPushButton(this);
    thirdPB->setObjectName(QStringLiteral("thirdPB"));
    thirdPB->setAutoDefault(true);
    layout4->addWidget(firstPB);
    layout4->addWidget(secondPB);
    layout4->addWidget(thirdPB);
    layout4->addItem(new QSpacerItem(81, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    MessagePromptDlgBaseLayout->addLayout(layout4, 1, 0);

    languageChange();
    resize(QSize(346, 143).expandedTo(minimumSizeHint()));

    connect(firstPB, &QPushButton::clicked, this, &MessagePromptDlgBase::button1Slot);
    connect(secondPB, &QPushButton::clicked, this, &MessagePromptDlgBase::button2Slot);
    connect(thirdPB, &QPushButton::clicked, this, &MessagePromptDlgBase::button3Slot);
    setTabOrder(firstPB, secondPB);
    setTabOrder(secondPB, thirdPB);
}

void MessagePromptDlgBase::languageChange()
{
    setWindowTitle(tr("Dialog Title"));
    firstPB->setText(tr("One"));
    secondPB->setText(tr("Two"));
    thirdPB->setText(tr("Three"));
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
