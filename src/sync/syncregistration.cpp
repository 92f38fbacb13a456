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
    // A failure of the first registration is reported too: a component the host cannot find
    // is not a success.
    if (MoskResult result = registrar->ops->registerComponent(
            registrar, GCDS_CATEGORY, GCDS_DIALOG_COMPONENT, dialog->face()))
        return result;
    if (MoskResult result =
            registrar->ops->registerComponent(registrar, GCDS_CATEGORY, GCDS_DATA_ADAPTOR_COMPONENT,
                                              SyncDataAdaptor::instance()->face()))
        return result;
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
