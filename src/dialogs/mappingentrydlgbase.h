#pragma once

#include "ui_mappingentrydlgbase.h"

#include <QDialog>

// Form of the directory-mapping question (forms/mappingentrydlgbase.ui): the original path and
// the path it maps to, each with a browse button, OK and Cancel.
class mappingEntryDlgBase : public QDialog, public Ui::mappingEntryDlgBase
{
    Q_OBJECT

public:
    explicit mappingEntryDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                 bool modal = false, Qt::WindowFlags flags = {});

protected slots:
    virtual void languageChange();

public slots:
    virtual void origBrowseSlot();
    virtual void mappBrowseSlot();
};
