// Header geometry with many sections: appending them one by one, then looking up positions.
#include "testhost.h"

#include "utilities/uheader.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Sections = 100000;

void fill(UHeader &header, int sections = Sections)
{
    header.setIsATableHeader(true);
    for (int i = 0; i < sections; ++i)
        header.addLabel(QString(), 20);
}

// Appending costs O(1) each: positions are recomputed once, when first asked for. The time per
// section stays the same from 25,000 to 200,000 sections.
void BM_AddSections(benchmark::State &state)
{
    const int sections = int(state.range(0));
    for (auto _ : state) {
        UHeader header;
        fill(header, sections);
        benchmark::DoNotOptimize(header.headerWidth());
    }
    state.SetItemsProcessed(state.iterations() * sections);
}
BENCHMARK(BM_AddSections)->Arg(25000)->Arg(Sections)->Arg(200000)->Unit(benchmark::kMillisecond);

void BM_AddLabelledSections(benchmark::State &state)
{
    for (auto _ : state) {
        UHeader header;
        for (int i = 0; i < Sections; ++i)
            header.addLabel(QStringLiteral("Column"));
        benchmark::DoNotOptimize(header.headerWidth());
    }
    state.SetItemsProcessed(state.iterations() * Sections);
}
BENCHMARK(BM_AddLabelledSections)->Unit(benchmark::kMillisecond);

void BM_SectionAt(benchmark::State &state)
{
    UHeader header;
    fill(header);
    const int total = header.headerWidth();
    int pos = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(header.sectionAt(pos));
        pos = (pos + 7919) % total;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SectionAt);

void BM_SectionPos(benchmark::State &state)
{
    UHeader header;
    fill(header);
    int section = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(header.sectionPos(section));
        section = (section + 7919) % Sections;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SectionPos);

} // namespace
