#include "dialogs/gotolinedlgbase.h"

#include "frame/core/formbuttons.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QSpinBox>

GotoLineDlgBase::GotoLineDlgBase(QWidget *parent, const char *name, bool modal,
                                 Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("GotoLineDlgBase"));
    setModal(modal);
    GotoLineDlgBaseLayout = new QGridLayout(this);
    GotoLineDlgBaseLayout->setObjectName(QStringLiteral("GotoLineDlgBaseLayout"));
    GotoLineDlgBaseLayout->setContentsMargins(11, 11, 11, 11);
    GotoLineDlgBaseLayout->setSpacing(6);

    lineLBL = new QLabel(this);
    lineLBL->setObjectName(QStringLiteral("lineLBL"));
    GotoLineDlgBaseLayout->addWidget(lineLBL, 0, 0);
    lineEF = new QSpinBox(this);
    lineEF->setObjectName(QStringLiteral("lineEF"));
    lineEF->setRange(1, 99999);
    GotoLineDlgBaseLayout->addWidget(lineEF, 1, 0);

    layout1 = new QHBoxLayout;
    layout1->setObjectName(QStringLiteral("layout1"));
    layout1->setSpacing(6);
    layout1->addItem(new QSpacerItem(31, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    okPB = addFormButton(this, layout1, "okPB", true);
    cancelPB = addFormButton(this, layout1, "cancelPB");
    GotoLineDlgBaseLayout->addLayout(layout1, 2, 0);

    languageChange();
    resize(QSize(237, 102).expandedTo(minimumSizeHint()));

    connect(okPB, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelPB, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(lineEF, okPB);
    setTabOrder(okPB, cancelPB);
}

void GotoLineDlgBase::languageChange()
{
    setWindowTitle(tr("Go To Line"));
    lineLBL->setText(tr("Line number (1 - 99999):"));
    okPB->setText(tr("OK"));
    cancelPB->setText(tr("Cancel"));
}

void GotoLineDlgBase::setValue(int)
{
    qWarning("GotoLineDlgBase::setValue(int): Not implemented yet");
}

void GotoLineDlgBase::setMaximum(int)
{
    qWarning("GotoLineDlgBase::setMaximum(int): Not implemented yet");
}

int GotoLineDlgBase::getValue()
{
    qWarning("GotoLineDlgBase::getValue(): Not implemented yet");
    return 0;
}
