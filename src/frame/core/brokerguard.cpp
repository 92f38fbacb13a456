#include "frame/core/brokerguard.h"

#include "system/debugoutput.h"

#include <string>
#include <utility>

namespace tesk::broker {
namespace {

std::string descriptionOf(MoskError *error)
{
    MoskValue *value = error->ops->description(error);
    if (!value)
        return {};
    const char *text = nullptr;
    mosk::release(value->ops->getText(value, &text));
    std::string description = text ? text : "";
    value->ops->Release(value);
    return description;
}

class DescribedError final : public mosk::Object<mosk::EmptyMutex>
{
public:
    using Face = mosk::Implements<DescribedError, MoskError, MOSK_IID_ERROR, 0, 0>;

    DescribedError(uint32_t category, uint32_t code, std::string description)
        : m_face(this, &s_ops)
        , m_category(category)
        , m_code(code)
        , m_description(std::move(description))
    {
    }

    MoskError *face() { return &m_face; }

private:
    static DescribedError *self(void *face) { return Face::outerOf(face); }
    static uint32_t category(void *face) { return self(face)->m_category; }
    static uint32_t code(void *face) { return self(face)->m_code; }
    static MoskValue *description(void *face)
    {
        return moskValueCreate(self(face)->m_description.c_str());
    }

    static const MoskErrorOps s_ops;
    Face m_face;
    uint32_t m_category;
    uint32_t m_code;
    std::string m_description;
};

const MoskErrorOps DescribedError::s_ops = {MOSK_FACE_BASE(Face), &category, &code, &description};

} // namespace

void reportFailure(const char *operation, const char *what)
{
    tesk::system::debugOutput(std::string(operation) + ": " + what + "\n");
}

MoskResult describeFailure(MoskResult error, const std::string &what)
{
    if (!error)
        return nullptr;
    const std::string description = descriptionOf(error) + ": " + what;
    const uint32_t category = moskErrorCategory(error);
    const uint32_t code = moskErrorCode(error);
    mosk::release(error);
    tesk::system::debugOutput("moskInitialisePlugin: " + description + "\n");
    try {
        return (new DescribedError(category, code, description))->face();
    } catch (const std::bad_alloc &) {
        return moskErrorCreateStandardError(category, code);
    }
}

} // namespace tesk::broker
