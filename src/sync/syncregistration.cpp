#include "sync/syncregistration.h"

#include "sync/cgcds_dialog.h"
#include "sync/syncdataadaptor.h"
#include "sync/syncdatamediator.h"

#include "frame/core/plugincomponents.h"

MoskResult registerSyncComponents(MoskRegistrar *registrar)
{
    static CGcds_Dialog *dialog = new CGcds_Dialog;
    // Subscribed once per process: a second plug-in registration must not make every host
    // event reach the mediator twice.
    static bool subscribed = false;
    // Both are registered whatever the first answers, so that the host still finds the other;
    // the first failure is the one reported, the second's error object is let go.
    MoskResult first = registrar->ops->registerComponent(registrar, GCDS_CATEGORY,
                                                         GCDS_DIALOG_COMPONENT, dialog->face());
    MoskResult second = registrar->ops->registerComponent(
        registrar, GCDS_CATEGORY, GCDS_DATA_ADAPTOR_COMPONENT, SyncDataAdaptor::instance()->face());
    if (first) {
        mosk::release(second);
        return first;
    }
    if (second)
        return second;
    if (!subscribed) {
        // A missing event subject throws to the plug-in entry, which answers its error.
        SyncDataMediator::instance()->subscribeEvents(true);
        subscribed = true;
    }
    return nullptr;
}

namespace {
const tesk::broker::PluginComponents syncComponents(tesk::broker::kSyncOrder,
                                                    &registerSyncComponents);
} // namespace
