#pragma once

#include <mosk/mosk.hpp>

#include <string>

// The output stream the bridge hands to a host operation that answers with text. It lives on
// the caller's stack for one call: the reference count is kept for the host's sake, but
// reaching zero never deletes it.
class KGcp_moskOStream : public mosk::Object<mosk::EmptyMutex, mosk::Static>
{
public:
    using Face = mosk::Implements<KGcp_moskOStream, MoskOStream, MOSK_IID_OSTREAM, 1, 1, 74>;

    KGcp_moskOStream();

    MoskOStream *face() { return &m_face; }
    const std::string &text() const { return m_text; }

private:
    static MoskResult reserved4(void *face, intptr_t, intptr_t);
    static MoskResult setText(void *face, const char *text);
    static MoskResult reserved6(void *face, intptr_t);

    static const MoskOStreamOps s_ops;

    Face m_face;
    std::string m_text;
};
