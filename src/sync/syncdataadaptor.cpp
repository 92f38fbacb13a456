#include "sync/syncdataadaptor.h"

#include "sync/syncdata.h"

#include "frame/core/exportguard.h"

#include <utility>

namespace {

using Face = SyncDataAdaptor::IGcds_DataAdaptorImpl;

SyncDataAdaptor *self(void *face)
{
    return Face::outerOf(face);
}

// The host calls these from C: nothing may be thrown back at it. Each is guarded as an export
// is: the data lives in a static the process's end destroys, and on the library's thread only.
namespace hostops {

void removeConnection(void *face, uint32_t id)
{
    tesk::guarded(
        __func__, [&] { self(face)->removeConnection(id); }, tesk::Claim::Nothing);
}

void clear(void *face)
{
    tesk::guarded(
        __func__, [&] { self(face)->clear(); }, tesk::Claim::Nothing);
}

void setName(void *face, uint32_t id, const char *name)
{
    tesk::guarded(
        __func__, [&] { self(face)->setName(id, name); }, tesk::Claim::Nothing);
}

void setComment(void *face, uint32_t id, const char *comment)
{
    tesk::guarded(
        __func__, [&] { self(face)->setComment(id, comment); }, tesk::Claim::Nothing);
}

void setEvent(void *face, uint32_t id, int32_t code, int on)
{
    tesk::guarded(
        __func__, [&] { self(face)->setEvent(id, code, on != 0); }, tesk::Claim::Nothing);
}

void setAllEvents(void *face, uint32_t id, int on)
{
    tesk::guarded(
        __func__, [&] { self(face)->setAllEvents(id, on != 0); }, tesk::Claim::Nothing);
}

void setFlag(void *face, uint32_t id, int32_t code, int on)
{
    tesk::guarded(
        __func__, [&] { self(face)->setFlag(id, code, on != 0); }, tesk::Claim::Nothing);
}

void clearFlags(void *face, uint32_t id)
{
    tesk::guarded(
        __func__, [&] { self(face)->clearFlags(id); }, tesk::Claim::Nothing);
}

int isModeSet(void *face)
{
    return tesk::guarded(
        __func__, 0, [&] { return int(self(face)->isModeSet()); }, tesk::Claim::Nothing);
}

void setMode(void *face, int32_t mode)
{
    tesk::guarded(
        __func__, [&] { self(face)->setMode(mode); }, tesk::Claim::Nothing);
}

int32_t count(void *face)
{
    return tesk::guarded(
        __func__, 0, [&] { return int32_t(self(face)->count()); }, tesk::Claim::Nothing);
}

uint32_t idByIndex(void *face, int32_t index)
{
    return tesk::guarded(
        __func__, 0u, [&] { return self(face)->idByIndex(index); }, tesk::Claim::Nothing);
}

int isEventInUse(void *face, uint32_t id, int32_t code)
{
    return tesk::guarded(
        __func__, 0, [&] { return int(self(face)->isEventInUse(id, code)); }, tesk::Claim::Nothing);
}

uint32_t getContext(void *face)
{
    return tesk::guarded(
        __func__, SyncDataAdaptor::kNoContext, [&] { return self(face)->context(); },
        tesk::Claim::Nothing);
}

int testFlag(void *face, uint32_t id, int32_t code)
{
    return tesk::guarded(
        __func__, 0, [&] { return int(self(face)->testFlag(id, code)); }, tesk::Claim::Nothing);
}

} // namespace hostops
} // namespace

const IGcds_DataAdaptorOps SyncDataAdaptor::s_ops = {
    MOSK_FACE_BASE(IGcds_DataAdaptorImpl),
    &hostops::removeConnection,
    &hostops::clear,
    &hostops::setName,
    &hostops::setComment,
    &hostops::setEvent,
    &hostops::setAllEvents,
    &hostops::setFlag,
    &hostops::clearFlags,
    &hostops::isModeSet,
    &hostops::setMode,
    &hostops::count,
    &hostops::idByIndex,
    &hostops::isEventInUse,
    &hostops::getContext,
    &hostops::testFlag,
};

SyncDataAdaptor::SyncDataAdaptor(SyncData *data)
    : m_face(this, &s_ops)
    , m_data(data)
{
}

namespace {
SyncDataAdaptor *g_adaptor = nullptr;
} // namespace

SyncDataAdaptor *SyncDataAdaptor::instance()
{
    if (!g_adaptor)
        g_adaptor = new SyncDataAdaptor(SyncData::instance());
    return g_adaptor;
}

void SyncDataAdaptor::end()
{
    delete std::exchange(g_adaptor, nullptr);
}

uint32_t SyncDataAdaptor::eventMask(int32_t code, Codes codes)
{
    switch (code) {
    case GCDS_EVENT_ALL_ACTIONS:
        return codes == Codes::WithGroups ? SyncDataEventSet_UserAccesibleActions::instance().mask()
                                          : 0;
    case GCDS_EVENT_ALL_EXECUTIONS:
        return codes == Codes::WithGroups
                   ? SyncDataEventSet_UserAccesibleExecutions::instance().mask()
                   : 0;
    case GCDS_EVENT_LOAD_IMAGE:
    case GCDS_EVENT_UNLOAD_IMAGE:
    case GCDS_EVENT_RELOAD_IMAGE:
    case GCDS_EVENT_RESTART:
    case GCDS_EVENT_RESET:
    case GCDS_EVENT_SET_PC:
    case GCDS_EVENT_LOAD_BINARY:
        return 1u << (code - GCDS_EVENT_LOAD_IMAGE);
    case GCDS_EVENT_STEP:
    case GCDS_EVENT_RUN:
    case GCDS_EVENT_STOP:
    case GCDS_EVENT_LOOSELY_COUPLED:
        return SyncDataEventSet::Step << (code - GCDS_EVENT_STEP);
    default:
        return 0;
    }
}

uint32_t SyncDataAdaptor::flagBit(int32_t code)
{
    return code >= GCDS_FLAG_TRIGGER_IN && code <= GCDS_FLAG_HW_TRIGGER_OUT ? 1u << (code - 1) : 0;
}

SyncDataConnection *SyncDataAdaptor::getOrCreate(uint32_t id)
{
    if (SyncDataConnection *connection = m_data->find(id))
        return connection;
    auto *connection = new SyncDataConnection(id);
    m_data->add(connection);
    return connection;
}

void SyncDataAdaptor::removeConnection(uint32_t id)
{
    m_data->remove(id);
}

void SyncDataAdaptor::clear()
{
    m_data->clear();
}

void SyncDataAdaptor::setName(uint32_t id, const char *name)
{
    getOrCreate(id)->setName(name ? name : "");
}

void SyncDataAdaptor::setComment(uint32_t id, const char *comment)
{
    getOrCreate(id)->setComment(comment ? comment : "");
}

void SyncDataAdaptor::setEvent(uint32_t id, int32_t code, bool on)
{
    SyncDataConnection *connection = getOrCreate(id);
    SyncDataEventSet events = connection->getEventSet();
    const uint32_t mask = eventMask(code, Codes::WithGroups);
    on ? events.set(mask) : events.clear(mask);
    connection->setEventSet(events);
}

void SyncDataAdaptor::setAllEvents(uint32_t id, bool on)
{
    SyncDataConnection *connection = getOrCreate(id);
    SyncDataEventSet events;
    events.setAll(on);
    connection->setEventSet(events);
}

void SyncDataAdaptor::setFlag(uint32_t id, int32_t code, bool on)
{
    SyncDataConnection *connection = getOrCreate(id);
    const uint32_t bit = flagBit(code);
    connection->setFlags(on ? connection->getFlags() | bit : connection->getFlags() & ~bit);
}

void SyncDataAdaptor::clearFlags(uint32_t id)
{
    getOrCreate(id)->setFlags(0);
}

bool SyncDataAdaptor::isModeSet() const
{
    return m_data->getMode() == SyncData::AnySynchronizedCoreRunning;
}

void SyncDataAdaptor::setMode(int32_t mode)
{
    m_data->setMode(mode == 1 ? SyncData::AnySynchronizedCoreRunning
                              : SyncData::CurrentCoreRunning);
}

int SyncDataAdaptor::count() const
{
    return m_data->count();
}

uint32_t SyncDataAdaptor::idByIndex(int32_t index) const
{
    if (index < 0 || index >= m_data->count())
        return 0;
    return (*(m_data->begin() + index))->getId();
}

bool SyncDataAdaptor::isEventInUse(uint32_t id, int32_t code)
{
    const uint32_t bit = eventMask(code, Codes::SingleOnly);
    const SyncDataConnection *connection = getOrCreate(id);
    const SyncDataEventSet &actions = SyncDataEventSet_UserAccesibleActions::instance();
    const SyncDataEventSet &group = actions.test(bit)
                                        ? static_cast<const SyncDataEventSet &>(actions)
                                        : SyncDataEventSet_UserAccesibleExecutions::instance();
    if (!connection->getEventSet().test(group))
        return false;
    return m_data->allEvents().test(bit);
}

bool SyncDataAdaptor::testFlag(uint32_t id, int32_t code)
{
    return (getOrCreate(id)->getFlags() & flagBit(code)) != 0;
}
