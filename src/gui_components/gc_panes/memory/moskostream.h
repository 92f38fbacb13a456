#pragma once

#include <mosk/mosk.h>

#include <string>

// The output stream the bridge hands to a host operation that answers with text. It lives on
// the caller's stack for one call: the reference count is kept for the host's sake, but
// reaching zero never deletes it.
class KGcp_moskOStream : public MoskOStream
{
public:
    KGcp_moskOStream();
    KGcp_moskOStream(const KGcp_moskOStream &) = delete;
    KGcp_moskOStream &operator=(const KGcp_moskOStream &) = delete;
    virtual ~KGcp_moskOStream();

    MoskOStream *face() { return this; }
    const std::string &text() const { return m_text; }
    uint32_t refCount() const { return m_refCount; }

private:
    static KGcp_moskOStream *self(void *face);

    static MoskResult getInterfaceInfo(void *, uint32_t *id, uint32_t *v1, uint32_t *v2,
                                       uint32_t *v3);
    static uint32_t addRef(void *face);
    static uint32_t release(void *face);
    static MoskResult queryInterface(void *face, void **out, uint32_t id, uint32_t version);
    static MoskResult reserved4(void *face, intptr_t, intptr_t);
    static MoskResult setText(void *face, const char *text);
    static MoskResult reserved6(void *face, intptr_t);

    static const MoskOStreamOps s_ops;

    std::string m_text;
    uint32_t m_refCount = 0;
};
