#include "frame/core/cuihandles.h"

#include <QObject>
#include <QSet>

namespace tesk::handles {

namespace {
QSet<const void *> &live()
{
    static QSet<const void *> set;
    return set;
}
} // namespace

void add(QObject *object)
{
    if (!object || live().contains(object))
        return;
    live().insert(object);
    QObject::connect(object, &QObject::destroyed, [object] { live().remove(object); });
}

bool contains(const void *handle)
{
    return handle && live().contains(handle);
}

QObject *object(const void *handle)
{
    return contains(handle) ? static_cast<QObject *>(const_cast<void *>(handle)) : nullptr;
}

} // namespace tesk::handles
