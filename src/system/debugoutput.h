#pragma once

#include <functional>
#include <string>

namespace tesk::system {

// The platform debug output: standard error, unless a sink captures it (tests do).
void debugOutput(const std::string &text);

using DebugSink = std::function<void(const std::string &)>;
// An empty sink restores standard error. Returns the previous sink.
DebugSink setDebugSink(DebugSink sink);

// Ends the process at once with the given exit code, after flushing standard error.
[[noreturn]] void exitProcess(int code);

} // namespace tesk::system
