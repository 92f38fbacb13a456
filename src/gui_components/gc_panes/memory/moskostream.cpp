#include "gui_components/gc_panes/memory/moskostream.h"

#include "frame/core/moskutil.h"

const MoskOStreamOps KGcp_moskOStream::s_ops = {
    &getInterfaceInfo, &addRef, &release, &queryInterface, &reserved4, &setText, &reserved6,
};

KGcp_moskOStream::KGcp_moskOStream()
{
    ops = &s_ops;
}

KGcp_moskOStream::~KGcp_moskOStream() = default;

KGcp_moskOStream *KGcp_moskOStream::self(void *face)
{
    return static_cast<KGcp_moskOStream *>(static_cast<MoskOStream *>(face));
}

MoskResult KGcp_moskOStream::getInterfaceInfo(void *, uint32_t *id, uint32_t *v1, uint32_t *v2,
                                              uint32_t *v3)
{
    if (id)
        *id = MOSK_IID_OSTREAM;
    if (v1)
        *v1 = 1;
    if (v2)
        *v2 = 1;
    if (v3)
        *v3 = 74;
    return nullptr;
}

uint32_t KGcp_moskOStream::addRef(void *face)
{
    return ++self(face)->m_refCount;
}

uint32_t KGcp_moskOStream::release(void *face)
{
    KGcp_moskOStream *stream = self(face);
    if (stream->m_refCount > 0)
        --stream->m_refCount;
    return stream->m_refCount;
}

MoskResult KGcp_moskOStream::queryInterface(void *face, void **out, uint32_t id, uint32_t version)
{
    static const tesk::broker::InterfaceVersion supported[] = {{MOSK_IID_BASE, 1},
                                                               {MOSK_IID_OSTREAM, 1}};
    return tesk::broker::answerQuery(face, out, id, version, supported);
}

MoskResult KGcp_moskOStream::reserved4(void *, intptr_t, intptr_t)
{
    return nullptr;
}

MoskResult KGcp_moskOStream::setText(void *face, const char *text)
{
    self(face)->m_text = text ? text : "";
    return nullptr;
}

MoskResult KGcp_moskOStream::reserved6(void *, intptr_t)
{
    return nullptr;
}
