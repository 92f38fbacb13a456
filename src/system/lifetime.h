#pragma once

// How long the library's objects live while the host holds them and calls back into them.
//
// The host destroys objects from inside the library's own calls: from a callback the object
// itself made, from a timer inside one of the library's modal loops. Deleting an object there
// frees the frame the library is still running in. So every call from the library into the
// host, and every export body working on an object, runs inside a Scope; an object destroyed
// while any scope is open is only marked (its handle dies at once, it is hidden) and deleted
// once the outermost scope has ended. Code that called the host asks its scope whether its
// object still lives before it goes on.

#include <QObject>
#include <QPointer>

#include <functional>

namespace tesk::lifetime {

// Marks the object as ended: it is deleted now when no scope is open, else once the outermost
// scope has ended (later, from the event loop). A widget is hidden at once, which also ends a
// modal loop it runs. Null and already ended objects are ignored.
void destroy(QObject *object);

// The same for a window the toolkit may still be delivering to (closing itself, a press on it):
// outside every scope it is hidden and goes from the event loop instead of at once.
void destroyLater(QObject *object);

// Whether the object, or an object it belongs to (a parent), was ended by destroy() and waits
// for its deletion.
bool doomed(const QObject *object);

// While it lives, calls the function once when the object (or a parent of it) is ended by
// destroy(). A plain deletion calls nothing: the object is half gone when it is announced.
class EndWatch
{
public:
    EndWatch(const QObject *object, std::function<void()> function);
    ~EndWatch();
    EndWatch(const EndWatch &) = delete;
    EndWatch &operator=(const EndWatch &) = delete;

private:
    const QObject *m_object;
    quint64 m_id;
};

class Scope
{
public:
    // The object (may be null) is the one the scope works for: alive() answers for it.
    explicit Scope(const QObject *object = nullptr);
    ~Scope();
    Scope(const Scope &) = delete;
    Scope &operator=(const Scope &) = delete;

    // The scope's object neither deleted nor ended (true for a scope without an object).
    bool alive() const;

private:
    QPointer<const QObject> m_object;
    bool m_hasObject;
};

// The object the library's own queued calls run on (never the host's application): the calls
// still queued on it when the library unloads are carried out then, while their code is there,
// and the object goes with them.
QObject *queuedCallContext();
void endQueuedCalls();

// Whether a scope is open: some frame below the caller may still use what it would end.
bool inScope();

// Calls the host on behalf of the caller inside a scope; whether the caller still lives
// afterwards. Nothing of the caller may be touched when it answers false.
template<typename Call>
bool callHost(const QObject *caller, Call &&call)
{
    Scope scope(caller);
    std::forward<Call>(call)();
    return scope.alive();
}

// Calls the function once after the delay unless the owner is gone by then. The timer is the
// owner's: a pending single-shot of the toolkit's own outlives its receiver, and at the unload
// it would call into code no longer loaded.
void later(QObject *owner, int milliseconds, std::function<void()> function);

} // namespace tesk::lifetime
