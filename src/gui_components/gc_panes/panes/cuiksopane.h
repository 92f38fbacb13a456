#pragma once

#include "frame/core/services.h"
#include "gui_components/gc_panes/panes/ksowindbox.h"
#include "system/lifetime.h"

#include <QWidget>

#include <memory>

class CuiKSOPanePrivate;

// The frame of every window the host draws into: the main area the host paints, with an
// optional header above it and an optional row of horizontal scroll bar and tab bar below
// (or above) it. The window box says what the frame holds; the host drives tabs and scrolling
// through the window exports and learns of the user's choices through the window box and the
// code callback.
class CuiKSOPane : public QWidget, public tesk::core::TabbedFrame
{
    Q_OBJECT

public:
    using CodeCallback = CuiCodeCallbackFn;

    explicit CuiKSOPane(QWidget *parent = nullptr, const char *name = nullptr,
                        Qt::WindowFlags flags = {});
    ~CuiKSOPane() override;

    virtual void setHasHeader(bool on);
    virtual void setHasTabBar(bool on);
    virtual void setFlag2(bool on);
    virtual void setTabsOnTop(bool on);
    virtual bool hasHeader() const;
    virtual bool hasTabBar() const;
    virtual bool flag2() const;
    virtual bool tabsOnTop() const;
    virtual void setCodeCallback(CodeCallback callback);
    virtual void setWindBox(const KSOWindBox &box);
    const KSOWindBox &windBox() const;

    void setHScrollMinMaxValues(int min, int max) override;
    bool getHScrollMinMaxValues(int *min, int *max) const override;
    void setHScrollPageSize(int size) override;
    bool getHScrollPageSize(int *size) const override;
    void setHScrollPosition(int position) override;
    bool getHScrollPosition(int *position) const override;
    void setHScrollTrackPosition(int position) override;
    void setHScrollDisabled(bool disabled) override;

    // Builds the children from the window box; once the box and the callback are set.
    virtual void build();
    // The native window of the main area, which the host paints (made on first request).
    virtual WId mainPaneWinId();

    // The pane services' frame: binding builds it; both false or 0 for another widget.
    static bool bindFrame(QWidget *frame, tesk::core::PaneCodeCallback callback,
                          TeskHandle windowBox);
    static quintptr frameAreaId(QWidget *frame);

    bool removeTab(int index) override;
    void addTab(int index, const QString &text, const QString &toolTip) override;
    void setTabText(int index, const QString &text) override;
    void setTabTooltip(int index, const QString &toolTip) override;
    bool setTabModifyFlag(int index, int mode) override;
    bool setTabExecuteFlag(int index, int flag) override;
    // Makes the tab current without telling the host.
    bool setTabCurrent(int index) override;
    int tabCount() const;

    // Gives the frame the focus and tells the host (reason 3). A request made while the host
    // is being told does nothing.
    void setFocus() override;
    // The user put the focus on the frame itself: the host hears it as from setFocus, under
    // the same guard, so a focus request of the host's own is told once.
    void notifyFocusTaken();

public slots:
    virtual void tabSelected(int index);
    virtual void horizScrollValueChanged(int value);
    virtual void contextMenuHandler(int index);

protected:
    virtual void updateHScrollState();
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // False when the host ended the frame while it answered.
    bool buildHeader();
    void buildScrollRow();
    bool buildTabBar();
    void layOut();
    void applyToolTip(int index, const QString &toolTip);
    // Whether the frame still lives after telling the host.
    bool callHost(int width, int height, int reason);
    // Asks the host through the window box; whether the frame still lives afterwards.
    template<typename Call>
    bool ask(Call &&call)
    {
        // A pane the host ended calls it no more, whatever the toolkit still delivers to it.
        if (tesk::lifetime::doomed(this))
            return false;
        return tesk::lifetime::callHost(this, std::forward<Call>(call));
    }

    std::unique_ptr<CuiKSOPanePrivate> d;
};
