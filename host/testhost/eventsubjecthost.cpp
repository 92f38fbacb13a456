#include "eventsubjecthost.h"

#include <algorithm>

namespace testhost {

namespace {

MoskResult unused(void *)
{
    return nullptr;
}

EventSubjectHost *subjectHost(void *face)
{
    return EventSubjectHost::Subject::Face::outerOf(face)->host;
}

EventSubjectHost *registryHost(void *face)
{
    return EventSubjectHost::Registry::Face::outerOf(face)->host;
}

MoskResult failure(uint32_t code)
{
    return moskErrorCreateStandardError(1, code);
}

MoskResult eventRegistry(void *face, MoskEventSubject **registry);

MoskResult currentTarget(void *face, int32_t *target)
{
    EventSubjectHost *host = subjectHost(face);
    if (host->inside)
        host->inside();
    if (host->m_failing)
        return failure(MOSK_ERR_FAILED);
    *target = host->m_target;
    return nullptr;
}

MoskResult currentId(void *face, uint64_t *id)
{
    EventSubjectHost *host = subjectHost(face);
    if (host->inside)
        host->inside();
    if (host->m_failing)
        return failure(MOSK_ERR_FAILED);
    *id = host->m_id;
    return nullptr;
}

MoskResult attach(void *face, int32_t kind, MoskObserver *observer)
{
    if (!observer)
        return failure(MOSK_ERR_BAD_ARGUMENT);
    registryHost(face)->m_observers.emplace_back(kind, observer);
    return nullptr;
}

MoskResult detach(void *face, int32_t kind, MoskObserver *observer)
{
    auto &observers = registryHost(face)->m_observers;
    observers.erase(std::remove(observers.begin(), observers.end(), std::make_pair(kind, observer)),
                    observers.end());
    return nullptr;
}

const IGb_KsoEventSubjectOps kSubjectOps = {
    MOSK_FACE_BASE(EventSubjectHost::Subject::Face),
    &unused,
    &unused,
    &eventRegistry,
    &unused,
    &currentTarget,
    &unused,
    &currentId,
};

const MoskEventSubjectOps kRegistryOps = {MOSK_FACE_BASE(EventSubjectHost::Registry::Face), &attach,
                                          &detach};

} // namespace

EventSubjectHost::Subject::Subject(EventSubjectHost *host)
    : host(host)
    , face(this, &kSubjectOps)
{
}

EventSubjectHost::Registry::Registry(EventSubjectHost *host)
    : host(host)
    , face(this, &kRegistryOps)
{
}

namespace {
MoskResult eventRegistry(void *face, MoskEventSubject **registry)
{
    if (!registry)
        return failure(MOSK_ERR_BAD_ARGUMENT);
    *registry = subjectHost(face)->registryFace();
    mosk::addRef(*registry);
    return nullptr;
}
} // namespace

EventSubjectHost::EventSubjectHost()
    : m_subject(this)
    , m_registry(this)
{
}

EventSubjectHost &EventSubjectHost::instance()
{
    static EventSubjectHost host;
    return host;
}

void EventSubjectHost::registerWithBroker()
{
    // Again after the host cleared the broker; once while it holds the subject.
    MoskBroker *broker = moskGetObjectBroker();
    if (broker->ops->hasComponent(broker, GB_EVENT_SUBJECT_CATEGORY,
                                  GB_KSO_EVENT_SUBJECT_COMPONENT))
        return;
    mosk::release(broker->ops->registerComponent(broker, GB_EVENT_SUBJECT_CATEGORY,
                                                 GB_KSO_EVENT_SUBJECT_COMPONENT, &m_subject.face));
}

uint32_t EventSubjectHost::fire(int kind, intptr_t data)
{
    uint32_t code = 0;
    const auto observers = m_observers;
    for (const auto &[subscribed, observer] : observers) {
        if (subscribed != kind)
            continue;
        MoskResult result = observer->ops->Notify(observer, kind, data);
        if (result && !code)
            code = moskErrorCode(result);
        mosk::release(result);
    }
    return code;
}

std::vector<int> EventSubjectHost::subscribedKinds() const
{
    std::vector<int> kinds;
    for (const auto &entry : m_observers)
        kinds.push_back(entry.first);
    return kinds;
}

} // namespace testhost
