#include "frame/core/exportguard.h"

#include "system/debugoutput.h"

#include <QCoreApplication>
#include <QThread>
#include <QtGlobal>

#include <atomic>
#include <cstdlib>
#include <string>

namespace tesk {

namespace {

std::atomic<bool> g_processEnding{false};
bool g_started = false;

void markProcessEnding()
{
    g_processEnding = true;
}

} // namespace

void watchProcessEnd()
{
    std::atexit(&markProcessEnding);
}

bool processEnding()
{
    return g_processEnding;
}

void reportEscapedException(const char *exportName, const char *what)
{
    qWarning("%s: %s", exportName, what);
}

bool onLibraryThread(const char *exportName, bool claims)
{
    static const bool watched = (watchProcessEnd(), true);
    (void)watched;
    static std::atomic<QThread *> starter{nullptr};
    QThread *const current = QThread::currentThread();
    QThread *expected = nullptr;
    QThread *owner = nullptr;
    if (claims)
        owner = starter.compare_exchange_strong(expected, current) ? current : expected;
    else
        owner = (expected = starter.load()) ? expected : current;
    // A host that made its own application started the library on that application's thread.
    if (const QCoreApplication *application = QCoreApplication::instance())
        owner = application->thread();
    if (current == owner)
        return true;
    system::debugOutput(std::string(exportName) +
                        ": called from a thread other than the one that started the library; "
                        "refused\n");
    return false;
}

bool applicationExists()
{
    return QCoreApplication::instance() != nullptr;
}

bool started()
{
    return g_started && applicationExists();
}

void setStarted(bool running)
{
    g_started = running;
}

} // namespace tesk
