#pragma once

// The form of the "Add Condition" dialog: the kinds of condition, the value field with the
// current kind's prompt, OK and Cancel. BreakpointConditionsDlg gives it its behaviour.

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class BreakpointConditionsDlgBase : public QDialog
{
    Q_OBJECT
public:
    explicit BreakpointConditionsDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                         bool modal = false, Qt::WindowFlags flags = {});

    QLabel *textLabel2;
    QListWidget *conditionsLB;
    QLineEdit *expressionEF;
    QLabel *descriptionLBL;
    QPushButton *okPB;
    QPushButton *cancelPB;

public slots:
    virtual void addConditionSlot();
    virtual void browseSlot();
    virtual void selectionChangedSlot(int row);

protected slots:
    virtual void languageChange();
};
