#pragma once
// Keeps the library's synchronisation data in step with the host: after each host event of
// interest it has the host refill the data and tells the attached models; while the user
// changes a table it holds host events back.

#include "sync/gcds_interfaces.h"
#include "sync/syncobservable.h"

#include <mosk/mosk.hpp>

class SyncData;

#include <cstdint>
#include <optional>
#include <vector>

// Looks up the host's synchronisation access anew; the caller releases what it gets. Answers
// the broker's result (0 = found).
MoskResult getSyncAccessComponent(IGb_SyncAccess **access);

using SyncAccessOperation = int (*IGb_SyncAccessOps::*)(void *, IGcds_DataAdaptor *);

// Hands the host a short-lived adaptor over the data through one operation of its
// synchronisation access: once without a context, or once per context word in order until
// the host refuses. True when the host took everything; false when the access or the
// adaptor's face cannot be had or nothing was sent. What the host throws passes on; whatever
// was obtained is released on every way out.
bool callSyncAccess(SyncData *data, SyncAccessOperation operation,
                    const std::vector<uint32_t> &contexts = {});

// Process-wide and never deleted through its count, whatever the host releases.
class SyncDataMediator : public mosk::Object<mosk::EmptyMutex, mosk::Static>, public SyncObservable
{
public:
    using MoskObserverImpl =
        mosk::Implements<SyncDataMediator, MoskObserver, MOSK_IID_OBSERVER, 1, 1, 1>;

    explicit SyncDataMediator(SyncData *data);

    static SyncDataMediator *instance();

    MoskObserver *observerFace() { return &m_observer; }

    virtual SyncData *data() const { return m_data; }
    virtual bool setBlocked(bool blocked);
    virtual bool isBlocked() const { return m_blocked; }
    // Re-reads the data and notifies with (0, 0), unless blocked.
    virtual void refresh();
    // Has the host refill the data; false when any step fails or the host refuses.
    virtual bool syncWithHost();
    // Attaches to the host's global events (the unload routine detaches it); throws the
    // broker's error when the event subject is missing or lacks the interface.
    virtual void subscribeEvents();

    void onHostEvent(int id);

private:
    bool readFromHost();

    static const MoskObserverOps s_ops;

    MoskObserverImpl m_observer;
    SyncData *m_data;
    bool m_blocked = false;
    bool m_reading = false;
    std::optional<int> m_heldEvent;
};
