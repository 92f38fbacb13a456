#pragma once

// The form of the "Add Condition" dialog: the kinds of condition, the value field with the
// current kind's prompt, OK and Cancel. BreakpointConditionsDlg gives it its behaviour.

#include "ui_breakpointconditionsdlgbase.h"

#include <QDialog>

class BreakpointConditionsDlgBase : public QDialog, public Ui::BreakpointConditionsDlgBase
{
    Q_OBJECT
public:
    explicit BreakpointConditionsDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                         bool modal = false, Qt::WindowFlags flags = {});

public slots:
    virtual void addConditionSlot();
    virtual void browseSlot();
    virtual void selectionChangedSlot(int row);

protected slots:
    virtual void languageChange();
};
