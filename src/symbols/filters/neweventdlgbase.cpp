#include "symbols/filters/neweventdlgbase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <iterator>

namespace {

template<typename Widget>
Widget *named(QWidget *parent, const char *name)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A page of the stack holding one "Details" group.
QWidget *page(QStackedWidget *stack, const char *name, QGroupBox *&group, const char *groupName)
{
    QWidget *widget = named<QWidget>(stack, name);
    group = named<QGroupBox>(widget, groupName);
    auto *layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);
    stack->addWidget(widget);
    return widget;
}

} // namespace

NewEventDlgBase::NewEventDlgBase(QWidget *parent, const char *name, bool modal,
                                 Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(QLatin1String(name ? name : "NewEventDlgBase"));
    setModal(modal);
    createWidgets();
    layOut();
    languageChange();
    resize(QSize(450, 210).expandedTo(minimumSizeHint()));
    connectSignals();
    QWidget *order[] = {editName,        comboEventType,
                        editModuleName,  checkIgnoreModuleName,
                        editProcessName, checkIgnoreProcessName,
                        editFileName,    checkIgnoreFileName,
                        buttonOk,        buttonCancel};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void NewEventDlgBase::createWidgets()
{
    textLabel1 = named<QLabel>(this, "textLabel1");
    editName = named<QLineEdit>(this, "editName");
    textLabel2 = named<QLabel>(this, "textLabel2");
    comboEventType = named<QComboBox>(this, "comboEventType");
    widgetStack = named<QStackedWidget>(this, "widgetStack");
    WStackPage = page(widgetStack, "WStackPage", buttonGroup1, "buttonGroup1");
    WStackPage_2 = page(widgetStack, "WStackPage_2", groupBox1, "groupBox1");
    WStackPage_3 = page(widgetStack, "WStackPage_3", buttonGroup1_2, "buttonGroup1_2");
    textLabel3 = named<QLabel>(groupBox1, "textLabel3");
    editProcessName = named<QLineEdit>(groupBox1, "editProcessName");
    checkIgnoreProcessName = named<QCheckBox>(groupBox1, "checkIgnoreProcessName");
    textLabel4 = named<QLabel>(groupBox1, "textLabel4");
    editFileName = named<QLineEdit>(groupBox1, "editFileName");
    checkIgnoreFileName = named<QCheckBox>(groupBox1, "checkIgnoreFileName");
    textLabel3_2_2 = named<QLabel>(buttonGroup1_2, "textLabel3_2_2");
    editModuleName = named<QLineEdit>(buttonGroup1_2, "editModuleName");
    checkIgnoreModuleName = named<QCheckBox>(buttonGroup1_2, "checkIgnoreModuleName");
    buttonOk = named<QPushButton>(this, "buttonOk");
    buttonOk->setDefault(true);
    buttonCancel = named<QPushButton>(this, "buttonCancel");
    textLabel1->setBuddy(editName);
    textLabel2->setBuddy(comboEventType);
    textLabel3->setBuddy(editProcessName);
    textLabel4->setBuddy(editFileName);
    textLabel3_2_2->setBuddy(editModuleName);
}

void NewEventDlgBase::layOut()
{
    auto *threadDetails = new QGridLayout(groupBox1);
    threadDetails->addWidget(textLabel3, 0, 0);
    threadDetails->addWidget(editProcessName, 0, 1);
    threadDetails->addWidget(checkIgnoreProcessName, 0, 2);
    threadDetails->addWidget(textLabel4, 1, 0);
    threadDetails->addWidget(editFileName, 1, 1);
    threadDetails->addWidget(checkIgnoreFileName, 1, 2);
    auto *moduleDetails = new QGridLayout(buttonGroup1_2);
    moduleDetails->addWidget(textLabel3_2_2, 0, 0);
    moduleDetails->addWidget(editModuleName, 0, 1);
    moduleDetails->addWidget(checkIgnoreModuleName, 0, 2);

    auto *head = new QGridLayout;
    head->addWidget(textLabel1, 0, 0);
    head->addWidget(editName, 0, 1);
    head->addWidget(textLabel2, 1, 0);
    head->addWidget(comboEventType, 1, 1);
    auto *closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(buttonOk);
    closing->addWidget(buttonCancel);
    auto *top = new QVBoxLayout(this);
    top->addLayout(head);
    top->addWidget(widgetStack, 1);
    top->addLayout(closing);
}

void NewEventDlgBase::connectSignals()
{
    connect(buttonOk, &QPushButton::clicked, this, &NewEventDlgBase::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &NewEventDlgBase::reject);
    connect(checkIgnoreFileName, &QCheckBox::clicked, this,
            [this] { On_checkIgnoreFileName_Click(); });
    connect(checkIgnoreProcessName, &QCheckBox::clicked, this,
            [this] { On_checkIgnoreProcessName_Click(); });
    connect(checkIgnoreModuleName, &QCheckBox::clicked, this,
            [this] { On_checkIgnoreModuleName_Click(); });
    connect(comboEventType, &QComboBox::activated, this, [this] { On_comboEventTypeActivated(); });
}

void NewEventDlgBase::languageChange()
{
    setWindowTitle(QObject::tr("New Event"));
    textLabel1->setText(QObject::tr("&Name:"));
    editName->setText(QObject::tr("Filter 1"));
    textLabel2->setText(QObject::tr("Event Type:"));
    buttonGroup1->setTitle(QObject::tr("Details"));
    groupBox1->setTitle(QObject::tr("Details"));
    textLabel3->setText(QObject::tr("&Process Name:"));
    checkIgnoreProcessName->setText(QObject::tr("Any"));
    textLabel4->setText(QObject::tr("&File Name:"));
    checkIgnoreFileName->setText(QObject::tr("Any"));
    buttonGroup1_2->setTitle(QObject::tr("Details"));
    textLabel3_2_2->setText(QObject::tr("&Module Name:"));
    checkIgnoreModuleName->setText(QObject::tr("Any"));
    buttonOk->setText(QObject::tr("&OK"));
    buttonCancel->setText(QObject::tr("&Cancel"));
}

void NewEventDlgBase::accept()
{
    qWarning("NewEventDlgBase::accept(): Not implemented yet");
}

void NewEventDlgBase::reject()
{
    qWarning("NewEventDlgBase::reject(): Not implemented yet");
}

void NewEventDlgBase::On_checkIgnoreModuleName_Click()
{
    qWarning("NewEventDlgBase::On_checkIgnoreModuleName_Click(): Not implemented yet");
}

void NewEventDlgBase::On_checkIgnoreFileName_Click()
{
    qWarning("NewEventDlgBase::On_checkIgnoreFileName_Click(): Not implemented yet");
}

void NewEventDlgBase::On_checkIgnoreProcessName_Click()
{
    qWarning("NewEventDlgBase::On_checkIgnoreProcessName_Click(): Not implemented yet");
}

void NewEventDlgBase::On_comboEventTypeActivated()
{
    qWarning("NewEventDlgBase::On_comboEventTypeActivated(): Not implemented yet");
}
