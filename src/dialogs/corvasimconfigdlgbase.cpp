#include "dialogs/corvasimconfigdlgbase.h"

#include "frame/core/formbuttons.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {

template<typename Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

void setGroupSpacing(QLayout *layout)
{
    layout->setContentsMargins(11, 11, 11, 11);
    layout->setSpacing(6);
}

QGroupBox *columnGroup(QWidget *parent, const char *name, QBoxLayout *layout)
{
    auto *group = named(new QGroupBox(parent), name);
    group->setLayout(layout);
    setGroupSpacing(layout);
    return group;
}

} // namespace

CorvasimConfigDlgBase::CorvasimConfigDlgBase(QWidget *parent, const char *name, bool modal,
                                             Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("CorvasimConfigDlgBase"));
    setModal(modal);
    setSizeGripEnabled(true);
    setFocusPolicy(Qt::StrongFocus);
    CorvasimConfigDlgBaseLayout = named(new QVBoxLayout(this), "CorvasimConfigDlgBaseLayout");
    setGroupSpacing(CorvasimConfigDlgBaseLayout);

    buildProcessorGroups();
    layout5 = named(new QVBoxLayout, "layout5");
    layout5->setSpacing(6);
    buildClockGroup();
    buttonGroup3 = buildEndianGroup("buttonGroup3", debugLittleEndianRB, "debugLittleEndianRB",
                                    debugBigEndianRB, "debugBigEndianRB");
    buttonGroup4 = buildEndianGroup("buttonGroup4", debugEndianRB, "debugEndianRB",
                                    hardwareEndianRB, "hardwareEndianRB");
    buildButtons();
    CorvasimConfigDlgBaseLayout->addLayout(layout5);

    CorvasimConfigDlgBase::languageChange();
    resize(QSize(500, 489).expandedTo(minimumSizeHint()));

    connect(okPB, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelPB, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpPB, &QPushButton::clicked, this, [this] { helpSlot(); });
    connect(emulatedRB, &QRadioButton::toggled, speedEF, &QLineEdit::setEnabled);
    setTabOrders();
}

void CorvasimConfigDlgBase::buildProcessorGroups()
{
    layout4 = named(new QGridLayout, "layout4");
    layout4->setSpacing(6);
    groupBox1 = columnGroup(this, "groupBox1", new QVBoxLayout);
    processorLB = named(new QListWidget(groupBox1), "processorLB");
    groupBox1->layout()->addWidget(processorLB);
    layout4->addWidget(groupBox1, 0, 0, 2, 1);

    buttonGroup1 = columnGroup(this, "buttonGroup1", new QVBoxLayout);
    noFpuRB = named(new QRadioButton(buttonGroup1), "noFpuRB");
    qmxRB = named(new QRadioButton(buttonGroup1), "qmxRB");
    qmxFastRB = named(new QRadioButton(buttonGroup1), "qmxFastRB");
    zduRB = named(new QRadioButton(buttonGroup1), "zduRB");
    for (QRadioButton *button : {noFpuRB, qmxRB, qmxFastRB, zduRB})
        buttonGroup1->layout()->addWidget(button);
    noFpuRB->setChecked(true);
    layout4->addWidget(buttonGroup1, 0, 1);

    groupBox3 = columnGroup(this, "groupBox3", new QVBoxLayout);
    mmuCB = named(new QCheckBox(groupBox3), "mmuCB");
    groupBox3->layout()->addWidget(mmuCB);
    layout4->addWidget(groupBox3, 1, 1);
    CorvasimConfigDlgBaseLayout->addLayout(layout4);
}

void CorvasimConfigDlgBase::buildClockGroup()
{
    buttonGroup2 = named(new QGroupBox(this), "buttonGroup2");
    auto *grid = new QGridLayout(buttonGroup2);
    setGroupSpacing(grid);
    emulatedRB = named(new QRadioButton(buttonGroup2), "emulatedRB");
    textLabel1 = named(new QLabel(buttonGroup2), "textLabel1");
    speedEF = named(new QLineEdit(buttonGroup2), "speedEF");
    speedEF->setEnabled(false);
    realtimeRB = named(new QRadioButton(buttonGroup2), "realtimeRB");
    realtimeRB->setChecked(true);
    grid->addWidget(emulatedRB, 0, 0);
    grid->addItem(new QSpacerItem(70, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 0, 1);
    grid->addWidget(textLabel1, 0, 2);
    grid->addWidget(speedEF, 0, 3);
    grid->addWidget(realtimeRB, 1, 0, 1, 2);
    layout5->addWidget(buttonGroup2);
}

QGroupBox *CorvasimConfigDlgBase::buildEndianGroup(const char *name, QRadioButton *&first,
                                                   const char *firstName, QRadioButton *&second,
                                                   const char *secondName)
{
    QGroupBox *group = columnGroup(this, name, new QHBoxLayout);
    first = named(new QRadioButton(group), firstName);
    second = named(new QRadioButton(group), secondName);
    group->layout()->addWidget(first);
    group->layout()->addWidget(second);
    first->setChecked(true);
    layout5->addWidget(group);
    return group;
}

void CorvasimConfigDlgBase::buildButtons()
{
    layout2 = named(new QHBoxLayout, "layout2");
    layout2->setSpacing(6);
    layout2->addItem(new QSpacerItem(210, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    okPB = addFormButton(this, layout2, "okPB", true);
    cancelPB = addFormButton(this, layout2, "cancelPB");
    helpPB = addFormButton(this, layout2, "helpPB");
    layout5->addLayout(layout2);
}

void CorvasimConfigDlgBase::setTabOrders()
{
    QWidget *const order[] = {processorLB,
                              noFpuRB,
                              qmxRB,
                              qmxFastRB,
                              zduRB,
                              mmuCB,
                              emulatedRB,
                              speedEF,
                              realtimeRB,
                              debugLittleEndianRB,
                              debugBigEndianRB,
                              debugEndianRB,
                              hardwareEndianRB,
                              okPB,
                              cancelPB,
                              helpPB};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void CorvasimConfigDlgBase::languageChange()
{
    setWindowTitle(tr("Corvasim Configuration"));
    groupBox1->setTitle(tr("Processor"));
    buttonGroup1->setTitle(tr("Floating Point"));
    noFpuRB->setText(tr("No FPU"));
    qmxRB->setText(tr("QMXv2"));
    qmxFastRB->setText(tr("QMXv2 (Fast-mode)"));
    zduRB->setText(tr("ZDU (limited support)"));
    groupBox3->setTitle(tr("MMU/MPU Initialization:"));
    mmuCB->setText(tr("Default Page-Tables"));
    buttonGroup2->setTitle(tr("Clock"));
    emulatedRB->setText(tr("Emulated"));
    textLabel1->setText(tr("Speed:"));
    realtimeRB->setText(tr("Real-time"));
    buttonGroup3->setTitle(tr("Debug Endian:"));
    debugLittleEndianRB->setText(tr("Little"));
    debugBigEndianRB->setText(tr("Big"));
    buttonGroup4->setTitle(tr("Start Endian:"));
    debugEndianRB->setText(tr("Debug Endian"));
    hardwareEndianRB->setText(tr("Hardware Endian"));
    okPB->setText(tr("OK"));
    cancelPB->setText(tr("Cancel"));
    helpPB->setText(tr("Help"));
}

void CorvasimConfigDlgBase::helpSlot()
{
    qWarning("CorvasimConfigDlgBase::helpSlot(): Not implemented yet");
}
