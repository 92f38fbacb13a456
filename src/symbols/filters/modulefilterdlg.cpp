#include "symbols/filters/modulefilterdlg.h"

#include "symbols/filters/neweventdlg.h"
#include "system/modalseam.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStyle>

#include <memory>

using Filtering::FModuleFilter;
using Filtering::SymbolFileFilterData;

namespace {

// A normal border, a title bar and a system menu; nothing to minimise or maximise.
constexpr Qt::WindowFlags kEventDialogFrame = Qt::Dialog | Qt::CustomizeWindowHint |
                                              Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                              Qt::WindowCloseButtonHint;

const QString kThreadStart = QStringLiteral("Thread Start");
const QString kModuleLoad = QStringLiteral("Module Load");
const QString kEventTypes = QStringLiteral("Thread Start\tModule Load");

enum Column { kCheckColumn = 0, kNameColumn = 1, kTypeColumn = 2, kDescriptionColumn = 3 };

QString quotedPiece(const char *word, const QString &name)
{
    return QStringLiteral("%1 = \"%2\"").arg(QLatin1String(word), name);
}

QString processPiece(const FModuleFilter &filter)
{
    return filter.IsAllProcesses()
               ? QStringLiteral("Any process, ")
               : quotedPiece("Process", filter.GetProcessName()) + QStringLiteral(", ");
}

QString filePiece(const FModuleFilter &filter)
{
    return filter.IsAllModules() ? QStringLiteral("Any filename")
                                 : quotedPiece("Filename", filter.GetModuleName());
}

QString modulePiece(const FModuleFilter &filter)
{
    return filter.IsAllModules() ? QStringLiteral("Any module")
                                 : quotedPiece("Module", filter.GetModuleName());
}

QString description(const FModuleFilter &filter)
{
    const QString type = filter.GetEventType();
    if (type == kThreadStart)
        return processPiece(filter) + filePiece(filter);
    if (type == kModuleLoad)
        return modulePiece(filter);
    return processPiece(filter) + modulePiece(filter);
}

void setTextQuietly(QLineEdit *edit, const QString &text)
{
    const QSignalBlocker blocker(edit);
    edit->setText(text);
}

} // namespace

QValidator::State InputTextValidator::validate(QString &input, int &) const
{
    static const QRegularExpression separators(QStringLiteral("[,;]"));
    return input.contains(separators) ? Invalid : Intermediate;
}

ModuleFilterDlg_ColoredListViewItem::ModuleFilterDlg_ColoredListViewItem(QTreeWidget *list,
                                                                         QTreeWidgetItem *after,
                                                                         ModuleFilterDlg *dialog)
    : QTreeWidgetItem(list, after)
    , m_dialog(dialog)
{
    setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    setCheckState(kCheckColumn, Qt::Unchecked);
}

void ModuleFilterDlg_ColoredListViewItem::stateChange(bool on)
{
    if (m_dialog)
        m_dialog->ItemStateChanged(this, on);
}

ModuleFilterDlg::ModuleFilterDlg(QWidget *parent, const char *name, Qt::WindowFlags flags)
    : ModuleFilterDlgBase(parent, name ? name : "ModuleFilterDlg", true, flags | kEventDialogFrame)
{
    for (QWidget *widget :
         {static_cast<QWidget *>(textInformation), static_cast<QWidget *>(checkInclude),
          static_cast<QWidget *>(checkRegEx), static_cast<QWidget *>(pushDown),
          static_cast<QWidget *>(pushUp), static_cast<QWidget *>(groupProperties)})
        widget->hide();

    // The check box, the event's name and type and its description.
    listFilters->setColumnCount(4);
    listFilters->setHeaderLabels({QString(), QObject::tr("Event Name"), QObject::tr("Event Type"),
                                  QObject::tr("Description")});
    listFilters->setColumnWidth(kCheckColumn, 32);
    const int widths[] = {125, 125, 300};
    for (int column = kNameColumn; column <= kDescriptionColumn; ++column)
        listFilters->setColumnWidth(column, widths[column - kNameColumn]);
    listFilters->header()->setStretchLastSection(true);
    listFilters->setSortingEnabled(false);
    listFilters->setSelectionMode(QAbstractItemView::SingleSelection);
    textInformation->setWordWrap(false);

    const QSize arrowSize(18, 21);
    pushDown->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    pushDown->setIconSize(arrowSize);
    pushUp->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    pushUp->setIconSize(arrowSize);

    connect(listFilters, &QTreeWidget::itemChanged, this, &ModuleFilterDlg::onItemChanged);
    UpdateControls();
    m_validator = new InputTextValidator(this);
    for (QLineEdit *edit : {editFilterProcessName, editFilterModuleName, editFilterName})
        edit->setValidator(m_validator);
}

ModuleFilterDlg::~ModuleFilterDlg()
{
    // The rows go after this class's part: nothing they report may reach it then.
    listFilters->blockSignals(true);
}

void ModuleFilterDlg::Init(const SymbolFileFilterData &set, const QString &text)
{
    m_working.Assign(set);
    m_text = text;
    checkMaster->setChecked(m_working.IsActive());
    const Filtering::FModuleCollFilters &filters = m_working.ModuleFilters();
    QTreeWidgetItem *previous = nullptr;
    for (int i = 0; i < filters.Count(); ++i)
        previous = CreateItem(listFilters, previous, filters.ModuleAt(i));
    showItem(listFilters->topLevelItem(0));
}

QTreeWidgetItem *ModuleFilterDlg::CreateItem(QTreeWidget *list, QTreeWidgetItem *after,
                                             FModuleFilter *filter)
{
    QTreeWidgetItem *item;
    {
        const QScopedValueRollback<bool> quiet(m_settingItems, true);
        item = new ModuleFilterDlg_ColoredListViewItem(list, after, this);
    }
    m_filters.insert(item, filter);
    UpdateItem(item, filter);
    return item;
}

FModuleFilter *ModuleFilterDlg::filterOf(QTreeWidgetItem *item) const
{
    return m_filters.value(item, nullptr);
}

void ModuleFilterDlg::UpdateItem(QTreeWidgetItem *item, FModuleFilter *filter)
{
    if (!item || !filter)
        return;
    const QScopedValueRollback<bool> quiet(m_settingItems, true);
    item->setText(kNameColumn, filter->GetName());
    item->setText(kTypeColumn, filter->GetEventType());
    item->setText(kDescriptionColumn, description(*filter));
    item->setCheckState(kCheckColumn, filter->IsActive() ? Qt::Checked : Qt::Unchecked);
}

void ModuleFilterDlg::onItemChanged(QTreeWidgetItem *item, int column)
{
    if (m_settingItems || column != kCheckColumn)
        return;
    if (auto *row = dynamic_cast<ModuleFilterDlg_ColoredListViewItem *>(item))
        row->stateChange(row->isOn());
}

void ModuleFilterDlg::ItemStateChanged(QTreeWidgetItem *item, bool on)
{
    FModuleFilter *filter = filterOf(item);
    if (!filter)
        return;
    filter->SetActive(on);
    LoadProperties(filter);
    UpdateItem(item, filter);
    UpdateControls();
}

void ModuleFilterDlg::UpdateControls()
{
    groupEvents->setEnabled(checkMaster->isChecked());
    textInformation->setWordWrap(false);
    if (!checkMaster->isChecked())
        return;
    // The warning stays out of sight: the disabled event list already shows that capturing is
    // off.
    textInformation->hide();
    QTreeWidgetItem *current = listFilters->currentItem();
    const int index = current ? listFilters->indexOfTopLevelItem(current) : -1;
    groupProperties->setEnabled(current);
    pushDelete->setEnabled(current);
    pushEdit->setEnabled(current);
    pushUp->setEnabled(current && index > 0);
    pushDown->setEnabled(current && index + 1 < listFilters->topLevelItemCount());
    if (!current)
        return;
    const bool active = checkActiveFilter->isChecked();
    for (QWidget *widget :
         {static_cast<QWidget *>(checkInclude), static_cast<QWidget *>(checkRegEx),
          static_cast<QWidget *>(editFilterName), static_cast<QWidget *>(checkAlwaysProcess),
          static_cast<QWidget *>(checkAlwaysModule)})
        widget->setEnabled(active);
    editFilterModuleName->setEnabled(active && !checkAlwaysModule->isChecked());
    editFilterProcessName->setEnabled(active && !checkAlwaysProcess->isChecked());
}

void ModuleFilterDlg::LoadProperties(FModuleFilter *filter)
{
    // A row without a filter shows a new filter's defaults.
    FModuleFilter defaults;
    const FModuleFilter &shown = filter ? *filter : defaults;
    setTextQuietly(editFilterName, shown.GetName());
    setTextQuietly(editFilterModuleName, shown.GetModuleName());
    setTextQuietly(editFilterProcessName, shown.GetProcessName());
    checkActiveFilter->setChecked(shown.IsActive());
    checkInclude->setChecked(shown.IsInclude());
    checkRegEx->setChecked(shown.IsRegex());
    checkAlwaysProcess->setChecked(shown.IsAllProcesses());
    checkAlwaysModule->setChecked(shown.IsAllModules());
}

void ModuleFilterDlg::StoreProperties(FModuleFilter *filter)
{
    filter->SetActive(checkActiveFilter->isChecked());
    filter->SetInclude(checkInclude->isChecked());
    filter->SetRegex(checkRegEx->isChecked());
    filter->SetProcessName(editFilterProcessName->text());
    filter->SetAllProcesses(checkAlwaysProcess->isChecked());
    filter->SetModuleName(editFilterModuleName->text());
    filter->SetAllModules(checkAlwaysModule->isChecked());
    filter->SetName(editFilterName->text());
}

// The property widgets into the current row's filter and onto its row.
void ModuleFilterDlg::storeCurrent()
{
    QTreeWidgetItem *current = listFilters->currentItem();
    FModuleFilter *filter = filterOf(current);
    if (!filter)
        return;
    StoreProperties(filter);
    UpdateItem(current, filter);
}

void ModuleFilterDlg::showItem(QTreeWidgetItem *item)
{
    if (item) {
        listFilters->setCurrentItem(item);
        item->setSelected(true);
        listFilters->scrollToItem(item);
    }
    On_listFilters_selectionChanged(item);
}

void ModuleFilterDlg::On_checkMaster_Click()
{
    UpdateControls();
}

void ModuleFilterDlg::On_FilterProp_Changed()
{
    if (!listFilters->currentItem())
        return;
    storeCurrent();
    UpdateControls();
}

void ModuleFilterDlg::On_editFilterTextProcess_Changed(const QString &)
{
    storeCurrent();
}

void ModuleFilterDlg::On_editFilterTextModule_Changed(const QString &)
{
    storeCurrent();
}

void ModuleFilterDlg::On_editFilterName_Changed(const QString &)
{
    storeCurrent();
}

void ModuleFilterDlg::On_listFilters_selectionChanged(QTreeWidgetItem *item)
{
    FModuleFilter *filter = filterOf(item);
    LoadProperties(filter);
    UpdateItem(item, filter);
    UpdateControls();
}

void ModuleFilterDlg::On_listFilters_doubleClicked(QTreeWidgetItem *item)
{
    if (!item)
        return;
    listFilters->setCurrentItem(item);
    On_pushEdit_Click();
}

void ModuleFilterDlg::moveCurrent(int step)
{
    QTreeWidgetItem *current = listFilters->currentItem();
    if (!current)
        return;
    const int index = listFilters->indexOfTopLevelItem(current);
    const int target = index + step;
    if (index < 0 || target < 0 || target >= listFilters->topLevelItemCount())
        return;
    listFilters->takeTopLevelItem(index);
    listFilters->insertTopLevelItem(target, current);
    showItem(current);
}

void ModuleFilterDlg::On_pushUp_Click()
{
    moveCurrent(-1);
}

void ModuleFilterDlg::On_pushDown_Click()
{
    moveCurrent(1);
}

QString ModuleFilterDlg::proposedName() const
{
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("Event %1").arg(n);
        if (listFilters->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive, kNameColumn)
                .isEmpty())
            return name;
    }
}

tesk::system::ModalSeam::Result ModuleFilterDlg::runEventDialog(const char *caption,
                                                                FModuleFilter *filter)
{
    tesk::system::Modal<NewEventDlg> dialog(this, caption, true, kEventDialogFrame);
    dialog->SetEventTypes(kEventTypes);
    dialog->SetFilter(filter);
    return dialog.run(this);
}

void ModuleFilterDlg::On_pushNew_Click()
{
    auto filter = std::make_unique<FModuleFilter>();
    filter->SetName(proposedName());
    filter->SetActive(true);
    filter->SetProcessName(QStringLiteral("Process Name"));
    filter->SetModuleName(QStringLiteral("Module Name"));
    if (!runEventDialog(QT_TRANSLATE_NOOP("NewEventDlg", "New Event"), filter.get()).accepted())
        return;
    QTreeWidgetItem *item = CreateItem(listFilters, nullptr, filter.get());
    m_working.ModuleFilters().Add(filter.release());
    showItem(item);
}

void ModuleFilterDlg::On_pushEdit_Click()
{
    QTreeWidgetItem *current = listFilters->currentItem();
    FModuleFilter *filter = filterOf(current);
    if (!filter)
        return;
    // Closed with this dialog while the question was up: nothing of it is touched.
    if (!runEventDialog(QT_TRANSLATE_NOOP("NewEventDlg", "Edit Event"), filter).alive)
        return;
    showItem(current);
}

void ModuleFilterDlg::On_pushDelete_Click()
{
    QTreeWidgetItem *current = listFilters->currentItem();
    FModuleFilter *filter = filterOf(current);
    if (!filter)
        return;
    m_filters.remove(current);
    Filtering::FModuleCollFilters &filters = m_working.ModuleFilters();
    for (int i = 0; i < filters.Count(); ++i) {
        if (filters.At(i) == filter) {
            filters.Remove(i);
            break;
        }
    }
    delete filter;
    delete current;
    showItem(listFilters->currentItem());
}

void ModuleFilterDlg::accept()
{
    // The rows' order is the order the filters are stored in.
    Filtering::FModuleCollFilters &filters = m_working.ModuleFilters();
    filters.Clear(false);
    for (int i = 0; i < listFilters->topLevelItemCount(); ++i) {
        if (FModuleFilter *filter = filterOf(listFilters->topLevelItem(i)))
            filters.Add(filter);
    }
    m_working.SetActive(checkMaster->isChecked());
    SymbolFileFilterData::instance()->Assign(m_working);
    QDialog::accept();
}
