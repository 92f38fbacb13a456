#pragma once
// The soft check: a broken invariant is reported the way the toolkit reports a failed
// assertion, and the program goes on. A debugger's user interface must survive the mistakes
// of the host and of the peers it talks to; aborting would lose the user's session.

#include <QtGlobal>

namespace tesk {

inline bool softCheck(bool condition, const char *text, const char *file, int line)
{
    if (!condition)
        qWarning("ASSERT: \"%s\" in file %s, line %d", text, file, line);
    return condition;
}

} // namespace tesk

// Answers the condition, so a caller can bail out: if (!TESK_CHECK(p)) return;
// File names are relative to src/ (the build maps the source prefix away).
#define TESK_CHECK(condition) ::tesk::softCheck(bool(condition), #condition, __FILE__, __LINE__)
