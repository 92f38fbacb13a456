#include "frame/core/cuifunctionregistry.h"

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

CuiFunctionRegistry *CuiFunctionRegistry::instance()
{
    static CuiFunctionRegistry *registry = new CuiFunctionRegistry;
    return registry;
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
