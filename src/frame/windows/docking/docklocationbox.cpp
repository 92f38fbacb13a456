#include "frame/windows/docking/docklocationbox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

DockLocationBox::DockLocationBox(QWidget *parent, const char *name, bool modal,
                                 Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(QLatin1String(name));
    setModal(modal);
    auto *layout = new QVBoxLayout(this);
    m_text = new QLabel(this);
    layout->addWidget(m_text);
    m_group = new QGroupBox(this);
    auto *groupLayout = new QHBoxLayout(m_group);
    m_buttons = new QButtonGroup(this);
    for (int area = Left; area <= Bottom; ++area) {
        m_radios[area] = new QRadioButton(m_group);
        groupLayout->addWidget(m_radios[area]);
        m_buttons->addButton(m_radios[area], area);
    }
    layout->addWidget(m_group);
    m_doNotAsk = new QCheckBox(this);
    layout->addWidget(m_doNotAsk);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_ok = new QPushButton(this);
    m_cancel = new QPushButton(this);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_buttons, &QButtonGroup::idPressed, this, &DockLocationBox::AreaSelect);
    languageChange();
    resize(405, 211);
}

QRadioButton *DockLocationBox::areaButton(int area) const
{
    return area >= Left && area <= Bottom ? m_radios[area] : nullptr;
}

void DockLocationBox::AreaSelect(int area)
{
    m_area = area;
}

void DockLocationBox::languageChange()
{
    setWindowTitle(tr("Select Location"));
    m_text->setText(tr("Select a location around the code area for this window:"));
    m_group->setTitle(tr("Docking Areas"));
    m_radios[Left]->setText(tr("Left"));
    m_radios[Right]->setText(tr("Right"));
    m_radios[Bottom]->setText(tr("Bottom"));
    m_doNotAsk->setText(tr("Do not ask me again"));
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Cancel"));
}
