#pragma once

// The form of the "New Event" / "Edit Event" dialog: a name, an event type and a page of
// details for each type. NewEventDlg gives the slots their work.

#include "ui_neweventdlgbase.h"

#include <QDialog>

class NewEventDlgBase : public QDialog, public Ui::NewEventDlgBase
{
    Q_OBJECT
public:
    explicit NewEventDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                             bool modal = false, Qt::WindowFlags flags = {});

public slots:
    void accept() override;
    void reject() override;

protected slots:
    virtual void languageChange();
    virtual void On_checkIgnoreModuleName_Click();
    virtual void On_checkIgnoreFileName_Click();
    virtual void On_checkIgnoreProcessName_Click();
    virtual void On_comboEventTypeActivated();

private:
    void connectSignals();
};
