#pragma once

#include "ui_listselectiondlgbase.h"

#include <QDialog>

// Form of the list selection dialog (forms/listselectiondlgbase.ui): a descriptive text above a
// one-column list, and OK, Cancel and Help below. A double click on an entry accepts.
class ListSelectionDlgBase : public QDialog, public Ui::ListSelectionDlgBase
{
    Q_OBJECT

public:
    explicit ListSelectionDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                  bool modal = false, Qt::WindowFlags flags = {});

public slots:
    virtual void helpSlot();

protected:
    virtual void languageChange();
};
