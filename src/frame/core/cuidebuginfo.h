#pragma once

#include <QString>

// Process-wide debug flags from TESK_DEBUG ("+S0,+W1": a letter and a bit number) and the
// prompt-suppression switch KSODEBUG_SUPPRESS_PROMPTS, read once on first use.
class CuiDebugInfo
{
public:
    static void initialise();
    static bool isSet(const QString &flag);
    static bool isNotSet(const QString &flag) { return !isSet(flag); }
    static bool promptsSuppressed();

    // Forgets what was read so that the next query reads the environment again (tests).
    static void reset();
};
