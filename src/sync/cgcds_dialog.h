#pragma once

#include "sync/gcds_interfaces.h"

#include <cstdint>

// The broker component that opens, shows and closes the synchronisation window. Created once
// by registerSyncComponents and never deleted.
class CGcds_Dialog : public IGcds_Dialog
{
public:
    CGcds_Dialog();

    uint32_t refCount() const { return m_refCount; }

private:
    static CGcds_Dialog *self(void *face);
    static MoskResult getInterfaceInfo(void *, uint32_t *id, uint32_t *v1, uint32_t *v2, uint32_t *v3);
    static uint32_t addRef(void *face);
    static uint32_t release(void *face);
    static MoskResult queryInterface(void *face, void **out, uint32_t id, uint32_t version);

    static const IGcds_DialogOps s_ops;
    uint32_t m_refCount = 0;
};
