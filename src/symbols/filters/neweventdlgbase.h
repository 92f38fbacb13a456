#pragma once

// The form of the "New Event" / "Edit Event" dialog: a name, an event type and a page of
// details for each type. NewEventDlg gives the slots their work.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

class NewEventDlgBase : public QDialog
{
    Q_OBJECT
public:
    explicit NewEventDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                             bool modal = false, Qt::WindowFlags flags = {});

    QLabel *textLabel1;
    QLineEdit *editName;
    QLabel *textLabel2;
    QComboBox *comboEventType;
    QStackedWidget *widgetStack;
    QWidget *WStackPage;
    QGroupBox *buttonGroup1;
    QWidget *WStackPage_2;
    QGroupBox *groupBox1;
    QLabel *textLabel3;
    QLineEdit *editProcessName;
    QCheckBox *checkIgnoreProcessName;
    QLabel *textLabel4;
    QLineEdit *editFileName;
    QCheckBox *checkIgnoreFileName;
    QWidget *WStackPage_3;
    QGroupBox *buttonGroup1_2;
    QLabel *textLabel3_2_2;
    QLineEdit *editModuleName;
    QCheckBox *checkIgnoreModuleName;
    QPushButton *buttonOk;
    QPushButton *buttonCancel;

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
    void createWidgets();
    void layOut();
    void connectSignals();
};
