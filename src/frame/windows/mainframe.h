#pragma once

#include "frame/core/services.h"
#include "frame/windows/cuiabstractmainwindow.h"

#include <tesk/tesk_app.h>
#include <tesk/tesk_frame.h>
#include <tesk/tesk_panes.h>

#include <QRgb>

#include <memory>

class CuiProgress;
class DockWidget;
class QDockWidget;
class QLabel;
class QMenu;
class QProgressBar;
class QStatusBar;
class QToolBar;

namespace tesk::frame {
class MenuManagerBase;
class DockLayout;
struct MainDocks;
enum class DockArea;
} // namespace tesk::frame

class MainWindowPrivate;

// The debugger's main frame: a central area the host draws into, a menu bar and toolbars
// from its menu manager, a status bar with the debugger's indicators, the host's context
// popups, a colour icon in the menu bar, and a close sequence that asks the host first.
class MainWindow : public CUIAbstractMainWindow
{
    Q_OBJECT

public:
    enum WindowKind { MainKind = 0, AnalysisKind = 1, SettingsKind = 2, ProblemReportKind = 3 };
    using ContextMenuCallback = void (*)(int itemId);

    MainWindow(QWidget *parent, const char *name, Qt::WindowFlags flags = {});
    ~MainWindow() override;

    virtual void setStatusText(int field, const char *text, const char *tip);
    virtual void setStatusPosition(int line, int column);
    virtual void setLogIndicator(bool on);
    virtual void setJournalIndicator(bool on);
    virtual void setStdioLogIndicator(bool on);
    virtual void showProgress(int percent, int ignored);
    virtual void showRunState(int state, const char *text);

    void createMenus(int tableKind);
    void createFullStatusBar();
    void createMessageStatusBar();
    void createBareStatusBar();
    void setPadlockState(int state);

    void createColourIcon();
    void removeColourIcon();
    bool hasColourIcon() const;
    void setColour(QRgb rgb);
    QRgb colour() const;
    bool setColourForHandle(TeskHandle handle, QRgb rgb);

    void popContextMenu(const char *definition);
    void setContextMenuCallback(ContextMenuCallback callback);
    void setActivationCallback(CuiActivationFn callback);
    void setQtContextMenuMark();
    bool isQtContextMenu() const;
    void setNextActionInGroup(bool on);
    bool nextActionInGroup() const;

    void setDontClose(bool dontClose);
    bool dontClose() const;
    void setModalDialogShown(bool shown);
    bool modalDialogShown() const;
    void setPanePopupShown(bool shown);
    bool panePopupShown() const;
    void enableDockMenu(bool enabled);
    bool showDockMenu(const QPoint &globalPos);
    QMenu *createPopupMenu() override;

    void setWindowBoxHandle(TeskHandle handle);
    TeskHandle windowBoxHandle() const;
    bool isCalling() const;
    tesk::frame::MenuManagerBase *menuManager() const;
    // The central area the host draws into; the tabbed pane frame takes this place.
    QWidget *pane() const;
    // Hands the frame the host's code callback and window box, and builds it.
    bool registerCodeCallback(CuiCodeCallbackFn callback, TeskHandle windowBox);
    // Tells the host through the pane's code callback that its pane took the focus (code 3).
    void notifyPaneFocus();
    // The dock window the host named "Output", shown by its menu item
    // (tesk::commands::kOutputWindowItem).
    void setOutputWindow(QWidget *window);

    void setWindowKind(int kind);
    int windowKind() const;
    QString connectionName() const;
    // Words 0 (equal to 1) and 2 of the frame record, for the editor toolbars.
    void setEncodingChoice(bool encodingSwitch, int initialEncoding);
    bool encodingSwitch() const;
    int initialEncoding() const;

    // ---- dock windows ----------------------------------------------------------------
    // A dock window with the tabbed pane frame bound to the host's window box.
    DockWidget *createDockedWindow(TeskHandle box, const char *name,
                                   tesk::core::PaneCodeCallback callback);
    // A dock window holding a toolkit widget the host or a view gives.
    DockWidget *createDockWidget(const char *name, QWidget *widget,
                                 tesk::core::PaneCodeCallback callback, TeskHandle box);
    // The dock windows in creation order; the last is the current one.
    const QList<DockWidget *> &dockList() const;
    DockWidget *currentDockWidget() const;
    DockWidget *findDockWidgetByName(const QString &name) const;
    DockWidget *findDockWidgetByBox(TeskHandle box) const;
    // The first dock window of that name whose goto flag is set, shown; null when none.
    DockWidget *showGotoDockWidget(const QString &name);
    // Shows a hidden dock window where the user can reach it: in front of its tabs, the layout
    // fitted to it.
    void showDockWidget(DockWidget *dock);
    // Docked, the size becomes its extent in its area; floating, its size. False when no dock
    // window has the box.
    bool resizeDockWidget(TeskHandle box, QSize size);
    // The current dock window takes a quarter of the window's height.
    void setCurrentDockHeight();
    // The host's name, or name_N when dock windows beginning with it exist.
    QString uniqueDockCaption(const QString &name) const;
    TeskHandle lastDockHandle() const;
    tesk::frame::DockLayout &dockLayout() const;
    tesk::frame::MainDocks &docks() const;
    // QtCreateDocked: where the next dock window goes, unless a layout record waits.
    void requestDockPlacement(int area, bool newLine);
    // ---- layout records ----
    // Orders the dock windows by their position within their area (equal ones by creation).
    void sortDockList();
    const QList<DockWidget *> &sortedDockList() const;
    QByteArray dockRecord(int sortedIndex) const;
    // Keeps a record for the next dock window: its caption, place, size and visibility.
    void takeDockRecord(const QByteArray &record);
    // After the window is shown: the dock windows standing in areas take a third of the
    // window's width and a quarter of its height (250 in a side area), then the restored
    // ones their sizes, places and visibility.
    void layOutDocks();
    // The docks were laid out as the window first showed.
    bool docksLaidOut() const;
    // The line of the dock window grows to what its pane asks for, within the area's share.
    void growDockArea(DockWidget *dock);
    // The toolbars of the top area, then the floating ones.
    QList<QToolBar *> numberedToolbars() const;
    QByteArray toolbarRecord(int index) const;
    // False when no toolbar has that title.
    bool applyToolbarRecord(const QString &title, const QByteArray &record);
    // Moves a dock window to area 0 left, 1 right or 2 bottom.
    void moveDockWindow(DockWidget *dock, int area);
    bool doNotAskAgain() const;
    void setDoNotAskAgain(bool on);
    int rememberedArea() const;
    void setRememberedArea(int area);
    void setDontClosePane();
    void resizeLastDockWidget();
    void closeAllDockWindows();
    void showOutputWindow();

    bool usesBigIcons() const;
    bool usesTextLabels() const;

    // Status-bar furniture; null where the window's status bar has none.
    CuiProgress *busyIndicator() const;
    QLabel *positionLabel() const;
    QLabel *indicatorLabel(int number) const;
    QLabel *padlockLabel() const;
    QProgressBar *progressBar() const;

public slots:
    virtual void setConnectionName(const QString &name);
    virtual void languageChange();
    void key(QKeyEvent *event);
    void slotSettingCalling(bool calling);
    void PopupMenuExecution(int id);
    void PopupAboutToHide();
    void slotClearStatus();
    void slotMenuActivated(int id);
    void bigPixmapsSlot();
    void toolbarTextLabelsSlot();
    void DockWindowPosChanged(QDockWidget *dock);
    void RemoveFromWindList(DockWidget *dock);
    virtual void removeFromDockList(DockWidget *dock);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QWidget *statusField(int field) const;
    void placeProgressBar();
    void runMenuCommand(int hostId);
    void setUsesBigIcons(bool on);
    void setUsesTextLabels(bool on);
    void paintColourIcon();
    bool isDockMenuTarget(const QPoint &pos) const;
    void addViewsSection(QMenu *menu);
    void addToolbarsSection(QMenu *menu);

    enum FloatingSize { FloatAsUndocked, FloatAtAThird };
    DockWidget *finishDockCreation(DockWidget *dock, const QString &name,
                                   FloatingSize floatingSize);
    // A new dock window takes its place in its area (the user holds no separator now).
    void placeNewDock(DockWidget *dock, tesk::frame::DockArea area, bool newLine, bool held);
    // The window a restored dock stood as a tab on, or null.
    DockWidget *restoredGroup(const DockWidget *dock, tesk::frame::DockArea area,
                              bool newLine) const;
    // What its record restored; the extent of a docked one only when it was not laid out with
    // the others of its area.
    void restoreDock(DockWidget *dock, bool laidOutTogether);
    // The extent the show gives a dock window docked before it: its record's, else a share of
    // the main window.
    QSize extentAtShow(const DockWidget *dock, tesk::frame::DockArea area) const;
    // The same with the extent across its area of the line it stands in.
    QSize lineExtentAtShow(const DockWidget *dock, tesk::frame::DockArea area) const;
    // Where the show puts a dock window its record brought back floating: its frame's place
    // and its size.
    QRect floatingPlaceAtShow(const DockWidget *dock) const;

    std::unique_ptr<MainWindowPrivate> d;
    std::unique_ptr<tesk::frame::MainDocks> m_docks;
};
