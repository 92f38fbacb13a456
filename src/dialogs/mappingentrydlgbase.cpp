#include "dialogs/mappingentrydlgbase.h"

#include "dialogs/folderpicture.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {

// One titled box holding a path field and its browse button side by side.
QGroupBox *pathGroup(QWidget *parent, const char *name, const char *editName,
                     const char *buttonName, const QPixmap &picture, QLineEdit *&edit,
                     QPushButton *&button)
{
    auto *group = new QGroupBox(parent);
    group->setObjectName(QLatin1String(name));
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->setContentsMargins(11, 11, 11, 11);
    groupLayout->setSpacing(6);
    groupLayout->setAlignment(Qt::AlignTop);
    auto *row = new QHBoxLayout;
    row->setSpacing(6);
    edit = new QLineEdit(group);
    edit->setObjectName(QLatin1String(editName));
    row->addWidget(edit);
    button = new QPushButton(group);
    button->setObjectName(QLatin1String(buttonName));
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setIcon(picture);
    row->addWidget(button);
    groupLayout->addLayout(row);
    return group;
}

} // namespace

mappingEntryDlgBase::mappingEntryDlgBase(QWidget *parent, const char *name, bool modal,
                                         Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("mappingEntryDlgBase"));
    setModal(modal);
    setSizeGripEnabled(false);
    const QPixmap folder = tesk::dialogs::openFolderPicture();

    mappingEntryDlgBaseLayout = new QVBoxLayout(this);
    mappingEntryDlgBaseLayout->setObjectName(QStringLiteral("mappingEntryDlgBaseLayout"));
    mappingEntryDlgBaseLayout->setContentsMargins(11, 11, 11, 11);
    mappingEntryDlgBaseLayout->setSpacing(6);
    groupBox1 = pathGroup(this, "groupBox1", "originalLE", "origBrowsePB", folder, originalLE,
                          origBrowsePB);
    mappingEntryDlgBaseLayout->addWidget(groupBox1);
    groupBox2 =
        pathGroup(this, "groupBox2", "mappedLE", "mappBrowsePB", folder, mappedLE, mappBrowsePB);
    mappingEntryDlgBaseLayout->addWidget(groupBox2);

    layout1 = new QHBoxLayout;
    layout1->setObjectName(QStringLiteral("layout1"));
    layout1->setSpacing(6);
    layout1->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    buttonOK = new QPushButton(this);
    buttonOK->setObjectName(QStringLiteral("buttonOK"));
    layout1->addWidget(buttonOK);
    buttonCancel = new QPushButton(this);
    buttonCancel->setObjectName(QStringLiteral("buttonCancel"));
    layout1->addWidget(buttonCancel);
    mappingEntryDlgBaseLayout->addLayout(layout1);

    languageChange();
    resize(QSize(429, 186).expandedTo(minimumSizeHint()));

    connect(buttonOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(origBrowsePB, &QPushButton::clicked, this, &mappingEntryDlgBase::origBrowseSlot);
    connect(mappBrowsePB, &QPushButton::clicked, this, &mappingEntryDlgBase::mappBrowseSlot);
    setTabOrder(originalLE, origBrowsePB);
    setTabOrder(origBrowsePB, mappedLE);
    setTabOrder(mappedLE, mappBrowsePB);
    setTabOrder(mappBrowsePB, buttonOK);
    setTabOrder(buttonOK, buttonCancel);
}

void mappingEntryDlgBase::languageChange()
{
    setWindowTitle(tr("New Mapping"));
    groupBox1->setTitle(tr("Original Path"));
    groupBox2->setTitle(tr("Mapped Path"));
    buttonOK->setText(tr("OK"));
    buttonCancel->setText(tr("Cancel"));
}

void mappingEntryDlgBase::origBrowseSlot()
{
    qWarning("mappingEntryDlgBase::origBrowseSlot(): Not implemented yet");
}

void mappingEntryDlgBase::mappBrowseSlot()
{
    qWarning("mappingEntryDlgBase::mappBrowseSlot(): Not implemented yet");
}
