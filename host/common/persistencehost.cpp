#include "persistencehost.h"

#include <tesk/tesk_persistence.h>

#include <mosk/mosk.hpp>

namespace tesk::host {

struct MemoryStore::Component final : mosk::Object<mosk::EmptyMutex>
{
    using Face = mosk::Implements<Component, TeskPersistence, TESK_IID_PERSISTENCE, 0, 0>;

    explicit Component(MemoryStore *owner)
        : face(this, &s_ops)
        , owner(owner)
    {
    }

    static MemoryStore *store(void *self) { return Face::outerOf(self)->owner; }

    static MoskResult failure(MemoryStore *s)
    {
        if (!s || !s->failNext)
            return nullptr;
        s->failNext = false;
        return moskErrorCreateStandardError(1, MOSK_ERR_FAILED);
    }

    static MoskResult write(void *self, const char *key, MoskDictionary *values)
    {
        MemoryStore *s = store(self);
        if (MoskResult error = failure(s))
            return error;
        if (!s || !key || !values)
            return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
        ++s->writes;
        Record record;
        for (const char *name : {"RegUserViewEnabled", "RegUserViewConfig"}) {
            MoskValue *value = nullptr;
            values->ops->get(values, name, &value);
            const char *text = nullptr;
            if (value && !value->ops->getText(value, &text) && text)
                record[name] = text;
            mosk::release(value);
        }
        s->records[key] = record;
        return nullptr;
    }

    static MoskResult read(void *self, const char *key, MoskDictionary **out)
    {
        MemoryStore *s = store(self);
        if (MoskResult error = failure(s))
            return error;
        if (!s || !key || !out)
            return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
        *out = nullptr;
        const auto it = s->records.find(key);
        if (it == s->records.end())
            return nullptr;
        *out = moskDictionaryCreate();
        for (const auto &entry : it->second) {
            MoskValue *value = moskValueCreate(entry.second.c_str());
            (*out)->ops->set(*out, entry.first.c_str(), value);
            mosk::release(value);
        }
        return nullptr;
    }

    static const TeskPersistenceOps s_ops;
    Face face;
    MemoryStore *owner;
};

const TeskPersistenceOps MemoryStore::Component::s_ops = {MOSK_FACE_BASE(Face), &write, &read};

MemoryStore::MemoryStore()
    : m_component(new Component(this))
{
    MoskBroker *broker = moskGetObjectBroker();
    mosk::release(broker->ops->unregisterComponent(broker, TESK_PERSISTENCE_CATEGORY,
                                                   TESK_PERSISTENCE_COMPONENT));
    mosk::release(broker->ops->registerComponent(broker, TESK_PERSISTENCE_CATEGORY,
                                                 TESK_PERSISTENCE_COMPONENT, &m_component->face));
}

MemoryStore::~MemoryStore()
{
    m_component->owner = nullptr;
    MoskBroker *broker = moskGetObjectBroker();
    mosk::release(broker->ops->unregisterComponent(broker, TESK_PERSISTENCE_CATEGORY,
                                                   TESK_PERSISTENCE_COMPONENT));
    m_component->Release();
}

} // namespace tesk::host
