#include "system/lifetime.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QWidget>

#include <memory>
#include <utility>

namespace tesk::lifetime {

namespace {

struct Watcher
{
    QPointer<QObject> context;
    std::shared_ptr<std::function<void()>> function;
};

struct State
{
    int depth = 0;
    QSet<const QObject *> doomed;
    QList<QPointer<QObject>> pending;
    QHash<const QObject *, QList<Watcher>> watchers;
    QSet<const QObject *> tracked;
};

State &state()
{
    static State s;
    return s;
}

// Each watcher runs at most once: the function is moved out before it is called.
void fire(const Watcher &watcher)
{
    if (!watcher.context || !*watcher.function)
        return;
    const std::function<void()> function = std::exchange(*watcher.function, nullptr);
    function();
}

void fireWatchers(const QObject *object)
{
    const QList<Watcher> watchers = state().watchers.take(object);
    for (const Watcher &watcher : watchers)
        fire(watcher);
}

// Forgets the object's marks once it is gone, whoever deleted it.
void track(const QObject *object)
{
    if (state().tracked.contains(object))
        return;
    state().tracked.insert(object);
    QObject::connect(object, &QObject::destroyed, [object] {
        state().tracked.remove(object);
        state().doomed.remove(object);
        fireWatchers(object);
    });
}

void deletePending()
{
    const QList<QPointer<QObject>> pending = std::exchange(state().pending, {});
    for (const QPointer<QObject> &object : pending) {
        if (object)
            object->deleteLater();
    }
}

} // namespace

void destroy(QObject *object)
{
    State &s = state();
    if (!object || s.doomed.contains(object))
        return;
    if (s.depth == 0) {
        fireWatchers(object);
        delete object;
        return;
    }
    track(object);
    s.doomed.insert(object);
    s.pending.append(object);
    if (auto *widget = qobject_cast<QWidget *>(object))
        widget->hide();
    fireWatchers(object);
}

bool doomed(const QObject *object)
{
    return object && state().doomed.contains(object);
}

void whenEnded(const QObject *object, QObject *context, std::function<void()> function)
{
    if (!object)
        return;
    track(object);
    state().watchers[object].append(
        {context, std::make_shared<std::function<void()>>(std::move(function))});
}

bool insideScope()
{
    return state().depth > 0;
}

Scope::Scope(const QObject *object)
    : m_object(object)
    , m_hasObject(object != nullptr)
{
    ++state().depth;
}

Scope::~Scope()
{
    if (--state().depth == 0)
        deletePending();
}

bool Scope::alive() const
{
    return !m_hasObject || (m_object && !doomed(m_object));
}

} // namespace tesk::lifetime
