#include "frame/core/cuihandles.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <cstdint>

namespace tesk::handles {

namespace {

struct Registry
{
    QHash<quintptr, QPointer<QObject>> objects;
    QHash<const QObject *, quintptr> handles;
    // Odd and far from any address a host might hold by mistake; grows for ever.
    quintptr next = 0x7e5c0001;
};

Registry &registry()
{
    static Registry r;
    return r;
}

} // namespace

void *add(QObject *object)
{
    if (!object)
        return nullptr;
    Registry &r = registry();
    if (const auto found = r.handles.constFind(object); found != r.handles.constEnd())
        return reinterpret_cast<void *>(*found);
    const quintptr handle = r.next;
    r.next += 2;
    r.objects.insert(handle, object);
    r.handles.insert(object, handle);
    QObject::connect(object, &QObject::destroyed, [object, handle] {
        registry().objects.remove(handle);
        registry().handles.remove(object);
    });
    return reinterpret_cast<void *>(handle);
}

bool contains(const void *handle)
{
    return object(handle) != nullptr;
}

QObject *object(const void *handle)
{
    if (!handle)
        return nullptr;
    const auto found = registry().objects.constFind(reinterpret_cast<quintptr>(handle));
    return found == registry().objects.constEnd() ? nullptr : found->data();
}

} // namespace tesk::handles
