#pragma once
// The views manager: the one broker component through which the host opens views in tabbed
// panes. It makes the panes (docked through the library facade) and the views, keeps the
// panes by id, and passes the host's target events on to them.

#include "gui_components/gc_panes/views/cgc_components.h"
#include "gui_components/gc_panes/views/hostevents.h"

#include <tesk/tesk_facade.h>
#include <tesk/tesk_views.h>

#include <mosk/mosk.hpp>

#include <QString>

#include <cstdint>
#include <map>
#include <vector>

class AView;
class KPane;
class KViewMemory;
class UMemoryAddress;

using KGc_Pane = CGc_Pane<KPane>;
using KGc_View = CGc_View<AView>;

// One object for the process: a Release to 0 only clears the process-wide pointer (the panes
// stay where they are), and the next instance() connects to the facade again. Made on the heap:
// a host may clear the broker, which releases it, from an exit handler that runs after the
// library's statics have gone; the unload frees it.
class CGcp_ViewsManager : public mosk::Object<mosk::EmptyMutex, mosk::Static>
{
public:
    using Face =
        mosk::Implements<CGcp_ViewsManager, IGcp_ViewsManager, GCP_IID_VIEWS_MANAGER, 0, 0>;

    static CGcp_ViewsManager *instance();
    // The same object without connecting: for widgets that go while the process ends.
    static CGcp_ViewsManager *existing();
    static void end();
    IGcp_ViewsManager *face() { return &m_face; }

    // Looks the facade and the memory access up again; what is missing stays null.
    void connect();
    bool hasFacade() const { return m_facade.get() != nullptr; }

    // The host event being handled (-1: none) and the count of update events so far, which
    // the views compare to see whether the target changed since they looked.
    int currentEvent() const { return m_events.currentEvent(); }
    void setCurrentEvent(int event) { m_events.m_currentEvent = event; }
    uint64_t updateCount() const { return m_events.updateCount(); }
    // The same, read-only, for the views.
    const tesk::views::HostEvents &events() const { return m_events; }

    // GC_NO_ID without the facade.
    uint64_t createMemoryPane(uint64_t targetId);
    // The new view's id; 0 when nothing was made. Null type names are refused by the face.
    uint64_t createView(uint64_t paneId, const char *typeName, const char *settings,
                        uint64_t targetId);
    // Whether a view shows the address.
    bool openView(const char *typeName, uint64_t targetId, const UMemoryAddress &address,
                  bool reuse);
    void targetChanged();
    void targetUpdated(bool flag);

    KGc_Pane *pane(uint64_t paneId) const;
    KGc_View *view(uint64_t viewId) const;
    // The view widget with that id in any pane.
    AView *viewWidget(uint64_t viewId) const;

    // What the pane widgets ask for (through tesk::views::PaneHost).
    // Forgets a pane whose widget is going.
    void removeWindow(uint64_t paneId);
    // Undocks the pane, forgets it and deletes its widget later.
    void removePane(uint64_t paneId);
    void removeView(uint64_t paneId, uint64_t viewId);
    // The destination pane takes the view too; the source keeps it until removeView.
    void moveView(uint64_t viewId, uint64_t fromPaneId, uint64_t toPaneId);
    // False (nothing changed) when no pane can be made.
    bool moveViewToNewPane(uint64_t fromPaneId, AView *view);
    bool sameTarget(uint64_t paneId1, uint64_t paneId2) const;
    void setViewTabLabel(AView *view, const QString &name);
    // A copy of the memory view in the same pane, or null.
    KViewMemory *duplicateView(uint64_t paneId, uint64_t viewId);

protected:
    void lastReleased() override;

private:
    CGcp_ViewsManager();
    // The panes' wrappers go with the manager: at the process's end nothing else holds them.
    ~CGcp_ViewsManager() override;

    uint64_t createPane(const QString &name, uint64_t targetId, void *mainWindow);
    // A memory view added to the pane as its tab "Memory"; its wrapper carries the name.
    KViewMemory *addMemoryView(KGc_Pane *pane, const char *wrapperName);
    void forget(uint64_t paneId);
    // The panes, each with a reference the caller lets go.
    std::vector<KGc_Pane *> snapshot() const;

    static MoskResult createMemoryPaneOp(void *face, uint64_t *paneId, uint64_t targetId);
    static MoskResult createViewInNewPaneOp(void *face, const char *typeName, uint64_t targetId,
                                            uint64_t *viewId);
    static MoskResult createViewOp(void *face, uint64_t paneId, const char *typeName,
                                   const char *settings, uint64_t targetId, uint64_t *viewId);
    static MoskResult openViewOp(void *face, const char *typeName, uint64_t targetId,
                                 const TeskMemoryAddress *address, int32_t reuse);
    static MoskResult getWindowOp(void *face, uint64_t paneId, IGc_Pane **out);
    static MoskResult findWindowOp(void *face, uint64_t id, IGc_Window **out);
    static MoskResult targetChangedOp(void *face);
    static MoskResult targetUpdatedOp(void *face, int32_t flag);

    static const IGcp_ViewsManagerOps s_ops;

    Face m_face;
    tesk::views::HostEvents m_events;
    std::map<uint64_t, KGc_Pane *> m_panes; // one reference each
    tesk::broker::BrokerRef<ITesk_Facade> m_facade;
    tesk::broker::BrokerRef<MoskBase> m_memoryAccess;
    std::map<void *, uint64_t> m_reuse; // main window -> view id
};

// Registers the views manager with the broker and subscribes it to the host's events.
MoskResult gcpRegisterComponents(MoskRegistrar *registry);
