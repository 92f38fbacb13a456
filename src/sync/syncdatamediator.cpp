#include "sync/syncdatamediator.h"

#include "frame/core/brokerguard.h"
#include "frame/core/hostsubscriptions.h"
#include "sync/brokerref.h"
#include "sync/syncdata.h"
#include "sync/syncdataadaptor.h"

#include <QScopeGuard>
#include <QtGlobal>

#include <exception>
#include <utility>

namespace {

const int kHostEvents[GCDS_HOST_EVENT_COUNT] = {
    GCDS_HOST_EVENT_0, GCDS_HOST_EVENT_1, GCDS_HOST_EVENT_2, GCDS_HOST_EVENT_3, GCDS_HOST_EVENT_4};

MoskResult observerNotify(void *self, int32_t eventId, intptr_t)
{
    SyncDataMediator *mediator = SyncDataMediator::MoskObserverImpl::outerOf(self);
    return tesk::broker::notifyOnLibraryThread(
        "SyncDataMediator: host event", [mediator, eventId] { mediator->onHostEvent(eventId); });
}

} // namespace

const MoskObserverOps SyncDataMediator::s_ops = {MOSK_FACE_BASE(MoskObserverImpl), &observerNotify};

MoskResult getSyncAccessComponent(IGb_SyncAccess **access)
{
    *access = nullptr;
    MoskBroker *broker = moskGetObjectBroker();
    const MoskResult result = broker->ops->getComponent(
        broker, GCDS_CATEGORY, GCDS_SYNC_ACCESS_COMPONENT, reinterpret_cast<void **>(access));
    broker->ops->Release(broker);
    return result;
}

bool callSyncAccess(SyncData *data, SyncAccessOperation operation,
                    const std::vector<uint32_t> &contexts)
{
    SyncDataAdaptor adaptor(data);
    tesk::sync::BrokerRef<IGb_SyncAccess> access;
    tesk::sync::BrokerRef<IGcds_DataAdaptor> face;
    if (MoskResult result = getSyncAccessComponent(access.slot())) {
        tesk::sync::dropError(result);
        return false;
    }
    if (MoskResult result = adaptor.QueryInterface(face.out(), GCDS_IID_DATA_ADAPTOR, 0)) {
        tesk::sync::dropError(result);
        return false;
    }
    if (!access || !face)
        return false;
    if (contexts.empty())
        return (access->ops->*operation)(access.get(), face.get()) != 0;
    bool taken = false;
    for (uint32_t context : contexts) {
        adaptor.setContext(context);
        taken = (access->ops->*operation)(access.get(), face.get()) != 0;
        if (!taken)
            break;
    }
    return taken;
}

SyncDataMediator::SyncDataMediator(SyncData *data)
    : m_observer(this, &s_ops)
    , m_data(data)
{
}

SyncDataMediator *SyncDataMediator::instance()
{
    static SyncDataMediator mediator(SyncData::instance());
    return &mediator;
}

bool SyncDataMediator::setBlocked(bool blocked)
{
    m_blocked = blocked;
    return m_blocked;
}

void SyncDataMediator::refresh()
{
    onHostEvent(0);
}

void SyncDataMediator::onHostEvent(int id)
{
    // The host may raise an event from inside the read itself: it waits for the read's end.
    if (m_reading) {
        m_heldEvent = id;
        return;
    }
    if (!m_blocked && syncWithHost())
        notify(0, id);
    // Answered once with a fresh read; one raised again inside that read is dropped, so that
    // a host raising one in every read cannot keep the library reading.
    if (const std::optional<int> held = std::exchange(m_heldEvent, std::nullopt)) {
        if (!m_blocked && syncWithHost())
            notify(0, *held);
        m_heldEvent.reset();
    }
}

bool SyncDataMediator::syncWithHost()
{
    if (m_reading)
        return false;
    m_reading = true;
    const auto over = qScopeGuard([this] { m_reading = false; });
    // Whatever goes wrong on the way, the models keep the data they show.
    try {
        return readFromHost();
    } catch (const std::exception &e) {
        qWarning("SyncDataMediator: reading the synchronisation data failed: %s", e.what());
    } catch (...) {
        qWarning("SyncDataMediator: reading the synchronisation data failed");
    }
    return false;
}

bool SyncDataMediator::readFromHost()
{
    return callSyncAccess(data(), &IGb_SyncAccessOps::readSyncData);
}

void SyncDataMediator::subscribeEvents()
{
    MoskBroker *broker = moskGetObjectBroker();
    tesk::sync::BrokerRef<MoskBase> subject;
    tesk::sync::dropError(broker->ops->getComponent(broker, GCDS_CATEGORY,
                                                    GCDS_EVENT_SUBJECT_COMPONENT, subject.out()));
    broker->ops->Release(broker);
    moskThrowIfFalse(subject.get() != nullptr);
    tesk::sync::BrokerRef<MoskEventSubject> events;
    mosk::ThrowError{
        subject->ops->QueryInterface(subject.get(), events.out(), MOSK_IID_EVENT_SUBJECT, 1)};
    for (int id : kHostEvents) {
        tesk::sync::dropError(tesk::broker::attachObserver(events.get(), id, observerFace()));
    }
}
