#include "symbols/filters/neweventdlg.h"

#include "symbols/filters/filtering.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QStackedWidget>

using Filtering::FModuleFilter;

namespace {

const QString kThreadStart = QStringLiteral("Thread Start");
const QString kModuleLoad = QStringLiteral("Module Load");

enum Page { kNoDetails = 0, kThreadDetails = 1, kModuleDetails = 2 };

// An empty name or "*" means any.
bool meansAny(const QCheckBox *any, const QLineEdit *edit)
{
    return any->isChecked() || edit->text().isEmpty() || edit->text() == QLatin1String("*");
}

// The name unless "any" is set; the box disables the edit while it is ticked.
void showName(QLineEdit *edit, QCheckBox *any, const QString &name, bool all)
{
    edit->setText(all ? QString() : name);
    any->setChecked(all);
    edit->setEnabled(!all);
}

} // namespace

NewEventDlg::NewEventDlg(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : NewEventDlgBase(parent, name, modal, flags)
{
    // The caller names the dialog by what it does ("New Event", "Edit Event"); the user reads it
    // in the user's language.
    setWindowTitle(tr(name ? name : ""));
}

void NewEventDlg::SetEventTypes(const QString &types)
{
    comboEventType->clear();
    comboEventType->addItems(types.split(QLatin1Char('\t'), Qt::SkipEmptyParts));
    comboEventType->setCurrentIndex(0);
}

void NewEventDlg::SetFilter(FModuleFilter *filter)
{
    m_filter = filter;
    if (!filter)
        return;
    const int entry = comboEventType->findText(filter->GetEventType(), Qt::MatchExactly);
    comboEventType->setCurrentIndex(entry < 0 ? 0 : entry);
    On_comboEventTypeActivated();
    editName->setText(filter->GetName());
    for (QLineEdit *edit : {editProcessName, editModuleName, editFileName}) {
        edit->setEnabled(true);
        edit->clear();
    }
    for (QCheckBox *any : {checkIgnoreProcessName, checkIgnoreFileName, checkIgnoreModuleName})
        any->setChecked(false);

    const QString type = filter->GetEventType();
    if (type == kThreadStart) {
        showName(editProcessName, checkIgnoreProcessName, filter->GetProcessName(),
                 filter->IsAllProcesses());
        showName(editFileName, checkIgnoreFileName, filter->GetModuleName(),
                 filter->IsAllModules());
    } else if (type == kModuleLoad) {
        showName(editModuleName, checkIgnoreModuleName, filter->GetModuleName(),
                 filter->IsAllModules());
    }
}

void NewEventDlg::On_comboEventTypeActivated()
{
    const QString type = comboEventType->currentText();
    if (type.isEmpty())
        widgetStack->setCurrentIndex(kNoDetails);
    else if (type == kModuleLoad)
        widgetStack->setCurrentIndex(kModuleDetails);
    else
        widgetStack->setCurrentIndex(kThreadDetails);
}

void NewEventDlg::On_checkIgnoreProcessName_Click()
{
    editProcessName->setEnabled(!checkIgnoreProcessName->isChecked());
}

void NewEventDlg::On_checkIgnoreFileName_Click()
{
    editFileName->setEnabled(!checkIgnoreFileName->isChecked());
}

void NewEventDlg::On_checkIgnoreModuleName_Click()
{
    editModuleName->setEnabled(!checkIgnoreModuleName->isChecked());
}

void NewEventDlg::accept()
{
    if (m_filter) {
        m_filter->SetName(editName->text());
        m_filter->SetEventType(comboEventType->currentText());
        // The texts are kept as typed even when "any" makes them unused.
        switch (widgetStack->currentIndex()) {
        case kThreadDetails:
            m_filter->SetAllProcesses(meansAny(checkIgnoreProcessName, editProcessName));
            m_filter->SetProcessName(editProcessName->text());
            m_filter->SetAllModules(meansAny(checkIgnoreFileName, editFileName));
            m_filter->SetModuleName(editFileName->text());
            break;
        case kModuleDetails:
            m_filter->SetAllProcesses(true);
            m_filter->SetProcessName(QString());
            m_filter->SetAllModules(meansAny(checkIgnoreModuleName, editModuleName));
            m_filter->SetModuleName(editModuleName->text());
            break;
        default:
            m_filter->SetAllProcesses(true);
            m_filter->SetAllModules(true);
            m_filter->SetProcessName(QString());
            m_filter->SetModuleName(QString());
            break;
        }
    }
    QDialog::accept();
}

void NewEventDlg::reject()
{
    QDialog::reject();
}
