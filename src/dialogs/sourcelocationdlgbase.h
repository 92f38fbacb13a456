#pragma once

#include <QDialog>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// Form of the source-location question: an icon beside a message, the file name with a browse
// button, Retry and Cancel.
class SourceLocationDlgBase : public QDialog
{
    Q_OBJECT

public:
    explicit SourceLocationDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                   bool modal = false, Qt::WindowFlags flags = {});

    QLabel *msgICON;
    QLabel *msgLBL;
    QLineEdit *valueEF;
    QPushButton *browsePB;
    QPushButton *retryPB;
    QPushButton *cancelPB;

public slots:
    virtual void browseSlot();

protected slots:
    virtual void languageChange();

protected:
    QVBoxLayout *SourceLocationDlgBaseLayout;
    QHBoxLayout *layout3;
    QHBoxLayout *layout5;
    QHBoxLayout *layout2;
};
