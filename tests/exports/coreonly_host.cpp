// A host that links the toolkit's core and nothing of its widgets: it runs the library on a
// thread of its own (loaded, entered, started, a memory view docked, the start ended by
// CuiRun), which then ends; main clears the broker and unloads the library. It loads it again
// on a thread that ends, and starts it and docks a memory view on main. The toolkit's core
// stays loaded throughout and keeps what it learnt of the first load's widgets; the second
// load must dock as the first did.
//   coreonly_host    prints "docked twice" and answers 0 when both loads docked
#include "eventsubjecthost.h"
#include "simulatedcores.h"
#include "simulatedtarget.h"

#include <mosk/mosk.hpp>
#include <tesk/tesk_functions.h>
#include <tesk/tesk_views.h>

#include <QtGlobal>

#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <thread>

namespace {

void *g_library = nullptr;

template<typename Function>
Function find(const char *name)
{
    void *symbol = dlsym(g_library, name);
    Function function = nullptr;
    std::memcpy(&function, &symbol, sizeof function);
    if (!function)
        std::printf("coreonly_host: no %s\n", name);
    return function;
}

// One load: a memory view docked in a start's frame, the start ended, the library unloaded.
// The first runs whole on a thread of the host's, and main unloads it once that thread ended.
bool dock(int round);

bool dockOnce(int round)
{
    if (round != 1)
        return dock(round);
    bool docked = false;
    std::thread runner([&] { docked = dock(round); });
    runner.join();
    moskBrokerClear();
    dlclose(g_library);
    return docked;
}

bool dock(int round)
{
    // The host's components, again after every clear.
    SimulatedCores::registerWithBroker();
    testhost::EventSubjectHost::instance().registerWithBroker();
    SimulatedTarget::registerWithBroker();
    // The second load is loaded and entered on a thread of the host's that ends before the start.
    bool entered = false;
    auto load = [&] {
        g_library = dlopen(TESK_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        if (!g_library)
            return;
        const auto entry = find<PFN_moskInitialisePlugin>("moskInitialisePlugin");
        MoskResult result = entry(reinterpret_cast<MoskRegistrar *>(moskGetObjectBroker()));
        entered = result == nullptr;
        if (result)
            std::printf("coreonly_host: the plug-in entry answered %#x\n", moskErrorCode(result));
        mosk::release(result);
    };
    if (round == 1) {
        load();
    } else {
        std::thread loader(load);
        loader.join();
    }
    if (!entered) {
        std::printf("coreonly_host: load %d was not entered\n", round);
        return false;
    }
    char commandLine[] = "";
    CuiFrameRecord record = {1, 0, 0, 0};
    if (find<PFN_CuiQtInit_WinEx>("CuiQtInit_WinEx")("coreonly_host", commandLine) != 1)
        return false;
    find<PFN_QtCreateNewCode>("QtCreateNewCode")(1);
    find<PFN_QtFrameCreate>("QtFrameCreate")("Debugger", 0x1001, &record);
    find<PFN_QtCreateNewCode>("QtCreateNewCode")(0);
    find<PFN_QtFrameShow>("QtFrameShow")();
    MoskBroker *broker = moskGetObjectBroker();
    void *object = nullptr;
    mosk::release(
        broker->ops->getComponent(broker, GCP_CATEGORY, GCP_VIEWS_MANAGER_COMPONENT, &object));
    auto *manager = static_cast<IGcp_ViewsManager *>(object);
    uint64_t pane = GC_NO_ID;
    find<PFN_QtCreateDocked>("QtCreateDocked")(0, 0);
    MoskResult made = manager ? manager->ops->createMemoryPane(manager, &pane, 0) : nullptr;
    const bool docked = manager && !made && pane != GC_NO_ID;
    mosk::release(made);
    if (manager)
        manager->ops->Release(manager);
    find<PFN_CuiPump>("CuiPump")();
    find<PFN_QtShutdown>("QtShutdown")();
    find<PFN_CuiRun>("CuiRun")();
    if (round != 1) {
        moskBrokerClear();
        dlclose(g_library);
    }
    if (!docked)
        std::printf("coreonly_host: load %d docked no memory view\n", round);
    return docked;
}

} // namespace

int main()
{
    // The toolkit's core is the host's own.
    std::printf("coreonly_host: the toolkit's core %s\n", qVersion());
    if (!dockOnce(1) || !dockOnce(2))
        return 1;
    std::printf("coreonly_host: docked twice\n");
    return 0;
}
