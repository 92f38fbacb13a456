#include "frame/core/cuifunctionregistry.h"

#include <utility>

namespace {

template<typename Map, typename Value>
bool addOnce(Map &map, const QString &name, Value value)
{
    if (map.contains(name))
        return false;
    map.insert(name, value);
    return true;
}

} // namespace

namespace {

CuiFunctionRegistry *g_registry = nullptr;

} // namespace

CuiFunctionRegistry *CuiFunctionRegistry::instance()
{
    if (!g_registry)
        g_registry = new CuiFunctionRegistry;
    return g_registry;
}

void CuiFunctionRegistry::end()
{
    delete std::exchange(g_registry, nullptr);
}

bool CuiFunctionRegistry::addFunction(const QString &name, Function fn)
{
    return addOnce(m_functions, name, fn);
}

bool CuiFunctionRegistry::addVoidStar(const QString &name, void *data)
{
    return addOnce(m_voidStars, name, data);
}

CuiFunctionRegistry::Function CuiFunctionRegistry::getFunction(const QString &name) const
{
    return m_functions.value(name, nullptr);
}

void *CuiFunctionRegistry::getVoidStar(const QString &name) const
{
    return m_voidStars.value(name, nullptr);
}

bool CuiFunctionRegistry::removeFunction(const QString &name)
{
    return m_functions.remove(name) > 0;
}

bool CuiFunctionRegistry::removeVoidStar(const QString &name)
{
    return m_voidStars.remove(name) > 0;
}
