#pragma once

// "Add Condition": the user picks a kind of condition and enters its value; OK makes the row
// text (keyword, '=', value) that the breakpoint dialog lists among its conditions.

#include "symbols/breakpoints/breakpointconditionsdlgbase.h"

#include <memory>

class BreakpointConditionsDlgPrivate;

class BreakpointConditionsDlg : public BreakpointConditionsDlgBase
{
    Q_OBJECT
public:
    explicit BreakpointConditionsDlg(QWidget *parent = nullptr, const char *name = nullptr,
                                     bool modal = false, Qt::WindowFlags flags = {});
    ~BreakpointConditionsDlg() override;

    // The row made by OK; empty before.
    QString result() const;

public slots:
    void accept() override;
    void browseSlot() override;
    void selectionChangedSlot(int row) override;
    void helpSlot();

signals:
    void addCondition(const QString &row);

protected:
    bool event(QEvent *event) override;

private:
    std::unique_ptr<BreakpointConditionsDlgPrivate> d;
};
