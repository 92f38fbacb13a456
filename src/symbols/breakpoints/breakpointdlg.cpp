#include "symbols/breakpoints/breakpointdlg.h"

#include "dialogs/listselectiondlg.h"
#include "frame/core/buttonfit.h"
#include "frame/core/combobox.h"
#include "frame/core/cuifunctionregistry.h"
#include "frame/core/cuihandles.h"
#include "frame/core/cuitextutils.h"
#include "frame/core/hosttext.h"
#include "symbols/breakpoints/breakpointcommand.h"
#include "symbols/breakpoints/breakpointhostface.h"
#include "symbols/breakpoints/breakpointproxy.h"
#include "symbols/breakpoints/listwidth.h"
#include "system/lifetime.h"
#include "system/modalseam.h"

#include <tesk/tesk_registry.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include <climits>
#include <cstring>
#include <exception>
#include <utility>

using tesk::breakpoints::CallerEnded;
using tesk::system::Modal;
using tesk::system::ModalSeam;

class BreakpointDlgPrivate
{
public:
    CuiBreakpointDlgHandler handler = nullptr;
    // An OK cleared the edited breakpoint but its replacement was refused.
    bool oldCleared = false;
    QMap<int, QString> typeNames;
    QVector<uint32_t> types;
    QMap<int, QString> classNames;
    QVector<uint32_t> classes;
    std::unique_ptr<BreakpointProxy> breakpoint;
    std::unique_ptr<BreakpointProxy> unchanged;
    uint32_t mode = 0;
    intptr_t vdata = 0;
    intptr_t textBox = 0;
    intptr_t windBox = 0;
    uint32_t helpId = 0;
    CuiBreakpointDlgHelpCallback helpCallback = nullptr;
    bool hasInitialLocation = false;
    QString initialLocation;
    bool hasInitialType = false;
    uint32_t initialType = 0;
    bool chained = false;
    QString chainedMessage;

    bool polished = false;
    // Why the dialog could not be filled; shown once it is up, and then it closes.
    QString failure;
};

namespace {

constexpr int kValueRole = Qt::UserRole;
constexpr int kHistorySize = CUI_BREAKPOINT_DLG_HISTORY_SIZE;
// The hardware support row of the pass count; trigger rows hold their trigger's index.
constexpr int kPassCountRow = -1;

QString withoutLeadingIA(const QString &text)
{
    static const QRegularExpression leadingIA(QStringLiteral("^\\(I A\\)"));
    return QString(text).remove(leadingIA);
}

QMap<int, QString> typeNameTable()
{
    return {{0, BreakpointDlg::tr("Software Instruction")},
            {1, BreakpointDlg::tr("Hardware Instruction")},
            {2, BreakpointDlg::tr("Hardware Read")},
            {3, BreakpointDlg::tr("Hardware Write")},
            {4, BreakpointDlg::tr("Hardware Access")},
            {5, BreakpointDlg::tr("Hardware DataValue Read")},
            {6, BreakpointDlg::tr("Hardware DataValue Write")},
            {7, BreakpointDlg::tr("Hardware DataValue Access")}};
}

QMap<int, QString> classNameTable()
{
    return {
        {0, BreakpointDlg::tr("Standard Breakpoint")}, {1, BreakpointDlg::tr("HSD Breakpoint")},
        {2, BreakpointDlg::tr("System Breakpoint")},   {3, BreakpointDlg::tr("Tracepoint")},
        {4, BreakpointDlg::tr("Process Breakpoint")},  {5, BreakpointDlg::tr("Thread Breakpoint")}};
}

// One of the two editable lists with its buttons.
struct RowList
{
    QListWidget *list;
    QPushButton *del;
    QPushButton *edit;
    QPushButton *up;
    QPushButton *down;
};

void enableRowButtons(const RowList &rows, int row)
{
    const bool any = row >= 0;
    rows.del->setEnabled(any);
    rows.edit->setEnabled(any);
    rows.up->setEnabled(any && row != 0);
    rows.down->setEnabled(any && row != rows.list->count() - 1);
}

void deleteCurrentRow(const RowList &rows)
{
    const int row = rows.list->currentRow();
    if (row < 0)
        return;
    delete rows.list->takeItem(row);
    const int count = rows.list->count();
    if (count > 0)
        rows.list->setCurrentRow(qMin(row, count - 1));
    if (count == 0) {
        rows.del->setEnabled(false);
        rows.edit->setEnabled(false);
    }
    if (count < 2) {
        rows.up->setEnabled(false);
        rows.down->setEnabled(false);
    }
}

void moveCurrentRow(const RowList &rows, int step)
{
    const int row = rows.list->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= rows.list->count())
        return;
    QListWidgetItem *current = rows.list->item(row);
    QListWidgetItem *other = rows.list->item(target);
    const QString text = current->text();
    current->setText(other->text());
    other->setText(text);
    rows.list->setCurrentRow(target);
}

QStringList rowsOf(const QListWidget *list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

// Calls the host for the dialog; CallerEnded when the host destroyed the dialog meanwhile.
template<typename Call>
void callHostFor(const BreakpointDlg *dialog, Call &&call)
{
    if (!tesk::lifetime::callHost(dialog, std::forward<Call>(call)))
        throw CallerEnded{};
}

void selectComboEntry(QComboBox *combo, const QString &text)
{
    combo->addItem(text);
    combo->setCurrentIndex(combo->count() - 1);
}

} // namespace

BreakpointDlg::BreakpointDlg(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : BreakpointDlgBase(parent, name, modal, flags)
    , d(std::make_unique<BreakpointDlgPrivate>())
{
    for (QComboBox *combo : {locationCOB, valueCOB})
        tesk::core::takeTypedTextAsItStands(combo);
    fitButtonToText(locationBuilderPB, QLatin1Char('W'));
    fitButtonToText(valueBuilderPB, QLatin1Char('W'));
    for (QGroupBox *box : {hardwareSupportGB, conditionsGB, actionsGB})
        box->hide();
    forcedSizeEF->setInputMask(QStringLiteral("90"));
    forcedSizeEF->setText(QStringLiteral("16"));
    connect(conditionsLB, &QListWidget::currentRowChanged, this,
            &BreakpointDlg::conditionsSelectionChangedSlot);
    connect(actionsLB, &QListWidget::currentRowChanged, this,
            &BreakpointDlg::actionsSelectionChangedSlot);
}

BreakpointDlg::~BreakpointDlg() = default;

void BreakpointDlg::setFuncHandler(CuiBreakpointDlgHandler handler)
{
    d->handler = handler;
}

void BreakpointDlg::setVdata(intptr_t vdata)
{
    d->vdata = vdata;
}

intptr_t BreakpointDlg::vdata() const
{
    return d->vdata;
}

bool BreakpointDlg::acceptsBreakpoint() const
{
    return !d->polished;
}

bool BreakpointDlg::setBreakpoint(BreakpointProxy *proxy)
{
    if (!acceptsBreakpoint() || !proxy)
        return false;
    if (proxy != d->breakpoint.get())
        d->breakpoint.reset(proxy);
    return true;
}

BreakpointProxy *BreakpointDlg::breakpoint() const
{
    return d->breakpoint.get();
}

void BreakpointDlg::setMode(uint32_t mode)
{
    d->mode = mode;
    switch (mode) {
    case 0:
        setWindowTitle(tr("Create Breakpoint"));
        break;
    case 1:
        setWindowTitle(tr("Edit Breakpoint"));
        break;
    case 2:
        setWindowTitle(tr("Copy Breakpoint"));
        break;
    default:
        break;
    }
}

void BreakpointDlg::setTextBox(intptr_t value)
{
    d->textBox = value;
}

void BreakpointDlg::setWindBox(intptr_t windBox)
{
    d->windBox = windBox;
}

void BreakpointDlg::setHelpId(uint32_t id)
{
    d->helpId = id;
}

void BreakpointDlg::setHelpCallback(CuiBreakpointDlgHelpCallback callback)
{
    d->helpCallback = callback;
}

void BreakpointDlg::setInitialLocation(const QString &location)
{
    d->hasInitialLocation = true;
    d->initialLocation = withoutLeadingIA(location);
}

void BreakpointDlg::setInitialBreakpointType(uint32_t type)
{
    d->hasInitialType = true;
    d->initialType = type;
}

tesk::breakpoints::RegistryHostFace BreakpointDlg::host()
{
    const auto handle = reinterpret_cast<TeskHandle>(tesk::handles::add(this));
    return {d->handler, handle, d->vdata, d->windBox, this};
}

bool BreakpointDlg::event(QEvent *event)
{
    const bool handled = BreakpointDlgBase::event(event);
    if (event->type() == QEvent::Polish && !d->polished) {
        d->polished = true;
        try {
            polishDialog();
        } catch (const CallerEnded &) {
            // Destroyed by the host while filling: nothing of the dialog is touched any more.
        } catch (const std::exception &e) {
            d->failure = QString::fromUtf8(e.what());
        }
    }
    return handled;
}

void BreakpointDlg::polishDialog()
{
    d->typeNames = typeNameTable();
    d->classNames = classNameTable();
    adjustSize();
    if (!d->breakpoint) {
        d->failure = tr("The breakpoint dialog has no breakpoint to show.");
        return;
    }
    BreakpointProxy &proxy = *d->breakpoint;
    callHostFor(this, [&] { proxy.update(); });
    if (d->hasInitialLocation)
        proxy.setLocation(withoutLeadingIA(d->initialLocation));
    if (d->hasInitialType)
        callHostFor(this, [&] { proxy.setBreakpointType(d->initialType); });

    // Each row keeps its type value, so a type without a name shifts no later row.
    d->types = proxy.breakpointTypes();
    for (uint32_t type : d->types) {
        if (!d->typeNames.contains(int(type)))
            continue;
        auto *item = new QListWidgetItem(d->typeNames.value(int(type)), breakpointTypeLB);
        item->setData(kValueRole, type);
    }
    tesk::breakpoints::widenToRows(breakpointTypeLB);
    const uint32_t currentType = proxy.breakpointType();
    for (int row = 0; row < breakpointTypeLB->count(); ++row) {
        if (breakpointTypeLB->item(row)->data(kValueRole).toUInt() == currentType) {
            breakpointTypeLB->setCurrentRow(row);
            break;
        }
    }

    fillFromProxy();
    d->unchanged = std::make_unique<BreakpointProxy>(proxy);
    fillHistories();
    if (proxy.chained()) {
        d->chained = true;
        d->chainedMessage = tr("This breakpoint cannot be edited, or copied, as it is chained "
                               "to another breakpoint.");
    }
}

void BreakpointDlg::fillFromProxy()
{
    const BreakpointProxy &proxy = *d->breakpoint;
    selectComboEntry(locationCOB, withoutLeadingIA(proxy.location()));
    selectComboEntry(valueCOB, withoutLeadingIA(proxy.value()));

    d->classes = proxy.classes();
    for (uint32_t value : d->classes) {
        if (d->classNames.contains(int(value)))
            classCOB->addItem(d->classNames.value(int(value)), value);
    }
    classCOB->setCurrentIndex(classCOB->findData(proxy.settings().classPos));

    forcedCB->setChecked(proxy.forcedSize());
    if (proxy.forcedSize())
        forcedSizeEF->setText(QString::number(proxy.size()));
    applyTypeEnables(proxy.breakpointType());
    fillHardwareSupport(proxy.breakpointType() != 0);

    conditionsLB->addItems(proxy.qualifiers());
    actionsLB->addItems(proxy.actions());
    for (QListWidget *list : {conditionsLB, actionsLB}) {
        if (list->count() > 0)
            list->setCurrentRow(0);
    }
    (proxy.actionState() == 0 ? stopRB : continueRB)->setChecked(true);
}

void BreakpointDlg::fillHistories()
{
    QString context = QStringLiteral("UKN");
    if (d->vdata && d->handler)
        context = host().contextName();
    const auto gui =
        CuiFunctionRegistry::instance()->function<CuiHostEntryFn>(QStringLiteral("gui"));
    if (!gui)
        return;
    const QByteArray contextText = context.toUtf8();
    const intptr_t handle = reinterpret_cast<intptr_t>(tesk::handles::add(this));
    int field = 0;
    for (QComboBox *combo : {locationCOB, valueCOB}) {
        char buffer[kHistorySize] = {};
        int answer = 0;
        callHostFor(this, [&] {
            answer =
                gui(3, handle, field, contextText.constData(), reinterpret_cast<intptr_t>(buffer));
        });
        ++field;
        if (answer != 0)
            continue;
        const QString text =
            QString::fromUtf8(buffer, qsizetype(strnlen(buffer, sizeof buffer - 1)));
        combo->addItems(text.split(QLatin1Char('\n'), Qt::SkipEmptyParts));
    }
}

void BreakpointDlg::applyTypeEnables(uint32_t type)
{
    const BreakpointProxy &proxy = *d->breakpoint;
    locationCOB->setEnabled(proxy.settings().allowLocation);
    locationBuilderPB->setEnabled(proxy.settings().allowLocation);
    valueCOB->setEnabled(proxy.settings().allowData);
    valueBuilderPB->setEnabled(proxy.settings().allowData);
    const bool software = type == 0;
    hardwareSupportGB->setEnabled(!software);
    classCOB->setEnabled(software && proxy.settings().allowClasses);
    forcedCB->setEnabled(software);
    forcedSizeEF->setEnabled(software && forcedCB->isChecked());
}

void BreakpointDlg::breakpointTypeChangedSlot(int row)
{
    QListWidgetItem *item = breakpointTypeLB->item(row);
    if (!item || !d->breakpoint)
        return;
    const uint32_t type = item->data(kValueRole).toUInt();
    BreakpointProxy *proxy = d->breakpoint.get();
    if (!tesk::lifetime::callHost(this, [&] { proxy->setBreakpointType(type); }))
        return;
    applyTypeEnables(type);
    fillHardwareSupport(type != 0);
}

QString BreakpointDlg::hardwareRow(int index) const
{
    if (index == kPassCountRow)
        return QStringLiteral("HardwarePassCount=%1").arg(d->breakpoint->hardwarePassCount());
    const HardwareTrigger &trigger = d->breakpoint->trigger(index);
    return QStringLiteral("%1=%2:%3")
        .arg(trigger.isInput() ? QStringLiteral("Match") : QStringLiteral("OnBrk"), trigger.name(),
             trigger.label(trigger.selection()));
}

void BreakpointDlg::fillHardwareSupport(bool hardware)
{
    hardwareSupportLB->clear();
    for (QWidget *w : std::initializer_list<QWidget *>{
             hardwareSupportGB, hardwareSupportLB, hardwareSupportEditPB, hardwareSupportResetPB})
        w->setEnabled(hardware);
    if (!hardware)
        return;
    const BreakpointProxy &proxy = *d->breakpoint;
    if (proxy.hasHardwarePassCount()) {
        auto *item = new QListWidgetItem(hardwareRow(kPassCountRow), hardwareSupportLB);
        item->setData(kValueRole, kPassCountRow);
    }
    for (int i = 0; i < proxy.triggerCount(); ++i) {
        auto *item = new QListWidgetItem(hardwareRow(i), hardwareSupportLB);
        item->setData(kValueRole, i);
    }
    const bool rows = hardwareSupportLB->count() > 0;
    if (rows)
        hardwareSupportLB->setCurrentRow(0);
    hardwareSupportEditPB->setEnabled(rows);
    hardwareSupportResetPB->setEnabled(rows);
}

void BreakpointDlg::editHardwareSupportValueSlot()
{
    QListWidgetItem *item = hardwareSupportLB->currentItem();
    if (!item || !d->breakpoint)
        return;
    BreakpointProxy &proxy = *d->breakpoint;
    const int index = item->data(kValueRole).toInt();
    if (index == kPassCountRow) {
        const QString rest = item->text().section(QLatin1Char('='), 1);
        bool ok = true;
        const int count = rest == QLatin1String("Off") ? 0 : rest.toInt(&ok);
        if (!ok || count < 0) {
            ModalSeam::messageBox(this, QMessageBox::Warning, tr("Error"),
                                  tr("Cannot convert HardwarePassCount value to an integer"),
                                  QMessageBox::Ok, QMessageBox::Ok);
            return;
        }
        Modal<QInputDialog> input(this);
        input->setInputMode(QInputDialog::IntInput);
        input->setWindowTitle(tr("Edit Hardware Pass Count"));
        input->setLabelText(tr("Please enter the new value for the HardwarePassCount.<br>Entering "
                               "0 turns the HardwarePassCount off."));
        input->setIntRange(0, INT_MAX);
        input->setIntStep(1);
        input->setIntValue(count);
        if (!input.run(this).accepted())
            return;
        if (input->intValue() == 0)
            proxy.clearHardwarePassCount();
        else
            proxy.setHardwarePassCount(QString::number(input->intValue()));
        item->setText(hardwareRow(kPassCountRow));
        return;
    }
    if (index < 0 || index >= proxy.triggerCount())
        return;
    HardwareTrigger &trigger = proxy.trigger(index);
    Modal<ListSelectionDlg> choice(this);
    choice->setDescription(
        tr("Select value to<br>'%1'").arg(tesk::core::escapeRichText(trigger.text())));
    // Added one by one: a label is shown as the host gave it, leading marks included.
    for (const QString &label : trigger.labels())
        choice->addItem(label);
    choice->setCurrentIndex(trigger.selection());
    if (!choice.run(this).accepted() || choice->currentIndex() < 0)
        return;
    trigger.setSelection(choice->currentIndex());
    item->setText(hardwareRow(index));
}

void BreakpointDlg::resetHardwareSupportValueSlot()
{
    QListWidgetItem *item = hardwareSupportLB->currentItem();
    if (!item || !d->breakpoint)
        return;
    BreakpointProxy &proxy = *d->breakpoint;
    const int index = item->data(kValueRole).toInt();
    if (index == kPassCountRow) {
        proxy.clearHardwarePassCount();
        item->setText(hardwareRow(kPassCountRow));
    } else if (index >= 0 && index < proxy.triggerCount()) {
        proxy.trigger(index).setSelection(0);
        item->setText(hardwareRow(index));
    }
}

void BreakpointDlg::conditionsSelectionChangedSlot(int row)
{
    enableRowButtons({conditionsLB, conditionsDeletePB, conditionsEditPB, conditionsMoveUpPB,
                      conditionsMoveDownPB},
                     row);
}

void BreakpointDlg::actionsSelectionChangedSlot(int row)
{
    enableRowButtons(
        {actionsLB, actionsDeletePB, actionsEditPB, actionsMoveUpPB, actionsMoveDownPB}, row);
}

void BreakpointDlg::conditionsDeleteSlot()
{
    deleteCurrentRow({conditionsLB, conditionsDeletePB, conditionsEditPB, conditionsMoveUpPB,
                      conditionsMoveDownPB});
}

void BreakpointDlg::conditionsMoveUpSlot()
{
    moveCurrentRow({conditionsLB, nullptr, nullptr, nullptr, nullptr}, -1);
}

void BreakpointDlg::conditionsMoveDownSlot()
{
    moveCurrentRow({conditionsLB, nullptr, nullptr, nullptr, nullptr}, 1);
}

void BreakpointDlg::actionsDeleteSlot()
{
    deleteCurrentRow(
        {actionsLB, actionsDeletePB, actionsEditPB, actionsMoveUpPB, actionsMoveDownPB});
}

void BreakpointDlg::actionsMoveUpSlot()
{
    moveCurrentRow({actionsLB, nullptr, nullptr, nullptr, nullptr}, -1);
}

void BreakpointDlg::actionsMoveDownSlot()
{
    moveCurrentRow({actionsLB, nullptr, nullptr, nullptr, nullptr}, 1);
}

tesk::breakpoints::CommandInput BreakpointDlg::commandInput() const
{
    tesk::breakpoints::CommandInput input;
    const QListWidgetItem *typeRow = breakpointTypeLB->currentItem();
    input.type = typeRow ? typeRow->data(kValueRole).toUInt() : d->breakpoint->breakpointType();
    if (classCOB->currentIndex() >= 0)
        input.classValue = classCOB->currentData().toUInt();
    input.forcedSizeEnabled = forcedCB->isEnabled();
    input.forcedSizeChecked = forcedCB->isChecked();
    input.forcedSize = forcedSizeEF->text();
    input.location = locationCOB->currentText();
    input.value = valueCOB->currentText();
    input.conditions = rowsOf(conditionsLB);
    input.actions = rowsOf(actionsLB);
    input.continueAfter = continueRB->isChecked();
    input.mode = d->mode;
    input.vdata = d->vdata;
    input.textBox = d->textBox;
    input.oldCleared = d->oldCleared;
    return input;
}

QWidget *BreakpointDlg::fieldWidget(tesk::breakpoints::CommandField field) const
{
    using tesk::breakpoints::CommandField;
    switch (field) {
    case CommandField::ForcedSize:
        return forcedSizeEF;
    case CommandField::Location:
        return locationCOB;
    case CommandField::Value:
        return valueCOB;
    case CommandField::Conditions:
        return conditionsLB;
    case CommandField::Actions:
        return actionsLB;
    case CommandField::None:
        break;
    }
    return nullptr;
}

void BreakpointDlg::accept()
{
    using tesk::breakpoints::CommandResult;
    if (!d->breakpoint)
        return;
    CommandResult result;
    {
        // The proxy's own host calls on the way run in this scope too; the face's calls check
        // the dialog before and after each of theirs.
        tesk::lifetime::Scope scope(this);
        try {
            auto face = host();
            result = tesk::breakpoints::acceptCommand(commandInput(), *d->breakpoint,
                                                      d->unchanged.get(), face);
        } catch (const CallerEnded &) {
            return;
        } catch (const std::exception &e) {
            result.code = CommandResult::Failure;
            result.error = QString::fromUtf8(e.what());
        }
        if (!scope.alive())
            return;
    }
    d->oldCleared = d->oldCleared || result.cleared;
    if (result.locationText)
        locationCOB->setEditText(*result.locationText);
    if (result.code == CommandResult::Success) {
        BreakpointDlgBase::accept();
        return;
    }
    // A missing part of the host is told once, as the critical error it is; a second, plain
    // warning with the same words would tell the user nothing more.
    if (result.code == CommandResult::Failure && !result.error.isEmpty()) {
        if (result.critical)
            ModalSeam::messageBox(this, QMessageBox::Critical, tr("Critical Error"), result.error,
                                  QMessageBox::Ok, QMessageBox::Ok);
        else
            ModalSeam::messageBox(this, QMessageBox::Warning, tr("Error"), result.error,
                                  QMessageBox::Ok, QMessageBox::Ok);
    }
    if (tesk::lifetime::doomed(this))
        return;
    if (QWidget *field = fieldWidget(result.focus))
        field->setFocus();
}

void BreakpointDlg::helpSlot()
{
    if (const CuiBreakpointDlgHelpCallback callback = d->helpCallback) {
        const uint32_t id = d->helpId;
        tesk::lifetime::callHost(this, [&] { callback(id); });
    }
}

void BreakpointDlg::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        helpSlot();
        return;
    }
    BreakpointDlgBase::keyPressEvent(event);
}

void BreakpointDlg::showEvent(QShowEvent *event)
{
    BreakpointDlgBase::showEvent(event);
    if (!d->failure.isEmpty() || d->chained)
        QMetaObject::invokeMethod(
            this, [this] { closeWithMessage(); }, Qt::QueuedConnection);
}

void BreakpointDlg::closeWithMessage()
{
    if (!d->failure.isEmpty()) {
        const QString failure = std::exchange(d->failure, QString());
        ModalSeam::messageBox(this, QMessageBox::Critical, tr("Critical Error"), failure,
                              QMessageBox::Ok, QMessageBox::Ok);
    } else if (d->chained) {
        d->chained = false;
        ModalSeam::messageBox(this, QMessageBox::Warning, tr("Error"), d->chainedMessage,
                              QMessageBox::Cancel, QMessageBox::Cancel);
    } else {
        return;
    }
    if (!tesk::lifetime::doomed(this))
        close();
}
