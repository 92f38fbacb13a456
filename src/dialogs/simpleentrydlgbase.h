#pragma once

#include <QDialog>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// Form of the one-line text entry: an icon beside a message, the line edit, and OK, Cancel
// and Help.
class SimpleEntryDlgBase : public QDialog
{
    Q_OBJECT

public:
    explicit SimpleEntryDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                bool modal = false, Qt::WindowFlags flags = {});

    QLabel *msgICON;
    QLabel *msgLBL;
    QLineEdit *valueEF;
    QPushButton *okPB;
    QPushButton *cancelPB;
    QPushButton *helpPB;

public slots:
    virtual void helpSlot();

protected slots:
    virtual void languageChange();

protected:
    QVBoxLayout *SimpleEntryDlgBaseLayout;
    QHBoxLayout *layout1;
    QHBoxLayout *layout2;
};
