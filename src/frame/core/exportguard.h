// The guard every export body runs in, so that no exception crosses into the host.
#pragma once

#include "frame/core/cuihandles.h"

#include <exception>
#include <type_traits>
#include <utility>

namespace tesk {

void reportEscapedException(const char *exportName, const char *what);
// True on the thread that started the library (the first to call an export, or the toolkit
// application's own once there is one). Elsewhere the call is reported under the export's name
// and refused: the library's objects live on that thread and are never locked. A call that does
// not claim (the broker may load the plug-in on a thread of its own before the host starts the
// library) is refused only once the library's thread is known.
bool onLibraryThread(const char *exportName, bool claims = true);
// The same question asked quietly and without a claim; while no call has claimed a thread and
// no application exists, the thread that loaded the library is the library's.
bool isLibraryThread();

// Whether the process has begun to end (its exit handlers run), as opposed to the library
// being unloaded from a process that goes on. Seen as exit() ends the library's thread, before
// any exit handler runs, whenever the host registered its own; an exit from another thread is
// seen by an exit handler watched from the library's load and again from the first export call.
void watchProcessEnd();
bool processEnding();

// Runs the body of an export; an exception never crosses into the host: it is reported
// and the export answers its failure value, as it does for a call from another thread. From an
// exit handler or static destructor at the process's end every export answers its failure value
// and does nothing: the toolkit's statics may be gone while the application still stands.
// Whether a call may enter: not at the process's end, and on the library's thread, which an
// export claims when none is known yet; a component's operation claims none.
enum class Claim { Thread, Nothing };
bool enters(const char *name, Claim claim);

template<typename Result, typename Body>
Result guarded(const char *exportName, Result failure, Body &&body,
               Claim claim = Claim::Thread) noexcept
{
    if (!enters(exportName, claim))
        return failure;
    try {
        return std::forward<Body>(body)();
    } catch (const std::exception &e) {
        reportEscapedException(exportName, e.what());
    } catch (...) {
        reportEscapedException(exportName, "unknown exception");
    }
    return failure;
}

template<typename Body>
void guarded(const char *exportName, Body &&body, Claim claim = Claim::Thread) noexcept
{
    if (!enters(exportName, claim))
        return;
    try {
        std::forward<Body>(body)();
    } catch (const std::exception &e) {
        reportEscapedException(exportName, e.what());
    } catch (...) {
        reportEscapedException(exportName, "unknown exception");
    }
}

// The live object behind a handle the host passes back, when it is a T; else null. Every
// family's objects are entered in tesk::handles, QObjects or not, so a dead handle never
// comes back to life and a foreign pointer is never followed.
template<typename T>
T *live(const void *handle)
{
    if constexpr (std::is_base_of_v<QObject, T>)
        return handles::object<T>(handle);
    else
        return handles::plain<T>(handle);
}

// The one way an export works on a handle: the body runs on the live object, guarded under the
// export's name; a null, dead, foreign or other kind of handle answers the failure value.
template<typename T, typename Result, typename Body>
Result onLive(const char *exportName, const void *handle, Result failure, Body &&body) noexcept
{
    return guarded(exportName, failure, [&]() -> Result {
        T *object = live<T>(handle);
        return object ? Result(std::forward<Body>(body)(*object)) : failure;
    });
}

template<typename T, typename Body>
void onLive(const char *exportName, const void *handle, Body &&body) noexcept
{
    guarded(exportName, [&] {
        if (T *object = live<T>(handle))
            std::forward<Body>(body)(*object);
    });
}

// Whether the toolkit application exists: exports that open windows, tool tips, drags or help
// answer failure without one (before start-up and after the event loop ended) instead of
// letting the toolkit end the host.
bool applicationExists();

// Whether a start is up: the application exists and the start-up that took it has not been
// ended since (by CuiRun, the unload, or the end of the host's application). A host may keep a
// broker interface from one start and call it between starts; whatever would make a window then
// answers failure, as an export does without an application, so that no window is made without
// its main window, and none at all without an application, which would end the host.
bool started();
void setStarted(bool running);

} // namespace tesk

// The guard for the body of the enclosing export, reported under that export's own name. Use it
// in the export itself: inside a helper, __func__ would name the helper; a helper that guards
// takes the export's __func__ as its argument instead.
#define TESK_GUARDED(failure, ...) ::tesk::guarded(__func__, failure, __VA_ARGS__)
#define TESK_GUARDED_VOID(...) ::tesk::guarded(__func__, __VA_ARGS__)
// The export's body on the live object of a handle (see onLive), under the export's own name.
#define TESK_ON_LIVE(Type, handle, failure, ...)                                                   \
    ::tesk::onLive<Type>(__func__, reinterpret_cast<const void *>(handle), failure, __VA_ARGS__)
#define TESK_ON_LIVE_VOID(Type, handle, ...)                                                       \
    ::tesk::onLive<Type>(__func__, reinterpret_cast<const void *>(handle), __VA_ARGS__)
