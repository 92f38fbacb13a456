#include "system/lifetime.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace tesk::lifetime {

namespace {

struct Watcher
{
    quint64 id;
    std::function<void()> function;
};

struct State
{
    int depth = 0;
    QSet<const QObject *> doomed;
    QList<QPointer<QObject>> pending;
    QHash<const QObject *, QList<Watcher>> watchers;
    QSet<const QObject *> tracked;
    quint64 nextWatch = 1;
};

State &state()
{
    static State s;
    return s;
}

// Each watcher runs at most once: the object's watchers leave the table before they run.
void fireWatchers(const QObject *object)
{
    const QList<Watcher> watchers = state().watchers.take(object);
    for (const Watcher &watcher : watchers)
        watcher.function();
}

// Forgets the object's marks once it is gone, whoever deleted it.
void track(const QObject *object)
{
    if (state().tracked.contains(object))
        return;
    state().tracked.insert(object);
    // A deleted object's watchers are dropped, not called: the object is half gone by now.
    QObject::connect(object, &QObject::destroyed, [object] {
        state().tracked.remove(object);
        state().doomed.remove(object);
        state().watchers.remove(object);
    });
}

bool descendsFrom(const QObject *object, const QObject *ancestor)
{
    for (const QObject *o = object->parent(); o; o = o->parent()) {
        if (o == ancestor)
            return true;
    }
    return false;
}

// Deletes the objects from the event loop, once the frames that may still touch them have
// returned: the toolkit's deleteLater. Outside every loop (a host that pumps with processEvents
// of its own) that is never carried out, so the host's next pass deletes them as well, unless
// a scope is open by then, whose end takes them.
void deleteFromTheLoop(const QList<QPointer<QObject>> &objects)
{
    if (objects.isEmpty())
        return;
    for (const QPointer<QObject> &object : objects) {
        if (object)
            object->deleteLater();
    }
    if (!QCoreApplication::instance() || QThread::currentThread()->loopLevel() > 0)
        return;
    QMetaObject::invokeMethod(
        queuedCallContext(),
        [objects] {
            for (const QPointer<QObject> &object : objects) {
                if (object && state().depth > 0)
                    state().pending.append(object);
                else
                    delete object.data();
            }
        },
        Qt::QueuedConnection);
}

// Followed by the toolkit's own weak pointer: the application may take the context with it,
// also after an unload at the process's end, when no code of the library may run for it.
QPointer<QObject> g_queuedCallContext;

} // namespace

QObject *queuedCallContext()
{
    if (g_queuedCallContext)
        return g_queuedCallContext;
    // A child of the application: what it holds goes with the application, and at the
    // process's end, when the unload leaves toolkit objects alone, it stays reachable from
    // there instead of only from the library's statics, which an unload takes away.
    g_queuedCallContext = new QObject(QCoreApplication::instance());
    return g_queuedCallContext;
}

void endQueuedCalls()
{
    if (!g_queuedCallContext)
        return;
    if (QCoreApplication::instance())
        QCoreApplication::sendPostedEvents(g_queuedCallContext, QEvent::MetaCall);
    delete g_queuedCallContext.data();
}

namespace {

void deletePending()
{
    deleteFromTheLoop(std::exchange(state().pending, {}));
}

} // namespace

void destroy(QObject *object)
{
    State &s = state();
    if (!object || doomed(object))
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
    // What lives inside the object ends with it: a dialog running its loop on a window that
    // is ended, a menu of a view.
    const QList<const QObject *> watched = s.watchers.keys();
    for (const QObject *candidate : watched) {
        if (candidate == object || descendsFrom(candidate, object))
            fireWatchers(candidate);
    }
}

void destroyLater(QObject *object)
{
    if (!object)
        return;
    if (state().depth > 0) {
        destroy(object);
        return;
    }
    if (auto *widget = qobject_cast<QWidget *>(object))
        widget->hide();
    deleteFromTheLoop({object});
}

bool doomed(const QObject *object)
{
    for (const QObject *o = object; o; o = o->parent()) {
        if (state().doomed.contains(o))
            return true;
    }
    return false;
}

EndWatch::EndWatch(const QObject *object, std::function<void()> function)
    : m_object(object)
    , m_id(object ? state().nextWatch++ : 0)
{
    if (!object)
        return;
    track(object);
    state().watchers[object].append({m_id, std::move(function)});
}

EndWatch::~EndWatch()
{
    const auto found = state().watchers.find(m_object);
    if (found == state().watchers.end())
        return;
    found->removeIf([this](const Watcher &watcher) { return watcher.id == m_id; });
    if (found->isEmpty())
        state().watchers.erase(found);
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

bool inScope()
{
    return state().depth > 0;
}

bool Scope::alive() const
{
    return !m_hasObject || (m_object && !doomed(m_object));
}

void later(QObject *owner, int milliseconds, std::function<void()> function)
{
    if (!owner)
        return;
    auto *timer = new QTimer(owner);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, owner, [timer, function = std::move(function)] {
        timer->deleteLater();
        function();
    });
    timer->start(milliseconds);
}

} // namespace tesk::lifetime
