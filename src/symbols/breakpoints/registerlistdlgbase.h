#pragma once

// The form of the "Register List" dialog: a prompt, the list of register names, OK and Cancel.
// RegisterListDlg fills the list and keeps the choice.

#include "ui_registerlistdlgbase.h"

#include <QDialog>

class RegisterListDlgBase : public QDialog, public Ui::RegisterListDlgBase
{
    Q_OBJECT
public:
    explicit RegisterListDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                 bool modal = false, Qt::WindowFlags flags = {});

protected slots:
    virtual void languageChange();
};
