#pragma once

#include "ui_messagepromptdlgbase.h"

#include <QDialog>

// Form of the three-button prompt (forms/messagepromptdlgbase.ui): an icon beside a message,
// and three buttons below.
class MessagePromptDlgBase : public QDialog, public Ui::MessagePromptDlgBase
{
    Q_OBJECT

public:
    explicit MessagePromptDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                  bool modal = false, Qt::WindowFlags flags = {});

public slots:
    virtual void button1Slot();
    virtual void button2Slot();
    virtual void button3Slot();

protected:
    virtual void languageChange();
};
