#include "frame/core/helphook.h"

namespace tesk::help {
namespace {

HelpFunction g_helpFunction = nullptr;

} // namespace

void setHelpFunction(HelpFunction function)
{
    g_helpFunction = function;
}

bool showHelp(int32_t contextId, int32_t mapId)
{
    return g_helpFunction && g_helpFunction(contextId, mapId) != 0;
}

} // namespace tesk::help
