#pragma once

#include <QObject>

#include <typeinfo>

// Objects handed to the host as handles. A handle is a number of its own, never the object's
// address, and is never given out again: when an object dies and another is created at its
// address, the old handle stays dead. Exports that take a handle back check it here, so a
// stale or foreign handle is refused instead of followed. A handle dies with its object,
// however that is destroyed.
namespace tesk::handles {

// The object's handle (the same one when it already has one); null for null.
[[nodiscard]] void *add(QObject *object);
bool contains(const void *handle);
// The object of a live handle, else null. An object ended through tesk::lifetime::destroy has
// no live handle any more, though it is deleted later.
QObject *object(const void *handle);
// The live object of the handle when it is a T, else null.
template<typename T>
T *object(const void *handle)
{
    return qobject_cast<T *>(object(handle));
}

// Objects that are no QObject (records, proxies) get handles of the same kind, each entered
// with its type: a handle of one family never answers for another's. Their owner drops them
// before it frees the object, after which the handle stays dead.
[[nodiscard]] void *addPlain(const void *object, const std::type_info &type);
void *plain(const void *handle, const std::type_info &type);
void dropPlain(const void *object);

// The entries of the handle tables, of both kinds: live handles, and those of ended objects
// that wait for their deletion. A deleted object leaves no entry behind: its handle stays dead
// because handle numbers only ever grow, never because it is remembered.
qsizetype tableSize();

// The library unloads: the tables go, after every other holder dropped its handles.
void end();

template<typename T>
[[nodiscard]] void *addPlain(const T *object)
{
    return addPlain(static_cast<const void *>(object), typeid(T));
}
template<typename T>
T *plain(const void *handle)
{
    return static_cast<T *>(plain(handle, typeid(T)));
}

} // namespace tesk::handles
