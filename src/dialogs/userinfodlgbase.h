#pragma once

#include "ui_userinfodlgbase.h"

#include <QDialog>

// Form of the user information dialog (forms/userinfodlgbase.ui): nine labelled contact fields,
// OK and Cancel.
class UserInfoDlgBase : public QDialog, public Ui::UserInfoDlgBase
{
    Q_OBJECT

public:
    explicit UserInfoDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                             bool modal = false, Qt::WindowFlags flags = {});

protected slots:
    virtual void languageChange();
};
