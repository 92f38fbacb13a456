#pragma once

#include "frame/core/services.h"

#include <tesk/tesk_global.h>

#include <QDockWidget>
#include <QRgb>

#include <memory>
#include <optional>

class MainWindow;
class QMenu;
class QStatusBar;
class DockWidgetPrivate;

// The dock window that holds one host pane (the tabbed pane frame bound to a window box, or a
// toolkit widget the creator gives), a colour strip and a status bar shown while it floats.
// Hiding it closes it unless the user only hid it or the host said it must not close; it
// remembers where it floated so that floating again puts it back there.
class DockWidget : public QDockWidget
{
    Q_OBJECT

public:
    enum Place { Docked = 0, Floating = 1 };
    enum GenericOption { OptionDockFloat = 666, OptionHide = 667, OptionClose = 668 };
    using HostCallback = tesk::core::PaneCodeCallback;

    DockWidget(QWidget *parent, const char *name);
    ~DockWidget() override;

    // Builds the content and registers the window box; run once after the setters below.
    void setUp();
    // The dock's own native id, for a host that draws into it: kept through floats and docks.
    WId nativeId() const;
    bool isInitialised() const;

    void setHostCallback(HostCallback callback);
    void setWindowBox(TeskHandle box);
    TeskHandle windowBox() const;
    void setGivenWidget(QWidget *widget);
    bool isWidgetPane() const;
    // The tabbed pane frame, null for a widget pane.
    QWidget *pane() const;
    MainWindow *mainWindow() const;

    void setName(const QString &name);
    QString name() const;
    void setHideOnly(bool on);
    void setDontClose(bool on);
    bool dontClose() const;
    void setAskLocation(bool on);
    bool askLocation() const;
    void setGoto(bool on);
    bool isGoto() const;
    // Shown by the host or a record before its main window first showed, or shown when the
    // host hid its main window, and waiting for it.
    bool waitsForMainWindow() const;
    bool isClosing() const;
    void setTwoWords(int first, int second);
    bool isUserHidden() const;

    // What a consumed layout record restored.
    struct Restored
    {
        bool extentSet = false;
        QSize extent;
        int sortKey = 0;
        int x = 0;
        int y = 0;
        bool floating = false;
        bool visible = true;
        // Its record says it was the tab shown of its group: the group shows it again.
        bool inFront = false;
        // Restored floating and hidden: until it shows or is sized, its records write back the
        // place and size its record brought, which this screen may not hold.
        bool placeAsStored = false;
        // Its record of the top area, which belongs to the toolbars, names no place: it floats
        // as a dock without a place does.
        bool floatsUnplaced = false;
    };
    Restored &restored();
    const Restored &restored() const;

    QRect floatingGeometry() const;
    bool floatingGeometrySet() const;
    int floated() const;

    void setColour(QRgb rgb);
    QColor colour() const;
    QStatusBar *dockStatusBar() const;
    QString connectionText() const;

    // 666 docks a floating window and floats a docked one, 667 hides, 668 closes.
    bool processGenericOption(int option);
    // Ends the window without asking the host: it leaves its main window's lists and the pane
    // registry at once (so its box may name a new pane straight away) and goes on the lifetime
    // road.
    void end();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    void setVisible(bool visible) override;
    // Whether it was shown floating before its main window first showed, and is to show now;
    // asked once.
    bool takeShowWithMainWindow();
    // Floating and shown, it goes with its main window the host hides, unclosed, and waits to
    // show with it again (takeShowWithMainWindow).
    void hideWithMainWindow();

    void setFocus();
    // Tells the host (code 3) that the user clicked or tabbed into a frame: a dock window or
    // the pane of a main window. Focus taken by a child of a frame never reaches the frame's
    // own focus handler. Runs under the one re-entry flag of every focus notification.
    static void watchFrameFocus();
    // Takes the watch off the application: the library's windows end, the application goes on.
    static void unwatchFrameFocus();
    void notifyFocus();

public slots:
    void MyPlaceChange(int place);
    void closeMe();
    bool hideMe();
    void viewButtonClicked();
    void fileButtonClicked();
    void floatdock();
    void NewPaneSlot(int pane);
    void AboutToShow();
    void RenameWindow();
    virtual void dock();
    virtual void undock();
    void hide();
    void togglePaneVisibility();
    void hideOnly();
    void setConnectionName(const QString &name);
    // Floating where another floating window of its main window stands, or pulled into the
    // same corner of the free area, it steps aside.
    void stepClearOfOthers();

signals:
    void RemovemefromWindList(DockWidget *dock);
    void NewPaneSignal(int pane, DockWidget *dock);
    void ViewAboutToShow(DockWidget *dock);
    // For whoever tracks which pane a drag or a command came from; the dock window itself
    // does not emit it.
    void sigOriginatingPane(DockWidget *dock);

protected:
    // A drop on the dock window's title or status bar reaches the host as one on its pane.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    // The user's title-bar drags and double-clicks while it floats (dockWhereDropped).
    bool event(QEvent *event) override;
    // A pane that comes to ask for more room than its new dock has (a view added to it, its
    // values formatted) gets it once, within its area's share of the main window.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool modalDialogShown() const;
    bool runLocationDialog();
    void enterFloating(QSize size);
    // Docks the floating window onto the area of its main window under the point, if any;
    // without a point, where the main window would take it back.
    void dockWhereDropped(std::optional<QPoint> globalPoint);
    bool onTitleBar(QPoint position) const;
    // Floating before its main window first shows: it is shown with it, and hidden meanwhile
    // it is not closed.
    bool showsWithMainWindow() const;
    // Where the window stands on the screen while docked, for it to float there.
    QPoint placeShown() const;
    // Tells the host; false when the host destroyed this window meanwhile.
    bool notifyHost(int width, int height, int code);
    void buildContent();

    std::unique_ptr<DockWidgetPrivate> d;
};

// Appends "Dock/Float", "Hide" and "Close" (ids 666, 667, 668), after a separator when asked.
int appendDockMenuItems(QMenu *popup, bool separatorFirst);

namespace tesk::frame {
// The generic options on the dock window registered for a window box; false when none is.
bool processPaneGenericOption(TeskHandle windowBox, int option);
int paneDock(TeskHandle windowBox);
int paneUndock(TeskHandle windowBox);
int paneHide(TeskHandle windowBox);
int paneClose(TeskHandle windowBox);
// The dock window among the widget and its parents, or null.
DockWidget *dockHolding(QObject *widget);
} // namespace tesk::frame
