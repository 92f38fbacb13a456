#pragma once

#include "ui_panenamedlgbase.h"

#include <QDialog>

// Form of the window-name entry (forms/panenamedlgbase.ui): a label, the name, OK and Cancel.
class PaneNameDlgBase : public QDialog, public Ui::PaneNameDlgBase
{
    Q_OBJECT

public:
    explicit PaneNameDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                             bool modal = false, Qt::WindowFlags flags = {});

protected slots:
    virtual void languageChange();
};
