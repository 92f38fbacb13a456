#include "sync/syncregistration.h"

#include "sync/cgcds_dialog.h"
#include "sync/syncdataadaptor.h"

#include "frame/core/plugincomponents.h"

MoskResult registerSyncComponents(MoskRegistrar *registrar)
{
    static CGcds_Dialog *dialog = new CGcds_Dialog;
    // A failure of the first registration is reported too: a component the host cannot find
    // is not a success.
    if (MoskResult result = registrar->ops->registerComponent(
            registrar, "gui_bridge", "Gcds_Dialog.component.1", dialog->face()))
        return result;
    return registrar->ops->registerComponent(registrar, "gui_bridge",
                                             "Gcds_SingletonDataAdaptor.component.1",
                                             SyncDataAdaptor::instance()->face());
}

namespace {
const tesk::broker::PluginComponents syncComponents(tesk::broker::kSyncOrder,
                                                    &registerSyncComponents);
} // namespace
