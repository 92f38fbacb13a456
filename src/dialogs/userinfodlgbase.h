#pragma once

#include <QDialog>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// Form of the user information dialog: nine labelled contact fields, OK and Cancel.
class UserInfoDlgBase : public QDialog
{
    Q_OBJECT

public:
    explicit UserInfoDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                             bool modal = false, Qt::WindowFlags flags = {});

    QLabel *textLabel1_2;
    QLabel *textLabel1;
    QLabel *textLabel2;
    QLabel *textLabel3;
    QLabel *textLabel4;
    QLabel *textLabel5;
    QLabel *textLabel6;
    QLabel *textLabel7;
    QLabel *textLabel8;
    QLabel *textLabel9;
    QLineEdit *nameEF;
    QLineEdit *companyEF;
    QLineEdit *phoneEF;
    QLineEdit *emailEF;
    QLineEdit *address1EF;
    QLineEdit *address2EF;
    QLineEdit *cityEF;
    QLineEdit *stateEF;
    QLineEdit *ZIPEF;
    QPushButton *okPB;
    QPushButton *cancelPB;

protected slots:
    virtual void languageChange();

protected:
    QGridLayout *UserInfoDlgBaseLayout;
    QGridLayout *layout1;
    QHBoxLayout *layout2;
};
