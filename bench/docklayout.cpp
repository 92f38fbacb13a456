// Placing one more dock in a main window's side area that holds many already, as a host opens
// pane after pane, and closing one of them: the cost per dock stays about the same however
// many stand there (most of them as tabs once the area is full), the event loop's turn after
// it included. The docks there were opened in one go, with no turn of the loop between them,
// as a host restoring its panes does: whatever a placement leaves for the loop to clear up
// piles up there.
#include "testhost.h"

#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"

#include <tesk/tesk_window.h>

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr TeskHandle kWindow = 1;

void paneCallback(TeskHandle, int *, int) {}

void openWindow()
{
    QtCreateNewCode(1);
    CuiFrameRecord record{1, 0, 3, 77};
    QtFrameCreate("Debugger", kWindow, &record);
    QtResizePosWindow(kWindow, 0, 0, 1024, 600);
    QtFrameShow();
    QCoreApplication::processEvents();
}

void openDock(int i)
{
    QtCreateDocked(0, 0);
    const std::string name = "Pane " + std::to_string(i);
    QtWindowCreate(name.c_str(), &paneCallback, TeskHandle(1000 + i));
}

void closeWindows()
{
    for (MainWindow *window : Store::instance()->mainWindows())
        delete window;
    QtCreateNewCode(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_PlaceOneMoreDock(benchmark::State &state)
{
    const int there = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        openWindow();
        for (int i = 0; i < there; ++i)
            openDock(i);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        openDock(there);
        QCoreApplication::processEvents();
        state.PauseTiming();
        closeWindows();
        state.ResumeTiming();
    }
    state.SetComplexityN(there);
}

// The host closing a pane in the middle of the area, as a user closes one of many.
void BM_CloseOneDock(benchmark::State &state)
{
    const int there = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        openWindow();
        for (int i = 0; i < there; ++i)
            openDock(i);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        CuiPaneClose(TeskHandle(1000 + there / 2));
        QCoreApplication::processEvents();
        state.PauseTiming();
        closeWindows();
        state.ResumeTiming();
    }
    state.SetComplexityN(there);
}

// The host's whole run of panes: about linear in their number.
void BM_OpenDocksInOneGo(benchmark::State &state)
{
    const int count = int(state.range(0));
    for (auto _ : state) {
        openWindow();
        for (int i = 0; i < count; ++i)
            openDock(i);
        QCoreApplication::processEvents();
        state.PauseTiming();
        closeWindows();
        state.ResumeTiming();
    }
    state.SetComplexityN(count);
}

} // namespace

BENCHMARK(BM_PlaceOneMoreDock)
    ->Arg(10)
    ->Arg(30)
    ->Arg(60)
    ->Arg(120)
    ->Arg(240)
    ->Arg(500)
    ->Complexity(benchmark::o1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

BENCHMARK(BM_CloseOneDock)
    ->Arg(10)
    ->Arg(30)
    ->Arg(60)
    ->Arg(120)
    ->Arg(240)
    ->Arg(500)
    ->Complexity(benchmark::o1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

BENCHMARK(BM_OpenDocksInOneGo)
    ->Arg(10)
    ->Arg(30)
    ->Arg(60)
    ->Arg(120)
    ->Arg(240)
    ->Arg(500)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
