#pragma once

// The form of the "Add Action" dialog: the kinds of action beside a stack of one page each,
// the window list and the message field. BreakpointActionsDlg gives it its behaviour.

#include "ui_breakpointactionsdlgbase.h"

#include <QDialog>

class BreakpointActionsDlgBase : public QDialog, public Ui::BreakpointActionsDlgBase
{
    Q_OBJECT
public:
    explicit BreakpointActionsDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                      bool modal = false, Qt::WindowFlags flags = {});

public slots:
    virtual void addActionSlot();
    virtual void actionChangedSlot();

protected slots:
    virtual void languageChange();
};
