#include "mosk_p.h"

#include <cstdlib>
#include <string>

namespace {

class Value final : public mosk::Object<mosk::EmptyMutex>
{
public:
    using Face = mosk::Implements<Value, MoskValue, MOSK_IID_VALUE, 0, 0>;

    explicit Value(const char *text)
        : m_face(this, &s_ops)
        , m_text(text ? text : "")
    {
    }

    MoskValue *face() { return &m_face; }

private:
    static Value *self(void *face) { return Face::outerOf(face); }

    static MoskResult setText(void *face, const char *text)
    {
        self(face)->m_text = text ? text : "";
        return nullptr;
    }
    static MoskResult setInt(void *face, int64_t value)
    {
        self(face)->m_text = std::to_string(value);
        return nullptr;
    }
    static MoskResult getInt(void *face, int64_t *value)
    {
        if (!value)
            return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
        const std::string &text = self(face)->m_text;
        char *end = nullptr;
        const long long parsed = std::strtoll(text.c_str(), &end, 0);
        if (text.empty() || *end)
            return moskErrorCreateStandardError(1, MOSK_ERR_FAILED);
        *value = parsed;
        return nullptr;
    }
    static MoskResult setBool(void *face, int value)
    {
        self(face)->m_text = value ? "1" : "0";
        return nullptr;
    }
    static MoskResult getBool(void *face, int *value)
    {
        if (!value)
            return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
        const std::string &text = self(face)->m_text;
        *value = !(text.empty() || text == "0" || text == "false");
        return nullptr;
    }
    static MoskResult getText(void *face, const char **text)
    {
        if (!text)
            return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
        *text = self(face)->m_text.c_str();
        return nullptr;
    }

    static const MoskValueOps s_ops;
    Face m_face;
    std::string m_text;
};

const MoskValueOps Value::s_ops = {
    MOSK_FACE_BASE(Face), &setText, &setInt, &getInt, &setBool, &getBool, &getText};

} // namespace

MoskValue *moskValueCreate(const char *text)
{
    return (new Value(text))->face();
}
