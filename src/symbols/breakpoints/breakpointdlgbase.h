#pragma once

// The form of the breakpoint dialog: type list, location and value fields with their builder
// buttons, class and forced size, and, behind "More...", the hardware support items, the
// conditions and the actions. BreakpointDlg gives the slots their behaviour.

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class BreakpointDlgBase : public QDialog
{
    Q_OBJECT
public:
    explicit BreakpointDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                               bool modal = false, Qt::WindowFlags flags = {});

    QPushButton *valueBuilderPB;
    QLabel *textLabel2;
    QComboBox *valueCOB;
    QComboBox *locationCOB;
    QPushButton *locationBuilderPB;
    QLabel *textLabel1;
    QCheckBox *forcedCB;
    QLineEdit *forcedSizeEF;
    QComboBox *classCOB;
    QGroupBox *groupBox1;
    QListWidget *breakpointTypeLB;
    QLabel *textLabel3;
    QPushButton *OKPB;
    QPushButton *cancelPB;
    QPushButton *helpPB;
    QPushButton *morePB;
    QGroupBox *actionsGB;
    QGroupBox *buttonGroup1;
    QButtonGroup *thenGroup;
    QRadioButton *stopRB;
    QRadioButton *continueRB;
    QListWidget *actionsLB;
    QPushButton *actionsAddPB;
    QPushButton *actionsDeletePB;
    QPushButton *actionsEditPB;
    QPushButton *actionsMoveUpPB;
    QPushButton *actionsMoveDownPB;
    QGroupBox *hardwareSupportGB;
    QListWidget *hardwareSupportLB;
    QPushButton *hardwareSupportEditPB;
    QPushButton *hardwareSupportResetPB;
    QGroupBox *conditionsGB;
    QListWidget *conditionsLB;
    QPushButton *conditionsAddPB;
    QPushButton *conditionsDeletePB;
    QPushButton *conditionsEditPB;
    QPushButton *conditionsMoveUpPB;
    QPushButton *conditionsMoveDownPB;

public slots:
    virtual void breakpointTypeChangedSlot(int row);
    virtual void editHardwareSupportValueSlot();
    virtual void resetHardwareSupportValueSlot();
    virtual void editQualifiersValueSlot();
    virtual void editActionsValueSlot();
    virtual void buildLocationSlot();
    virtual void buildValueSlot();
    virtual void conditionsAddSlot();
    virtual void conditionsDeleteSlot();
    virtual void conditionsEditSlot();
    virtual void conditionsMoveUpSlot();
    virtual void actionsDeleteSlot();
    virtual void actionsEditSlot();
    virtual void conditionsMoveDownSlot();
    virtual void actionsMoveDownSlot();
    virtual void actionsMoveUpSlot();
    virtual void actionsAddSlot();
    virtual void helpSlot();

protected slots:
    virtual void languageChange();

private:
    void buildTopPart();
    void buildLowerPart();
    void wire();
    void setTabOrders();
};
