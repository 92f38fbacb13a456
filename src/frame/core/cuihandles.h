#pragma once

class QObject;

// Objects handed to the host as handles. Exports that take a handle back check it here, so a
// stale or foreign handle is refused instead of followed. A handle leaves the set when its
// object is destroyed, however that happens.
namespace tesk::handles {

void add(QObject *object);
bool contains(const void *handle);
// The object of a live handle, else null.
QObject *object(const void *handle);

} // namespace tesk::handles
