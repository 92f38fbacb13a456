#include "dialogs/memoryoperationsdlgbase.h"

#include "frame/core/formbuttons.h"

#include <QButtonGroup>
#include <QComboBox>
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

} // namespace

MemoryOperationsDlgBase::MemoryOperationsDlgBase(QWidget *parent, const char *name, bool modal,
                                                 Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("MemoryOperationsDlgBase"));
    setModal(modal);
    setSizeGripEnabled(true);
    MemoryOperationsDlgBaseLayout = named(new QVBoxLayout(this), "MemoryOperationsDlgBaseLayout");
    MemoryOperationsDlgBaseLayout->setContentsMargins(8, 8, 8, 8);
    MemoryOperationsDlgBaseLayout->setSpacing(6);

    actionGroupBox = named(new QGroupBox(this), "actionGroup");
    actionGroupLayout = new QVBoxLayout(actionGroupBox);
    actionGroupLayout->setContentsMargins(8, 8, 8, 8);
    actionGroupLayout->setSpacing(6);
    actionGroup = named(new QButtonGroup(this), "actionGroupButtons");
    loadFileRB = named(new QRadioButton(actionGroupBox), "loadFileRB");
    saveFileRB = named(new QRadioButton(actionGroupBox), "saveFileRB");
    verifyFileRB = named(new QRadioButton(actionGroupBox), "verifyFileRB");
    int id = 0;
    for (QRadioButton *button : {loadFileRB, saveFileRB, verifyFileRB}) {
        actionGroup->addButton(button, id++);
        actionGroupLayout->addWidget(button);
    }
    saveFileRB->setChecked(true);
    MemoryOperationsDlgBaseLayout->addWidget(actionGroupBox);

    layout4 = named(new QHBoxLayout, "layout4");
    layout4->setSpacing(6);
    textLabel1 = named(new QLabel(this), "textLabel1");
    filenameEdit = named(new QLineEdit(this), "filenameEdit");
    browsePB = named(new QPushButton(this), "browsePB");
    textLabel1->setBuddy(filenameEdit);
    layout4->addWidget(textLabel1);
    layout4->addWidget(filenameEdit);
    layout4->addWidget(browsePB);
    MemoryOperationsDlgBaseLayout->addLayout(layout4);

    textLabel2 = named(new QLabel(this), "textLabel2");
    filetypeLB = named(new QListWidget(this), "filetypeLB");
    textLabel2->setBuddy(filetypeLB);
    MemoryOperationsDlgBaseLayout->addWidget(textLabel2);
    MemoryOperationsDlgBaseLayout->addWidget(filetypeLB);

    layout7 = named(new QHBoxLayout, "layout7");
    layout7->setSpacing(6);
    textLabel3 = named(new QLabel(this), "textLabel3");
    locationCB = named(new QComboBox(this), "locationCB");
    locationCB->setEditable(true);
    // History entries are placed by the dialog, not by the combo's own Return handling.
    locationCB->setInsertPolicy(QComboBox::NoInsert);
    locationCB->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    textLabel3->setBuddy(locationCB);
    layout7->addWidget(textLabel3);
    layout7->addWidget(locationCB);
    MemoryOperationsDlgBaseLayout->addLayout(layout7);

    locationHelpEdit = named(new QLineEdit(this), "locationHelpEdit");
    locationHelpEdit->setReadOnly(true);
    MemoryOperationsDlgBaseLayout->addWidget(locationHelpEdit);

    layout8 = named(new QHBoxLayout, "layout8");
    layout8->setSpacing(6);
    layout8->addItem(new QSpacerItem(72, 16, QSizePolicy::Expanding, QSizePolicy::Minimum));
    applyPB = addFormButton(this, layout8, "applyPB", true);
    closePB = addFormButton(this, layout8, "closePB");
    helpPB = addFormButton(this, layout8, "helpPB");
    MemoryOperationsDlgBaseLayout->addLayout(layout8);

    MemoryOperationsDlgBase::languageChange();
    resize(QSize(422, 332).expandedTo(minimumSizeHint()));

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
    setWindowTitle(tr("Upload/Download Memory File"));
    actionGroupBox->setTitle(tr("Action"));
    loadFileRB->setText(tr("&Load File into Memory"));
    saveFileRB->setText(tr("&Save Memory into File"));
    verifyFileRB->setText(tr("&Verify Memory from File"));
    textLabel1->setText(tr("&Filename:"));
    browsePB->setText(tr("..."));
    textLabel2->setText(tr("&Type of File:"));
    textLabel3->setText(tr("L&ocation"));
    applyPB->setText(tr("&Apply"));
    closePB->setText(tr("&Close"));
    helpPB->setText(tr("Help"));
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
