#pragma once

// The form of the "Add Action" dialog: the kinds of action beside a stack of one page each,
// the window list and the message field. BreakpointActionsDlg gives it its behaviour.

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

class BreakpointActionsDlgBase : public QDialog
{
    Q_OBJECT
public:
    explicit BreakpointActionsDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                      bool modal = false, Qt::WindowFlags flags = {});

    QLabel *textLabel5;
    QListWidget *actionsLB;
    QStackedWidget *actionsWidgetStack;
    QWidget *WStackPage;
    QListWidget *windowListLB;
    QLabel *textLabel4;
    QWidget *WStackPage_2;
    QLineEdit *messageEF;
    QLabel *textLabel3;
    QPushButton *okPB;
    QPushButton *cancelPB;

public slots:
    virtual void addActionSlot();
    virtual void actionChangedSlot();

protected slots:
    virtual void languageChange();
};
