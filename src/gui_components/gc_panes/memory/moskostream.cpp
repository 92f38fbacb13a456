#include "gui_components/gc_panes/memory/moskostream.h"

const MoskOStreamOps KGcp_moskOStream::s_ops = {
    MOSK_FACE_BASE(Face),
    &reserved4,
    &setText,
    &reserved6,
};

KGcp_moskOStream::KGcp_moskOStream()
    : m_face(this, &s_ops)
{
    enterInterface(MOSK_IID_BASE, 1, face());
}

MoskResult KGcp_moskOStream::reserved4(void *, intptr_t, intptr_t)
{
    return nullptr;
}

MoskResult KGcp_moskOStream::setText(void *face, const char *text)
{
    Face::outerOf(face)->m_text = text ? text : "";
    return nullptr;
}

MoskResult KGcp_moskOStream::reserved6(void *, intptr_t)
{
    return nullptr;
}
