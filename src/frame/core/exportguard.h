// The guard every export body runs in, so that no exception crosses into the host.
#pragma once

#include <exception>
#include <utility>

namespace tesk {

void reportEscapedException(const char *exportName, const char *what);

// Runs the body of an export; an exception never crosses into the host: it is reported
// and the export answers its failure value.
template<typename Result, typename Body>
Result guarded(const char *exportName, Result failure, Body &&body) noexcept
{
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
void guarded(const char *exportName, Body &&body) noexcept
{
    try {
        std::forward<Body>(body)();
    } catch (const std::exception &e) {
        reportEscapedException(exportName, e.what());
    } catch (...) {
        reportEscapedException(exportName, "unknown exception");
    }
}

// Whether the toolkit application exists: exports that open windows, tool tips, drags or help
// answer failure without one (before start-up and after the event loop ended) instead of
// letting the toolkit end the host.
bool applicationExists();

} // namespace tesk

// The guard for the body of the enclosing export, reported under that export's own name. Use it
// in the export itself: inside a helper, __func__ would name the helper; a helper that guards
// takes the export's __func__ as its argument instead.
#define TESK_GUARDED(failure, ...) ::tesk::guarded(__func__, failure, __VA_ARGS__)
#define TESK_GUARDED_VOID(...) ::tesk::guarded(__func__, __VA_ARGS__)
