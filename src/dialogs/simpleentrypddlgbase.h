#pragma once

#include "ui_simpleentrypddlgbase.h"

#include <QDialog>

// Form of the text entry with a drop-down (forms/simpleentrypddlgbase.ui): a message, an
// editable combo box, and OK, Cancel and Help.
class SimpleEntryPDDlgBase : public QDialog, public Ui::SimpleEntryPDDlgBase
{
    Q_OBJECT

public:
    explicit SimpleEntryPDDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                  bool modal = true, Qt::WindowFlags flags = {});

protected slots:
    virtual void languageChange();
};
