#include "dialogs/sourcelocationdlgbase.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpacerItem>
#include <QStyle>
#include <QVBoxLayout>

SourceLocationDlgBase::SourceLocationDlgBase(QWidget *parent, const char *name, bool modal,
                                             Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("SourceLocationDlgBase"));
    setModal(modal);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setSizeGripEnabled(true);
    SourceLocationDlgBaseLayout = new QVBoxLayout(this);
    SourceLocationDlgBaseLayout->setObjectName(QStringLiteral("SourceLocationDlgBaseLayout"));
    SourceLocationDlgBaseLayout->setContentsMargins(11, 11, 11, 11);
    SourceLocationDlgBaseLayout->setSpacing(6);

    layout3 = new QHBoxLayout;
    layout3->setObjectName(QStringLiteral("layout3"));
    layout3->setSpacing(6);
    msgICON = new QLabel(this);
    msgICON->setObjectName(QStringLiteral("msgICON"));
    msgICON->setFixedSize(32, 32);
    msgICON->setScaledContents(true);
    msgICON->setPixmap(QPixmap(QStringLiteral(":/frameimages/windowicon32.xpm")));
    layout3->addWidget(msgICON);
    layout3->addItem(new QSpacerItem(10, 10, QSizePolicy::Fixed, QSizePolicy::Minimum));
    msgLBL = new QLabel(this);
    msgLBL->setObjectName(QStringLiteral("msgLBL"));
    layout3->addWidget(msgLBL);
    SourceLocationDlgBaseLayout->addLayout(layout3);

    layout5 = new QHBoxLayout;
    layout5->setObjectName(QStringLiteral("layout5"));
    layout5->setSpacing(6);
    valueEF = new QLineEdit(this);
    valueEF->setObjectName(QStringLiteral("valueEF"));
    valueEF->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Fixed);
    layout5->addWidget(valueEF);
    browsePB = new QPushButton(this);
    browsePB->setObjectName(QStringLiteral("browsePB"));
    browsePB->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    browsePB->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    layout5->addWidget(browsePB);
    SourceLocationDlgBaseLayout->addLayout(layout5);

    layout2 = new QHBoxLayout;
    layout2->setObjectName(QStringLiteral("layout2"));
    layout2->setSpacing(6);
    layout2->addItem(new QSpacerItem(210, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    retryPB = new QPushButton(this);
    retryPB->setObjectName(QStringLiteral("retryPB"));
    retryPB->setAutoDefault(true);
    retryPB->setDefault(true);
    layout2->addWidget(retryPB);
    cancelPB = new QPushButton(this);
    cancelPB->setObjectName(QStringLiteral("cancelPB"));
    cancelPB->setAutoDefault(true);
    layout2->addWidget(cancelPB);
    SourceLocationDlgBaseLayout->addLayout(layout2);

    languageChange();
    resize(QSize(498, 155).expandedTo(minimumSizeHint()));

    connect(retryPB, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelPB, &QPushButton::clicked, this, &QDialog::reject);
    connect(browsePB, &QPushButton::clicked, this, &SourceLocationDlgBase::browseSlot);
    setTabOrder(valueEF, browsePB);
    setTabOrder(browsePB, retryPB);
    setTabOrder(retryPB, cancelPB);
}

void SourceLocationDlgBase::languageChange()
{
    setWindowTitle(tr("Source File Location"));
    msgLBL->setText(tr("textLabel1"));
    retryPB->setText(tr("Retry"));
    cancelPB->setText(tr("Cancel"));
}

void SourceLocationDlgBase::browseSlot()
{
    qWarning("SourceLocationDlgBase::browseSlot(): Not implemented yet");
}
