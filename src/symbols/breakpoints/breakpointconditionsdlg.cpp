#include "symbols/breakpoints/breakpointconditionsdlg.h"

#include "dialogs/dialogframe.h"
#include "system/modalseam.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <vector>

namespace {

struct ConditionKind
{
    const char *keyword;
    const char *valueFormat;
    QString label;
    QString prompt;
};

std::vector<ConditionKind> conditionKinds()
{
    const QString expression = BreakpointConditionsDlg::tr("Enter expression to evaluate on break");
    return {{"PassCount", "%1", BreakpointConditionsDlg::tr("Software Pass Count"),
             BreakpointConditionsDlg::tr("Enter a Pass Count value.<br>(0 equals no pass count)")},
            {"When", "{%1}", BreakpointConditionsDlg::tr("When Expression True"), expression},
            {"WhenNot", "{%1}", BreakpointConditionsDlg::tr("When Expression False"), expression},
            {"UserMacro", "{%1}", BreakpointConditionsDlg::tr("User Macro"),
             BreakpointConditionsDlg::tr(
                 "Enter the name of a macro (with arguments) to execute on break")},
            {"C++Object", "{%1}", BreakpointConditionsDlg::tr("C++ Object"),
             BreakpointConditionsDlg::tr("Enter a C++ object (this) to test for on break")}};
}

} // namespace

class BreakpointConditionsDlgPrivate
{
public:
    unsigned current = 0;
    std::vector<ConditionKind> kinds = conditionKinds();
    QString result;
    bool polished = false;
};

BreakpointConditionsDlg::BreakpointConditionsDlg(QWidget *parent, const char *name, bool modal,
                                                 Qt::WindowFlags flags)
    : BreakpointConditionsDlgBase(parent, name, modal, flags | tesk::dialogs::kDialogFrameFlags)
    , d(std::make_unique<BreakpointConditionsDlgPrivate>())
{
}

BreakpointConditionsDlg::~BreakpointConditionsDlg() = default;

QString BreakpointConditionsDlg::result() const
{
    return d->result;
}

bool BreakpointConditionsDlg::event(QEvent *event)
{
    const bool handled = BreakpointConditionsDlgBase::event(event);
    if (event->type() == QEvent::Polish && !d->polished) {
        d->polished = true;
        for (const ConditionKind &kind : d->kinds)
            conditionsLB->addItem(kind.label);
        conditionsLB->setCurrentRow(0);
        adjustSize();
    }
    return handled;
}

void BreakpointConditionsDlg::selectionChangedSlot(int row)
{
    if (row < 0 || unsigned(row) >= d->kinds.size())
        return;
    d->current = unsigned(row);
    descriptionLBL->setText(d->kinds[d->current].prompt);
}

void BreakpointConditionsDlg::accept()
{
    const QString value = expressionEF->text();
    if (value.isEmpty()) {
        tesk::system::ModalSeam::messageBox(
            this, QMessageBox::Warning, tr("Missing Information"),
            tr("You must enter a value or expression before pressing the OK button"),
            QMessageBox::Ok, QMessageBox::Ok);
        expressionEF->setFocus();
        return;
    }
    const ConditionKind &kind = d->kinds[d->current];
    d->result = QStringLiteral("%1=%2").arg(QLatin1String(kind.keyword),
                                            QString::fromLatin1(kind.valueFormat).arg(value));
    BreakpointConditionsDlgBase::accept();
}

void BreakpointConditionsDlg::browseSlot()
{
    qWarning("BreakpointConditionsDlg::browseSlot() not yet implemented!");
}

void BreakpointConditionsDlg::helpSlot()
{
    qWarning("BreakpointConditionsDlg::helpSlot() not yet implemented!");
}
