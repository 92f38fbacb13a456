#include "loadhost.h"

#include <tesk/tesk_registry.h>

namespace testhost {

namespace {

constexpr char kGui[] = "gui";
constexpr char kMru[] = "addToLoadBinaryMRU";

template<const char *Name>
int recorder(int code, intptr_t object, intptr_t argument, const char *text, intptr_t extra)
{
    const char *command = reinterpret_cast<const char *>(argument);
    LoadHost::calls().push_back(
        {Name, code, object, command ? command : "", text != nullptr, extra});
    return 0;
}

} // namespace

LoadHost::LoadHost(bool gui, bool mru)
{
    calls().clear();
    m_previousGui = CuiFunctionRegistryGetFunction(kGui);
    m_previousMru = CuiFunctionRegistryGetFunction(kMru);
    CuiFunctionRegistryRemoveFunction(kGui);
    CuiFunctionRegistryRemoveFunction(kMru);
    if (gui)
        CuiFunctionRegistryAddFunction(kGui, reinterpret_cast<CuiRegistryFn>(&recorder<kGui>));
    if (mru)
        CuiFunctionRegistryAddFunction(kMru, reinterpret_cast<CuiRegistryFn>(&recorder<kMru>));
}

LoadHost::~LoadHost()
{
    CuiFunctionRegistryRemoveFunction(kGui);
    CuiFunctionRegistryRemoveFunction(kMru);
    if (m_previousGui)
        CuiFunctionRegistryAddFunction(kGui, m_previousGui);
    if (m_previousMru)
        CuiFunctionRegistryAddFunction(kMru, m_previousMru);
}

std::vector<LoadHost::Call> &LoadHost::calls()
{
    static std::vector<Call> recorded;
    return recorded;
}

} // namespace testhost
