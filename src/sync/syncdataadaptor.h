#pragma once
// The broker object through which the host reads and writes a SyncData: the registered
// instance over the library's copy, and short-lived ones around each call of the host's
// synchronisation access.

#include "sync/gcds_interfaces.h"

#include <mosk/mosk.hpp>

#include <cstdint>

class SyncData;
class SyncDataConnection;

// Never deleted through its count: the instance is process-wide and the short-lived ones live
// on their caller's stack, so an unbalanced Release by the host must not delete either.
class SyncDataAdaptor : public mosk::Object<mosk::EmptyMutex, mosk::Static>
{
public:
    using IGcds_DataAdaptorImpl =
        mosk::Implements<SyncDataAdaptor, IGcds_DataAdaptor, GCDS_IID_DATA_ADAPTOR, 0, 0>;

    static constexpr uint32_t kNoContext = 0xFFFFFFFFu;

    explicit SyncDataAdaptor(SyncData *data);

    // On the heap (see CGcp_ViewsManager); end() frees it at the unload.
    static SyncDataAdaptor *instance();
    static void end();

    IGcds_DataAdaptor *face() { return &m_face; }
    SyncData *data() const { return m_data; }

    // The core the current host call concerns; kNoContext for none in particular.
    uint32_t context() const { return m_context; }
    void setContext(uint32_t context) { m_context = context; }

    // The mask of an event code; the group codes (all actions, all executions) give their
    // group unless only single events count.
    enum class Codes { WithGroups, SingleOnly };
    static uint32_t eventMask(int32_t code, Codes codes);
    static uint32_t flagBit(int32_t code);

    // The operations of the interface.
    void removeConnection(uint32_t id);
    void clear();
    void setName(uint32_t id, const char *name);
    void setComment(uint32_t id, const char *comment);
    void setEvent(uint32_t id, int32_t code, bool on);
    void setAllEvents(uint32_t id, bool on);
    void setFlag(uint32_t id, int32_t code, bool on);
    void clearFlags(uint32_t id);
    bool isModeSet() const;
    void setMode(int32_t mode);
    int count() const;
    uint32_t idByIndex(int32_t index) const;
    bool isEventInUse(uint32_t id, int32_t code);
    bool testFlag(uint32_t id, int32_t code);

private:
    SyncDataConnection *getOrCreate(uint32_t id);

    static const IGcds_DataAdaptorOps s_ops;

    IGcds_DataAdaptorImpl m_face;
    SyncData *m_data;
    uint32_t m_context = kNoContext;
};
