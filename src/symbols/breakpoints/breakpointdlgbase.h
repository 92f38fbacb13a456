#pragma once

// The form of the breakpoint dialog: type list, location and value fields with their builder
// buttons, class and forced size, and, behind "More...", the hardware support items, the
// conditions and the actions. BreakpointDlg gives the slots their behaviour.

#include "ui_breakpointdlgbase.h"

#include <QDialog>

class QButtonGroup;

class BreakpointDlgBase : public QDialog, public Ui::BreakpointDlgBase
{
    Q_OBJECT
public:
    explicit BreakpointDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                               bool modal = false, Qt::WindowFlags flags = {});

    // Stop (id 0) and Continue (id 1), owned by the "Then" box rather than the dialog.
    QButtonGroup *thenGroup;

public slots:
    virtual void breakpointTypeChangedSlot(int row);
    virtual void editHardwareSupportValueSlot();
    virtual void resetHardwareSupportValueSlot();
    virtual void editQualifiersValueSlot();
    virtual void editActionsValueSlot();
    virtual void buildLocationSlot();
    virtual void buildValueSlot();
    virtual void conditionsAddSlot();
    virtual void conditionsDeleteSlot();
    virtual void conditionsEditSlot();
    virtual void conditionsMoveUpSlot();
    virtual void actionsDeleteSlot();
    virtual void actionsEditSlot();
    virtual void conditionsMoveDownSlot();
    virtual void actionsMoveDownSlot();
    virtual void actionsMoveUpSlot();
    virtual void actionsAddSlot();
    virtual void helpSlot();

protected slots:
    virtual void languageChange();

private:
    void restoreCreationOrder();
    void wire();
};
