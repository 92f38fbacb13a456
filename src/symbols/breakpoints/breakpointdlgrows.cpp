// The conditions and actions lists of the breakpoint dialog: adding and editing their rows.
#include "symbols/breakpoints/breakpointdlg.h"

#include "symbols/breakpoints/breakpointactionsdlg.h"
#include "symbols/breakpoints/breakpointconditionsdlg.h"
#include "system/lifetime.h"
#include "system/modalseam.h"

#include <QInputDialog>
#include <QLabel>
#include <QListWidget>

using tesk::system::Modal;
using tesk::system::ModalSeam;

namespace {

// A condition's value as the user edits it: without the braces or quotes the row keeps around
// it, which go back around the new value.
struct ConditionValue
{
    QString name;
    QString value;
    bool braced = false;
    bool quoted = false;

    static bool enclosed(const QString &text, char open, char close)
    {
        return text.size() >= 2 && text.front() == QLatin1Char(open) &&
               text.back() == QLatin1Char(close);
    }

    explicit ConditionValue(const QString &row)
    {
        const int equals = row.indexOf(QLatin1Char('='));
        name = equals < 0 ? row : row.left(equals);
        value = equals < 0 ? QString() : row.mid(equals + 1).trimmed();
        braced = enclosed(value, '{', '}');
        if (braced)
            value = value.mid(1, value.size() - 2);
        quoted = enclosed(value, '"', '"');
        if (quoted)
            value = value.mid(1, value.size() - 2);
    }

    QString rowWith(const QString &newValue) const
    {
        QString wrapped = quoted ? QStringLiteral("\"%1\"").arg(newValue) : newValue;
        if (braced)
            wrapped = QStringLiteral("{%1}").arg(wrapped);
        return name + QLatin1Char('=') + wrapped;
    }
};

// The current row of a list to edit; without one the user is told to pick one first.
QListWidgetItem *rowToEdit(QWidget *parent, QListWidget *list)
{
    if (QListWidgetItem *item = list->currentItem())
        return item;
    ModalSeam::messageBox(parent, QMessageBox::Warning, BreakpointDlg::tr("Error"),
                          BreakpointDlg::tr("You must select an item in the list before "
                                            "pressing Edit."),
                          QMessageBox::Ok, QMessageBox::Ok);
    list->setFocus();
    return nullptr;
}

} // namespace

void BreakpointDlg::conditionsAddSlot()
{
    Modal<BreakpointConditionsDlg> conditions(this);
    if (conditions.run(this).accepted())
        conditionsLB->addItem(conditions->result());
}

void BreakpointDlg::conditionsEditSlot()
{
    QListWidgetItem *item = rowToEdit(this, conditionsLB);
    if (!item)
        return;
    const ConditionValue condition(item->text());
    Modal<QInputDialog> input(this);
    input->setInputMode(QInputDialog::TextInput);
    input->setWindowTitle(tr("Condition value"));
    input->setLabelText(tr("Please enter the new value for '%1'").arg(condition.name));
    // The name is the host's text, shown as it is.
    if (auto *label = input->findChild<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    input->setTextValue(condition.value);
    if (!input.run(this).accepted() || input->textValue().isEmpty())
        return;
    item->setText(condition.rowWith(input->textValue()));
}

void BreakpointDlg::actionsAddSlot()
{
    Modal<BreakpointActionsDlg> actions(this);
    actions->setVdata(vdata());
    // Polished first: a missing window list is reported before the dialog is up.
    if (!tesk::lifetime::callHost(this, [&] { actions->ensurePolished(); }))
        return;
    if (actions.run(this).accepted())
        actionsLB->addItem(actions->text());
}

void BreakpointDlg::actionsEditSlot()
{
    QListWidgetItem *item = rowToEdit(this, actionsLB);
    if (!item)
        return;
    Modal<BreakpointActionsDlg> actions(this);
    actions->setWindowTitle(tr("Edit Action"));
    actions->setVdata(vdata());
    actions->setText(item->text());
    actions->setEditMode(true);
    if (!tesk::lifetime::callHost(this, [&] { actions->ensurePolished(); }))
        return;
    if (actions.run(this).accepted())
        item->setText(actions->text());
}
