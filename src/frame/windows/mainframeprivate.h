#pragma once

// The window's own state, shared by the files that make up MainWindow (mainframe.cpp; the
// status bar in mainstatusbar.cpp; the dock menu in docking/maindockmenu.cpp).

#include "frame/windows/mainframe.h"

#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QProgressBar>
#include <QStatusBar>
#include <QString>

class MainWindowPrivate
{
public:
    MainWindow::ContextMenuCallback contextMenuCallback = nullptr;
    CuiActivationFn activationCallback = nullptr;
    // The pane's code callback, for focus the pane frame itself never sees.
    CuiCodeCallbackFn codeCallback = nullptr;
    TeskHandle codeBox = 0;
    QWidget *pane = nullptr;
    tesk::frame::MenuManagerBase *menuManager = nullptr;
    QPointer<QWidget> outputWindow;
    QAction *colourItem = nullptr;
    QRgb colour = 0;
    QPixmap colourPixmap;
    TeskHandle windowBoxHandle = 0;
    bool calling = false;
    bool dontClose = false;
    bool panePopupShown = false;
    bool modalDialogShown = false;
    bool dockMenuEnabled = true;
    // Marks the host sets and reads back.
    bool qtContextMenu = false;
    bool nextActionInGroup = false;
    bool encodingSwitch = false;
    int initialEncoding = 0;
    bool bigIcons = false;
    bool textLabels = false;
    QString connectionName;
    int windowKind = MainWindow::MainKind;

    QPointer<QStatusBar> statusBar;
    QPointer<CuiProgress> busy;
    QPointer<QLabel> position;
    QPointer<QLabel> indicators[3];
    QPointer<QLabel> padlock;
    QPointer<QProgressBar> progress;
};
