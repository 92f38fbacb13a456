// The function registry: names cross as Latin-1 C strings; a null name matches nothing.
#include <tesk/tesk_registry.h>

#include "frame/core/cuifunctionregistry.h"
#include "frame/core/exportguard.h"

namespace {

CuiFunctionRegistry *registry()
{
    return CuiFunctionRegistry::instance();
}

QString nameOf(const char *name)
{
    return QString::fromLatin1(name);
}

} // namespace

int CuiFunctionRegistryAddFunction(const char *name, CuiRegistryFn fn)
{
    return TESK_GUARDED(0,
                        [&] { return name && registry()->addFunction(nameOf(name), fn) ? 1 : 0; });
}

int CuiFunctionRegistryAddVoidStar(const char *name, void *data)
{
    return TESK_GUARDED(
        0, [&] { return name && registry()->addVoidStar(nameOf(name), data) ? 1 : 0; });
}

CuiRegistryFn CuiFunctionRegistryGetFunction(const char *name)
{
    return TESK_GUARDED(CuiRegistryFn(nullptr), [&]() -> CuiRegistryFn {
        return name ? registry()->getFunction(nameOf(name)) : nullptr;
    });
}

void *CuiFunctionRegistryGetVoidStar(const char *name)
{
    return TESK_GUARDED(static_cast<void *>(nullptr), [&]() -> void * {
        return name ? registry()->getVoidStar(nameOf(name)) : nullptr;
    });
}

int CuiFunctionRegistryRemoveFunction(const char *name)
{
    return TESK_GUARDED(0,
                        [&] { return name && registry()->removeFunction(nameOf(name)) ? 1 : 0; });
}

int CuiFunctionRegistryRemoveVoidStar(const char *name)
{
    return TESK_GUARDED(0,
                        [&] { return name && registry()->removeVoidStar(nameOf(name)) ? 1 : 0; });
}
