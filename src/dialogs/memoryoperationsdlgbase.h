#pragma once

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

// Form of the memory file operations: the action, the file and its type, the location with a
// line that says what the location means, and Apply, Close and Help.
class MemoryOperationsDlgBase : public QDialog
{
    Q_OBJECT

public:
    explicit MemoryOperationsDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                     bool modal = false, Qt::WindowFlags flags = {});

    QGroupBox *actionGroupBox;
    QButtonGroup *actionGroup;
    QRadioButton *loadFileRB;
    QRadioButton *saveFileRB;
    QRadioButton *verifyFileRB;
    QLabel *textLabel1;
    QLineEdit *filenameEdit;
    QPushButton *browsePB;
    QLabel *textLabel2;
    QListWidget *filetypeLB;
    QLabel *textLabel3;
    QComboBox *locationCB;
    QLineEdit *locationHelpEdit;
    QPushButton *applyPB;
    QPushButton *closePB;
    QPushButton *helpPB;

public slots:
    virtual void getFilename();
    virtual void applySlot();
    virtual void helpSlot();
    virtual void actionChangedSlot();
    virtual void fileTypeClickedSlot();

protected slots:
    virtual void languageChange();

protected:
    QVBoxLayout *MemoryOperationsDlgBaseLayout;
    QVBoxLayout *actionGroupLayout;
    QHBoxLayout *layout4;
    QHBoxLayout *layout7;
    QHBoxLayout *layout8;
};
