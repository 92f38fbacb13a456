#include "mosk_p.h"

#include <map>
#include <string>
#include <utility>

namespace {

class Dictionary final : public mosk::Object<mosk::EmptyMutex>
{
public:
    using Face = mosk::Implements<Dictionary, MoskDictionary, MOSK_IID_DICTIONARY, 0, 0>;

    Dictionary()
        : m_face(this, &s_ops)
    {
    }
    ~Dictionary() override
    {
        for (auto &entry : m_values)
            mosk::release(entry.second);
    }

    MoskDictionary *face() { return &m_face; }

private:
    static Dictionary *self(void *face) { return Face::outerOf(face); }

    static MoskResult set(void *face, const char *name, MoskValue *value)
    {
        if (!name || !value)
            return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
        mosk::addRef(value);
        auto &values = self(face)->m_values;
        const auto it = values.find(name);
        if (it != values.end()) {
            mosk::release(it->second);
            it->second = value;
        } else {
            values.emplace(name, value);
        }
        return nullptr;
    }
    static MoskResult remove(void *face, const char *name)
    {
        if (!name)
            return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
        auto &values = self(face)->m_values;
        const auto it = values.find(name);
        if (it != values.end()) {
            mosk::release(it->second);
            values.erase(it);
        }
        return nullptr;
    }
    static MoskResult get(void *face, const char *name, MoskValue **out)
    {
        if (!name || !out)
            return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
        const auto &values = self(face)->m_values;
        const auto it = values.find(name);
        *out = it == values.end() ? nullptr : it->second;
        if (*out)
            mosk::addRef(*out);
        return nullptr;
    }

    static const MoskDictionaryOps s_ops;
    Face m_face;
    std::map<std::string, MoskValue *> m_values;
};

const MoskDictionaryOps Dictionary::s_ops = {MOSK_FACE_BASE(Face), &set, &remove, &get};

MoskResult notSupported(void *)
{
    return moskErrorCreateStandardError(1, MOSK_ERR_FAILED);
}

class ValueFactory final : public mosk::Object<mosk::EmptyMutex, mosk::Static>
{
public:
    using Face = mosk::Implements<ValueFactory, MoskValueFactory, MOSK_IID_VALUE_FACTORY, 0, 0>;

    ValueFactory()
        : m_face(this, &s_ops)
    {
    }
    MoskValueFactory *face() { return &m_face; }

private:
    static MoskResult createValue(void *, const char *text, MoskValue **out)
    {
        if (!out)
            return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
        *out = moskValueCreate(text);
        return nullptr;
    }

    static const MoskValueFactoryOps s_ops;
    Face m_face;
};

const MoskValueFactoryOps ValueFactory::s_ops = {MOSK_FACE_BASE(Face), &notSupported, &notSupported,
                                                 &notSupported,        &notSupported, &createValue};

class DictionaryFactory final : public mosk::Object<mosk::EmptyMutex, mosk::Static>
{
public:
    using Face = mosk::Implements<DictionaryFactory, MoskDictionaryFactory,
                                  MOSK_IID_DICTIONARY_FACTORY, 0, 0>;

    DictionaryFactory()
        : m_face(this, &s_ops)
    {
    }
    MoskDictionaryFactory *face() { return &m_face; }

private:
    static MoskResult createDictionary(void *, MoskDictionary **out)
    {
        if (!out)
            return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
        *out = moskDictionaryCreate();
        return nullptr;
    }

    static const MoskDictionaryFactoryOps s_ops;
    Face m_face;
};

const MoskDictionaryFactoryOps DictionaryFactory::s_ops = {MOSK_FACE_BASE(Face), &createDictionary};

} // namespace

MoskDictionary *moskDictionaryCreate()
{
    return (new Dictionary)->face();
}

namespace mosk {

namespace {
// On the heap for the broker's sake: it holds them until the process has ended.
ValueFactory *g_valueFactory = nullptr;
DictionaryFactory *g_dictionaryFactory = nullptr;
} // namespace

void *valueFactory()
{
    if (!g_valueFactory)
        g_valueFactory = new ValueFactory;
    return g_valueFactory->face();
}

void *dictionaryFactory()
{
    if (!g_dictionaryFactory)
        g_dictionaryFactory = new DictionaryFactory;
    return g_dictionaryFactory->face();
}

void endFactories()
{
    delete std::exchange(g_valueFactory, nullptr);
    delete std::exchange(g_dictionaryFactory, nullptr);
}

} // namespace mosk
