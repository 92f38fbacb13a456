// Repainting a table of text items while it scrolls: the memory view repaints a page on every
// scroll step, so one repaint has to stay well under a millisecond. The cells hold what a
// memory view's byte columns hold: two hexadecimal digits each.
#include "testhost.h"

#include "utilities/table.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QStaticText>

#include <benchmark/benchmark.h>

namespace {

constexpr int Rows = 64;
constexpr int Cols = 16;

class BenchTable : public UTable
{
public:
    BenchTable()
    {
        setFrameStyle(QFrame::NoFrame);
        init(Rows, Cols);
        for (int r = 0; r < Rows; ++r) {
            for (int c = 0; c < Cols; ++c)
                setText(r, c,
                        QStringLiteral("%1").arg((r * Cols + c) & 0xff, 2, 16, QLatin1Char('0')));
        }
        for (int c = 0; c < Cols; ++c)
            adjustColumn(c);
        // A page shows every column and about thirty rows.
        resize(leftMargin() + tableSize().width() + 40, 600);
        show();
        QCoreApplication::processEvents();
    }
    using UTable::drawContents;
};

// The next contents position of a scroll through one page and back to the top, a row a step.
int nextY(const BenchTable &table, int y)
{
    y += table.rowHeight(0);
    return y > table.visibleHeight() ? 0 : y;
}

// A scroll step and the repaint of the whole visible page through the widget's back buffer.
// grid:1 draws the grid, 0 leaves it out as the memory view does. bar:0 hides the vertical
// scroll bar, whose own repaint on every step is the toolkit style's and not the table's.
void BM_RepaintPageScroll(benchmark::State &state)
{
    BenchTable table;
    table.setShowGrid(state.range(0) != 0);
    if (state.range(1) == 0) {
        table.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        QCoreApplication::processEvents();
    }
    int y = 0;
    for (auto _ : state) {
        y = nextY(table, y);
        table.setContentsPos(0, y);
        table.viewport()->repaint();
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("one page repaint per item");
}
BENCHMARK(BM_RepaintPageScroll)
    ->ArgNames({"grid", "bar"})
    ->Args({1, 1})
    ->Args({0, 1})
    ->Args({0, 0})
    ->Unit(benchmark::kMicrosecond);

// The contents painting alone, into an image the size of the page.
void BM_DrawContentsPage(benchmark::State &state)
{
    BenchTable table;
    table.setShowGrid(state.range(0) != 0);
    QImage image(table.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    const int w = table.visibleWidth();
    const int h = table.visibleHeight();
    int y = 0;
    for (auto _ : state) {
        y = nextY(table, y);
        QPainter p(&image);
        p.translate(0, -y);
        table.drawContents(&p, 0, y, w, h);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawContentsPage)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// The floor under both: the same page of cells filled and lettered by bare painter calls.
void BM_BarePainterPage(benchmark::State &state)
{
    BenchTable table;
    QImage image(table.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    const QStaticText text(QStringLiteral("ab"));
    const int rows = table.visibleHeight() / table.rowHeight(0) + 1;
    const int width = table.columnWidth(0);
    for (auto _ : state) {
        QPainter p(&image);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < Cols; ++c) {
                p.fillRect(QRect(c * width, r * 20, width, 20), Qt::white);
                p.drawStaticText(QPoint(c * width + 2, r * 20 + 3), text);
            }
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BarePainterPage)->Unit(benchmark::kMicrosecond);

} // namespace
