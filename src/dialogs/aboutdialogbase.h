#pragma once

#include "ui_aboutdialogbase.h"

#include <QDialog>

// Form of the about box (forms/aboutdialogbase.ui): a banner, the build and copyright lines
// beside OK, the additional information, and a notice line with its mark.
class AboutDialogBase : public QDialog, public Ui::AboutDialogBase
{
    Q_OBJECT

public:
    explicit AboutDialogBase(QWidget *parent = nullptr, const char *name = nullptr,
                             bool modal = false, Qt::WindowFlags flags = {});

protected slots:
    virtual void languageChange();
};
