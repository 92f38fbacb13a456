#pragma once

#include <QDialog>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QTreeWidget;
class QVBoxLayout;

// Form of the list selection dialog: a descriptive text above a one-column list, and OK,
// Cancel and Help below. A double click on an entry accepts.
class ListSelectionDlgBase : public QDialog
{
    Q_OBJECT

public:
    explicit ListSelectionDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                  bool modal = false, Qt::WindowFlags flags = {});

    QLabel *textLBL;
    QTreeWidget *itemsLV;
    QPushButton *okPB;
    QPushButton *CancelPB;
    QPushButton *helpPB;

public slots:
    virtual void helpSlot();

protected:
    virtual void languageChange();

    QVBoxLayout *ListSelectionDlgBaseLayout;
    QHBoxLayout *layout2;
};
