#pragma once

#include <QDialog>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QSpacerItem;
class QTextEdit;
class QVBoxLayout;

// Form of the about box: a banner, the build and copyright lines beside OK, the additional
// information, and a notice line with its mark.
class AboutDialogBase : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialogBase(QWidget *parent = nullptr, const char *name = nullptr,
                             bool modal = false, Qt::WindowFlags flags = {});

    QLabel *pixmapLabel3;
    QLabel *buildLabel;
    QLabel *copyrightLabel;
    QPushButton *okButton;
    QLabel *textLabel9;
    QTextEdit *additionalEdit;
    QLabel *textLabel10;
    QLabel *pixmapLabel4;

protected slots:
    virtual void languageChange();

protected:
    QVBoxLayout *AboutDialogBaseLayout;
};
