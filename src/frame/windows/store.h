#pragma once

#include <tesk/tesk_global.h>

#include <QList>
#include <QObject>
#include <QRect>
#include <QRgb>
#include <QSize>

class CUIAbstractMainWindow;
class DockWidget;
class TopLevelWindow;
class MainWindow;
class QMainWindow;

// The process-wide register of windows. The host's exports mostly carry no window, or only a
// window-box handle; the store decides which main window they act on (the current one) and
// keeps the switches the host sets before it asks for a frame.
//
// Top-level windows are kept as the toolkit's main windows they derive from, so the store
// holds them without knowing their own class.
class Store : public QObject
{
    Q_OBJECT

public:
    static Store *instance();
    // The store when it was created already, else null (does not create it).
    static Store *existing();
    // The library unloads: the store goes after the windows it lists.
    static void end();

    static MainWindow *currentMainWindow();
    static void setCurrentMainWindow(MainWindow *window);
    static QMainWindow *currentTopLevelWindow();

    // Called by the main-window base class while it is built and destroyed.
    static void appendMainWindow(CUIAbstractMainWindow *window);
    static void removeMainWindow(CUIAbstractMainWindow *window);

    // The routing of exports: by window-box handle (an unknown handle leaves the current
    // window), by the window whose menu is calling the host, or the current window as it is.
    static MainWindow *routeByHandle(TeskHandle handle);
    static MainWindow *routeCalling();
    // By handle among the main windows, then among the top-level windows; the window found
    // becomes current of its kind. Null when no window has the handle.
    static QMainWindow *routeMainOrTopLevel(TeskHandle handle);

    bool selectCallingMainWindow();
    bool selectMainWindowByHandle(TeskHandle handle);
    MainWindow *findMainWindowByHandle(TeskHandle handle) const;
    // The first dock window, over the main windows in order, with that window box.
    DockWidget *findDockWidget(TeskHandle box) const;
    // The tabbed frame of the first main window that has the box or has a dock window with it.
    QWidget *paneForBox(TeskHandle box) const;
    // The window box of the first main window with a dock window of that box; else the box.
    TeskHandle findCodeWindowFromPane(TeskHandle box) const;
    // Makes each main window current in turn until one resizes its dock window with that box;
    // the last one stays current when none has it.
    bool resizeDockWindowByHandle(TeskHandle box, QSize size);
    // The fully built main windows, in creation order.
    QList<MainWindow *> mainWindows() const;

    // A new top-level window, listed and current; it leaves the list when it closes.
    TopLevelWindow *addTopLevelWindow(TeskHandle hostData, void *sizeCallback,
                                      TeskHandle sizeContext);
    // A top-level window has a handle when it is its host word or its drawing area's id.
    TopLevelWindow *findTopLevelWindowByHandle(TeskHandle handle) const;
    bool selectTopLevelWindowByHandle(TeskHandle handle);
    bool raiseTopLevelWindowsByName(const QString &name);
    void appendTopLevelWindow(QMainWindow *window);
    void setCurrentTopLevelWindow(QMainWindow *window);
    const QList<QMainWindow *> &topLevelWindows() const { return m_topLevelWindows; }

    void setModalDialogShown(bool shown);
    // The first main window that has the handle takes the colour for its colour icon.
    void setWindowColorIndex(TeskHandle handle, QRgb rgb);

    // Window-kind switches for the next frame.
    bool isSprWindow() const { return m_sprWindow; }
    void setSprWindow(bool on) { m_sprWindow = on; }
    bool isNewCodeWindow() const { return m_newCodeWindow; }
    void setNewCodeWindow(bool on) { m_newCodeWindow = on; }
    bool isEditorWindow() const { return m_editorWindow; }
    void setEditorWindow(bool on) { m_editorWindow = on; }
    bool isQtWindow() const { return m_qtWindow; }
    void setQtWindow(bool on) { m_qtWindow = on; }
    bool isDockingWindow() const { return m_dockingWindow; }
    void setDockingWindow(bool on) { m_dockingWindow = on; }
    bool nextQtSense() const { return m_nextQtSense; }
    void setNextQtSense(bool on) { m_nextQtSense = on; }
    bool allowDynamicTick() const { return m_allowDynamicTick; }
    void setAllowDynamicTick(bool on) { m_allowDynamicTick = on; }

    // How far the host's menu callbacks are registered: the first registration after a new
    // window request goes to the current window, later ones are refused until the next request.
    enum MenuCallbackStage {
        MenuCallbacksOpen = 0,
        MenuCallbacksRegistered = 1,
        MenuCallbacksTaken = 2
    };
    // Open while there is no store yet; reading does not create it.
    static MenuCallbackStage menuCallbackStage();
    static void setMenuCallbackStage(MenuCallbackStage stage);

    // A geometry for the next top-level window.
    bool isTopGeometryPending() const { return m_topGeometryPending; }
    QRect topGeometry() const { return m_topGeometry; }
    void setTopGeometry(const QRect &geometry);
    void clearTopGeometryPending() { m_topGeometryPending = false; }

public slots:
    void RemoveTopWindow(QMainWindow *window);

private:
    Store() = default;

    QList<CUIAbstractMainWindow *> m_mainWindows;
    QList<QMainWindow *> m_topLevelWindows;
    bool m_sprWindow = false;
    bool m_newCodeWindow = false;
    bool m_editorWindow = false;
    bool m_qtWindow = true;
    bool m_dockingWindow = true;
    bool m_topGeometryPending = false;
    bool m_allowDynamicTick = false;
    bool m_nextQtSense = true;
    MenuCallbackStage m_menuCallbackStage = MenuCallbacksOpen;
    QRect m_topGeometry;
    // Cleared when the window leaves the list (a guarded pointer would be read while the
    // window is half destroyed).
    QMainWindow *m_currentTopLevel = nullptr;
};
