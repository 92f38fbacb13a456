#include "dialogs/loadmemorypanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

LoadMemoryPanel::LoadMemoryPanel(QWidget *parent, const char *name, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    setObjectName(QString::fromLatin1(name ? name : "LoadMemoryPanel"));
    textLabel2 = new QLabel(this);
    textLabel2->setObjectName(QStringLiteral("textLabel2"));
    filetypeLB = new QListWidget(this);
    filetypeLB->setObjectName(QStringLiteral("filetypeLB"));
    textLabel3 = new QLabel(this);
    textLabel3->setObjectName(QStringLiteral("textLabel3"));
    locationEdit = new QLineEdit(this);
    locationEdit->setObjectName(QStringLiteral("locationEdit"));
    locationHelpEdit = new QLabel(this);
    locationHelpEdit->setObjectName(QStringLiteral("locationHelpEdit"));
    locationHelpEdit->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    textLabel2->setBuddy(filetypeLB);
    textLabel3->setBuddy(locationEdit);

    LoadMemoryPanelLayout = new QVBoxLayout(this);
    LoadMemoryPanelLayout->setObjectName(QStringLiteral("LoadMemoryPanelLayout"));
    LoadMemoryPanelLayout->addWidget(textLabel2);
    LoadMemoryPanelLayout->addWidget(filetypeLB);
    layout2 = new QGridLayout;
    layout2->setObjectName(QStringLiteral("layout2"));
    layout2->addWidget(textLabel3, 0, 0);
    layout2->addWidget(locationEdit, 0, 1);
    layout2->addWidget(locationHelpEdit, 1, 1);
    LoadMemoryPanelLayout->addLayout(layout2);
    languageChange();
}

void LoadMemoryPanel::languageChange()
{
    setWindowTitle(tr("LoadMemoryPanel"));
    textLabel2->setText(tr("&Type of File:"));
    textLabel3->setText(tr("L&ocation:"));
    locationHelpEdit->setText(QString());
}
