#pragma once

#include <QWidget>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QVBoxLayout;

// Form of the load options below the Load Image file dialog: how to set the program counter,
// whether to load symbols only or replace the loaded images, the arguments, sections and offset.
// The boxes keep each other consistent as the user changes them.
class loadimagepanel : public QWidget
{
    Q_OBJECT

public:
    explicit loadimagepanel(QWidget *parent = nullptr, const char *name = nullptr,
                            Qt::WindowFlags flags = {});

    QGroupBox *buttonGroup1;
    QCheckBox *autoSetPCCB;
    QCheckBox *setPCToEntryCB;
    QCheckBox *symbolsOnlyCB;
    QCheckBox *replaceExistingFilesCB;
    QLabel *argumentsLabel;
    QLabel *sectionsLabel;
    QLineEdit *offsetLineEdit;
    QLabel *offsetLabel;
    QLineEdit *argumentsLineEdit;
    QLineEdit *sectionsLineEdit;

public slots:
    virtual void updateOnReplaceExistingFilesStateChange(int state);
    virtual void updateOnAutoSetPCStateChanged(int state);
    virtual void updateOnSymbolsOnlyStateChange(int state);

protected slots:
    virtual void languageChange();

protected:
    QGridLayout *loadimagepanelLayout;
    QVBoxLayout *layout9;
    QHBoxLayout *layout10;
    QGridLayout *layout10_2;
};
