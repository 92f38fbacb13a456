// A host that calls the plug-in entry without a usable event subject: "missing" registers
// none, "faceless" registers an object without the event-subject interface. Prints the
// entry's error code and its description; exits 0 when the entry failed and the library's
// components are there. "early-open" registers the simulated cores and asks for the synchronisation
// window before the application exists: exits 0 when the window component refuses. "window-refused"
// hands the entry a registrar that refuses the window component only: exits 0 when the entry
// succeeded and the mediator is subscribed all the same.
#include "sanitizerdefaults.h"
#include "simulatedcores.h"

#include <tesk/tesk.h>

#include <mosk/mosk.hpp>

#include <cstdio>
#include <cstring>

namespace {

struct Faceless : mosk::Object<mosk::EmptyMutex, mosk::Static>
{
    using Face = mosk::Implements<Faceless, MoskBase, 0x4711, 0, 0>;
    static const MoskBaseOps ops;
    Face face{this, &ops};
};
const MoskBaseOps Faceless::ops = {MOSK_FACE_BASE(Face)};

int openBeforeStartUp(MoskBroker *broker)
{
    SimulatedCores::registerWithBroker();
    mosk::release(moskInitialisePlugin(reinterpret_cast<MoskRegistrar *>(broker)));
    void *object = nullptr;
    mosk::release(broker->ops->getComponent(broker, GCDS_CATEGORY, GCDS_DIALOG_COMPONENT, &object));
    auto *dialog = static_cast<IGcds_Dialog *>(object);
    const int opened = dialog ? dialog->ops->open(dialog, 0) : -1;
    std::printf("open before start-up: %d\n", opened);
    if (dialog)
        dialog->ops->Release(dialog);
    moskBrokerClear();
    return opened == 0 ? 0 : 1;
}

// Passes every registration on to the broker but the window component's.
int refusingTheWindow(MoskBroker *broker)
{
    SimulatedCores::registerWithBroker();
    static MoskBroker *target = broker;
    static const MoskRegistrarOps ops = {
        [](void *, uint32_t *, uint32_t *, uint32_t *, uint32_t *) -> MoskResult {
            return nullptr;
        },
        [](void *) -> uint32_t { return 1; }, [](void *) -> uint32_t { return 1; },
        [](void *, void **, uint32_t, uint32_t) -> MoskResult { return nullptr; },
        [](void *, const char *category, const char *id, void *object) -> MoskResult {
            if (!std::strcmp(id, GCDS_DIALOG_COMPONENT))
                return moskErrorCreateStandardError(1, MOSK_ERR_DUPLICATE);
            return target->ops->registerComponent(target, category, id, object);
        }};
    MoskRegistrar registrar{&ops};
    MoskResult result = moskInitialisePlugin(&registrar);
    const size_t attached = SimulatedCores::installed().attached().size();
    std::printf("plug-in entry: code %#x, %zu events attached\n", moskErrorCode(result), attached);
    const bool failed = result != nullptr;
    mosk::release(result);
    moskBrokerClear();
    return !failed && attached == 5 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    static Faceless faceless;
    MoskBroker *broker = moskGetObjectBroker();
    if (argc > 1 && !std::strcmp(argv[1], "early-open"))
        return openBeforeStartUp(broker);
    if (argc > 1 && !std::strcmp(argv[1], "window-refused"))
        return refusingTheWindow(broker);
    if (argc > 1 && !std::strcmp(argv[1], "faceless"))
        mosk::release(broker->ops->registerComponent(broker, GCDS_CATEGORY,
                                                     GCDS_EVENT_SUBJECT_COMPONENT, &faceless.face));
    MoskResult result = moskInitialisePlugin(reinterpret_cast<MoskRegistrar *>(broker));
    std::printf("plug-in entry: code %#x\n", moskErrorCode(result));
    if (result) {
        MoskValue *description = result->ops->description(result);
        const char *text = nullptr;
        mosk::release(description->ops->getText(description, &text));
        std::printf("plug-in entry error: %s\n", text ? text : "");
        description->ops->Release(description);
    }
    const bool failed = result != nullptr;
    mosk::release(result);
    const bool registered =
        broker->ops->hasComponent(broker, GCDS_CATEGORY, GCDS_DATA_ADAPTOR_COMPONENT);
    moskBrokerClear();
    return failed && registered && faceless.refCount() == 0 ? 0 : 1;
}
