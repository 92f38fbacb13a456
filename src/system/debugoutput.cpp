#include "system/debugoutput.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace tesk::system {

namespace {
DebugSink &sink()
{
    static DebugSink s;
    return s;
}
} // namespace

void debugOutput(const std::string &text)
{
    if (sink()) {
        sink()(text);
        return;
    }
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

DebugSink setDebugSink(DebugSink newSink)
{
    return std::exchange(sink(), std::move(newSink));
}

void exitProcess(int code)
{
    std::fflush(stderr);
    std::fflush(stdout);
    std::_Exit(code);
}

} // namespace tesk::system
