// The memory view's data and character tables stepping through memory: 64 rows of 16 one-byte
// fields with the character table beside them, stepped a line at a time within memory the
// cache already holds and into new memory, beside a bare QPainter drawing the same labels,
// hex fields and characters. Reported per step: host calls (reads and address texts).
#include "memorytableviewdouble.h"
#include "simulatedtarget.h"

#include "gui_components/gc_panes/memoryview/viewmemory.h"
#include "gui_components/gc_panes/memoryview/viewmemoryascii.h"
#include "gui_components/gc_panes/memoryview/viewmemorydata.h"
#include "gui_components/gc_panes/memoryview/viewmemorydsm.h"
#include "utilities/asciiline.h"

#include <QComboBox>

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

using Kind = SimulatedTarget::Kind;

constexpr int kRows = 64;
constexpr int kColumns = 16;
constexpr uint32_t kBase = 0x20000000;

SimulatedTarget &target()
{
    SimulatedTarget &sim = SimulatedTarget::installed();
    sim.reset();
    return sim;
}

void report(benchmark::State &state, SimulatedTarget &sim)
{
    state.counters["host_reads_per_step"] =
        benchmark::Counter(double(sim.count(Kind::Read)), benchmark::Counter::kAvgIterations);
    state.counters["address_texts_per_step"] = benchmark::Counter(
        double(sim.count(Kind::AddressText)), benchmark::Counter::kAvgIterations);
}

// What the view does on a step: fill both tables, then the screen shows them.
void step(testhost::MemoryTableViewDouble &view, uint32_t offset)
{
    view.showAt(offset);
    view.data().verticalHeader()->repaint();
    view.data().viewport()->repaint();
    view.ascii().viewport()->repaint();
}

std::unique_ptr<testhost::MemoryTableViewDouble> shownView()
{
    auto view = std::make_unique<testhost::MemoryTableViewDouble>(kRows, kColumns, 1);
    view->showAt(kBase);
    view->data().adjustCellSizes();
    view->ascii().adjustCellSizes();
    view->window().resize(1200, 1600);
    view->window().show();
    return view;
}

void BM_HeldStep(benchmark::State &state)
{
    SimulatedTarget &sim = target();
    auto view = shownView();
    // Both positions once, so that their bytes and row texts are held.
    step(*view, kBase + kColumns);
    step(*view, kBase);
    sim.clearLog();
    bool down = true;
    for (auto _ : state) {
        step(*view, down ? kBase + kColumns : kBase);
        down = !down;
    }
    report(state, sim);
}

void BM_NewLineStep(benchmark::State &state)
{
    SimulatedTarget &sim = target();
    auto view = shownView();
    step(*view, kBase);
    sim.clearLog();
    uint32_t offset = kBase;
    for (auto _ : state) {
        offset += kColumns;
        step(*view, offset);
    }
    report(state, sim);
}

// The whole view: 16 one-byte columns at the core's address, its toolbar and scroll bar.
std::unique_ptr<KViewMemory> wholeView()
{
    auto view = std::make_unique<KViewMemory>("Memory");
    view->setAttribute(Qt::WA_DeleteOnClose, false);
    view->buildLayout();
    view->resize(1200, 1600);
    view->show();
    view->setTarget(1);
    QComboBox *sizes = view->findChild<QComboBox *>("listSizes");
    sizes->setCurrentIndex(1);
    emit sizes->activated(1);
    QComboBox *columns = view->findChild<QComboBox *>("listColumns");
    columns->setCurrentIndex(kColumns);
    emit columns->activated(kColumns);
    view->setStartAddress(QString::number(kBase), false);
    return view;
}

void BM_ViewLineStep(benchmark::State &state)
{
    SimulatedTarget &sim = target();
    auto view = wholeView();
    sim.clearLog();
    for (auto _ : state) {
        view->scrollBy(KViewMemory::NextLine, 0);
        view->dataTable()->viewport()->repaint();
        view->asciiTable()->viewport()->repaint();
    }
    report(state, sim);
}

// Dragging the slider only names the address it would go to.
void BM_ViewSliderPreview(benchmark::State &state)
{
    SimulatedTarget &sim = target();
    auto view = wholeView();
    sim.clearLog();
    double fraction = 0.0;
    for (auto _ : state) {
        fraction = fraction > 0.9 ? 0.0 : fraction + 0.01;
        view->scrollToFraction(fraction, true);
    }
    report(state, sim);
}

// The same page drawn by hand: a label per row, the hex fields and the characters, every one
// right-aligned in its cell as the view's are; with the painter's own rectangle form, or as
// the tables draw a text the first time, from the learnt glyphs of the font.
void BM_BarePainter(benchmark::State &state)
{
    const bool glyphRuns = state.range(0) != 0;
    state.SetLabel(glyphRuns ? "glyph runs" : "drawText");
    auto view = shownView();
    const QFont font = view->data().viewport()->font();
    const int rowHeight = view->data().rowHeight(0);
    const int hexWidth = view->data().columnWidth(0);
    const int charWidth = view->ascii().columnWidth(0);
    QImage image(1200, kRows * rowHeight, QImage::Format_ARGB32_Premultiplied);
    const std::shared_ptr<tesk::utilities::AsciiLine> line =
        tesk::utilities::AsciiLine::forFont(font);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    uint32_t offset = kBase;
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter p(&image);
        p.setFont(font);
        const auto draw = [&](const QRect &room, const QString &text) {
            if (!glyphRuns || !line->drawAligned(&p, room, right, text))
                p.drawText(room, int(right), text);
        };
        for (int r = 0; r < kRows; ++r) {
            const int y = r * rowHeight;
            const uint32_t address = offset + uint32_t(r * kColumns);
            draw(QRect(0, y, 90, rowHeight),
                 QStringLiteral("0x%1").arg(address, 8, 16, QLatin1Char('0')));
            for (int c = 0; c < kColumns; ++c) {
                const uint8_t byte = SimulatedTarget::patternByte(1, address + uint32_t(c));
                draw(QRect(100 + c * hexWidth, y, hexWidth, rowHeight),
                     QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')));
                const QChar ch = (byte >= 32 && byte <= 126) ? QChar(byte) : QChar(u'.');
                draw(QRect(100 + kColumns * hexWidth + c * charWidth, y, charWidth, rowHeight),
                     QString(ch));
            }
        }
        offset += kColumns;
    }
}

} // namespace

// The disassembly table's offset of a row far below its known lines, as a key press after a
// slider drag asks for it: flat in the distance.
void BM_DisassemblyFarRow(benchmark::State &state)
{
    target();
    testhost::MemoryTableViewDouble view(kRows, 1, 1);
    std::vector<TeskDisassemblyLine> lines(kRows, TeskDisassemblyLine{{}, "0x0 nop", {}});
    const std::vector<uint8_t> lengths(kRows, 4);
    view.dsm().setLines(lines.data(), kRows, lengths.data());
    const int row = int(state.range(0));
    for (auto _ : state) {
        int64_t offset = 0;
        view.dsm().cellToOffset(offset, 0, row);
        benchmark::DoNotOptimize(offset);
    }
}

BENCHMARK(BM_DisassemblyFarRow)
    ->Unit(benchmark::kNanosecond)
    ->Arg(kRows)
    ->Arg(1 << 16)
    ->Arg(1 << 26);
BENCHMARK(BM_BarePainter)->Unit(benchmark::kMicrosecond)->Arg(0)->Arg(1);
BENCHMARK(BM_HeldStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NewLineStep)->Unit(benchmark::kMicrosecond)->Iterations(2000);
BENCHMARK(BM_ViewLineStep)->Unit(benchmark::kMicrosecond)->Iterations(500);
BENCHMARK(BM_ViewSliderPreview)->Unit(benchmark::kMicrosecond);

// The simulated target is in the broker before the library's bridge first looks for it.
void prepareBenchmarkHost()
{
    SimulatedTarget::registerWithBroker();
}
