#pragma once

// How the inspector tests' child hosts end: their loop ends when the test closes their standard
// input, and in any case after a minute, so that a test that fails midway leaves no child behind.

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <unistd.h>

// Whether the loop ended because the minute ran out, not because the input closed.
inline bool &childTimedOut()
{
    static bool timedOut = false;
    return timedOut;
}

inline void endLoopWhenInputCloses()
{
    auto *input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, qApp);
    QObject::connect(input, &QSocketNotifier::activated, [input] {
        char byte;
        if (read(STDIN_FILENO, &byte, 1) <= 0) {
            input->setEnabled(false);
            QCoreApplication::exit(0);
        }
    });
    QTimer::singleShot(60000, qApp, [] {
        childTimedOut() = true;
        QCoreApplication::exit(1);
    });
}
