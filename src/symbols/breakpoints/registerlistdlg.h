#pragma once

// Lets the user pick one memory-mapped register by name; the names come from the host's
// "eeaccessFuncs" table and are listed in the order of their character codes.

#include "symbols/breakpoints/registerlistdlgbase.h"

#include <tesk/tesk_global.h>

#include <memory>

class RegisterListDlgPrivate;

class RegisterListDlg : public RegisterListDlgBase
{
    Q_OBJECT
public:
    explicit RegisterListDlg(QWidget *parent = nullptr, const char *name = nullptr,
                             bool modal = false, Qt::WindowFlags flags = {});
    ~RegisterListDlg() override;

    void setVdata(TeskHandle vdata);
    // Fetches the names for vdata; false when the host fails (an empty answer is no failure).
    bool loadRegisters();
    // The name chosen with OK or a double-click; empty before, or when no row was current.
    QString selectedRegister() const;

public slots:
    void accept() override;

protected:
    bool event(QEvent *event) override;

private:
    std::unique_ptr<RegisterListDlgPrivate> d;
};
