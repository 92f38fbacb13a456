#pragma once

#include "sync/gcds_interfaces.h"

#include <mosk/mosk.hpp>

#include <cstdint>

// The broker component that opens, shows and closes the synchronisation window. Created once
// by registerSyncComponents and never deleted.
class CGcds_Dialog : public mosk::Object<mosk::EmptyMutex, mosk::Static>
{
public:
    using Face = mosk::Implements<CGcds_Dialog, IGcds_Dialog, GCDS_IID_DIALOG, 0, 0>;

    CGcds_Dialog();

    IGcds_Dialog *face() { return &m_face; }

    MoskResult QueryInterface(void **out, uint32_t id, uint32_t version) override;

private:
    static const IGcds_DialogOps s_ops;

    Face m_face;
};
