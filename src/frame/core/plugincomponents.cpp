#include "frame/core/plugincomponents.h"

#include "frame/core/brokerguard.h"

#include <algorithm>
#include <string>
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

} // namespace

PluginComponents::PluginComponents(int order, ComponentRegistration registration)
{
    announced().push_back({order, registration});
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
