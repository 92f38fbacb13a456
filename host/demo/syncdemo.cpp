#include "syncdemo.h"

#include "framedemo.h"
#include "memorydemo.h"
#include "simulatedcores.h"

#include <tesk/tesk_sync.h>

#include <QApplication>
#include <QTabWidget>
#include <QWidget>

#include <cstdio>
#include <string>

namespace demo {
namespace {

const char *const kActionNames[] = {"load",  "unload", "reload",     "restart",
                                    "reset", "set-pc", "load-binary"};
const char *const kExecutionNames[] = {"step", "run", "stop"};
const char *const kFlagNames[] = {"in",  "hw-in-possible",  "hw-in",
                                  "out", "hw-out-possible", "hw-out"};

// The names of the bits set in a core's own word, from the first bit given.
std::string named(uint32_t word, int firstBit, const char *const *names, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        if ((word >> (firstBit + i)) & 1)
            text += std::string(text.empty() ? "" : ",") + names[i];
    }
    return text.empty() ? "-" : text;
}

void printLibraryCopy(int eventId)
{
    MoskBroker *broker = moskGetObjectBroker();
    void *object = nullptr;
    if (MoskResult result = broker->ops->getComponent(broker, GCDS_CATEGORY,
                                                      GCDS_DATA_ADAPTOR_COMPONENT, &object)) {
        std::printf("host: no data adaptor (code %#x)\n", moskErrorCode(result));
        result->ops->Release(result);
        return;
    }
    auto *adaptor = static_cast<IGcds_DataAdaptor *>(object);
    const IGcds_DataAdaptorOps *ops = adaptor->ops;
    std::printf(
        "host: event %d, the library's copy holds %d cores, pending mode \"%s\"; each core:\n",
        eventId, ops->count(adaptor),
        ops->isModeSet(adaptor) ? "Any synchronized core running" : "Current core running");
    // Each core's coupling as the host holds it: the library's copy answers a group's events
    // for every core that takes part in the group, so it cannot tell the cores apart.
    for (int32_t i = 0, n = ops->count(adaptor); i < n; ++i) {
        const uint32_t id = ops->idByIndex(adaptor, i);
        const SimulatedCores::Core *core = SimulatedCores::installed().core(id);
        if (!core) {
            std::printf("host:   core %u (unknown to the host)\n", id);
            continue;
        }
        std::printf("host:   core %u (%s, %s): actions %s, executions %s, triggers %s\n", id,
                    core->name.c_str(), core->running ? "running" : "stopped",
                    named(core->actions, 0, kActionNames, 7).c_str(),
                    named(core->executions, 7, kExecutionNames, 3).c_str(),
                    named(core->flags, 0, kFlagNames, 6).c_str());
    }
    ops->Release(adaptor);
}

struct SyncWindowDemo
{
    bool wanted = false;
    std::string screenshotDir;
    IGcds_Dialog *dialog = nullptr;
};
SyncWindowDemo g_window;

IGcds_Dialog *dialogComponent()
{
    MoskBroker *broker = moskGetObjectBroker();
    void *object = nullptr;
    if (MoskResult result =
            broker->ops->getComponent(broker, GCDS_CATEGORY, GCDS_DIALOG_COMPONENT, &object)) {
        std::printf("host: no synchronisation window (code %#x)\n", moskErrorCode(result));
        result->ops->Release(result);
    }
    broker->ops->Release(broker);
    return static_cast<IGcds_Dialog *>(object);
}

void openSyncWindow()
{
    if (!g_window.dialog)
        g_window.dialog = dialogComponent();
    if (!g_window.dialog)
        return;
    const int opened = g_window.dialog->ops->open(g_window.dialog, 0);
    std::printf("host: the synchronisation window %s\n", opened ? "opened" : "did not open");
    g_window.dialog->ops->show(g_window.dialog, 1);
}

// One picture per page of the window.
void saveSyncWindow(const char *when)
{
    if (g_window.screenshotDir.empty())
        return;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() != QLatin1String("SynchronizationWindow") || !widget->isVisible())
            continue;
        auto *pages = widget->findChild<QTabWidget *>();
        const int count = pages ? pages->count() : 1;
        for (int page = 0; page < count; ++page) {
            if (pages) {
                pages->setCurrentIndex(page);
                QCoreApplication::processEvents();
            }
            const std::string file =
                std::string("syncwindow-") + when + "-" + std::to_string(page + 1) + ".png";
            saveScreenshot(widget, g_window.screenshotDir, file.c_str());
        }
        if (pages)
            pages->setCurrentIndex(0);
    }
}

} // namespace

void openSynchronisationWindow()
{
    openSyncWindow();
}

void showSyncWindow(const std::string &screenshotDir)
{
    g_window.wanted = true;
    g_window.screenshotDir = screenshotDir;
}

void installSimulatedCores()
{
    SimulatedCores::registerWithBroker();
    SimulatedCores::installed().setAfterEvent(&printLibraryCopy);
    std::printf("host: registered the event subject and the synchronisation access\n");
}

void syncTick(int tick)
{
    SimulatedCores &cores = SimulatedCores::installed();
    switch (tick) {
    case 2:
        if (g_window.wanted)
            openSyncWindow();
        break;
    case 3:
        std::printf("host: run core A (Run is coupled: A, B and C start)\n");
        cores.run(1);
        break;
    case 5:
        saveSyncWindow("running");
        break;
    case 6:
        std::printf("host: stop core A (B stops with it; A's trigger out stops C)\n");
        cores.stop(1);
        simulatedTargetStopped();
        break;
    case 9:
        std::printf("host: step core A (only A couples Step)\n");
        cores.step(1);
        simulatedTargetStopped();
        break;
    case 11:
        saveSyncWindow("stopped");
        break;
    case 13:
        if (g_window.dialog) {
            std::printf("host: closing the synchronisation window\n");
            g_window.dialog->ops->close(g_window.dialog);
        }
        break;
    default:
        break;
    }
}

void reportSimulatedCores()
{
    if (g_window.dialog) {
        g_window.dialog->ops->Release(g_window.dialog);
        g_window.dialog = nullptr;
    }
    const SimulatedCores &cores = SimulatedCores::installed();
    std::printf("host: the library attached to events");
    for (int id : cores.attached())
        std::printf(" %d", id);
    std::printf(" and read the coupling data %d times\n",
                cores.count(SimulatedCores::Operation::Read));
}

} // namespace demo
