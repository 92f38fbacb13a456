#pragma once

#include <tesk/tesk_global.h>

#include <QString>

class QDragMoveEvent;
class QDropEvent;
class QMenu;
class QWidget;

// The tabbed pane frame lives with the panes, the drag relay and the label dictionary with the
// rest of the frame, and neither side may include the other. Each side installs its half here
// when the library is loaded; a half nobody installed answers as if the service were absent.
namespace tesk::core {

// The host's code callback: (window-box handle, rectangle left, top, right, bottom, reason).
using PaneCodeCallback = void (*)(TeskHandle windowBox, int *rect, int reason);

struct PaneFrameHooks
{
    // A new, unbuilt frame named "CuiKSOPane".
    QWidget *(*create)(QWidget *parent) = nullptr;
    // Hands the frame its callback and window box and builds it; false for another widget.
    bool (*bind)(QWidget *frame, PaneCodeCallback callback, TeskHandle windowBox) = nullptr;
    // The native id of the area the host paints in; 0 for another widget.
    quintptr (*mainAreaId)(QWidget *frame) = nullptr;
};

struct FrameServiceHooks
{
    // The context-menu label of a "#n" key, or a null string.
    QString (*lookupLabel)(const QString &key) = nullptr;
    void (*dragMove)(QWidget *widget, TeskHandle windowBox, QDragMoveEvent *event) = nullptr;
    void (*drop)(QWidget *widget, TeskHandle windowBox, QDropEvent *event) = nullptr;
    // Tells the current main window that a pane showed its own popup, so that the dock area's
    // menu request the same click causes is skipped.
    void (*markPanePopupShown)() = nullptr;
};

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

// The dock windows belong to the frame; the panes inside them reach their window through the
// host's pane handle (the window box the dock window was made for).
struct DockHooks
{
    // Appends "Dock/Float", "Hide" and "Close" (666, 667, 668), after a separator when asked.
    void (*appendItems)(QMenu *menu, bool separatorFirst) = nullptr;
    // Runs one of those options on the dock window of the handle; false when none holds it.
    bool (*genericOption)(TeskHandle paneHandle, int option) = nullptr;
};

void setPaneFrameHooks(const PaneFrameHooks &hooks);
void setDockHooks(const DockHooks &hooks);
// Fills only the members that are set, so that each side can install its own.
void addFrameServiceHooks(const FrameServiceHooks &hooks);

// A tabbed pane frame, or a plain widget named "CuiKSOPane" while none is installed.
QWidget *createPaneFrame(QWidget *parent);
bool bindPaneFrame(QWidget *frame, PaneCodeCallback callback, TeskHandle windowBox);
quintptr paneFrameAreaId(QWidget *frame);

void appendDockMenuItems(QMenu *menu, bool separatorFirst);
bool processPaneGenericOption(TeskHandle paneHandle, int option);
// Options 667 and 668 on the pane's dock window.
bool hidePane(TeskHandle paneHandle);
bool closePane(TeskHandle paneHandle);

QString lookupContextMenuLabel(const QString &key);
void relayDragMove(QWidget *widget, TeskHandle windowBox, QDragMoveEvent *event);
void relayDrop(QWidget *widget, TeskHandle windowBox, QDropEvent *event);
void markPanePopupShown();

} // namespace tesk::core
