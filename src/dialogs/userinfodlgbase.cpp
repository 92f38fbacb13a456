#include "dialogs/userinfodlgbase.h"

#include "frame/core/formbuttons.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>

namespace {

constexpr int kFieldLength = 100;

} // namespace

UserInfoDlgBase::UserInfoDlgBase(QWidget *parent, const char *name, bool modal,
                                 Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("UserInfoDlgBase"));
    setModal(modal);
    setSizeGripEnabled(true);
    UserInfoDlgBaseLayout = new QGridLayout(this);
    UserInfoDlgBaseLayout->setObjectName(QStringLiteral("UserInfoDlgBaseLayout"));
    UserInfoDlgBaseLayout->setContentsMargins(11, 11, 11, 11);
    UserInfoDlgBaseLayout->setSpacing(6);

    textLabel1_2 = new QLabel(this);
    textLabel1_2->setObjectName(QStringLiteral("textLabel1_2"));
    textLabel1_2->setWordWrap(true);
    UserInfoDlgBaseLayout->addWidget(textLabel1_2, 0, 0);

    layout1 = new QGridLayout;
    layout1->setObjectName(QStringLiteral("layout1"));
    layout1->setSpacing(6);
    QLabel **const labels[] = {&textLabel1, &textLabel2, &textLabel3, &textLabel4, &textLabel5,
                               &textLabel6, &textLabel7, &textLabel8, &textLabel9};
    QLineEdit **const edits[] = {&nameEF,     &companyEF, &phoneEF, &emailEF, &address1EF,
                                 &address2EF, &cityEF,    &stateEF, &ZIPEF};
    const char *const editNames[] = {"nameEF",     "companyEF", "phoneEF", "emailEF", "address1EF",
                                     "address2EF", "cityEF",    "stateEF", "ZIPEF"};
    for (int row = 0; row < 9; ++row) {
        QLabel *label = *labels[row] = new QLabel(this);
        label->setObjectName(QStringLiteral("textLabel%1").arg(row + 1));
        QLineEdit *edit = *edits[row] = new QLineEdit(this);
        edit->setObjectName(QLatin1String(editNames[row]));
        edit->setMaxLength(kFieldLength);
        label->setBuddy(edit);
        layout1->addWidget(label, row, 0);
        layout1->addWidget(edit, row, 1);
    }
    UserInfoDlgBaseLayout->addLayout(layout1, 1, 0);

    layout2 = new QHBoxLayout;
    layout2->setObjectName(QStringLiteral("layout2"));
    layout2->setSpacing(6);
    layout2->addItem(new QSpacerItem(41, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    okPB = addFormButton(this, layout2, "okPB", true);
    cancelPB = addFormButton(this, layout2, "cancelPB");
    UserInfoDlgBaseLayout->addLayout(layout2, 2, 0);

    languageChange();
    resize(QSize(593, 331).expandedTo(minimumSizeHint()));

    connect(okPB, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelPB, &QPushButton::clicked, this, &QDialog::reject);
    const QList<QWidget *> tabOrder = {nameEF, companyEF, phoneEF, emailEF, address1EF, address2EF,
                                       cityEF, stateEF,   ZIPEF,   okPB,    cancelPB};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
}

void UserInfoDlgBase::languageChange()
{
    setWindowTitle(tr("User Information"));
    textLabel1_2->setText(tr("Enter your contact information below. This information will be "
                             "inserted into the SPR form."));
    textLabel1->setText(tr("&Name:"));
    textLabel2->setText(tr("&Company:"));
    textLabel3->setText(tr("&Phone:"));
    textLabel4->setText(tr("&E-Mail:"));
    textLabel5->setText(tr("&Address 1:"));
    textLabel6->setText(tr("A&ddress 2:"));
    textLabel7->setText(tr("Ci&ty/Province:"));
    textLabel8->setText(tr("&State/Country:"));
    textLabel9->setText(tr("&ZIP/Postal Code:"));
    okPB->setText(tr("OK"));
    cancelPB->setText(tr("Cancel"));
}
