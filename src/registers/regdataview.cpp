#include "registers/regdataview.h"

#include "registers/regdataitem.h"

#include <algorithm>

RegDataView::RegDataView(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
{
    setObjectName(name);
}

RegDataView::~RegDataView()
{
    for (RegDataItemInstance *instance : m_instances)
        delete instance;
}

RegDataItemInstance *RegDataView::addInstance(quint32 flags, RegDataItem *item)
{
    if (!item || m_fullNames.contains(item->fullName()))
        return nullptr;
    auto *instance = new RegDataItemInstance{flags, item};
    m_instances.push_back(instance);
    m_fullNames.insert(item->fullName());
    return instance;
}

bool RegDataView::removeInstance(RegDataItemInstance *instance)
{
    const auto it = std::find(m_instances.begin(), m_instances.end(), instance);
    if (it == m_instances.end())
        return false;
    m_fullNames.remove(instance->item->fullName());
    m_instances.erase(it);
    // Several panes may show this view: each drops its entry before the entry is freed.
    emit sigInstanceRemoved(instance);
    delete instance;
    return true;
}
