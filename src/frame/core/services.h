#pragma once

#include <tesk/tesk_global.h>
#include <tesk/tesk_panes.h>

#include <QMap>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

class QDragMoveEvent;
class QDropEvent;
class QMenu;
class QObject;
class QWidget;

// The ways between areas that may not include each other. An area that needs something of an
// area above it (a subsystem of the frame, the frame of the panes or the dialogs) asks the
// interface here; the providing area implements it, and its one install function, called from
// src/assembly when the library is loaded, hands the implementation over. Until then (a logic
// test of one area) each interface answers as if the service were absent: no window, no
// translation, nothing chosen, nothing shown.
namespace tesk::core {

class TableMenu;

// The host's code callback: (window-box handle, rectangle left, top, right, bottom, reason).
using PaneCodeCallback = void (*)(TeskHandle windowBox, int *rect, int reason);

enum FileChooserMode { OpenOneFile = 0, OpenFiles = 1, SaveFile = 2 };

// What the subsystems ask of the frame: its windows, labels, menus and dock windows.
class FrameServices
{
public:
    virtual ~FrameServices() = default;

    // The dialogs' parent; null without the frame.
    virtual QWidget *currentMainWindow();
    // Raises or lowers the modal-dialog-shown mark of every main window.
    virtual void setModalDialogShown(bool shown);
    // Installs the catalogues of the current language and rebuilds the standard labels, once
    // per start of the library.
    virtual void installTranslations();
    // The translated standard labels (button texts, captions, messages) by code.
    virtual QMap<int, QString> standardLabels();
    // A new splash window of the picture name (the caller owns and shows it).
    virtual QWidget *createSplash(const char *imageName, const QString &installDir);
    // The file name with its place prefixes ("$KSODEBUG_INSTALL" ...) expanded.
    virtual QString expandFileName(const QString &name);
    // The context-menu label of a "#n" key, or a null string.
    virtual QString contextMenuLabel(const QString &key);
    virtual void relayDragMove(QWidget *widget, TeskHandle windowBox, QDragMoveEvent *event);
    virtual void relayDrop(QWidget *widget, TeskHandle windowBox, QDropEvent *event);
    // Tells the current main window that a pane showed its own popup, so that the dock area's
    // menu request the same click causes is skipped.
    virtual void markPanePopupShown();
    // Appends "Dock/Float", "Hide" and "Close" (666, 667, 668), after a separator when asked.
    virtual void appendDockMenuItems(QMenu *menu, bool separatorFirst);
    // Runs one of those options on the dock window of the host's pane handle (the window box
    // the dock window was made for); false when none holds it.
    virtual bool paneGenericOption(TeskHandle paneHandle, int option);
    // The same on the dock window that holds the widget: for a pane the host docked without
    // telling it its window box.
    virtual bool enclosingDockOption(QWidget *widget, int option);
    // The context menu built from the static menu tables of a table kind; null when the tables
    // do not build. Every command of the tables comes back by its item id.
    virtual std::unique_ptr<TableMenu> makeTableMenu(int tableKind);

    // Options 667 and 668 on the pane's dock window.
    bool hidePane(TeskHandle paneHandle);
    bool closePane(TeskHandle paneHandle);
};

// The frame's help, apart from the rest so that a test can watch what is asked of it.
class HelpServices
{
public:
    virtual ~HelpServices() = default;

    // (help topic, help map) -> whether the help was shown.
    virtual bool showHelp(int32_t contextId, int32_t mapId);
};

// What the frame asks of the panes: the tabbed pane frame and the panes' text commands.
class PaneServices
{
public:
    virtual ~PaneServices() = default;

    // A new, unbuilt tabbed pane frame; a plain widget named "CuiKSOPane" without the panes.
    virtual QWidget *createFrame(QWidget *parent);
    // Hands the frame its callback and window box and builds it; false for another widget.
    virtual bool bindFrame(QWidget *frame, PaneCodeCallback callback, TeskHandle windowBox);
    // The user gave the frame itself the focus: the host hears it as a focus request would
    // tell it. Nothing for another widget.
    virtual void notifyFrameFocus(QWidget *frame);
    // The native id of the area the host paints in; 0 for another widget.
    virtual quintptr frameAreaId(QWidget *frame);
    // Runs the host's test command in the pane; false when the object is no pane.
    virtual bool runCommand(QObject *pane, CuiPaneOutputFn output, void *outputContext,
                            const QStringList &arguments, QString &result);
};

// What the views and the frame ask of the dialogs.
class DialogServices
{
public:
    virtual ~DialogServices() = default;

    // (caption, prompt, initial text, answer buffer, its size without the terminator, confirm
    // label, help id) -> non-zero when confirmed.
    virtual int simpleEntry(const char *caption, const char *message, const char *value,
                            char *buffer, int32_t size, const char *okText, int32_t helpId);
    // The library's file chooser in a FileChooserMode: whether a file was chosen.
    virtual bool chooseFile(QWidget *parent, const QString &caption, const QString &filter,
                            const QString &startDirectory, int mode, QString &fileName,
                            QStringList &fileList);
};

// The installed implementation, or the one that answers as if absent.
FrameServices &frameServices();
HelpServices &helpServices();
PaneServices &paneServices();
DialogServices &dialogServices();

// Installs an implementation the caller keeps alive (null puts the absent one back); answers
// the one installed before, so that a test can put it back.
FrameServices *install(FrameServices *services);
HelpServices *install(HelpServices *services);
PaneServices *install(PaneServices *services);
DialogServices *install(DialogServices *services);

// What the host drives of a tabbed pane frame through its window box. The frame implements it;
// the frame side reaches it from a widget with tabbedFrame().
class TabbedFrame
{
public:
    virtual ~TabbedFrame() = default;

    virtual void addTab(int index, const QString &text, const QString &toolTip) = 0;
    virtual bool removeTab(int index) = 0;
    virtual void setTabText(int index, const QString &text) = 0;
    virtual void setTabTooltip(int index, const QString &toolTip) = 0;
    virtual bool setTabModifyFlag(int index, int mode) = 0;
    virtual bool setTabExecuteFlag(int index, int flag) = 0;
    virtual bool setTabCurrent(int index) = 0;
    virtual void setHScrollMinMaxValues(int min, int max) = 0;
    // The getters answer false, outputs untouched, while the frame has no scroll bar.
    virtual bool getHScrollMinMaxValues(int *min, int *max) const = 0;
    virtual void setHScrollPageSize(int size) = 0;
    virtual bool getHScrollPageSize(int *size) const = 0;
    virtual void setHScrollPosition(int position) = 0;
    virtual bool getHScrollPosition(int *position) const = 0;
    virtual void setHScrollTrackPosition(int position) = 0;
    virtual void setHScrollDisabled(bool disabled) = 0;
    // Takes the focus and tells the host.
    virtual void setFocus() = 0;
};

// The frame a widget is, or null (a plain stand-in or any other widget).
TabbedFrame *tabbedFrame(QWidget *widget);

} // namespace tesk::core
