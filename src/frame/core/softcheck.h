#pragma once
// The soft check: a broken invariant is reported the way the toolkit reports a failed
// assertion, and the program goes on. A debugger's user interface must survive the mistakes
// of the host and of the peers it talks to; aborting would lose the user's session.

#include <QtGlobal>

namespace tesk {

// A source file's name from src/ on ("frame/core/x.cpp"), the same on every machine and in
// every build directory.
inline const char *sourceName(const char *file)
{
    const char *name = file;
    for (const char *at = file; *at; ++at) {
        if (at[0] == 's' && at[1] == 'r' && at[2] == 'c' && at[3] == '/' &&
            (at == file || at[-1] == '/'))
            name = at + 4;
    }
    return name;
}

inline bool softCheck(bool condition, const char *text, const char *file, int line)
{
    if (!condition)
        qWarning("ASSERT: \"%s\" in file %s, line %d", text, sourceName(file), line);
    return condition;
}

} // namespace tesk

// Answers the condition, so a caller can bail out: if (!TESK_CHECK(p)) return;
#define TESK_CHECK(condition) ::tesk::softCheck(bool(condition), #condition, __FILE__, __LINE__)
