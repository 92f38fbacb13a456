#include "dialogs/listselectiondlgbase.h"

#include "frame/core/formbuttons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QTreeWidget>
#include <QVBoxLayout>

ListSelectionDlgBase::ListSelectionDlgBase(QWidget *parent, const char *name, bool modal,
                                           Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("ListSelectionDlgBase"));
    setModal(modal);
    setSizeGripEnabled(true);
    ListSelectionDlgBaseLayout = new QVBoxLayout(this);
    ListSelectionDlgBaseLayout->setObjectName(QStringLiteral("ListSelectionDlgBaseLayout"));
    ListSelectionDlgBaseLayout->setContentsMargins(11, 11, 11, 11);
    ListSelectionDlgBaseLayout->setSpacing(6);

    textLBL = new QLabel(this);
    textLBL->setObjectName(QStringLiteral("textLBL"));
    ListSelectionDlgBaseLayout->addWidget(textLBL);

    itemsLV = new QTreeWidget(this);
    itemsLV->setObjectName(QStringLiteral("itemsLV"));
    itemsLV->setColumnCount(1);
    itemsLV->setRootIsDecorated(false);
    ListSelectionDlgBaseLayout->addWidget(itemsLV);

    layout2 = new QHBoxLayout;
    layout2->setObjectName(QStringLiteral("layout2"));
    layout2->setSpacing(6);
    layout2->addItem(new QSpacerItem(110, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    okPB = addFormButton(this, layout2, "okPB", true);
    CancelPB = addFormButton(this, layout2, "CancelPB");
    helpPB = addFormButton(this, layout2, "helpPB");
    ListSelectionDlgBaseLayout->addLayout(layout2);

    languageChange();
    resize(QSize(450, 333).expandedTo(minimumSizeHint()));

    connect(okPB, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelPB, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpPB, &QPushButton::clicked, this, &ListSelectionDlgBase::helpSlot);
    connect(itemsLV, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
}

void ListSelectionDlgBase::languageChange()
{
    setWindowTitle(tr("List Selection"));
    textLBL->setText(
        tr("Descriptive Text Line 1\nDescriptive Text Line 2\nDescriptive Text Line 3"));
    itemsLV->setHeaderLabels({tr("Column 1")});
    okPB->setText(tr("OK"));
    CancelPB->setText(tr("Cancel"));
    helpPB->setText(tr("Help"));
}

void ListSelectionDlgBase::helpSlot()
{
    qWarning("ListSelectionDlgBase::helpSlot(): Not implemented yet");
}
