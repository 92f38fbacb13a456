#pragma once

#include "sync/gcds_interfaces.h"

#include <mosk/mosk.hpp>

// Reference-counted broker object through which the host reads and writes the
// synchronisation data. instance() is the process-wide adaptor that the broker hands out.
class SyncDataAdaptor : public mosk::Object<mosk::EmptyMutex>
{
public:
    using IGcds_DataAdaptorImpl =
        mosk::Implements<SyncDataAdaptor, IGcds_DataAdaptor, GCDS_IID_DATA_ADAPTOR, 0, 0>;

    SyncDataAdaptor();

    static SyncDataAdaptor *instance();

    IGcds_DataAdaptor *face() { return &m_face; }

    // The core the current host call concerns; -1 for none in particular.
    uint32_t context() const { return m_context; }
    void setContext(uint32_t context) { m_context = context; }

private:
    static const IGcds_DataAdaptorOps s_ops;

    IGcds_DataAdaptorImpl m_face;
    uint32_t m_context = 0xFFFFFFFFu;
};
