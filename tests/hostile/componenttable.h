#pragma once

// The component side of the hostile sweep: every operation of every interface the library
// serves through the broker (the views manager, the panes and views it hands out, the facade,
// the synchronisation window and data adaptor), with hostile arguments, on interfaces a host
// took at one moment and kept. Between starts (before the first, after CuiRun, after a clear)
// an operation that would make a window must answer failure and make nothing.

#include "hostileargs.h"

#include <tesk/tesk_facade.h>
#include <tesk/tesk_sync.h>
#include <tesk/tesk_views.h>

#include <mosk/mosk.hpp>

#include <QApplication>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace hostile::components {

// The interfaces a host keeps (each with one reference of its own), and what the state allows.
struct Kept
{
    IGcp_ViewsManager *manager = nullptr;
    ITesk_Facade *facade = nullptr;
    IGcds_Dialog *dialog = nullptr;
    IGcds_DataAdaptor *adaptor = nullptr;
    IGc_Pane *pane = nullptr;
    IGc_View *view = nullptr;
    uint64_t paneId = GC_NO_ID;
    uint64_t viewId = 0;
    // False between starts: nothing may be made.
    bool startUp = false;
    // Lines that made something they must not have.
    std::vector<std::string> broken;
};

// One reference of the component's object, or null.
template<typename Interface>
Interface *take(const char *category, const char *id)
{
    MoskBroker *broker = moskGetObjectBroker();
    void *object = nullptr;
    mosk::release(broker->ops->getComponent(broker, category, id, &object));
    return static_cast<Interface *>(object);
}

inline void keep(Kept &kept)
{
    kept.manager = take<IGcp_ViewsManager>(GCP_CATEGORY, GCP_VIEWS_MANAGER_COMPONENT);
    kept.facade = take<ITesk_Facade>("tesk", "tesk_Facade.component.1");
    kept.dialog = take<IGcds_Dialog>(GCDS_CATEGORY, GCDS_DIALOG_COMPONENT);
    kept.adaptor = take<IGcds_DataAdaptor>(GCDS_CATEGORY, GCDS_DATA_ADAPTOR_COMPONENT);
}

// The host lets go of what it kept.
inline void release(Kept &kept)
{
    for (void *object : {static_cast<void *>(kept.view), static_cast<void *>(kept.pane),
                         static_cast<void *>(kept.adaptor), static_cast<void *>(kept.dialog),
                         static_cast<void *>(kept.facade), static_cast<void *>(kept.manager)}) {
        if (object)
            static_cast<MoskBase *>(object)->ops->Release(object);
    }
    kept = Kept();
}

// A memory pane and view made through the kept manager, kept too.
inline bool keepPaneAndView(Kept &kept)
{
    if (!kept.manager)
        return false;
    IGcp_ViewsManager *m = kept.manager;
    mosk::release(m->ops->createMemoryPane(m, &kept.paneId, 0));
    mosk::release(m->ops->createView(m, kept.paneId, "Memory", nullptr, 0, &kept.viewId));
    mosk::release(m->ops->getWindow(m, kept.paneId, &kept.pane));
    IGc_Window *window = nullptr;
    mosk::release(m->ops->findWindow(m, kept.viewId, &window));
    kept.view = reinterpret_cast<IGc_View *>(window);
    return kept.pane && kept.view;
}

class Call
{
public:
    Call(Args &args, Kept &kept, const char *name)
        : a(args)
        , k(kept)
        , m_name(name)
    {
    }

    // Ids: none, the first, all ones, unknown, the kept pane's and view's.
    uint64_t id()
    {
        const uint64_t pool[] = {0, 1, GC_NO_ID, 0x12345678, k.paneId, k.viewId};
        return pool[uint32_t(a.i()) % 6];
    }
    // The answer of an operation that would make a window: failure between starts.
    // mustFail: a memory view was asked for, which only a start can make (another type makes
    // nothing at any time and answers null).
    void made(MoskResult result, bool something, bool mustFail = true)
    {
        const bool failed = result != nullptr;
        mosk::release(result);
        if (!k.startUp && (something || (mustFail && !failed)))
            k.broken.push_back(m_name);
    }
    void made(int answer)
    {
        if (!k.startUp && answer)
            k.broken.push_back(m_name);
    }
    static void drop(void *object)
    {
        if (object)
            static_cast<MoskBase *>(object)->ops->Release(object);
    }

    Args &a;
    Kept &k;

private:
    const char *m_name;
};

struct Line
{
    const char *name;
    void (*call)(Call &);
};

// The four common operations of a kept interface: its description, a reference taken and given
// back, and an interface it may not have asked for (one it has comes with a reference).
template<typename Interface>
void baseOps(Call &c, Interface *object)
{
    if (!object)
        return;
    uint32_t id = 0, v1 = 0, v2 = 0, v3 = 0;
    mosk::release(
        object->ops->getInterfaceInfo(object, c.a.variant() % 2 ? &id : nullptr, &v1, &v2, &v3));
    object->ops->AddRef(object);
    object->ops->Release(object);
    void *other = nullptr;
    mosk::release(object->ops->QueryInterface(object, c.a.variant() % 4 ? &other : nullptr,
                                              c.a.u() | 0x80000000u, c.a.u()));
    Call::drop(other);
}

// An error answer is let go, any other answer dropped.
inline void settle(MoskResult result)
{
    mosk::release(result);
}
template<typename Answer>
void settle(Answer)
{
}

// A line's body on the kept interface x, when the state has one.
#define ON(kept, ...)                                                                              \
    [](Call &c) {                                                                                  \
        if (auto *x = c.k.kept)                                                                    \
            settle(__VA_ARGS__);                                                                   \
    }
#define ON_VOID(kept, ...)                                                                         \
    [](Call &c) {                                                                                  \
        if (auto *x = c.k.kept)                                                                    \
            __VA_ARGS__;                                                                           \
    }

inline const std::vector<Line> &table()
{
    static uint64_t outId = 0;
    static IGc_Window *outWindow = nullptr;
    static const TeskMemoryAddress address{};
    static const std::vector<Line> lines = {
        // ---- the views manager: what makes a window fails between starts ----
        {"IGcp_ViewsManager.createMemoryPane",
         [](Call &c) {
             uint64_t pane = GC_NO_ID;
             if (auto *x = c.k.manager) {
                 MoskResult result =
                     x->ops->createMemoryPane(x, c.a.variant() % 4 ? &pane : nullptr, c.id());
                 c.made(result, pane != GC_NO_ID);
             }
         }},
        {"IGcp_ViewsManager.createViewInNewPane",
         [](Call &c) {
             uint64_t view = 0;
             const char *type = c.a.variant() % 2 ? "Memory" : c.a.s();
             if (auto *x = c.k.manager) {
                 MoskResult result = x->ops->createViewInNewPane(x, type, c.id(), &view);
                 c.made(result, view != 0, c.a.variant() % 2);
             }
         }},
        {"IGcp_ViewsManager.createView",
         [](Call &c) {
             uint64_t view = 0;
             const char *type = c.a.variant() % 2 ? "memory" : c.a.s();
             if (auto *x = c.k.manager) {
                 MoskResult result = x->ops->createView(x, c.id(), type, c.a.s(), c.id(), &view);
                 c.made(result, view != 0, c.a.variant() % 2);
             }
         }},
        {"IGcp_ViewsManager.openView",
         [](Call &c) {
             const char *type = c.a.variant() % 2 ? "Memory" : c.a.s();
             if (auto *x = c.k.manager)
                 c.made(x->ops->openView(x, type, c.id(), c.a.variant() % 3 ? &address : nullptr,
                                         c.a.i()),
                        false, c.a.variant() % 2);
         }},
        {"IGcp_ViewsManager.getWindow",
         [](Call &c) {
             IGc_Pane *pane = nullptr;
             if (auto *x = c.k.manager)
                 settle(x->ops->getWindow(x, c.id(), c.a.variant() % 4 ? &pane : nullptr));
             Call::drop(pane);
         }},
        {"IGcp_ViewsManager.findWindow",
         [](Call &c) {
             outWindow = nullptr;
             if (auto *x = c.k.manager)
                 settle(x->ops->findWindow(x, c.id(), c.a.variant() % 4 ? &outWindow : nullptr));
             Call::drop(outWindow);
         }},
        {"IGcp_ViewsManager.targetChanged", ON(manager, x->ops->targetChanged(x))},
        {"IGcp_ViewsManager.targetUpdated", ON(manager, x->ops->targetUpdated(x, c.a.i()))},
        {"IGcp_ViewsManager.base", [](Call &c) { baseOps(c, c.k.manager); }},

        // ---- a pane and a view it handed out, kept past their windows ----
        {"IGc_Pane.getId", ON(pane, x->ops->getId(x, c.a.variant() % 2 ? &outId : nullptr))},
        {"IGc_Pane.getName",
         [](Call &c) {
             MoskValue *name = c.a.variant() % 2 ? moskValueCreate(nullptr) : nullptr;
             if (auto *x = c.k.pane)
                 settle(x->ops->getName(x, name));
             mosk::release(name);
         }},
        {"IGc_Pane.setName", ON(pane, x->ops->setName(x, c.a.s()))},
        {"IGc_Pane.reserved7", ON(pane, x->ops->reserved7(x, c.a.i()))},
        {"IGc_Pane.reserved8", ON(pane, x->ops->reserved8(x, c.a.i(), c.a.i()))},
        {"IGc_Pane.findWindow",
         [](Call &c) {
             outWindow = nullptr;
             if (auto *x = c.k.pane)
                 settle(x->ops->findWindow(x, c.id(), c.a.variant() % 4 ? &outWindow : nullptr));
             Call::drop(outWindow);
         }},
        {"IGc_Pane.addView",
         [](Call &c) {
             // The pane takes over the reference it is given.
             IGc_View *view = c.a.variant() % 2 ? c.k.view : nullptr;
             if (view)
                 view->ops->AddRef(view);
             if (auto *x = c.k.pane)
                 settle(x->ops->addView(x, view));
             else
                 Call::drop(view);
         }},
        {"IGc_Pane.firstView", ON(pane, x->ops->firstView(x, c.a.variant() % 2 ? &outId : nullptr))},
        {"IGc_Pane.nextView",
         ON(pane, x->ops->nextView(x, c.id(), c.a.variant() % 2 ? &outId : nullptr))},
        {"IGc_Pane.removeView", ON(pane, x->ops->removeView(x, c.id()))},
        {"IGc_Pane.setTarget", ON(pane, x->ops->setTarget(x, c.a.i()))},
        {"IGc_Pane.targetUpdated", ON(pane, x->ops->targetUpdated(x, c.a.i(), c.a.i()))},
        {"IGc_Pane.getTargetId",
         ON(pane, x->ops->getTargetId(x, c.a.variant() % 2 ? &outId : nullptr))},
        {"IGc_Pane.setTargetId",
         ON(pane, x->ops->setTargetId(x, c.a.variant() % 2 ? &outId : nullptr))},
        {"IGc_Pane.base", [](Call &c) { baseOps(c, c.k.pane); }},
        {"IGc_View.getId", ON(view, x->ops->getId(x, c.a.variant() % 2 ? &outId : nullptr))},
        {"IGc_View.getName",
         [](Call &c) {
             MoskValue *name = c.a.variant() % 2 ? moskValueCreate(nullptr) : nullptr;
             if (auto *x = c.k.view)
                 settle(x->ops->getName(x, name));
             mosk::release(name);
         }},
        {"IGc_View.setName", ON(view, x->ops->setName(x, c.a.s()))},
        {"IGc_View.saveSettings",
         [](Call &c) {
             MoskValue *settings = c.a.variant() % 2 ? moskValueCreate(c.a.s()) : nullptr;
             if (auto *x = c.k.view)
                 settle(x->ops->saveSettings(x, settings));
             mosk::release(settings);
         }},
        {"IGc_View.setTarget", ON(view, x->ops->setTarget(x, c.a.i()))},
        {"IGc_View.targetUpdated", ON(view, x->ops->targetUpdated(x, c.a.i(), c.a.i()))},
        {"IGc_View.base", [](Call &c) { baseOps(c, c.k.view); }},

        // ---- the facade: widgets and windows by the caller's pointer ----
        {"ITesk_Facade.dockForMultipleView",
         [](Call &c) {
             const qsizetype before = QApplication::allWidgets().size();
             if (auto *x = c.k.facade)
                 settle(x->ops->dockForMultipleView(x, c.id(), c.a.obj(), c.a.obj()));
             // Docking nothing answers null as well: only a widget made counts.
             c.made(QApplication::allWidgets().size() != before ? 1 : 0);
         }},
        {"ITesk_Facade.undockView", ON(facade, x->ops->undockView(x, c.a.obj()))},
        {"ITesk_Facade.windowHandle",
         [](Call &c) {
             TeskHandle handle = 0;
             if (auto *x = c.k.facade)
                 settle(x->ops->windowHandle(x, c.a.obj(), c.a.variant() % 2 ? &handle : nullptr));
         }},
        {"ITesk_Facade.mainWindowOf",
         [](Call &c) {
             void *window = nullptr;
             if (auto *x = c.k.facade)
                 settle(x->ops->mainWindowOf(x, c.a.obj(), c.a.variant() % 2 ? &window : nullptr));
             c.made(window ? 1 : 0);
         }},
        {"ITesk_Facade.currentMainWindow",
         [](Call &c) {
             void *window = nullptr;
             if (auto *x = c.k.facade)
                 settle(x->ops->currentMainWindow(x, c.a.variant() % 2 ? &window : nullptr));
             c.made(window ? 1 : 0);
         }},
        {"ITesk_Facade.addDockMenuItems", ON(facade, x->ops->addDockMenuItems(x, c.a.obj()))},
        {"ITesk_Facade.activateDockMenuItem",
         ON(facade, x->ops->activateDockMenuItem(x, c.a.obj(), c.a.i()))},
        {"ITesk_Facade.base", [](Call &c) { baseOps(c, c.k.facade); }},

        // ---- the synchronisation window and data ----
        {"IGcds_Dialog.open",
         [](Call &c) {
             if (auto *x = c.k.dialog)
                 c.made(x->ops->open(x, c.a.i()));
         }},
        {"IGcds_Dialog.show", ON(dialog, x->ops->show(x, c.a.i()))},
        {"IGcds_Dialog.close", ON_VOID(dialog, x->ops->close(x))},
        {"IGcds_Dialog.base", [](Call &c) { baseOps(c, c.k.dialog); }},
        {"IGcds_DataAdaptor.removeConnection", ON_VOID(adaptor, x->ops->removeConnection(x, c.a.u()))},
        {"IGcds_DataAdaptor.clear", ON_VOID(adaptor, x->ops->clear(x))},
        {"IGcds_DataAdaptor.setName", ON_VOID(adaptor, x->ops->setName(x, c.a.u(), c.a.s()))},
        {"IGcds_DataAdaptor.setComment", ON_VOID(adaptor, x->ops->setComment(x, c.a.u(), c.a.s()))},
        {"IGcds_DataAdaptor.setEvent",
         ON_VOID(adaptor, x->ops->setEvent(x, c.a.u(), c.a.i(), c.a.i()))},
        {"IGcds_DataAdaptor.setAllEvents", ON_VOID(adaptor, x->ops->setAllEvents(x, c.a.u(), c.a.i()))},
        {"IGcds_DataAdaptor.setFlag", ON_VOID(adaptor, x->ops->setFlag(x, c.a.u(), c.a.i(), c.a.i()))},
        {"IGcds_DataAdaptor.clearFlags", ON_VOID(adaptor, x->ops->clearFlags(x, c.a.u()))},
        {"IGcds_DataAdaptor.isModeSet", ON(adaptor, x->ops->isModeSet(x))},
        {"IGcds_DataAdaptor.setMode", ON_VOID(adaptor, x->ops->setMode(x, c.a.i()))},
        {"IGcds_DataAdaptor.count", ON(adaptor, x->ops->count(x))},
        {"IGcds_DataAdaptor.idByIndex", ON(adaptor, x->ops->idByIndex(x, c.a.i()))},
        {"IGcds_DataAdaptor.isEventInUse", ON(adaptor, x->ops->isEventInUse(x, c.a.u(), c.a.i()))},
        {"IGcds_DataAdaptor.getContext", ON(adaptor, x->ops->getContext(x))},
        {"IGcds_DataAdaptor.testFlag", ON(adaptor, x->ops->testFlag(x, c.a.u(), c.a.i()))},
        {"IGcds_DataAdaptor.base", [](Call &c) { baseOps(c, c.k.adaptor); }},
    };
    return lines;
}

#undef ON
#undef ON_VOID

} // namespace hostile::components
