#include "sync/cgcds_dialog.h"

const IGcds_DialogOps CGcds_Dialog::s_ops = {MOSK_FACE_BASE(Face)};

CGcds_Dialog::CGcds_Dialog()
    : m_face(this, &s_ops)
{
    enterInterface(MOSK_IID_BASE, 1, face());
}

MoskResult CGcds_Dialog::QueryInterface(void **out, uint32_t id, uint32_t version)
{
    // The base interface is handed out without a reference: the component is never deleted.
    if (out && id == MOSK_IID_BASE && version <= 1) {
        *out = face();
        return nullptr;
    }
    return Object::QueryInterface(out, id, version);
}
