#pragma once

#include <QDialog>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

// Form of the text entry with a drop-down: a message, an editable combo box, and OK, Cancel
// and Help.
class SimpleEntryPDDlgBase : public QDialog
{
    Q_OBJECT

public:
    explicit SimpleEntryPDDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                  bool modal = true, Qt::WindowFlags flags = {});

    QLabel *msgLBL;
    QComboBox *valueCB;
    QPushButton *okPB;
    QPushButton *cancelPB;
    QPushButton *helpPB;

protected slots:
    virtual void languageChange();

protected:
    QVBoxLayout *SimpleEntryPDDlgBaseLayout;
    QHBoxLayout *layout2;
};
