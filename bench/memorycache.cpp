// Scrolling a memory view through the cache: a 64-line view of 16-byte lines moves line by
// line through 1 MiB of simulated target memory. Reported per line: the host calls and bytes
// read, and the time of one step; and the cost of asking again for a page already held.
#include "simulatedtarget.h"
#include "testhost.h"

#include "gui_components/gc_panes/memory/viewmemoryinfo.h"

#include <benchmark/benchmark.h>

namespace {

constexpr uint32_t kLineBytes = 16;
constexpr uint32_t kLines = 64;
constexpr uint32_t kPage = kLineBytes * kLines;
constexpr uint32_t kSpan = 1u << 20;
constexpr uint32_t kBase = 0x20000000;
constexpr int64_t kSteps = (kSpan - kPage) / kLineBytes;

SimulatedTarget &target()
{
    SimulatedTarget &sim = SimulatedTarget::installed();
    sim.reset();
    return sim;
}

const uint8_t *page(KViewMemoryInfo &view, uint32_t offset)
{
    uint32_t length = kPage;
    const uint8_t *data = nullptr;
    view.getData(UMemoryAddress(0, offset), length, data, 0);
    return data;
}

void report(benchmark::State &state, SimulatedTarget &sim)
{
    using SK = SimulatedTarget::Kind;
    state.counters["host_calls_per_line"] =
        benchmark::Counter(double(sim.count(SK::Read)), benchmark::Counter::kAvgIterations);
    state.counters["bytes_read_per_line"] =
        benchmark::Counter(double(sim.bytes(SK::Read)), benchmark::Counter::kAvgIterations);
}

// One pass from the bottom of the span to its top, a line at a time.
void scroll(benchmark::State &state, bool down)
{
    SimulatedTarget &sim = target();
    KViewMemoryInfo view;
    view.setCurrentTargetId(1);
    view.setBlockSize(int(kPage));
    uint32_t offset = down ? kBase : kBase + kSpan - kPage;
    benchmark::DoNotOptimize(page(view, offset));
    sim.clearLog();
    for (auto _ : state) {
        offset = down ? offset + kLineBytes : offset - kLineBytes;
        benchmark::DoNotOptimize(page(view, offset));
    }
    report(state, sim);
}

void BM_ScrollDownByLine(benchmark::State &state)
{
    scroll(state, true);
}

void BM_ScrollUpByLine(benchmark::State &state)
{
    scroll(state, false);
}

void BM_HeldPage(benchmark::State &state)
{
    SimulatedTarget &sim = target();
    KViewMemoryInfo view;
    view.setCurrentTargetId(1);
    view.setBlockSize(int(kPage));
    benchmark::DoNotOptimize(page(view, kBase));
    sim.clearLog();
    for (auto _ : state)
        benchmark::DoNotOptimize(page(view, kBase));
    report(state, sim);
}

} // namespace

BENCHMARK(BM_ScrollDownByLine)->Iterations(kSteps);
BENCHMARK(BM_ScrollUpByLine)->Iterations(kSteps);
BENCHMARK(BM_HeldPage);

// The library is started as a host starts it, with the simulated target in the broker before
// the bridge first looks for it.
void prepareBenchmarkHost()
{
    SimulatedTarget::registerWithBroker();
}
