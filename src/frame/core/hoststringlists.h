#pragma once

#include <QStringList>

// String lists the host may fill through the list helpers. A list is lent to the host only
// while it is entered here, so that a stale or foreign pointer is refused, not written to.
namespace tesk::core {

class HostStringList
{
public:
    HostStringList();
    ~HostStringList();
    HostStringList(const HostStringList &) = delete;
    HostStringList &operator=(const HostStringList &) = delete;

    QStringList &list() { return m_list; }
    // The handle the host passes back.
    void *handle() { return &m_list; }
    // The entered list behind a handle, else null.
    static QStringList *find(const void *handle);

private:
    QStringList m_list;
};

} // namespace tesk::core
