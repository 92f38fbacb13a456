#pragma once

class QObject;

// Objects handed to the host as handles. A handle is a number of its own, never the object's
// address, and is never given out again: when an object dies and another is created at its
// address, the old handle stays dead. Exports that take a handle back check it here, so a
// stale or foreign handle is refused instead of followed. A handle dies with its object,
// however that is destroyed.
namespace tesk::handles {

// The object's handle (the same one when it already has one); null for null.
[[nodiscard]] void *add(QObject *object);
bool contains(const void *handle);
// The object of a live handle, else null.
QObject *object(const void *handle);

} // namespace tesk::handles
