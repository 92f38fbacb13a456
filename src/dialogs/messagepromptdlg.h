#pragma once

#include "dialogs/messagepromptdlgbase.h"

#include <QPixmap>

// A prompt with a standard icon and up to three buttons named by button codes (1 OK to
// 7 Ignore); every button accepts. Nothing opens it yet.
class MessagePromptDlg : public MessagePromptDlgBase
{
    Q_OBJECT

public:
    explicit MessagePromptDlg(QWidget *parent = nullptr, const char *name = nullptr,
                              bool modal = false, Qt::WindowFlags flags = {});

    void setIconKind(int kind) { m_iconKind = kind; }
    void setButton1(int code) { m_codes[0] = code; }
    void setButton2(int code) { m_codes[1] = code; }
    void setButton3(int code) { m_codes[2] = code; }

public slots:
    void button1Slot() override;
    void button2Slot() override;
    void button3Slot() override;

protected:
    bool event(QEvent *event) override;

private:
    void applySettings();

    int m_iconKind = 0;
    QPixmap m_iconPixmap;
    int m_codes[3] = {0, 0, 0};
};
