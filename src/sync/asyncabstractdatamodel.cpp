#include "sync/asyncabstractdatamodel.h"

#include "sync/syncdata.h"
#include "sync/syncdatamediator.h"

#include <QtGlobal>

#include <algorithm>
#include <exception>

ASyncAbstractDataModel::ASyncAbstractDataModel(SyncDataMediator *mediator)
    : m_mediator(mediator)
{
    m_mediator->attach(this);
}

ASyncAbstractDataModel::~ASyncAbstractDataModel()
{
    m_mediator->detach(this);
}

SyncData *ASyncAbstractDataModel::data() const
{
    return m_mediator->data();
}

bool ASyncAbstractDataModel::apply()
{
    try {
        return commit();
    } catch (const std::exception &e) {
        qWarning("synchronisation commit failed: %s", e.what());
    } catch (...) {
        qWarning("synchronisation commit failed");
    }
    return false;
}

void ASyncAbstractDataModel::update(int a, int b)
{
    notify(a, b);
}

bool ASyncAbstractDataModel::sendToHost(SyncAccessOperation operation,
                                        const std::vector<uint32_t> &contexts)
{
    try {
        return callSyncAccess(data(), operation, contexts);
    } catch (const std::exception &e) {
        qWarning("synchronisation data not sent: %s", e.what());
    } catch (...) {
        qWarning("synchronisation data not sent");
    }
    return false;
}

std::string ASyncModelMatrix::getLabel(int row)
{
    const SyncDataConnection *connection = getConnection(row);
    if (!connection)
        return {};
    return connection->getName() + " [" + connection->getComment() + "]";
}

std::string ASyncModelMatrix::getComment(int)
{
    return {};
}

bool ASyncModelMatrix::isEnabled(int, int)
{
    return true;
}

bool ASyncModelMatrix::isActive()
{
    return true;
}

uint32_t ASyncModelMatrix::getCoreId(int row)
{
    if (m_rows.empty())
        updateRows();
    return row >= 0 && row < int(m_rows.size()) ? m_rows[row] : 0;
}

int ASyncModelMatrix::rowCount() const
{
    return data()->count();
}

SyncDataConnection *ASyncModelMatrix::getConnection(int row)
{
    if (m_rows.empty())
        updateRows();
    // A core may carry the id 0, so a row outside the list must not look for it.
    if (row < 0 || row >= int(m_rows.size()))
        return nullptr;
    return data()->find(m_rows[row]);
}

void ASyncModelMatrix::updateRows()
{
    if (!hasCoreRows())
        return;
    m_rows.clear();
    for (const SyncDataConnection *connection : *data())
        m_rows.push_back(connection->getId());
    std::sort(m_rows.begin(), m_rows.end());
}

void ASyncModelMatrix::update(int a, int b)
{
    updateRows();
    notify(a, b);
}
