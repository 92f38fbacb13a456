// Host events at an open synchronisation window over 64 cores: each event re-reads the data
// from the host and refills every table. With nothing changed a refill replaces nothing and
// repaints nothing; with one core's run state flipped only its cells change.
#include "simulatedcores.h"

#include <tesk/tesk_sync.h>

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kCoreCount = 64;

IGcds_Dialog *openWindow()
{
    SimulatedCores &cores = SimulatedCores::installed();
    cores.reset();
    std::vector<SimulatedCores::Core> &list = cores.cores();
    for (int i = int(list.size()); i < kCoreCount; ++i) {
        SimulatedCores::Core core = list[size_t(i % 3)];
        core.id = uint32_t(100 + i);
        core.name = "core " + std::to_string(i);
        list.push_back(core);
    }
    MoskBroker *broker = moskGetObjectBroker();
    void *object = nullptr;
    mosk::release(broker->ops->getComponent(broker, GCDS_CATEGORY, GCDS_DIALOG_COMPONENT, &object));
    broker->ops->Release(broker);
    auto *dialog = static_cast<IGcds_Dialog *>(object);
    if (dialog) {
        dialog->ops->open(dialog, 0);
        dialog->ops->show(dialog, 1);
        QCoreApplication::processEvents();
    }
    return dialog;
}

void closeWindow(IGcds_Dialog *dialog)
{
    dialog->ops->close(dialog);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    dialog->ops->Release(dialog);
    SimulatedCores::installed().reset();
}

// The same data each time: the read and six refills that change nothing.
void BM_HostEventUnchanged(benchmark::State &state)
{
    IGcds_Dialog *dialog = openWindow();
    if (!dialog) {
        state.SkipWithError("no window component");
        return;
    }
    SimulatedCores &cores = SimulatedCores::installed();
    for (auto _ : state) {
        cores.fire(SimulatedCores::kCouplingEvent);
        QCoreApplication::processEvents();
    }
    closeWindow(dialog);
}
BENCHMARK(BM_HostEventUnchanged)->Unit(benchmark::kMillisecond);

// One core's coupling flips on every event: a few cells repaint.
void BM_HostEventOneCoreChanged(benchmark::State &state)
{
    IGcds_Dialog *dialog = openWindow();
    if (!dialog) {
        state.SkipWithError("no window component");
        return;
    }
    SimulatedCores &cores = SimulatedCores::installed();
    bool coupled = false;
    for (auto _ : state) {
        coupled = !coupled;
        cores.cores()[5].actions = coupled ? 1u : 0u;
        cores.fire(SimulatedCores::kCouplingEvent);
        QCoreApplication::processEvents();
    }
    closeWindow(dialog);
}
BENCHMARK(BM_HostEventOneCoreChanged)->Unit(benchmark::kMillisecond);

} // namespace
