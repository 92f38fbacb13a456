#include "gui_components/gc_panes/views/cgcp_viewsmanager.h"

#include "gui_components/gc_panes/memory/bridgekso.h"
#include "gui_components/gc_panes/memory/memoryaddress.h"
#include "gui_components/gc_panes/memoryview/viewmemory.h"
#include "gui_components/gc_panes/views/aview.h"
#include "gui_components/gc_panes/views/cgcp_ksoeventobserver.h"
#include "gui_components/gc_panes/views/kpane.h"
#include "gui_components/gc_panes/views/panehost.h"

#include "frame/core/exportguard.h"
#include "frame/core/hosttext.h"
#include "frame/core/plugincomponents.h"
#include "system/debugoutput.h"
#include "system/lifetime.h"

#include <QPointer>

#include <cstring>
#include <utility>
#include <vector>

namespace {

const char kMemoryName[] = "Memory";

CGcp_ViewsManager *&processPointer()
{
    static CGcp_ViewsManager *pointer = nullptr;
    return pointer;
}

bool isMemoryType(const char *typeName)
{
    return QString::fromLatin1(typeName).toLower() == QLatin1String("memory");
}

template<typename Interface>
MoskResult lookUp(const char *category, const char *componentId, uint32_t interfaceId,
                  tesk::broker::BrokerRef<Interface> &into)
{
    MoskBroker *broker = moskGetObjectBroker();
    moskThrowIfFalse(broker != nullptr);
    tesk::broker::BrokerRef<MoskBase> component;
    MoskResult result = broker->ops->getComponent(broker, category, componentId, component.out());
    broker->ops->Release(broker);
    mosk::ThrowError{result};
    moskThrowIfFalse(component.get() != nullptr);
    return component->ops->QueryInterface(component.get(), into.out(), interfaceId, 0);
}

KViewMemory *memoryView(KGc_View *view)
{
    return view ? qobject_cast<KViewMemory *>(view->getWidget()) : nullptr;
}

// The manager as the pane widgets see it; `connect` as instance() does, or not as existing().
class ManagerPaneHost final : public tesk::views::PaneHost
{
public:
    explicit ManagerPaneHost(bool connect)
        : m_connect(connect)
    {
    }
    void removeWindow(uint64_t paneId) override { manager()->removeWindow(paneId); }
    void removePane(uint64_t paneId) override { manager()->removePane(paneId); }
    void removeView(uint64_t paneId, uint64_t viewId) override
    {
        manager()->removeView(paneId, viewId);
    }
    void moveView(uint64_t viewId, uint64_t fromPaneId, uint64_t toPaneId) override
    {
        manager()->moveView(viewId, fromPaneId, toPaneId);
    }
    bool moveViewToNewPane(uint64_t fromPaneId, AView *view) override
    {
        return manager()->moveViewToNewPane(fromPaneId, view);
    }
    bool sameTarget(uint64_t paneId1, uint64_t paneId2) const override
    {
        return manager()->sameTarget(paneId1, paneId2);
    }
    void setViewTabLabel(AView *view, const QString &name) override
    {
        manager()->setViewTabLabel(view, name);
    }
    AView *duplicateView(uint64_t paneId, uint64_t viewId) override
    {
        return manager()->duplicateView(paneId, viewId);
    }

private:
    CGcp_ViewsManager *manager() const
    {
        return m_connect ? CGcp_ViewsManager::instance() : CGcp_ViewsManager::existing();
    }

    const bool m_connect;
};

} // namespace

namespace tesk::views {

PaneHost &paneHost()
{
    static ManagerPaneHost host(true);
    return host;
}

PaneHost &existingPaneHost()
{
    static ManagerPaneHost host(false);
    return host;
}

const HostEvents &hostEvents()
{
    return CGcp_ViewsManager::instance()->events();
}

} // namespace tesk::views

// Every operation on the library's thread only (see OnLibraryThread).
template<auto Operation>
constexpr auto kOnThread = &tesk::broker::OnLibraryThread<Operation>::call;

const IGcp_ViewsManagerOps CGcp_ViewsManager::s_ops = {
    MOSK_FACE_BASE(Face),     kOnThread<&createMemoryPaneOp>, kOnThread<&createViewInNewPaneOp>,
    kOnThread<&createViewOp>, kOnThread<&openViewOp>,         kOnThread<&getWindowOp>,
    kOnThread<&findWindowOp>, kOnThread<&targetChangedOp>,    kOnThread<&targetUpdatedOp>,
};

CGcp_ViewsManager::CGcp_ViewsManager()
    : m_face(this, &s_ops)
{
    enterInterface(MOSK_IID_BASE, 1, face());
}

CGcp_ViewsManager::~CGcp_ViewsManager()
{
    for (const auto &entry : std::exchange(m_panes, {}))
        entry.second->Release();
}

namespace {
CGcp_ViewsManager *g_manager = nullptr;
} // namespace

CGcp_ViewsManager *CGcp_ViewsManager::existing()
{
    if (!g_manager)
        g_manager = new CGcp_ViewsManager;
    return g_manager;
}

void CGcp_ViewsManager::end()
{
    processPointer() = nullptr;
    KGcp_Bridge_KSO::end();
    CGcp_KsoEventObserver::end();
    if (!g_manager)
        return;
    // At the process's end nothing is handed back to the host, whose objects may have gone.
    if (tesk::processEnding())
        g_manager->m_memoryAccess.forget();
    delete std::exchange(g_manager, nullptr);
}

CGcp_ViewsManager *CGcp_ViewsManager::instance()
{
    CGcp_ViewsManager *manager = existing();
    if (!processPointer()) {
        processPointer() = manager;
        manager->connect();
    }
    return manager;
}

void CGcp_ViewsManager::lastReleased()
{
    processPointer() = nullptr;
}

void CGcp_ViewsManager::connect()
{
    m_facade.reset();
    m_memoryAccess.reset();
    // A host without either leaves its field null: the manager then makes no panes.
    mosk::release(tesk::broker::guardedCall(__func__, [this] {
        return lookUp(TESK_FACADE_CATEGORY, TESK_FACADE_COMPONENT, TESK_IID_FACADE, m_facade);
    }));
    mosk::release(tesk::broker::guardedCall(__func__, [this] {
        return lookUp(TESK_MEMORY_ACCESS_CATEGORY, TESK_MEMORY_ACCESS_COMPONENT,
                      TESK_IID_MEMORY_ACCESS, m_memoryAccess);
    }));
}

// ---- panes and views ----------------------------------------------------------------------

KGc_Pane *CGcp_ViewsManager::pane(uint64_t paneId) const
{
    const auto it = m_panes.find(paneId);
    return it == m_panes.end() ? nullptr : it->second;
}

KGc_View *CGcp_ViewsManager::view(uint64_t viewId) const
{
    for (const auto &entry : m_panes) {
        if (KGc_View *found = KGc_View::fromFace(entry.second->view(viewId)))
            return found;
    }
    return nullptr;
}

AView *CGcp_ViewsManager::viewWidget(uint64_t viewId) const
{
    KGc_View *found = view(viewId);
    return found ? found->getWidget() : nullptr;
}

uint64_t CGcp_ViewsManager::createPane(const QString &name, uint64_t targetId, void *mainWindow)
{
    // A host may keep the manager from a start and call it between starts.
    if (!tesk::started())
        return GC_NO_ID;
    // Found afresh for every pane: a host that cleared the broker has no facade until its next
    // plug-in entry (a manager it kept answers without one), and one that registered again
    // meanwhile has one to find.
    connect();
    if (!m_facade)
        return GC_NO_ID;
    auto *widget = new KPane(nullptr, name.toLatin1().constData());
    auto *wrapper = new KGc_Pane(widget);
    const uint64_t id = wrapper->id();
    wrapper->setTargetId(targetId);
    widget->setPaneId(id);
    m_panes.emplace(id, wrapper);
    tesk::broker::dropError(
        m_facade->ops->dockForMultipleView(m_facade.get(), id, widget, mainWindow));
    return id;
}

uint64_t CGcp_ViewsManager::createMemoryPane(uint64_t targetId)
{
    return createPane(QString::fromLatin1(kMemoryName), targetId, nullptr);
}

KViewMemory *CGcp_ViewsManager::addMemoryView(KGc_Pane *pane, const char *wrapperName)
{
    KPane *widget = pane->getWidget();
    auto *view = new KViewMemory(kMemoryName);
    view->buildLayout();
    auto *wrapper = new KGc_View(view);
    wrapper->setName(wrapperName);
    view->setId(wrapper->id());
    view->setPaneId(pane->id());
    widget->addTab(view, QString::fromLatin1(kMemoryName));
    // The pane takes over the wrapper's first reference: it is the only one.
    mosk::release(pane->addView(wrapper->face()));
    pane->setName(kMemoryName);
    widget->showView(view);
    return view;
}

uint64_t CGcp_ViewsManager::createView(uint64_t paneId, const char *typeName, const char *settings,
                                       uint64_t targetId)
{
    // An unknown type makes no pane either: an empty pane would be left docked.
    if (!typeName || !isMemoryType(typeName) || !tesk::started())
        return 0;
    KGc_Pane *target = pane(paneId);
    if (!target)
        target = pane(createPane(QString::fromLatin1(typeName), targetId, nullptr));
    if (!target || !target->getWidget())
        return 0;
    KViewMemory *view = addMemoryView(target, kMemoryName);
    const uint64_t viewId = view->id();
    if (settings)
        view->restoreSettings(settings);
    // The view exists whatever the subject answers: its id must reach the caller.
    mosk::release(tesk::broker::guardedCall(__func__, [&]() -> MoskResult {
        target->setTarget(CGcp_KsoEventObserver::instance()->currentTarget());
        return nullptr;
    }));
    return viewId;
}

bool CGcp_ViewsManager::openView(const char *typeName, uint64_t targetId,
                                 const UMemoryAddress &address, bool reuse)
{
    // A view kept from an ended start is not shown again.
    if (!tesk::started())
        return false;
    void *key = nullptr;
    if (reuse && m_facade) {
        // Without the main window there is nothing to reuse by: the view opens all the same.
        if (MoskResult failed = m_facade->ops->currentMainWindow(m_facade.get(), &key)) {
            mosk::release(failed);
            key = nullptr;
        }
        const auto it = m_reuse.find(key);
        if (key && it != m_reuse.end()) {
            if (AView *existing = viewWidget(it->second)) {
                existing->showAddress(address);
                return true;
            }
        }
    }
    const uint64_t viewId = createView(GC_NO_ID, typeName, nullptr, targetId);
    if (key && viewId)
        m_reuse[key] = viewId;
    AView *created = viewWidget(viewId);
    if (created)
        created->showAddress(address);
    return created != nullptr;
}

void CGcp_ViewsManager::targetChanged()
{
    // The panes' widgets may stand over the toolkit's destroyed statics.
    if (tesk::processEnding())
        return;
    CGcp_KsoEventObserver *observer = CGcp_KsoEventObserver::instance();
    mosk::release(tesk::broker::guardedCall(__func__, [&]() -> MoskResult {
        const int32_t target = observer->currentTarget();
        const uint64_t id = observer->currentId();
        for (KGc_Pane *entry : snapshot()) {
            if (entry->targetId() == id)
                entry->setTarget(target);
            entry->Release();
        }
        return nullptr;
    }));
}

void CGcp_ViewsManager::targetUpdated(bool flag)
{
    if (tesk::processEnding())
        return;
    CGcp_KsoEventObserver *observer = CGcp_KsoEventObserver::instance();
    mosk::release(tesk::broker::guardedCall(__func__, [&]() -> MoskResult {
        const int32_t target = observer->currentTarget();
        const uint64_t id = observer->currentId();
        ++m_events.m_updateCount;
        for (KGc_Pane *entry : snapshot()) {
            if (id == 0 || id == entry->targetId())
                entry->targetUpdated(target, flag);
            entry->Release();
        }
        return nullptr;
    }));
}

std::vector<KGc_Pane *> CGcp_ViewsManager::snapshot() const
{
    // A view may remove panes while it follows an event: each pane is held for the loop.
    std::vector<KGc_Pane *> panes;
    panes.reserve(m_panes.size());
    for (const auto &entry : m_panes) {
        entry.second->AddRef();
        panes.push_back(entry.second);
    }
    return panes;
}

// ---- what the pane widgets ask for --------------------------------------------------------

void CGcp_ViewsManager::forget(uint64_t paneId)
{
    const auto it = m_panes.find(paneId);
    if (it == m_panes.end())
        return;
    KGc_Pane *entry = it->second;
    m_panes.erase(it);
    entry->Release();
}

void CGcp_ViewsManager::removeWindow(uint64_t paneId)
{
    forget(paneId);
}

void CGcp_ViewsManager::removePane(uint64_t paneId)
{
    KGc_Pane *entry = pane(paneId);
    if (!entry)
        return;
    QPointer<KPane> widget = entry->getWidget();
    if (widget && m_facade)
        tesk::broker::dropError(m_facade->ops->undockView(m_facade.get(), widget.data()));
    forget(paneId);
    if (!widget)
        return;
    // Each view is ended first, so that a menu or dialog it runs learns that its view went;
    // the widgets are deleted from the event loop, never under a caller.
    tesk::lifetime::Scope scope;
    for (AView *view : widget->findChildren<AView *>())
        tesk::lifetime::destroy(view);
    tesk::lifetime::destroy(widget.data());
}

void CGcp_ViewsManager::removeView(uint64_t paneId, uint64_t viewId)
{
    KGc_Pane *entry = pane(paneId);
    if (entry && entry->getWidget() && entry->view(viewId))
        entry->removeView(viewId);
}

void CGcp_ViewsManager::moveView(uint64_t viewId, uint64_t fromPaneId, uint64_t toPaneId)
{
    KGc_Pane *from = pane(fromPaneId);
    KGc_Pane *to = pane(toPaneId);
    if (viewId == 0 || !from || !to || !from->getWidget() || !to->getWidget())
        return;
    IGc_View *moved = from->view(viewId);
    if (!moved)
        return;
    if (KGc_View *wrapper = KGc_View::fromFace(moved); wrapper && wrapper->getWidget())
        wrapper->getWidget()->setPaneId(toPaneId);
    // The destination's own reference; the source lets its one go in removeView.
    mosk::addRef(moved);
    mosk::release(to->addView(moved));
}

bool CGcp_ViewsManager::moveViewToNewPane(uint64_t fromPaneId, AView *view)
{
    KGc_Pane *from = pane(fromPaneId);
    if (!view || !from)
        return false;
    KGc_Pane *to = pane(createPane(QString::fromLatin1(kMemoryName), from->targetId(), nullptr));
    if (!to || !to->getWidget())
        return false;
    view->setPaneId(to->id());
    to->getWidget()->addTab(view, QString::fromLatin1(kMemoryName));
    if (IGc_View *moved = from->view(view->id())) {
        mosk::addRef(moved);
        mosk::release(to->addView(moved));
        from->removeView(view->id());
    }
    to->setName(kMemoryName);
    to->getWidget()->showView(view);
    view->show();
    return true;
}

bool CGcp_ViewsManager::sameTarget(uint64_t paneId1, uint64_t paneId2) const
{
    const KGc_Pane *first = pane(paneId1);
    const KGc_Pane *second = pane(paneId2);
    return first && second && first->targetId() == second->targetId();
}

void CGcp_ViewsManager::setViewTabLabel(AView *view, const QString &name)
{
    KGc_Pane *entry = view ? pane(view->paneId()) : nullptr;
    KPane *widget = entry ? entry->getWidget() : nullptr;
    if (!widget)
        return;
    const int index = widget->tabWidget()->indexOf(view);
    if (index >= 0)
        widget->tabWidget()->setTabText(index, tesk::core::escapeMnemonics(name));
}

KViewMemory *CGcp_ViewsManager::duplicateView(uint64_t paneId, uint64_t viewId)
{
    KGc_Pane *entry = pane(paneId);
    KViewMemory *source = entry ? memoryView(KGc_View::fromFace(entry->view(viewId))) : nullptr;
    if (!source || !entry->getWidget())
        return nullptr;
    KViewMemory *copy = addMemoryView(entry, "memory");
    // The order matters to the memory view: the columns are laid out for the sizes before.
    copy->setCurrentTargetId(source->currentTargetId());
    if (source->isStartAddressValid())
        copy->setStartAddress(source->startAddressText(), true);
    copy->setDataSizeId(source->dataSizeId());
    copy->setFormatId(source->formatId());
    copy->setAutoColumnCount(source->autoColumnCount());
    copy->setColumnsId(source->columnsId());
    copy->setAsciiViewShown(source->isAsciiViewShown());
    copy->setDsmFormatId(source->dsmFormatId());
    copy->updateDisassemblyMode();
    copy->setTarget(source->currentTargetId());
    return copy;
}

// ---- the interface ------------------------------------------------------------------------

namespace {
CGcp_ViewsManager *self(void *face)
{
    return CGcp_ViewsManager::Face::outerOf(face);
}

// What a view or pane asked for could not be made (no facade to dock it): the host must not
// take the call for done.
MoskResult nothingMade()
{
    return moskErrorCreateStandardError(1, MOSK_ERR_NOT_FOUND);
}
} // namespace

MoskResult CGcp_ViewsManager::createMemoryPaneOp(void *face, uint64_t *paneId, uint64_t targetId)
{
    if (!paneId)
        return tesk::panes::badArgument();
    return tesk::broker::guardedCall(__func__, [&]() -> MoskResult {
        *paneId = self(face)->createMemoryPane(targetId);
        return *paneId == GC_NO_ID ? nothingMade() : nullptr;
    });
}

MoskResult CGcp_ViewsManager::createViewInNewPaneOp(void *face, const char *typeName,
                                                    uint64_t targetId, uint64_t *viewId)
{
    return createViewOp(face, GC_NO_ID, typeName, nullptr, targetId, viewId);
}

MoskResult CGcp_ViewsManager::createViewOp(void *face, uint64_t paneId, const char *typeName,
                                           const char *settings, uint64_t targetId,
                                           uint64_t *viewId)
{
    if (!viewId)
        return tesk::panes::badArgument();
    *viewId = 0;
    if (!typeName)
        return tesk::panes::badArgument();
    return tesk::broker::guardedCall(__func__, [&]() -> MoskResult {
        *viewId = self(face)->createView(paneId, typeName, settings, targetId);
        // Only a memory view can be made; another type makes nothing and says so by its id.
        return *viewId == 0 && isMemoryType(typeName) ? nothingMade() : nullptr;
    });
}

MoskResult CGcp_ViewsManager::openViewOp(void *face, const char *typeName, uint64_t targetId,
                                         const TeskMemoryAddress *address, int32_t reuse)
{
    if (!typeName || !address)
        return tesk::panes::badArgument();
    return tesk::broker::guardedCall(__func__, [&]() -> MoskResult {
        const bool shown =
            self(face)->openView(typeName, targetId, UMemoryAddress(*address), reuse != 0);
        return !shown && isMemoryType(typeName) ? nothingMade() : nullptr;
    });
}

MoskResult CGcp_ViewsManager::getWindowOp(void *face, uint64_t paneId, IGc_Pane **out)
{
    if (!out)
        return tesk::panes::badArgument();
    *out = nullptr;
    // None outside a start, as between starts, also at the process's end while the panes of
    // the last start still stand over the toolkit's destroyed statics.
    if (!tesk::started())
        return nullptr;
    if (KGc_Pane *entry = self(face)->pane(paneId)) {
        entry->AddRef();
        *out = entry->face();
    }
    return nullptr;
}

MoskResult CGcp_ViewsManager::findWindowOp(void *face, uint64_t id, IGc_Window **out)
{
    if (!out)
        return tesk::panes::badArgument();
    return tesk::broker::guardedCall(__func__, [&]() -> MoskResult {
        for (const auto &entry : self(face)->m_panes) {
            IGc_Window *found = nullptr;
            mosk::ThrowError{
                entry.second->face()->ops->findWindow(entry.second->face(), id, &found)};
            if (found) {
                *out = found;
                break;
            }
        }
        return nullptr;
    });
}

MoskResult CGcp_ViewsManager::targetChangedOp(void *face)
{
    return tesk::broker::guardedCall(__func__, [&]() -> MoskResult {
        self(face)->targetChanged();
        return nullptr;
    });
}

MoskResult CGcp_ViewsManager::targetUpdatedOp(void *face, int32_t flag)
{
    return tesk::broker::guardedCall(__func__, [&]() -> MoskResult {
        self(face)->targetUpdated(flag != 0);
        return nullptr;
    });
}

// ---- registration -------------------------------------------------------------------------

MoskResult gcpRegisterComponents(MoskRegistrar *registry)
{
    CGcp_ViewsManager *manager = CGcp_ViewsManager::instance();
    const MoskResult result = tesk::broker::registerComponent(
        registry, GCP_CATEGORY, GCP_VIEWS_MANAGER_COMPONENT, manager->face());
    // Each entry finds the facade and memory access registered now: an event heard while the
    // broker was cleared may have connected the manager to nothing.
    manager->connect();
    // Subscribed once per load of the library (the unload detaches it): a second registration
    // must not double every event.
    static bool subscribed = false;
    if (!subscribed) {
        mosk::release(tesk::broker::guardedCall(__func__, [&]() -> MoskResult {
            subscribed = CGcp_KsoEventObserver::instance()->subscribe();
            return nullptr;
        }));
        // The entry still succeeds, but the memory views would never learn the target: the
        // host hears which component it left out.
        if (!subscribed)
            tesk::system::debugOutput(
                "moskInitialisePlugin: the host's event subject \"" GB_KSO_EVENT_SUBJECT_COMPONENT
                "\" under \"" GB_EVENT_SUBJECT_CATEGORY
                "\" is not usable: the views will show no target until it is registered before "
                "the plug-in entry\n");
    }
    return result;
}

namespace {
const tesk::broker::PluginComponents
    viewsComponents(tesk::broker::kViewsOrder, &gcpRegisterComponents, &CGcp_ViewsManager::end);
} // namespace
