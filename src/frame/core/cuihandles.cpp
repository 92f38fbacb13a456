#include "frame/core/cuihandles.h"

#include "system/lifetime.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <cstddef>
#include <cstdint>
#include <link.h>
#include <utility>

namespace tesk::handles {

namespace {

struct Registry
{
    QHash<quintptr, QPointer<QObject>> objects;
    QHash<const QObject *, quintptr> handles;
    QHash<quintptr, std::pair<const void *, const std::type_info *>> plainObjects;
    QHash<const void *, quintptr> plainHandles;
    // Odd and far from any address a host might hold by mistake; grows for ever.
    quintptr next = firstHandle();

    // A host may keep a handle from one load of the library into the next, where it must name
    // nothing: each load counts from a number of its own, above every earlier load's. The
    // dynamic loader's count of the objects it has mapped into the process only grows, and the
    // library's own mapping adds to it, so this load's count exceeds any seen by an earlier one;
    // 2^39 handles per load before its numbers would reach the next load's.
    static quintptr firstHandle()
    {
        constexpr quintptr kFirst = 0x7e5c0001;
        if constexpr (sizeof(quintptr) < 8)
            return kFirst;
        unsigned long long loads = 0;
        dl_iterate_phdr(
            [](dl_phdr_info *info, size_t size, void *into) {
                if (size >= offsetof(dl_phdr_info, dlpi_adds) + sizeof(info->dlpi_adds))
                    *static_cast<unsigned long long *>(into) = info->dlpi_adds;
                return 1;
            },
            &loads);
        return kFirst + (quintptr(loads & 0xffffff) << 40);
    }
};

// Held through a pointer: the unload routine ends it, also at the process's end, when the
// library's statics are gone already and the other holders still drop their handles.
Registry *g_registry = nullptr;

Registry &registry()
{
    if (!g_registry)
        g_registry = new Registry;
    return *g_registry;
}

quintptr nextHandle()
{
    const quintptr handle = registry().next;
    registry().next += 2;
    return handle;
}

} // namespace

void *add(QObject *object)
{
    if (!object)
        return nullptr;
    Registry &r = registry();
    if (const auto found = r.handles.constFind(object); found != r.handles.constEnd())
        return reinterpret_cast<void *>(*found);
    const quintptr handle = nextHandle();
    r.objects.insert(handle, object);
    r.handles.insert(object, handle);
    QObject::connect(object, &QObject::destroyed, [object, handle] {
        if (!g_registry)
            return;
        g_registry->objects.remove(handle);
        g_registry->handles.remove(object);
    });
    return reinterpret_cast<void *>(handle);
}

bool contains(const void *handle)
{
    return object(handle) != nullptr;
}

QObject *object(const void *handle)
{
    if (!handle || !g_registry)
        return nullptr;
    const auto found = registry().objects.constFind(reinterpret_cast<quintptr>(handle));
    if (found == registry().objects.constEnd() || lifetime::doomed(found->data()))
        return nullptr;
    return found->data();
}

void *addPlain(const void *object, const std::type_info &type)
{
    if (!object)
        return nullptr;
    Registry &r = registry();
    if (const auto found = r.plainHandles.constFind(object); found != r.plainHandles.constEnd())
        return reinterpret_cast<void *>(*found);
    const quintptr handle = nextHandle();
    r.plainObjects.insert(handle, {object, &type});
    r.plainHandles.insert(object, handle);
    return reinterpret_cast<void *>(handle);
}

void *plain(const void *handle, const std::type_info &type)
{
    if (!handle || !g_registry)
        return nullptr;
    const auto found = registry().plainObjects.constFind(reinterpret_cast<quintptr>(handle));
    if (found == registry().plainObjects.constEnd() || *found->second != type)
        return nullptr;
    return const_cast<void *>(found->first);
}

void dropPlain(const void *object)
{
    if (!g_registry)
        return;
    Registry &r = *g_registry;
    if (const auto found = r.plainHandles.constFind(object); found != r.plainHandles.constEnd()) {
        r.plainObjects.remove(*found);
        r.plainHandles.erase(found);
    }
}

qsizetype tableSize()
{
    return g_registry ? g_registry->objects.size() + g_registry->plainObjects.size() : 0;
}

void end()
{
    delete std::exchange(g_registry, nullptr);
}

} // namespace tesk::handles
