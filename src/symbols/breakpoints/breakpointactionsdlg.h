#pragma once

// "Add Action" (and "Edit Action"): the user picks a window to update or enters a message to
// output; OK makes the row text (keyword, '=', quoted argument) that the breakpoint dialog
// lists among its actions. The windows are the host's, asked for when the dialog is polished.

#include "symbols/breakpoints/breakpointactionsdlgbase.h"

#include <cstdint>
#include <memory>

class BreakpointActionsDlgPrivate;

class BreakpointActionsDlg : public BreakpointActionsDlgBase
{
    Q_OBJECT
public:
    explicit BreakpointActionsDlg(QWidget *parent = nullptr, const char *name = nullptr,
                                  bool modal = false, Qt::WindowFlags flags = {});
    ~BreakpointActionsDlg() override;

    // The host value the window list is asked for with.
    void setVdata(intptr_t vdata);
    // The row; with the edit mode set before polishing, the dialog opens on it.
    void setText(const QString &text);
    void setEditMode(bool edit);
    QString text() const;

public slots:
    void accept() override;
    void addActionSlot() override;
    void actionChangedSlot() override;

signals:
    void addAction(const QString &row);

protected:
    bool event(QEvent *event) override;

private:
    void fillWindowList();
    void presetFromText();
    void selectFirstRows();

    std::unique_ptr<BreakpointActionsDlgPrivate> d;
};
