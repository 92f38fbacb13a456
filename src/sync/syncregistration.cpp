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
    // The window's registration answers nothing the host needs: its error object is let go.
    // The adaptor's answer is the registration's, and once it is in, host events may come.
    mosk::release(registrar->ops->registerComponent(registrar, GCDS_CATEGORY, GCDS_DIALOG_COMPONENT,
                                                    dialog->face()));
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
