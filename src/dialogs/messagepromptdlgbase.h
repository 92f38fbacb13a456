#pragma once

#include <QDialog>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTextEdit;

// Form of the three-button prompt: an icon beside a message, and three buttons below.
class MessagePromptDlgBase : public QDialog
{
    Q_OBJECT

public:
    explicit MessagePromptDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                  bool modal = false, Qt::WindowFlags flags = {});

    QLabel *msgIcon;
    QTextEdit *msgLBL;
    QPushButton *firstPB;
    QPushButton *secondPB;
    QPushButton *thirdPB;

public slots:
    virtual void button1Slot();
    virtual void button2Slot();
    virtual void button3Slot();

protected:
    virtual void languageChange();

    QGridLayout *MessagePromptDlgBaseLayout;
    QHBoxLayout *layout5;
    QHBoxLayout *layout4;
};
