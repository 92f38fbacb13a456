#pragma once

#include "ui_memoryoperationsdlgbase.h"

#include <QDialog>

class QButtonGroup;

// Form of the memory file operations (forms/memoryoperationsdlgbase.ui): the action, the file
// and its type, the location with a line that says what the location means, and Apply, Close
// and Help.
class MemoryOperationsDlgBase : public QDialog, public Ui::MemoryOperationsDlgBase
{
    Q_OBJECT

public:
    explicit MemoryOperationsDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                     bool modal = false, Qt::WindowFlags flags = {});

    QButtonGroup *actionGroup;

public slots:
    virtual void getFilename();
    virtual void applySlot();
    virtual void helpSlot();
    virtual void actionChangedSlot();
    virtual void fileTypeClickedSlot();

protected slots:
    virtual void languageChange();
};
