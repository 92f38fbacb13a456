#pragma once
// What the pane widgets (a pane, its tab bar, a view naming itself) ask of the views manager.
// They reach it through this and never through the manager's own header: the manager makes
// the panes and the views, so a widget that included it would close a circle of includes.

#include <QString>

#include <cstdint>

class AView;

namespace tesk::views {

class PaneHost
{
public:
    // Forgets a pane whose widget is going.
    virtual void removeWindow(uint64_t paneId) = 0;
    // Undocks the pane, forgets it and deletes its widget later.
    virtual void removePane(uint64_t paneId) = 0;
    virtual void removeView(uint64_t paneId, uint64_t viewId) = 0;
    // The destination pane takes the view too; the source keeps it until removeView.
    virtual void moveView(uint64_t viewId, uint64_t fromPaneId, uint64_t toPaneId) = 0;
    // False (nothing changed) when no pane can be made.
    virtual bool moveViewToNewPane(uint64_t fromPaneId, AView *view) = 0;
    virtual bool sameTarget(uint64_t paneId1, uint64_t paneId2) const = 0;
    virtual void setViewTabLabel(AView *view, const QString &name) = 0;
    // A copy of the view in the same pane, or null when the view cannot be copied.
    virtual AView *duplicateView(uint64_t paneId, uint64_t viewId) = 0;

protected:
    ~PaneHost() = default;
};

// The views manager, connected to the host.
PaneHost &paneHost();
// The same without connecting: for widgets that go while the process ends.
PaneHost &existingPaneHost();

} // namespace tesk::views
