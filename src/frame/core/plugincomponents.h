#pragma once
// The broker components the library registers when the host calls the plug-in entry. Each
// area announces its own components here (a static PluginComponents object beside its
// registration function), so the plug-in entry needs to know none of the areas.

#include <mosk/mosk.h>

namespace tesk::broker {

using ComponentRegistration = MoskResult (*)(MoskRegistrar *registrar);

// Announces a registration; registrations run by ascending order, ties in announcement order.
class PluginComponents
{
public:
    // end, when given, frees the area's components at the unload.
    PluginComponents(int order, ComponentRegistration registration, void (*end)() = nullptr);
};

// At the unload, once the broker has let the components go: frees every area's components,
// also at the process's end, when the library's statics are gone.
void endPluginComponents();

// Order values of the areas' registrations: the facade first, then the synchronisation
// components, then the views manager (whose registry result the plug-in entry answers last).
enum PluginOrder {
    kFacadeOrder = 10,
    kSyncOrder = 30,
    kViewsOrder = 40,
};

// Registers one component through the host's registration interface; a refusal comes back
// naming the component.
MoskResult registerComponent(MoskRegistrar *registrar, const char *category, const char *id,
                             void *object);

// Runs every announced registration; answers the first failure, or 0.
MoskResult registerPluginComponents(MoskRegistrar *registrar);

} // namespace tesk::broker
