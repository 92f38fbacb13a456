#pragma once

#include <QDialog>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// Form of the window-name entry: a label, the name, OK and Cancel.
class PaneNameDlgBase : public QDialog
{
    Q_OBJECT

public:
    explicit PaneNameDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                             bool modal = false, Qt::WindowFlags flags = {});

    QLabel *textLBL;
    QLineEdit *nameEF;
    QPushButton *buttonOk;
    QPushButton *buttonCancel;

protected slots:
    virtual void languageChange();

protected:
    QVBoxLayout *PaneNameDlgBaseLayout;
    QHBoxLayout *Layout1;
};
