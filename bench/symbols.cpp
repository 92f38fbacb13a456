// Typing a pattern into the data navigator over a million symbols: every keystroke searches the
// whole source and refills the function list. Beside it, the toolkit's general answer: a
// QSortFilterProxyModel over the same model, filtering on each keystroke.
//
// One run: the source is filled from real ELF names spread over many modules (records per
// second), the function list shows all of it (bytes per symbol above the name data), then the
// keystrokes "*t" to "*task" against setFilterFixedString "t" to "task".
#include "symbolrecords.h"
#include "symtabhost.h"
#include "testhost.h"

#include "frame/core/cuihandles.h"
#include "frame/core/services.h"
#include "symbols/datanav.h"
#include "symbols/funclistview.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSortFilterProxyModel>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's allocator replaces malloc, so its own count is the one to read.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

size_t allocatedBytes()
{
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    // Large blocks are mapped apart from the heap: they count as well.
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

// The floor of a keystroke: every name read once at memory speed, packed in one buffer (a
// byte no name holds is looked for, so the scan runs to the end). The least of several scans:
// one alone swings with what else the machine runs, and the ratio over it with it.
double floorMs(const std::string &packed)
{
    double least = 0;
    for (int pass = 0; pass < 9; ++pass) {
        QElapsedTimer timer;
        timer.start();
        const void *found = std::memchr(packed.data(), '\x7f', packed.size());
        benchmark::DoNotOptimize(found);
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        least = pass == 0 ? ms : std::min(least, ms);
    }
    return least;
}

// Function names of the ELF files at hand, dealt out over modules of `perModule` symbols until
// there are `count` of them.
tesk::host::SymbolRecords records(size_t count, size_t perModule, size_t &nameBytes)
{
    std::vector<std::string> names;
    for (const char *path : {"/proc/self/exe", "/usr/lib/x86_64-linux-gnu/libQt6Widgets.so.6",
                             "/usr/lib/x86_64-linux-gnu/libQt6Gui.so.6",
                             "/usr/lib/x86_64-linux-gnu/libQt6Core.so.6"}) {
        tesk::host::SymbolRecords elf;
        std::string error;
        if (!tesk::host::readElfSymbols(path, elf, error))
            continue;
        for (const std::string &f : elf.functions) {
            const size_t start = f.find(' ', f.find(' ') + 1) + 1;
            names.push_back(f.substr(start, f.find(' ', start) - start));
        }
    }
    tesk::host::SymbolRecords r;
    r.images = {"image"};
    nameBytes = 0;
    for (size_t i = 0; i < count; ++i) {
        const std::string module = "module" + std::to_string(i / perModule) + ".c";
        if (i % perModule == 0)
            r.modules.push_back("image " + module + " " + module);
        const std::string &name = names[i % names.size()];
        nameBytes += name.size();
        char address[24];
        std::snprintf(address, sizeof address, "0x%zx", 0x10000 + i * 16);
        r.functions.push_back("image " + module + " " + name + " " + address +
                              (i % 3 ? " Public" : " Static"));
    }
    return r;
}

double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

void BM_FilterKeystrokes(benchmark::State &state)
{
    const size_t count = size_t(state.range(0));
    size_t nameBytes = 0;
    const tesk::host::SymbolRecords r = records(count, 500, nameBytes);
    testhost::SymtabHost::instance().publish(r);
    std::string packed;
    packed.reserve(nameBytes + count);
    for (const std::string &f : r.functions) {
        const size_t start = f.find(' ', f.find(' ') + 1) + 1;
        packed.append(f, start, f.find(' ', start) - start).push_back('\0');
    }

    for (auto _ : state) {
        const size_t before = allocatedBytes();
        const TeskHandle handle = CuiSymtabDataSourceCreate();
        QElapsedTimer timer;
        timer.start();
        CuiSymtabDataSourceUpdate(handle);
        const double fillMs = elapsedMs(timer);
        auto *source = qobject_cast<SymtabDataSource *>(
            tesk::handles::object(reinterpret_cast<const void *>(handle)));

        FuncListView view;
        view.resize(800, 600);
        // Every symbol listed: the names are mostly mangled ones, which begin with "_".
        // The list sorts by name, so the search hands its rows over in that order, as the
        // navigator asks.
        SymbolQuery all;
        all.showLibrarySymbols = true;
        all.byName = view.symbols()->nameOrderWanted();
        all.nameOrder = view.symbols()->sortOrder();
        std::vector<SymbolIndex> rows;
        timer.restart();
        source->searchFunctions(all, rows);
        view.symbols()->setSymbols(source, std::move(rows), all.byName);
        const double firstMs = elapsedMs(timer);
        // The source and the list's model; the view lays its rows out once shown.
        const double bytes = double(allocatedBytes() - before) - double(nameBytes);
        view.show();
        QCoreApplication::processEvents();
        // The same with what the view keeps per row once it is on screen.
        const double shownBytes = double(allocatedBytes() - before) - double(nameBytes);

        double worstMs = 0;
        for (const char *pattern : {"*t", "*ta", "*tas", "*task"}) {
            timer.restart();
            SymbolQuery query = all;
            query.namePattern = QString::fromLatin1(pattern);
            rows.clear();
            source->searchFunctions(query, rows);
            const double searchMs = elapsedMs(timer);
            view.symbols()->setSymbols(source, std::move(rows), query.byName);
            const double modelMs = elapsedMs(timer);
            QCoreApplication::processEvents();
            worstMs = std::max(worstMs, elapsedMs(timer));
            const std::string word = pattern + 1;
            state.counters["ms_" + word] = elapsedMs(timer);
            state.counters["search_ms_" + word] = searchMs;
            state.counters["view_ms_" + word] = elapsedMs(timer) - modelMs;
            if (pattern[2] == 0) {
                state.counters["rows_t"] = view.symbols()->rowCount();
                state.counters["t_search_ms"] = searchMs;
                state.counters["t_sorted_model_ms"] = modelMs - searchMs;
                state.counters["t_view_ms"] = elapsedMs(timer) - modelMs;
            }
        }
        const int shown = view.symbols()->rowCount();

        // Sorting every symbol by each column that has one key per row, the name's last.
        rows.clear();
        source->searchFunctions(all, rows);
        view.symbols()->setSymbols(source, std::move(rows), all.byName);
        for (const auto &[column, counter] : {std::pair<int, const char *>{1, "sort_address_ms"},
                                              {3, "sort_module_ms"},
                                              {4, "sort_image_ms"},
                                              {0, "sort_name_ms"}}) {
            timer.restart();
            view.setSorting(column, false);
            state.counters[counter] = elapsedMs(timer);
        }
        view.setSorting(0, true);

        // The proxy over the same model, holding every symbol, with a view of its own.
        rows.clear();
        source->searchFunctions(all, rows);
        view.symbols()->setSymbols(source, std::move(rows), all.byName);
        QSortFilterProxyModel proxy;
        proxy.setSourceModel(view.symbols());
        proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
        QTreeView proxyView;
        proxyView.setUniformRowHeights(true);
        proxyView.setModel(&proxy);
        proxyView.resize(800, 600);
        proxyView.show();
        QCoreApplication::processEvents();
        double proxyWorstMs = 0;
        for (const char *text : {"t", "ta", "tas", "task"}) {
            timer.restart();
            proxy.setFilterFixedString(QString::fromLatin1(text));
            QCoreApplication::processEvents();
            proxyWorstMs = std::max(proxyWorstMs, elapsedMs(timer));
            if (text[1] == 0)
                state.counters["proxy_rows_t"] = proxy.rowCount();
        }

        const double floor = floorMs(packed);
        state.counters["floor_ms"] = floor;
        state.counters["keystroke_per_floor"] = worstMs / floor;
        state.counters["records_per_s"] = double(count) / (fillMs / 1000);
        state.counters["update_ms"] = fillMs; // the records and the collation order
        state.counters["first_fill_ms"] = firstMs;
        state.counters["keystroke_ms_worst"] = worstMs;
        state.counters["proxy_keystroke_ms_worst"] = proxyWorstMs;
        state.counters["speedup"] = proxyWorstMs / worstMs;
        state.counters["bytes_per_symbol"] = bytes / double(count);
        state.counters["bytes_per_symbol_shown"] = shownBytes / double(count);
        state.counters["rows_task"] = shown;
        CuiSymtabDataSourceDestroy(handle);
    }
    testhost::SymtabHost::instance().withdraw();
}
BENCHMARK(BM_FilterKeystrokes)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

// The navigator pane over a million symbols: Populate asks the host, which sends every record
// through the exports; then the page on screen is filled, all functions and then a pattern;
// an event 13 refetches once.
void BM_NavigatorPopulate(benchmark::State &state)
{
    const size_t count = size_t(state.range(0));
    size_t nameBytes = 0;
    testhost::SymtabHost::instance().publish(records(count, 500, nameBytes));

    for (auto _ : state) {
        const TeskHandle pane = CuiDataNavCreate();
        auto *navigator =
            qobject_cast<DataNav *>(tesk::handles::object(reinterpret_cast<const void *>(pane)));
        navigator->resize(800, 600);
        navigator->show(); // the first show fetches and fills the images page
        QCoreApplication::processEvents();
        const auto run = [navigator](const QStringList &words) {
            QString result;
            tesk::core::paneServices().runCommand(navigator, nullptr, nullptr, words, result);
        };
        run({"setvarfuncfilter", "*"});
        run({"raisemoduletab"});

        QElapsedTimer timer;
        timer.start();
        CuiDataNavPopulate(pane);
        const double populateMs = elapsedMs(timer);
        timer.restart();
        run({"raisefunctiontab"});
        QCoreApplication::processEvents();
        const double allMs = elapsedMs(timer);
        run({"setvarfuncfilter", "*task"});
        timer.restart();
        CuiDataNavUpdate(pane);
        QCoreApplication::processEvents();
        const double patternMs = elapsedMs(timer);
        const size_t fetchesBefore = testhost::SymtabHost::instance().calls.size();
        timer.restart();
        CuiDataNavEvent(pane, 13, 0, 0);
        QCoreApplication::processEvents();
        const double eventMs = elapsedMs(timer);

        state.counters["populate_ms"] = populateMs;
        state.counters["page_fill_all_ms"] = allMs;
        state.counters["page_fill_task_ms"] = patternMs;
        state.counters["event13_ms"] = eventMs;
        state.counters["event13_fetches"] =
            double(testhost::SymtabHost::instance().calls.size() - fetchesBefore);
        CuiDataNavDestroy(pane);
    }
    testhost::SymtabHost::instance().withdraw();
}
BENCHMARK(BM_NavigatorPopulate)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
