#pragma once
// Receives the host's debugger events for the views manager: subscribed once to every event
// kind of the host's event subject, whose current target and id it reads for the views.

#include "frame/core/brokerref.h"

#include <tesk/tesk_views.h>

#include <mosk/mosk.hpp>

#include <cstdint>

// Process-wide and never deleted through its count: end() deletes it at the unload.
class CGcp_KsoEventObserver : public mosk::Object<mosk::EmptyMutex, mosk::Static>
{
public:
    using Face = mosk::Implements<CGcp_KsoEventObserver, MoskObserver, MOSK_IID_OBSERVER, 1, 1, 74>;

    static CGcp_KsoEventObserver *instance();
    static void end();
    MoskObserver *face() { return &m_face; }

    // Finds the host's subject and subscribes to event kinds 0 to 29 of its registry, which is
    // kept for the unload's detach; without a subject it does nothing. Answers whether it
    // subscribed.
    bool subscribe();
    // What the host's events do to the views.
    void notify(int kind);

    // The subject's current values; 0 without a subject. A failing subject throws its error.
    int32_t currentTarget() const;
    uint64_t currentId() const;

private:
    CGcp_KsoEventObserver();

    static MoskResult notifyOp(void *face, int32_t kind, intptr_t data);
    static const MoskObserverOps s_ops;

    Face m_face;
    tesk::broker::BrokerRef<IGb_KsoEventSubject> m_subject;
};
