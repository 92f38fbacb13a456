#include "frame/core/hoststringlists.h"

#include <QSet>

namespace tesk::core {

namespace {

QSet<const void *> &entered()
{
    static QSet<const void *> lists;
    return lists;
}

} // namespace

HostStringList::HostStringList()
{
    entered().insert(&m_list);
}

HostStringList::~HostStringList()
{
    entered().remove(&m_list);
}

QStringList *HostStringList::find(const void *handle)
{
    return handle && entered().contains(handle)
               ? static_cast<QStringList *>(const_cast<void *>(handle))
               : nullptr;
}

} // namespace tesk::core
