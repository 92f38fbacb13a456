#pragma once

#include "ui_gotolinedlgbase.h"

#include <QDialog>

// Form of the go-to-line dialog (forms/gotolinedlgbase.ui): a label, a line-number spin box,
// OK and Cancel.
class GotoLineDlgBase : public QDialog, public Ui::GotoLineDlgBase
{
    Q_OBJECT

public:
    explicit GotoLineDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                             bool modal = false, Qt::WindowFlags flags = {});

public slots:
    virtual void setValue(int value);
    virtual void setMaximum(int maximum);
    virtual int getValue();

protected slots:
    virtual void languageChange();
};
