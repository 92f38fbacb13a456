#pragma once

#include <QDialog>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

// Form of the simulator target's configuration: processor, floating-point unit, MMU/MPU
// start-up, clock, and the endianness for debugging and at start.
class CorvasimConfigDlgBase : public QDialog
{
    Q_OBJECT

public:
    explicit CorvasimConfigDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                   bool modal = false, Qt::WindowFlags flags = {});

    QGroupBox *groupBox1;
    QListWidget *processorLB;
    QGroupBox *buttonGroup1;
    QRadioButton *noFpuRB;
    QRadioButton *qmxRB;
    QRadioButton *qmxFastRB;
    QRadioButton *zduRB;
    QGroupBox *groupBox3;
    QCheckBox *mmuCB;
    QGroupBox *buttonGroup2;
    QRadioButton *emulatedRB;
    QLabel *textLabel1;
    QLineEdit *speedEF;
    QRadioButton *realtimeRB;
    QGroupBox *buttonGroup3;
    QRadioButton *debugLittleEndianRB;
    QRadioButton *debugBigEndianRB;
    QGroupBox *buttonGroup4;
    QRadioButton *debugEndianRB;
    QRadioButton *hardwareEndianRB;
    QPushButton *okPB;
    QPushButton *cancelPB;
    QPushButton *helpPB;

public slots:
    virtual void helpSlot();

protected slots:
    virtual void languageChange();

protected:
    QVBoxLayout *CorvasimConfigDlgBaseLayout;
    QGridLayout *layout4;
    QVBoxLayout *layout5;
    QHBoxLayout *layout2;

private:
    void buildProcessorGroups();
    void buildClockGroup();
    QGroupBox *buildEndianGroup(const char *name, QRadioButton *&first, const char *firstName,
                                QRadioButton *&second, const char *secondName);
    void buildButtons();
    void setTabOrders();
};
