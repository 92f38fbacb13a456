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

} // namespace tesk
