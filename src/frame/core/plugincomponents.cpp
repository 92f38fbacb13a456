#include "frame/core/plugincomponents.h"

#include "frame/core/brokerguard.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace tesk::broker {
namespace {

struct Announced
{
    int order;
    ComponentRegistration registration;
};

// A function-local list: announcements run during static initialisation, in any order of the
// translation units.
std::vector<Announced> &announced()
{
    static std::vector<Announced> list;
    return list;
}

// Held through a pointer: the unload runs them after the statics have gone.
std::vector<std::pair<int, void (*)()>> *g_ends = nullptr;

} // namespace

PluginComponents::PluginComponents(int order, ComponentRegistration registration, void (*end)())
{
    announced().push_back({order, registration});
    if (end) {
        if (!g_ends)
            g_ends = new std::vector<std::pair<int, void (*)()>>;
        g_ends->emplace_back(order, end);
    }
}

void endPluginComponents()
{
    if (!g_ends)
        return;
    // In the reverse of the registrations' order: the views hold the facade.
    std::stable_sort(g_ends->begin(), g_ends->end(),
                     [](const auto &a, const auto &b) { return a.first > b.first; });
    for (const auto &entry : *g_ends)
        entry.second();
    delete std::exchange(g_ends, nullptr);
}

MoskResult registerComponent(MoskRegistrar *registrar, const char *category, const char *id,
                             void *object)
{
    return describeFailure(registrar->ops->registerComponent(registrar, category, id, object),
                           std::string("the broker refused the component \"") + id + "\" under \"" +
                               category + "\"");
}

MoskResult registerPluginComponents(MoskRegistrar *registrar)
{
    std::vector<Announced> list = announced();
    std::stable_sort(list.begin(), list.end(),
                     [](const Announced &a, const Announced &b) { return a.order < b.order; });
    for (const Announced &entry : list) {
        // A failure of any registration is reported: a component the host cannot find is not
        // a success.
        if (MoskResult result = entry.registration(registrar))
            return result;
    }
    return 0;
}

} // namespace tesk::broker
