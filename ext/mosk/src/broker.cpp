#include "mosk_p.h"

#include <atomic>
#include <cstdlib>
#include <map>
#include <semaphore.h>
#include <string>
#include <utility>

namespace {

class Broker;

// A host clears the broker from its exit handlers and static destructors, which may run after
// any static object made at the first broker call has been destroyed: the broker is made on the
// heap and lives until the process has ended, or until this library is unloaded from a process
// that goes on.
Broker *g_broker = nullptr;
std::atomic<bool> g_processEnding{false};

void markProcessEnding()
{
    g_processEnding = true;
}

// The broker is never released to zero.
class Broker final
{
public:
    static Broker &instance()
    {
        static Broker *const broker = [] {
            // Registered after the handlers of a host that set them up before its first broker
            // call, so it runs before them: by the time this library's destructor runs, an
            // exit is told apart from an unload.
            std::atexit(&markProcessEnding);
            return g_broker = new Broker;
        }();
        return *broker;
    }

    // Unloaded from a process that goes on: what the broker holds is let go with it.
    static void end()
    {
        if (g_processEnding)
            return;
        delete std::exchange(g_broker, nullptr);
        mosk::endFactories();
    }

    MoskBroker *face() { return &m_face; }

    void clear()
    {
        auto components = std::move(m_components);
        m_components.clear();
        for (auto &entry : components)
            mosk::release(entry.second);
        registerFactories();
    }

private:
    using Key = std::pair<std::string, std::string>;

    Broker()
    {
        m_face.ops = &s_ops;
        registerFactories();
    }

    void registerFactories()
    {
        m_components.emplace(Key(MOSK_FACTORY_CATEGORY, MOSK_VALUE_FACTORY), mosk::valueFactory());
        m_components.emplace(Key(MOSK_FACTORY_CATEGORY, MOSK_DICTIONARY_FACTORY),
                             mosk::dictionaryFactory());
    }

    static MoskResult getInterfaceInfo(void *, uint32_t *id, uint32_t *v1, uint32_t *v2,
                                       uint32_t *v3)
    {
        mosk::writeInterfaceInfo(MOSK_IID_BROKER, 0, 0, id, v1, v2, v3);
        return nullptr;
    }
    static uint32_t addRef(void *) { return 1; }
    static uint32_t release(void *) { return 1; }
    static MoskResult queryInterface(void *self, void **out, uint32_t id, uint32_t version)
    {
        if (!out)
            return moskErrorCreateStandardError(1, MOSK_ERR_FAILED);
        *out = nullptr;
        const bool known = id == MOSK_IID_BASE || id == MOSK_IID_BROKER;
        if (!known)
            return moskErrorCreateStandardError(1, MOSK_ERR_NO_INTERFACE);
        if (version > (id == MOSK_IID_BASE ? 1u : 0u))
            return moskErrorCreateStandardError(1, MOSK_ERR_VERSION);
        *out = self;
        return nullptr;
    }

    static bool validKey(const char *category, const char *componentId)
    {
        return category && componentId && *componentId;
    }

    static MoskResult registerComponent(void *, const char *category, const char *componentId,
                                        void *object)
    {
        if (!validKey(category, componentId) || !object)
            return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
        auto &components = instance().m_components;
        const Key key(category, componentId);
        if (components.count(key))
            return moskErrorCreateStandardError(1, MOSK_ERR_DUPLICATE);
        mosk::addRef(object);
        components.emplace(key, object);
        return nullptr;
    }

    static MoskResult unregisterComponent(void *, const char *category, const char *componentId)
    {
        if (!validKey(category, componentId))
            return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
        auto &components = instance().m_components;
        const auto it = components.find(Key(category, componentId));
        if (it == components.end())
            return moskErrorCreateStandardError(1, MOSK_ERR_NOT_FOUND);
        void *object = it->second;
        components.erase(it);
        mosk::release(object);
        return nullptr;
    }

    static int hasComponent(void *, const char *category, const char *componentId)
    {
        return validKey(category, componentId) &&
               instance().m_components.count(Key(category, componentId)) != 0;
    }

    static MoskResult getComponent(void *, const char *category, const char *componentId,
                                   void **out)
    {
        if (!out)
            return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
        *out = nullptr;
        if (!validKey(category, componentId))
            return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
        const auto &components = instance().m_components;
        const auto it = components.find(Key(category, componentId));
        if (it == components.end())
            return moskErrorCreateStandardError(1, MOSK_ERR_NOT_FOUND);
        mosk::addRef(it->second);
        *out = it->second;
        return nullptr;
    }

    static const MoskBrokerOps s_ops;
    MoskBroker m_face;
    std::map<Key, void *> m_components;
};

const MoskBrokerOps Broker::s_ops = {
    &getInterfaceInfo,    &addRef,       &release,     &queryInterface, &registerComponent,
    &unregisterComponent, &hasComponent, &getComponent};

} // namespace

MoskBroker *moskGetObjectBroker()
{
    return Broker::instance().face();
}

void moskBrokerClear()
{
    Broker::instance().clear();
}

// Runs at dlclose before the exit handlers this library registered, and at the process's end
// after every exit handler.
__attribute__((destructor)) static void endBrokerAtUnload()
{
    Broker::end();
}

void moskPostSemaphore(void *semaphore)
{
    if (semaphore)
        sem_post(static_cast<sem_t *>(semaphore));
}
