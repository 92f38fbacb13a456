#include "sync/syncdata.h"

#include <algorithm>

SyncDataEventSet_UserAccesibleActions::SyncDataEventSet_UserAccesibleActions()
{
    for (uint32_t bit : {LoadImage, UnloadImage, ReloadImage, Restart, Reset, SetPC, LoadBinary})
        set(bit);
}

const SyncDataEventSet_UserAccesibleActions &SyncDataEventSet_UserAccesibleActions::instance()
{
    static const SyncDataEventSet_UserAccesibleActions actions;
    return actions;
}

SyncDataEventSet_UserAccesibleExecutions::SyncDataEventSet_UserAccesibleExecutions()
{
    for (uint32_t bit : {Step, Run, Stop})
        set(bit);
}

const SyncDataEventSet_UserAccesibleExecutions &SyncDataEventSet_UserAccesibleExecutions::instance()
{
    static const SyncDataEventSet_UserAccesibleExecutions executions;
    return executions;
}

SyncDataConnection::SyncDataConnection(uint32_t id)
    : m_id(id)
{
}

SyncDataConnection::SyncDataConnection(uint32_t id, const SyncDataEventSet &events)
    : m_id(id)
    , m_events(events.mask())
{
}

SyncData::~SyncData()
{
    SyncData::clear();
}

SyncData *SyncData::instance()
{
    static SyncData data;
    return &data;
}

void SyncData::add(SyncDataConnection *connection)
{
    m_connections.push_back(connection);
}

SyncData::Connections::const_iterator SyncData::position(uint32_t id) const
{
    return std::find_if(m_connections.begin(), m_connections.end(),
                        [id](const SyncDataConnection *c) { return c->getId() == id; });
}

SyncDataConnection *SyncData::find(uint32_t id) const
{
    const auto it = position(id);
    return it == m_connections.end() ? nullptr : *it;
}

void SyncData::remove(uint32_t id)
{
    const auto it = position(id);
    if (it == m_connections.end())
        return;
    delete *it;
    m_connections.erase(it);
}

void SyncData::clear()
{
    for (SyncDataConnection *connection : m_connections)
        delete connection;
    m_connections.clear();
}

SyncDataEventSet SyncData::allEvents() const
{
    SyncDataEventSet all;
    for (const SyncDataConnection *connection : m_connections)
        all.set(connection->getEventSet());
    return all;
}
