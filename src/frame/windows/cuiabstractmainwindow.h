#pragma once

#include <QMainWindow>

#include <memory>

class CUIAbstractMainWindowPrivate;

// The base of every main window: while one exists it is listed in the window store, from the
// start of its construction to the end of its destruction.
class CUIAbstractMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    CUIAbstractMainWindow(QWidget *parent, const char *name, Qt::WindowFlags flags = {});
    ~CUIAbstractMainWindow() override;

    virtual void createStatusBar();

private:
    std::unique_ptr<CUIAbstractMainWindowPrivate> d;
};
