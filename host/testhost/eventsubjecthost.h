#pragma once

// The host's event subject for the views ("gb_KsoEventSubject.component.1"), as the debugger
// engine registers it: observers subscribe per event kind on its registry; the tests set the
// current target and id and fire events.

#include <tesk/tesk_views.h>

#include <mosk/mosk.hpp>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace testhost {

class EventSubjectHost
{
public:
    static EventSubjectHost &instance();
    // Registered before the plug-in entry, as hosts do (again after the broker was cleared).
    void registerWithBroker();

    void setCurrent(int32_t target, uint64_t id)
    {
        m_target = target;
        m_id = id;
    }
    // Notifies every observer subscribed to the kind; answers the first error's code.
    uint32_t fire(int kind, intptr_t data = 0);
    // The kinds subscribed, in order.
    std::vector<int> subscribedKinds() const;
    // A failing subject: reading the current values answers an error.
    void setFailing(bool failing) { m_failing = failing; }
    MoskEventSubject *registryFace() { return &m_registry.face; }

    struct Subject : mosk::Object<mosk::EmptyMutex, mosk::Static>
    {
        using Face = mosk::Implements<Subject, IGb_KsoEventSubject, GB_IID_KSO_EVENT_SUBJECT, 0, 0>;
        explicit Subject(EventSubjectHost *host);
        EventSubjectHost *host;
        Face face;
    };
    struct Registry : mosk::Object<mosk::EmptyMutex, mosk::Static>
    {
        using Face = mosk::Implements<Registry, MoskEventSubject, MOSK_IID_EVENT_SUBJECT, 1, 1>;
        explicit Registry(EventSubjectHost *host);
        EventSubjectHost *host;
        Face face;
    };

    // Called as the library reads the current target or id, before the answer.
    std::function<void()> inside;
    int32_t m_target = 0;
    uint64_t m_id = 0;
    bool m_failing = false;
    std::vector<std::pair<int, MoskObserver *>> m_observers;

private:
    EventSubjectHost();

    Subject m_subject;
    Registry m_registry;
};

} // namespace testhost
