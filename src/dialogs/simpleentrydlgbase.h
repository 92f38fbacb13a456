#pragma once

#include "ui_simpleentrydlgbase.h"

#include <QDialog>

// Form of the one-line text entry (forms/simpleentrydlgbase.ui): an icon beside a message, the
// line edit, and OK, Cancel and Help.
class SimpleEntryDlgBase : public QDialog, public Ui::SimpleEntryDlgBase
{
    Q_OBJECT

public:
    explicit SimpleEntryDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                bool modal = false, Qt::WindowFlags flags = {});

public slots:
    virtual void helpSlot();

protected slots:
    virtual void languageChange();
};
