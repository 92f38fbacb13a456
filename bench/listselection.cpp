// The list selection dialog with 100,000 entries: filling it in either mode and showing it.
// Entries are appended in one insertion, so the time grows linearly with their number; the
// whole fill and first show stay well under a second.
#include "testhost.h"

#include "dialogs/listselectiondlg.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr int kEntries = 100000;

QStringList entries(int count)
{
    QStringList list;
    list.reserve(count);
    for (int i = 0; i < count; ++i)
        list << (i % 1000 == 0 ? QStringLiteral("=") : QString()) +
                    QStringLiteral("entry %1").arg(i);
    return list;
}

void BM_FillAndShow(benchmark::State &state)
{
    const bool multiple = state.range(1) != 0;
    const QStringList list = entries(int(state.range(0)));
    for (auto _ : state) {
        ListSelectionDlg dialog;
        dialog.setMultiSelection(multiple);
        dialog.setItems(list);
        dialog.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(dialog.currentIndex());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetLabel(multiple ? "check list" : "plain list");
}
BENCHMARK(BM_FillAndShow)
    ->Args({kEntries / 4, 0})
    ->Args({kEntries, 0})
    ->Args({kEntries / 4, 1})
    ->Args({kEntries, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace
