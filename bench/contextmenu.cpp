// A context menu of 50,000 items built and walked item by item through the exports, as a host
// that sets every item's state before showing the menu does. Each lookup finds its item
// directly, so the walk grows with the menu, not with its square.
#include "testhost.h"

#include <tesk/tesk_menu.h>

#include <benchmark/benchmark.h>

namespace {

constexpr int kItems = 50000;

void BM_ContextMenuBuildAndWalk(benchmark::State &state)
{
    for (auto _ : state) {
        CuiContextMenu_clearMenu("bench");
        for (int id = 0; id < kItems; ++id)
            CuiContextMenu_addItem("bench", id);
        int enabled = 0;
        for (int id = 0; id < kItems; ++id) {
            CuiContextMenu_setItemEnabled("bench", id, id % 2);
            enabled += CuiContextMenu_getItemEnabled("bench", id);
        }
        benchmark::DoNotOptimize(enabled);
    }
    CuiContextMenu_clearMenu("bench");
}
BENCHMARK(BM_ContextMenuBuildAndWalk)->Unit(benchmark::kMillisecond);

} // namespace
