#pragma once
// The host event being handled and the count of update events, as the views read them: only
// the views manager (and its event observer, through the manager) writes them.

#include <cstdint>

class CGcp_ViewsManager;

namespace tesk::views {

class HostEvents
{
public:
    // The host event being handled (-1: none).
    int currentEvent() const { return m_currentEvent; }
    // The count of update events so far, which the views compare to see whether the target
    // changed since they looked.
    uint64_t updateCount() const { return m_updateCount; }

private:
    friend class ::CGcp_ViewsManager;

    int m_currentEvent = -1;
    uint64_t m_updateCount = 0;
};

// The views manager's, connected to the host.
const HostEvents &hostEvents();

} // namespace tesk::views
