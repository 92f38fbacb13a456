// The location and value builder menus of the breakpoint dialog and what their items do.
#include "symbols/breakpoints/breakpointdlg.h"

#include "frame/core/cuifunctionregistry.h"
#include "frame/core/cuihandles.h"
#include "frame/core/cuitextutils.h"
#include "frame/core/hosttext.h"
#include "symbols/breakpoints/breakpointexpression.h"
#include "symbols/breakpoints/breakpointproxy.h"
#include "symbols/breakpoints/hardwarecapabilities.h"
#include "symbols/breakpoints/registerlistdlg.h"
#include "symbols/datanavselector.h"
#include "system/lifetime.h"
#include "system/modalseam.h"

#include <tesk/tesk_registry.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include <cstring>
#include <exception>
#include <optional>

using tesk::breakpoints::ExpressionField;
using tesk::system::Modal;
using tesk::system::ModalSeam;

namespace {

// The host's completion buffers: the field text in, the completed range or a message out.
constexpr int kCompletionSize = CUI_BREAKPOINT_DLG_RANGE_SIZE;

void showError(QWidget *parent, const QString &text)
{
    ModalSeam::messageBox(parent, QMessageBox::Information, BreakpointDlg::tr("Error"), text,
                          QMessageBox::Ok, QMessageBox::Ok);
}

// Puts a chosen text into the field: over the selection when there is one, else as the text.
void putIntoField(QComboBox *combo, const QString &text)
{
    QLineEdit *edit = combo->lineEdit();
    if (edit && edit->hasSelectedText())
        edit->insert(text);
    else
        combo->setEditText(text);
}

} // namespace

uint32_t BreakpointDlg::currentType() const
{
    const QListWidgetItem *row = breakpointTypeLB->currentItem();
    return row ? row->data(Qt::UserRole).toUInt() : 0;
}

QComboBox *BreakpointDlg::fieldCombo(ExpressionField field) const
{
    return field == ExpressionField::Location ? locationCOB : valueCOB;
}

void BreakpointDlg::buildLocationSlot()
{
    runBuilderMenu(ExpressionField::Location);
}

void BreakpointDlg::buildValueSlot()
{
    runBuilderMenu(ExpressionField::Value);
}

void BreakpointDlg::runBuilderMenu(ExpressionField field)
{
    const bool location = field == ExpressionField::Location;
    Modal<QMenu> menu(this);
    menu->addAction(tr("Symbol..."), this,
                    location ? &BreakpointDlg::locationSymbolSlot
                             : &BreakpointDlg::valueSymbolSlot);
    const uint32_t type = currentType();
    std::optional<HardwareCapabilities> can;
    if (type != 0) {
        const intptr_t data = vdata();
        const bool alive = tesk::lifetime::callHost(this, [&] {
            try {
                can.emplace(data, type, *this);
            } catch (const std::exception &) {
                // Without "hardware_capabilities" the menu offers the symbol only.
            }
        });
        if (!alive)
            return;
    }
    if (can) {
        menu->addSeparator();
        const bool range = location ? can->addressRangeAllowed() : can->dataRangeAllowed();
        const bool mask = location ? can->addressMaskAllowed() : can->dataMaskAllowed();
        const bool negate = location ? can->notAddressAllowed() : can->notDataAllowed();
        const auto add = [&](bool offered, const QString &text, void (BreakpointDlg::*slot)()) {
            if (offered)
                menu->addAction(text, this, slot);
        };
        if (location) {
            add(range, tr("Address Range"), &BreakpointDlg::locationAddRangeSlot);
            add(range, tr("Address Range by Length"),
                &BreakpointDlg::locationAddRangeWithLengthSlot);
            add(mask, tr("Address Mask"), &BreakpointDlg::locationAddMask);
            add(negate, tr("NOT Address Compare"), &BreakpointDlg::locationNotSlot);
            add(range, tr("Autocomplete Range"), &BreakpointDlg::locationAutoComplete);
        } else {
            add(range, tr("Value Range"), &BreakpointDlg::valueAddRangeSlot);
            add(range, tr("Value Range by Length"), &BreakpointDlg::valueAddRangeWithLengthSlot);
            add(mask, tr("Value Mask"), &BreakpointDlg::valueAddMask);
            add(negate, tr("NOT Value Compare"), &BreakpointDlg::valueNotSlot);
            add(range, tr("Autocomplete Range"), &BreakpointDlg::valueAutoComplete);
        }
    }
    const QPushButton *button = location ? locationBuilderPB : valueBuilderPB;
    menu.runMenu(button->mapToGlobal(QPoint(button->width(), 0)), this);
}

void BreakpointDlg::addRange(ExpressionField field, const QString &endWord)
{
    QComboBox *combo = fieldCombo(field);
    const auto edit = tesk::breakpoints::addRangeToExpression(combo->currentText(), endWord, field);
    if (!edit.message.isEmpty())
        showError(this, edit.message);
    combo->setEditText(edit.text);
}

void BreakpointDlg::addMask(ExpressionField field)
{
    QComboBox *combo = fieldCombo(field);
    const auto edit = tesk::breakpoints::addMaskToExpression(combo->currentText(), field);
    if (!edit.message.isEmpty())
        showError(this, edit.message);
    combo->setEditText(edit.text);
}

void BreakpointDlg::addNot(ExpressionField field)
{
    QComboBox *combo = fieldCombo(field);
    combo->setEditText(tesk::breakpoints::addNotToExpression(combo->currentText()));
}

void BreakpointDlg::chooseSymbol(ExpressionField field)
{
    const bool location = field == ExpressionField::Location;
    Modal<DataNavSelector> selector(this);
    selector->setWindowTitle(tr("Select Symbol"));
    selector->setVdata(vdata());
    selector->setInitialPage(location ? DataNavSelector::kFunctionPage
                                      : DataNavSelector::kVariablePage);
    QString symbol;
    if (!selector.run(this).accepted() || !selector->selectedSymbol(symbol))
        return;
    putIntoField(fieldCombo(field), location ? QStringLiteral("&") + symbol : symbol);
}

void BreakpointDlg::chooseRegister(ExpressionField field)
{
    const bool location = field == ExpressionField::Location;
    Modal<RegisterListDlg> registers(this);
    registers->setVdata(vdata());
    bool loaded = false;
    if (!tesk::lifetime::callHost(this, [&] { loaded = registers->loadRegisters(); }))
        return;
    if (!loaded) {
        ModalSeam::messageBox(this, QMessageBox::Information,
                              location ? tr("Registers") : tr("Error"),
                              tr("There are no memory mapped registers available."),
                              QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    if (!registers.run(this).accepted() || registers->selectedRegister().isEmpty())
        return;
    const QString name = registers->selectedRegister();
    putIntoField(fieldCombo(field), location ? QStringLiteral("register:") + name : name);
}

void BreakpointDlg::autoComplete(ExpressionField field)
{
    QComboBox *combo = fieldCombo(field);
    QString text = combo->currentText().trimmed();
    const bool completed = completeRange(text);
    if (tesk::lifetime::doomed(this))
        return;
    if (!completed)
        combo->setFocus();
    combo->setEditText(text);
}

bool BreakpointDlg::completeRange(QString &text)
{
    if (text.contains(QLatin1String("$MASK$"))) {
        showError(this, tr("You cannot use Autocomplete on a field which contains a $MASK$."));
        return false;
    }
    const QByteArray utf8 = text.toUtf8();
    if (utf8.size() >= kCompletionSize) {
        showError(this, tr("The text is too long to be completed."));
        return false;
    }
    const auto eeaccess =
        CuiFunctionRegistry::instance()->function<CuiHostEntryFn>(QStringLiteral("eeaccess"));
    if (!eeaccess) {
        ModalSeam::messageBox(
            this, QMessageBox::Critical, tr("Critical Error"),
            tr("The entry point for the 'eeaccess' interface could not be found."), QMessageBox::Ok,
            QMessageBox::Ok);
        return false;
    }
    char buffer[kCompletionSize] = {};
    char message[kCompletionSize] = {};
    std::memcpy(buffer, utf8.constData(), size_t(utf8.size()));
    const auto handle = reinterpret_cast<intptr_t>(tesk::handles::add(this));
    const intptr_t data = vdata();
    int answer = 0;
    if (!tesk::lifetime::callHost(this, [&] {
            answer = eeaccess(3, handle, data, buffer, reinterpret_cast<intptr_t>(message));
        }))
        return false;
    if (answer == 0) {
        text = QString::fromUtf8(buffer, qsizetype(strnlen(buffer, sizeof buffer - 1)));
        return true;
    }
    showError(this, tesk::core::escapeRichText(QString::fromUtf8(
                        message, qsizetype(strnlen(message, sizeof message - 1)))));
    return false;
}

void BreakpointDlg::locationSymbolSlot()
{
    chooseSymbol(ExpressionField::Location);
}
void BreakpointDlg::locationRegisterSlot()
{
    chooseRegister(ExpressionField::Location);
}
void BreakpointDlg::locationAddRangeSlot()
{
    addRange(ExpressionField::Location, QStringLiteral("end"));
}
void BreakpointDlg::locationAddRangeWithLengthSlot()
{
    addRange(ExpressionField::Location, QStringLiteral("+length"));
}
void BreakpointDlg::locationAddMask()
{
    addMask(ExpressionField::Location);
}
void BreakpointDlg::locationNotSlot()
{
    addNot(ExpressionField::Location);
}
void BreakpointDlg::locationAutoComplete()
{
    autoComplete(ExpressionField::Location);
}
void BreakpointDlg::valueSymbolSlot()
{
    chooseSymbol(ExpressionField::Value);
}
void BreakpointDlg::valueRegisterSlot()
{
    chooseRegister(ExpressionField::Value);
}
void BreakpointDlg::valueAddRangeSlot()
{
    addRange(ExpressionField::Value, QStringLiteral("end"));
}
void BreakpointDlg::valueAddRangeWithLengthSlot()
{
    addRange(ExpressionField::Value, QStringLiteral("+length"));
}
void BreakpointDlg::valueAddMask()
{
    addMask(ExpressionField::Value);
}
void BreakpointDlg::valueNotSlot()
{
    addNot(ExpressionField::Value);
}
void BreakpointDlg::valueAutoComplete()
{
    autoComplete(ExpressionField::Value);
}
