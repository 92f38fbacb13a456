#pragma once

// The guard of every broker operation the library serves (a component's operation the host
// calls, the plug-in entry, an observer's notification): an exception never crosses into the
// host; it becomes an error result of category 1, and a broker error keeps its own.
#include <mosk/mosk.hpp>

#include <exception>
#include <functional>
#include <new>
#include <string>

class QObject;

namespace tesk::broker {

void reportFailure(const char *operation, const char *what);

// A host sees only the error object of a failed plug-in entry: this one keeps the category and
// code of the error it takes over and adds to its description what was missing or refused.
// The same text goes to the debug output. A null error stays null.
MoskResult describeFailure(MoskResult error, const std::string &what);

template<typename Body>
MoskResult guardedCall(const char *operation, Body &&body) noexcept
{
    try {
        return body();
    } catch (mosk::ThrowError::Exception &e) {
        return e.takeError();
    } catch (const std::bad_alloc &) {
        reportFailure(operation, "out of memory");
        return moskErrorCreateStandardError(1, MOSK_ERR_NO_MEMORY);
    } catch (const std::exception &e) {
        reportFailure(operation, e.what());
    } catch (...) {
        reportFailure(operation, "unknown exception");
    }
    return moskErrorCreateStandardError(1, MOSK_ERR_GENERAL);
}

// One rule for every operation of an interface the library serves: it runs on the library's
// thread only. Called from another it does nothing, writes no result and answers a failure of
// category 1 (MOSK_ERR_FAILED), with one debug line naming the operation. Used in the
// interfaces' tables: &OnLibraryThread<&operation>::call; an operation that must do something
// even when refused asks itself, with its own name.
bool refusedOffLibraryThread(const char *prettyName);

template<auto Operation>
struct OnLibraryThread;

template<typename... Args, MoskResult (*Operation)(void *, Args...)>
struct OnLibraryThread<Operation>
{
    static MoskResult call(void *face, Args... args)
    {
        if (refusedOffLibraryThread(__PRETTY_FUNCTION__))
            return moskErrorCreateStandardError(1, MOSK_ERR_FAILED);
        return Operation(face, args...);
    }
};

// A notification the host sends through the broker (an observer's Notify) runs on the library's
// thread: at once when it comes there; from another thread it is carried there behind the
// ones carried before and the call answers at once. Without a start to carry it to, nothing of
// the library stands that it could change: it is dropped with one debug line.
MoskResult notifyOnLibraryThread(const char *operation, std::function<void()> notify);

// The carrier lives in the started application; the unload ends it with what was not carried
// yet, before the library's code goes.
void makeCarrier();
void endCarrier();

} // namespace tesk::broker
