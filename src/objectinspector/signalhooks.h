#pragma once

// The one place that reaches into the toolkit's private object internals: the signal-spy
// callbacks (every signal and slot activation) and the connection lists of a signal. Nothing
// else includes a private header.

#include <QByteArray>
#include <QList>

class QObject;
class QtObjectInspector;

class SignalHooks
{
public:
    struct Receiver
    {
        QObject *object;
        QByteArray member; // the receiving slot's or signal's signature
    };

    // Routes the GUI thread's signal and slot activations to the inspector's hooks: a signal or
    // slot that begins opens a record, its end closes it. One inspector at a time; false when
    // another one is attached already.
    static bool attach(QtObjectInspector *inspector);
    static void detach(QtObjectInspector *inspector);
    static QtObjectInspector *attached();

    // The connections of one signal (a method index of the object's class), in calling order.
    // Connections made with member-function pointers or lambdas keep no member name and are
    // left out.
    static QList<Receiver> receivers(const QObject *object, int signalMethodIndex);
};
