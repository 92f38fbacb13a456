#pragma once

// The guard of every broker operation the library serves (a component's operation the host
// calls, the plug-in entry, an observer's notification): an exception never crosses into the
// host; it becomes an error result of category 1, and a broker error keeps its own.
#include <mosk/mosk.hpp>

#include <exception>
#include <new>
#include <string>

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

} // namespace tesk::broker
