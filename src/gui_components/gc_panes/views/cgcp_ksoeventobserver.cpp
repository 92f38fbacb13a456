#include "gui_components/gc_panes/views/cgcp_ksoeventobserver.h"

#include "frame/core/exportguard.h"
#include "frame/core/hostsubscriptions.h"
#include "gui_components/gc_panes/views/cgcp_viewsmanager.h"

#include <utility>

const MoskObserverOps CGcp_KsoEventObserver::s_ops = {MOSK_FACE_BASE(Face), &notifyOp};

CGcp_KsoEventObserver::CGcp_KsoEventObserver()
    : m_face(this, &s_ops)
{
    enterInterface(MOSK_IID_BASE, 1, face());
}

namespace {
// On the heap, ended with the views manager: at the process's end a host's exit handler may
// still reach it after the statics were destroyed.
CGcp_KsoEventObserver *g_observer = nullptr;
} // namespace

CGcp_KsoEventObserver *CGcp_KsoEventObserver::instance()
{
    if (!g_observer)
        g_observer = new CGcp_KsoEventObserver;
    return g_observer;
}

void CGcp_KsoEventObserver::end()
{
    if (!g_observer)
        return;
    // At the process's end the host's subject is not released: it may have gone.
    if (tesk::processEnding())
        g_observer->m_subject.forget();
    delete std::exchange(g_observer, nullptr);
}

bool CGcp_KsoEventObserver::subscribe()
{
    MoskBroker *broker = moskGetObjectBroker();
    if (!broker)
        return false;
    tesk::broker::BrokerRef<MoskBase> component;
    MoskResult result = broker->ops->getComponent(broker, GB_EVENT_SUBJECT_CATEGORY,
                                                  GB_KSO_EVENT_SUBJECT_COMPONENT, component.out());
    broker->ops->Release(broker);
    if (result || !component) {
        tesk::broker::dropError(result);
        return false;
    }
    m_subject.reset();
    mosk::ThrowError{component->ops->QueryInterface(component.get(), m_subject.out(),
                                                    GB_IID_KSO_EVENT_SUBJECT, 0)};
    tesk::broker::BrokerRef<MoskEventSubject> registry;
    mosk::ThrowError{m_subject->ops->eventRegistry(m_subject.get(), registry.slot())};
    moskThrowIfFalse(registry.get() != nullptr);
    for (int kind = 0; kind < GCP_EVENT_KINDS; ++kind)
        mosk::ThrowError{tesk::broker::attachObserver(registry.get(), kind, face())};
    return true;
}

int32_t CGcp_KsoEventObserver::currentTarget() const
{
    int32_t target = 0;
    if (m_subject)
        mosk::ThrowError{m_subject->ops->currentTarget(m_subject.get(), &target)};
    return target;
}

uint64_t CGcp_KsoEventObserver::currentId() const
{
    uint64_t id = 0;
    if (m_subject)
        mosk::ThrowError{m_subject->ops->currentId(m_subject.get(), &id)};
    return id;
}

void CGcp_KsoEventObserver::notify(int kind)
{
    CGcp_ViewsManager *manager = CGcp_ViewsManager::instance();
    // An event that a view's call into the host raises ends inside the outer one.
    struct EventMark
    {
        EventMark(CGcp_ViewsManager *manager, int kind)
            : manager(manager)
            , outer(manager->currentEvent())
        {
            manager->setCurrentEvent(kind);
        }
        ~EventMark() { manager->setCurrentEvent(outer); }
        CGcp_ViewsManager *manager;
        int outer;
    } mark(manager, kind);
    switch (kind) {
    case GCP_EVENT_REPAINT_0:
    case GCP_EVENT_REPAINT_1:
    case GCP_EVENT_REPAINT_2:
        manager->targetUpdated(false);
        break;
    case GCP_EVENT_TARGET_UPDATED_0:
    case GCP_EVENT_TARGET_UPDATED_1:
    case GCP_EVENT_TARGET_UPDATED_2:
    case GCP_EVENT_TARGET_UPDATED_3:
        manager->targetUpdated(true);
        break;
    case GCP_EVENT_TARGET_CHANGED:
        manager->targetChanged();
        break;
    default:
        break;
    }
}

MoskResult CGcp_KsoEventObserver::notifyOp(void *, int32_t kind, intptr_t)
{
    // Carried out by the observer of the moment: the one notified may have ended meanwhile.
    return tesk::broker::notifyOnLibraryThread(__func__, [kind] {
        if (g_observer)
            g_observer->notify(kind);
    });
}
