#include "sync/syncregistration.h"

#include "sync/cgcds_dialog.h"
#include "sync/syncdataadaptor.h"
#include "sync/syncdatamediator.h"

#include "frame/core/brokerguard.h"
#include "frame/core/plugincomponents.h"

#include <string>
#include <utility>

namespace {

CGcds_Dialog *g_dialog = nullptr;

} // namespace

void endSyncWindow()
{
    if (g_dialog)
        delete g_dialog->window();
}

void endSyncComponents()
{
    endSyncWindow();
    delete std::exchange(g_dialog, nullptr);
    SyncDataAdaptor::end();
}

MoskResult registerSyncComponents(MoskRegistrar *registrar)
{
    if (!g_dialog)
        g_dialog = new CGcds_Dialog;
    CGcds_Dialog *dialog = g_dialog;
    // Subscribed once per load of the library (the unload detaches it): a second plug-in
    // registration must not make every host event reach the mediator twice.
    static bool subscribed = false;
    // The window's registration answers nothing the host needs: its error object is let go.
    // The adaptor's answer is the registration's, and once it is in, host events may come.
    mosk::release(registrar->ops->registerComponent(registrar, GCDS_CATEGORY, GCDS_DIALOG_COMPONENT,
                                                    dialog->face()));
    if (MoskResult result =
            tesk::broker::registerComponent(registrar, GCDS_CATEGORY, GCDS_DATA_ADAPTOR_COMPONENT,
                                            SyncDataAdaptor::instance()->face()))
        return result;
    if (!subscribed) {
        // Without the host's event subject the entry fails: its error says which one it is,
        // as the host can mend that only by registering it first.
        try {
            SyncDataMediator::instance()->subscribeEvents();
        } catch (mosk::ThrowError::Exception &e) {
            MoskResult error = e.takeError();
            const bool missing = moskErrorCode(error) == MOSK_ERR_FAILED;
            return tesk::broker::describeFailure(
                error, std::string("the host's event subject \"") + GCDS_EVENT_SUBJECT_COMPONENT +
                           "\" under \"" + GCDS_CATEGORY + "\" " +
                           (missing ? "is not registered (register it before the plug-in entry)"
                                    : "does not offer the event-subject interface"));
        }
        subscribed = true;
    }
    return nullptr;
}

namespace {
const tesk::broker::PluginComponents syncComponents(tesk::broker::kSyncOrder,
                                                    &registerSyncComponents);
} // namespace
