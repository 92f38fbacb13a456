#pragma once

#include <QWidget>

class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QVBoxLayout;

// Form below the Load Binary file dialog: the type of the file and where to load it.
class LoadMemoryPanel : public QWidget
{
    Q_OBJECT

public:
    explicit LoadMemoryPanel(QWidget *parent = nullptr, const char *name = nullptr,
                             Qt::WindowFlags flags = {});

    QLabel *textLabel2;
    QListWidget *filetypeLB;
    QLabel *textLabel3;
    QLineEdit *locationEdit;
    QLabel *locationHelpEdit;

protected slots:
    virtual void languageChange();

protected:
    QVBoxLayout *LoadMemoryPanelLayout;
    QGridLayout *layout2;
};
