#include "sync/syncdataadaptor.h"

const IGcds_DataAdaptorOps SyncDataAdaptor::s_ops = {MOSK_FACE_BASE(IGcds_DataAdaptorImpl)};

SyncDataAdaptor::SyncDataAdaptor()
    : m_face(this, &s_ops)
{
}

SyncDataAdaptor *SyncDataAdaptor::instance()
{
    // Lives until the library is unloaded; the broker's references never bring it to zero
    // because this one is never released.
    static SyncDataAdaptor *adaptor = new SyncDataAdaptor;
    return adaptor;
}
