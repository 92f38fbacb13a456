#include "dialogs/panenamedlg.h"

#include "dialogs/dialogframe.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

PaneNameDlg::PaneNameDlg(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : PaneNameDlgBase(parent, name, modal, flags | tesk::dialogs::kDialogFrameFlags)
{
    nameEF->setMaxLength(64);
    const QRegularExpression rule(
        QRegularExpression::anchoredPattern(QStringLiteral("[a-zA-Z][a-zA-Z0-9_ ]*")));
    nameEF->setValidator(new QRegularExpressionValidator(rule, this));
}

void PaneNameDlg::setPaneName(const QString &name)
{
    nameEF->setText(name);
}

QString PaneNameDlg::paneName() const
{
    return nameEF->text();
}
