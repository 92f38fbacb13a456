#include "sync/cgcds_dialog.h"

#include "frame/core/moskutil.h"

const IGcds_DialogOps CGcds_Dialog::s_ops = {&getInterfaceInfo, &addRef, &release,
                                             &queryInterface};

CGcds_Dialog::CGcds_Dialog()
{
    ops = &s_ops;
}

CGcds_Dialog *CGcds_Dialog::self(void *face)
{
    return static_cast<CGcds_Dialog *>(static_cast<IGcds_Dialog *>(face));
}

MoskResult CGcds_Dialog::getInterfaceInfo(void *, uint32_t *id, uint32_t *v1, uint32_t *v2,
                                          uint32_t *v3)
{
    mosk::writeInterfaceInfo(GCDS_IID_DIALOG, 0, 0, id, v1, v2, v3);
    return nullptr;
}

uint32_t CGcds_Dialog::addRef(void *face)
{
    return ++self(face)->m_refCount;
}

uint32_t CGcds_Dialog::release(void *face)
{
    CGcds_Dialog *dialog = self(face);
    if (dialog->m_refCount > 0)
        --dialog->m_refCount;
    return dialog->m_refCount;
}

MoskResult CGcds_Dialog::queryInterface(void *face, void **out, uint32_t id, uint32_t version)
{
    // The base interface is handed out without a reference: the component is never deleted.
    if (out && id == MOSK_IID_BASE && version <= 1) {
        *out = face;
        return nullptr;
    }
    static const tesk::broker::InterfaceVersion supported[] = {{MOSK_IID_BASE, 1},
                                                               {GCDS_IID_DIALOG, 0}};
    return tesk::broker::answerQuery(face, out, id, version, supported);
}
