#pragma once

#include "ui_corvasimconfigdlgbase.h"

#include <QDialog>

// Form of the simulator target's configuration (forms/corvasimconfigdlgbase.ui): processor,
// floating-point unit, MMU/MPU start-up, clock, and the endianness for debugging and at start.
class CorvasimConfigDlgBase : public QDialog, public Ui::CorvasimConfigDlgBase
{
    Q_OBJECT

public:
    explicit CorvasimConfigDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                   bool modal = false, Qt::WindowFlags flags = {});

public slots:
    virtual void helpSlot();

protected slots:
    virtual void languageChange();
};
