#pragma once

#include <QDialog>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QSpinBox;

// Form of the go-to-line dialog: a label, a line-number spin box, OK and Cancel.
class GotoLineDlgBase : public QDialog
{
    Q_OBJECT

public:
    explicit GotoLineDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                             bool modal = false, Qt::WindowFlags flags = {});

    QLabel *lineLBL;
    QSpinBox *lineEF;
    QPushButton *okPB;
    QPushButton *cancelPB;

public slots:
    virtual void setValue(int value);
    virtual void setMaximum(int maximum);
    virtual int getValue();

protected slots:
    virtual void languageChange();

protected:
    QGridLayout *GotoLineDlgBaseLayout;
    QHBoxLayout *layout1;
};
