#pragma once

#include "ui_sourcelocationdlgbase.h"

#include <QDialog>

// Form of the source-location question (forms/sourcelocationdlgbase.ui): an icon beside a
// message, the file name with a browse button, Retry and Cancel.
class SourceLocationDlgBase : public QDialog, public Ui::SourceLocationDlgBase
{
    Q_OBJECT

public:
    explicit SourceLocationDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                   bool modal = false, Qt::WindowFlags flags = {});

public slots:
    virtual void browseSlot();

protected slots:
    virtual void languageChange();
};
