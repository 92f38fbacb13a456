#pragma once

// The dialog in which the user creates, edits or copies a breakpoint. The host hands it a
// proxy describing the breakpoint and what the target allows; OK turns the fields into one
// debugger command text and sends it to the host.

#include "symbols/breakpoints/breakpointdlgbase.h"

#include <tesk/tesk_breakpoints.h>

#include <memory>

class BreakpointProxy;
struct BreakpointDlgPrivate;

namespace tesk::breakpoints {
class RegistryHostFace;
}

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
    void breakpointTypeChangedSlot(int row) override;
    void editHardwareSupportValueSlot() override;
    void resetHardwareSupportValueSlot() override;
    void conditionsDeleteSlot() override;
    void conditionsMoveUpSlot() override;
    void conditionsMoveDownSlot() override;
    void actionsDeleteSlot() override;
    void actionsMoveUpSlot() override;
    void actionsMoveDownSlot() override;
    void helpSlot() override;
    void conditionsSelectionChangedSlot(int row);
    void actionsSelectionChangedSlot(int row);

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
    QString triggerRow(int index) const;
    void closeWithMessage();
    tesk::breakpoints::RegistryHostFace host();

    std::unique_ptr<BreakpointDlgPrivate> d;
};
