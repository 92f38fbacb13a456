#pragma once

#include <QDialog>

class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// Form of the directory-mapping question: the original path and the path it maps to, each with
// a browse button, OK and Cancel.
class mappingEntryDlgBase : public QDialog
{
    Q_OBJECT

public:
    explicit mappingEntryDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                 bool modal = false, Qt::WindowFlags flags = {});

    QGroupBox *groupBox1;
    QLineEdit *originalLE;
    QPushButton *origBrowsePB;
    QGroupBox *groupBox2;
    QLineEdit *mappedLE;
    QPushButton *mappBrowsePB;
    QPushButton *buttonOK;
    QPushButton *buttonCancel;

protected slots:
    virtual void languageChange();

public slots:
    virtual void origBrowseSlot();
    virtual void mappBrowseSlot();

protected:
    QVBoxLayout *mappingEntryDlgBaseLayout;
    QHBoxLayout *layout1;
};
