#pragma once

// The form of the "Register List" dialog: a prompt, the list of register names, OK and Cancel.
// RegisterListDlg fills the list and keeps the choice.

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

class RegisterListDlgBase : public QDialog
{
    Q_OBJECT
public:
    explicit RegisterListDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                 bool modal = false, Qt::WindowFlags flags = {});

    QLabel *textLabel1;
    QListWidget *registerLB;
    QPushButton *okPB;
    QPushButton *cancelPB;

protected slots:
    virtual void languageChange();
};
