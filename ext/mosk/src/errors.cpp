#include "mosk_p.h"

#include <cstdio>
#include <string>

namespace {

std::string standardDescription(uint32_t category, uint32_t code)
{
    const char *text = nullptr;
    switch (code) {
    case MOSK_ERR_GENERAL:
        text = "General failure";
        break;
    case MOSK_ERR_NO_MEMORY:
        text = "Out of memory";
        break;
    case MOSK_ERR_NO_INTERFACE:
        text = "Interface not supported";
        break;
    case MOSK_ERR_VERSION:
        text = "Interface version not supported";
        break;
    case MOSK_ERR_FAILED:
        text = "Operation failed";
        break;
    case MOSK_ERR_NOT_FOUND:
        text = "Component not found";
        break;
    case MOSK_ERR_DUPLICATE:
        text = "Component already registered";
        break;
    case MOSK_ERR_BAD_ARGUMENT:
        text = "Invalid argument";
        break;
    default:
        break;
    }
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%s (category %u, code 0x%x)", text ? text : "Error",
                  category, code);
    return buffer;
}

class Error final : public mosk::Object<mosk::EmptyMutex>
{
public:
    using Face = mosk::Implements<Error, MoskError, MOSK_IID_ERROR, 0, 0>;

    Error(uint32_t category, uint32_t code)
        : m_face(this, &s_ops)
        , m_category(category)
        , m_code(code)
    {
    }

    MoskError *face() { return &m_face; }

private:
    static Error *self(void *face) { return Face::outerOf(face); }
    static uint32_t category(void *face) { return self(face)->m_category; }
    static uint32_t code(void *face) { return self(face)->m_code; }
    static MoskValue *description(void *face)
    {
        return moskValueCreate(
            standardDescription(self(face)->m_category, self(face)->m_code).c_str());
    }

    static const MoskErrorOps s_ops;
    Face m_face;
    uint32_t m_category;
    uint32_t m_code;
};

const MoskErrorOps Error::s_ops = {MOSK_FACE_BASE(Face), &category, &code, &description};

} // namespace

MoskError *moskErrorCreateStandardError(uint32_t category, uint32_t code)
{
    return (new Error(category, code))->face();
}

uint32_t moskErrorCode(MoskError *error)
{
    return error ? error->ops->code(error) : 0;
}

uint32_t moskErrorCategory(MoskError *error)
{
    return error ? error->ops->category(error) : 0;
}
