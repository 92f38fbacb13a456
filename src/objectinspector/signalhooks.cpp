#include "objectinspector/signalhooks.h"

#include "objectinspector/objecttree.h"
#include "objectinspector/qtobjectinspector.h"

#include <QMetaMethod>
#include <QThread>
#include <QtCore/private/qmetaobject_p.h>
#include <QtCore/private/qobject_p.h>
#include <QtCore/private/qobject_p_p.h>

#include <vector>

namespace {

// An activation that has begun and not yet ended. Its end callback may come after the caller
// was deleted (a slot that deletes its own object), so everything the end needs is kept here
// and the caller is only compared, never touched.
struct Activation
{
    const void *caller;
    int index;
    bool slot;
    bool own; // the inspector's own objects are never reported
    MemberData record;
};

QtObjectInspector *g_inspector = nullptr;
std::vector<Activation> g_activations;

QByteArray memberSignature(QObject *caller, int index, bool slot)
{
    const QMetaObject *meta = caller->metaObject();
    const QMetaMethod method = slot ? meta->method(index) : QMetaObjectPrivate::signal(meta, index);
    return method.methodSignature();
}

bool onGuiThread()
{
    return g_inspector && QThread::currentThread() == g_inspector->thread();
}

void begin(QObject *caller, int index, bool slot)
{
    if (!onGuiThread())
        return;
    Activation activation{caller, index, slot, g_inspector->isOwnObject(caller), {}};
    if (!activation.own) {
        MemberData &record = activation.record;
        record.objectId = tesk::inspector::objectId(caller);
        record.opening = true;
        // Texts cost allocations; only a tracing inspector looks at them.
        if (g_inspector->isTracing()) {
            record.textA = QString::fromLatin1(caller->metaObject()->className());
            record.textB = QString::fromLatin1(memberSignature(caller, index, slot));
            record.textC = caller->objectName();
        }
    }
    g_activations.push_back(activation);
    if (activation.own)
        g_inspector->linkActivity();
    else
        g_inspector->signalBegin(activation.record);
}

// Ends the matching activation and any left open above it: those belong to senders deleted
// during their own activation, whose end the toolkit never reports.
void end(const void *caller, int index, bool slot)
{
    if (!onGuiThread())
        return;
    std::size_t found = g_activations.size();
    for (std::size_t i = g_activations.size(); i-- > 0;) {
        const Activation &open = g_activations[i];
        if (open.caller == caller && open.index == index && open.slot == slot) {
            found = i;
            break;
        }
    }
    // Not found: it began before the hooks were attached.
    const std::size_t keep = found;
    while (g_activations.size() > keep && g_inspector) {
        Activation activation = std::move(g_activations.back());
        g_activations.pop_back();
        if (activation.own)
            continue;
        activation.record.opening = false;
        g_inspector->signalEnd(activation.record);
    }
}

void signalBeginCallback(QObject *caller, int signalIndex, void **)
{
    begin(caller, signalIndex, false);
}

void slotBeginCallback(QObject *caller, int methodIndex, void **)
{
    begin(caller, methodIndex, true);
}

void signalEndCallback(QObject *caller, int signalIndex)
{
    end(caller, signalIndex, false);
}

void slotEndCallback(QObject *caller, int methodIndex)
{
    end(caller, methodIndex, true);
}

QSignalSpyCallbackSet g_callbacks = {signalBeginCallback, slotBeginCallback, signalEndCallback,
                                     slotEndCallback};

// At the process's end this file's statics go while the host's later exit handlers have still to
// run (a static destructor that unloads the library, deletes its objects): a signal sent then
// must not reach hooks whose state has gone. Defined after that state, so ended before it.
struct DetachedAtExit
{
    ~DetachedAtExit()
    {
        if (qt_signal_spy_callback_set.loadRelaxed() == &g_callbacks)
            qt_register_signal_spy_callbacks(nullptr);
        g_inspector = nullptr;
    }
} g_detachedAtExit;

} // namespace

bool SignalHooks::attach(QtObjectInspector *inspector)
{
    if (g_inspector || !inspector)
        return false;
    g_inspector = inspector;
    g_activations.clear();
    qt_register_signal_spy_callbacks(&g_callbacks);
    return true;
}

void SignalHooks::detach(QtObjectInspector *inspector)
{
    if (!inspector || g_inspector != inspector)
        return;
    if (qt_signal_spy_callback_set.loadRelaxed() == &g_callbacks)
        qt_register_signal_spy_callbacks(nullptr);
    g_inspector = nullptr;
    g_activations.clear();
}

QtObjectInspector *SignalHooks::attached()
{
    return g_inspector;
}

QList<SignalHooks::Receiver> SignalHooks::receivers(const QObject *object, int signalMethodIndex)
{
    QList<Receiver> result;
    const QMetaMethod signal = object->metaObject()->method(signalMethodIndex);
    const int signalIndex = QMetaObjectPrivate::signalIndex(signal);
    const QObjectPrivate::ConnectionData *data =
        QObjectPrivate::get(object)->connections.loadAcquire();
    if (!data || signalIndex < 0)
        return result;
    const QObjectPrivate::SignalVector *vector = data->signalVector.loadAcquire();
    if (!vector || signalIndex >= vector->count())
        return result;
    for (const QObjectPrivate::Connection *c = vector->at(signalIndex).first.loadAcquire(); c;
         c = c->nextConnectionList.loadAcquire()) {
        QObject *receiver = c->receiver.loadAcquire();
        if (!receiver || c->isSlotObject)
            continue;
        result.append({receiver, receiver->metaObject()->method(c->method()).methodSignature()});
    }
    return result;
}
