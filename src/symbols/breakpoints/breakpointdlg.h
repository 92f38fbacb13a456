#pragma once

// The dialog in which the user creates, edits or copies a breakpoint. The host hands it a
// proxy describing the breakpoint and what the target allows; OK turns the fields into one
// debugger command text and sends it to the host.

#include "symbols/breakpoints/breakpointdlgbase.h"

#include <tesk/tesk_breakpoints.h>

#include <memory>

class BreakpointProxy;
class BreakpointDlgPrivate;

namespace tesk::breakpoints {
class RegistryHostFace;
struct CommandInput;
enum class CommandField;
enum class ExpressionField;
} // namespace tesk::breakpoints

class BreakpointDlg : public BreakpointDlgBase
{
    Q_OBJECT
public:
    explicit BreakpointDlg(QWidget *parent = nullptr, const char *name = nullptr,
                           bool modal = false, Qt::WindowFlags flags = {});
    ~BreakpointDlg() override;

    // The setters come before the dialog is first shown: polishing reads them once.
    void setFuncHandler(CuiBreakpointDlgHandler handler);
    void setVdata(intptr_t vdata);
    // Takes the proxy over, deleting the one it held. False, and the proxy not taken, once the
    // dialog has been polished.
    bool setBreakpoint(BreakpointProxy *proxy);
    bool acceptsBreakpoint() const;
    BreakpointProxy *breakpoint() const;
    // 0 create, 1 edit, 2 copy; another value is kept and leaves the caption.
    void setMode(uint32_t mode);
    void setTextBox(intptr_t value);
    void setWindBox(intptr_t windBox);
    void setHelpId(uint32_t id);
    void setHelpCallback(CuiBreakpointDlgHelpCallback callback);
    void setInitialLocation(const QString &location);
    void setInitialBreakpointType(uint32_t type);

public slots:
    // OK: builds the command and sends it; stays open, showing why, when that fails.
    void accept() override;
    void breakpointTypeChangedSlot(int row) override;
    void editHardwareSupportValueSlot() override;
    void resetHardwareSupportValueSlot() override;
    void conditionsAddSlot() override;
    void conditionsEditSlot() override;
    void conditionsDeleteSlot() override;
    void conditionsMoveUpSlot() override;
    void conditionsMoveDownSlot() override;
    void actionsAddSlot() override;
    void actionsEditSlot() override;
    void actionsDeleteSlot() override;
    void actionsMoveUpSlot() override;
    void actionsMoveDownSlot() override;
    void helpSlot() override;
    void conditionsSelectionChangedSlot(int row);
    void actionsSelectionChangedSlot(int row);
    void buildLocationSlot() override;
    void buildValueSlot() override;
    void locationSymbolSlot();
    void locationRegisterSlot();
    void locationAddRangeSlot();
    void locationAddRangeWithLengthSlot();
    void locationAddMask();
    void locationNotSlot();
    void locationAutoComplete();
    void valueSymbolSlot();
    void valueRegisterSlot();
    void valueAddRangeSlot();
    void valueAddRangeWithLengthSlot();
    void valueAddMask();
    void valueNotSlot();
    void valueAutoComplete();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void polishDialog();
    void fillFromProxy();
    void fillHistories();
    void applyTypeEnables(uint32_t type);
    void fillHardwareSupport(bool hardware);
    // The text of a hardware row: the pass count (index -1) or the trigger at that index.
    QString hardwareRow(int index) const;
    void closeWithMessage();
    // The builder menus (breakpointdlgmenus.cpp).
    void runBuilderMenu(tesk::breakpoints::ExpressionField field);
    QComboBox *fieldCombo(tesk::breakpoints::ExpressionField field) const;
    void addRange(tesk::breakpoints::ExpressionField field, const QString &endWord);
    void addMask(tesk::breakpoints::ExpressionField field);
    void addNot(tesk::breakpoints::ExpressionField field);
    void chooseSymbol(tesk::breakpoints::ExpressionField field);
    void chooseRegister(tesk::breakpoints::ExpressionField field);
    void autoComplete(tesk::breakpoints::ExpressionField field);
    bool completeRange(QString &text);
    uint32_t currentType() const;
    intptr_t vdata() const;
    tesk::breakpoints::RegistryHostFace host();
    tesk::breakpoints::CommandInput commandInput() const;
    QWidget *fieldWidget(tesk::breakpoints::CommandField field) const;

    std::unique_ptr<BreakpointDlgPrivate> d;
};
