// Repainting a table of text items while it scrolls: the memory view repaints a page on every
// scroll step, so one repaint has to stay well under a millisecond. The cells hold what a
// memory view's byte columns hold: two hexadecimal digits each.
//
// Then the structural operations hosts run as data arrives (append, insert, remove, refill,
// labels, sort, destroy), each beside the toolkit's own QTableWidget on the same data in the
// same run: the names end in /UTable or /QTableWidget.
#include "testhost.h"

#include "utilities/table.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QStaticText>
#include <QTableWidget>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>
#include <string>

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

// --- structural operations beside QTableWidget ---------------------------------------------

constexpr int kStructCols = 8;

QString cellText(int row, int col)
{
    return QString::number(quint32(row) * 2654435761u + quint32(col), 16);
}

// The two tables behind one interface, so that each benchmark body is written once.
struct OurTable
{
    static constexpr const char *name = "UTable";
    std::unique_ptr<UTable> t;
    explicit OurTable(int rows, int cols)
        : t(std::make_unique<UTable>())
    {
        t->init(rows, cols);
        t->resize(800, 600);
        t->show();
    }
    void setRows(int rows) { t->setNumRows(rows); }
    void setText(int r, int c, const QString &text) { t->setText(r, c, text); }
    void insertRow(int r) { t->insertRows(r, 1); }
    void removeRow(int r) { t->removeRow(r); }
    void setRowLabels(const QStringList &labels) { t->setRowLabels(labels); }
    void sort(int col) { t->sortColumn(col, true, false); }
    QString text(int r, int c) const { return t->text(r, c); }
};

struct PeerTable
{
    static constexpr const char *name = "QTableWidget";
    std::unique_ptr<QTableWidget> t;
    explicit PeerTable(int rows, int cols)
        : t(std::make_unique<QTableWidget>(rows, cols))
    {
        t->resize(800, 600);
        t->show();
    }
    void setRows(int rows) { t->setRowCount(rows); }
    void setText(int r, int c, const QString &text)
    {
        if (QTableWidgetItem *item = t->item(r, c))
            item->setText(text);
        else
            t->setItem(r, c, new QTableWidgetItem(text));
    }
    void insertRow(int r) { t->insertRow(r); }
    void removeRow(int r) { t->removeRow(r); }
    void setRowLabels(const QStringList &labels) { t->setVerticalHeaderLabels(labels); }
    void sort(int col) { t->sortItems(col, Qt::AscendingOrder); }
    QString text(int r, int c) const
    {
        const QTableWidgetItem *item = t->item(r, c);
        return item ? item->text() : QString();
    }
};

template<typename Table>
std::unique_ptr<Table> filledTable(int rows)
{
    auto table = std::make_unique<Table>(rows, kStructCols);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < kStructCols; ++c)
            table->setText(r, c, cellText(r, c));
    }
    QCoreApplication::processEvents();
    return table;
}

QStringList rowLabels(int rows, int salt)
{
    QStringList labels;
    labels.reserve(rows);
    for (int r = 0; r < rows; ++r)
        labels << QStringLiteral("R%1").arg(r + salt);
    return labels;
}

void label(benchmark::State &state, const char *name)
{
    state.SetLabel(name);
}

// A host filling a table as data arrives: one row at a time, then its texts.
template<typename Table>
void BM_AppendRows(benchmark::State &state)
{
    const int rows = int(state.range(0));
    for (auto _ : state) {
        Table table(0, kStructCols);
        for (int r = 0; r < rows; ++r) {
            table.setRows(r + 1);
            for (int c = 0; c < kStructCols; ++c)
                table.setText(r, c, cellText(r, c));
        }
        QCoreApplication::processEvents();
        state.PauseTiming();
        table.t.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * rows);
    label(state, Table::name);
}

// One row inserted at the top of a full table, and one removed from the top (with row labels,
// which move with their rows).
template<typename Table>
void BM_InsertRemoveTop(benchmark::State &state)
{
    const int rows = int(state.range(0));
    auto table = filledTable<Table>(rows);
    if (state.range(1) != 0)
        table->setRowLabels(rowLabels(rows, 0));
    for (auto _ : state) {
        table->insertRow(0);
        table->removeRow(0);
    }
    QCoreApplication::processEvents();
    state.SetItemsProcessed(state.iterations());
    label(state, Table::name);
}

// The whole table's rows renamed at once.
template<typename Table>
void BM_SetRowLabels(benchmark::State &state)
{
    const int rows = int(state.range(0));
    auto table = filledTable<Table>(rows);
    int salt = 0;
    for (auto _ : state) {
        table->setRowLabels(rowLabels(rows, ++salt));
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * rows);
    label(state, Table::name);
}

// A column sorted by its texts, freshly shuffled before each sort.
template<typename Table>
void BM_SortColumn(benchmark::State &state)
{
    const int rows = int(state.range(0));
    auto table = filledTable<Table>(rows);
    QRandomGenerator random(7);
    for (auto _ : state) {
        state.PauseTiming();
        for (int r = 0; r < rows; ++r)
            table->setText(r, 0, cellText(int(random.bounded(rows)), 0));
        QCoreApplication::processEvents();
        state.ResumeTiming();
        table->sort(0);
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * rows);
    label(state, Table::name);
}

// A full table emptied for new data, and the table destroyed.
template<typename Table>
void BM_Refill(benchmark::State &state)
{
    const int rows = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto table = filledTable<Table>(rows);
        state.ResumeTiming();
        table->setRows(0);
        QCoreApplication::processEvents();
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * rows);
    label(state, Table::name);
}

template<typename Table>
void BM_Destroy(benchmark::State &state)
{
    const int rows = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto table = filledTable<Table>(rows);
        state.ResumeTiming();
        table.reset();
    }
    state.SetItemsProcessed(state.iterations() * rows);
    label(state, Table::name);
}

#define TESK_TABLE_PAIR(bm, ...)                                                                   \
    BENCHMARK_TEMPLATE(bm, OurTable)->Name(#bm "/UTable") __VA_ARGS__;                             \
    BENCHMARK_TEMPLATE(bm, PeerTable)->Name(#bm "/QTableWidget") __VA_ARGS__

TESK_TABLE_PAIR(BM_AppendRows, ->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond));
TESK_TABLE_PAIR(BM_InsertRemoveTop, ->ArgNames({"rows", "labels"})
                                        ->Args({10000, 0})
                                        ->Args({100000, 0})
                                        ->Args({10000, 1})
                                        ->Args({100000, 1})
                                        ->Unit(benchmark::kMicrosecond));
TESK_TABLE_PAIR(BM_SetRowLabels, ->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond));
TESK_TABLE_PAIR(BM_SortColumn, ->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond));
TESK_TABLE_PAIR(BM_Refill, ->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond));
TESK_TABLE_PAIR(BM_Destroy, ->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond));

// A million rows, once each, to show the cost per row staying flat. Several minutes and a few
// gigabytes for both tables, so registered only with TESK_BENCH_MILLION set in the environment.
template<typename Table>
void registerMillion(const char *name, void (*bm)(benchmark::State &))
{
    benchmark::RegisterBenchmark((std::string(name) + "/" + Table::name + "/Million").c_str(), bm)
        ->Arg(1000000)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
}

const bool g_millionRegistered = [] {
    if (!qEnvironmentVariableIsSet("TESK_BENCH_MILLION"))
        return false;
#define TESK_TABLE_MILLION(bm)                                                                     \
    registerMillion<OurTable>(#bm, bm<OurTable>);                                                  \
    registerMillion<PeerTable>(#bm, bm<PeerTable>)
    TESK_TABLE_MILLION(BM_AppendRows);
    TESK_TABLE_MILLION(BM_SetRowLabels);
    TESK_TABLE_MILLION(BM_SortColumn);
    TESK_TABLE_MILLION(BM_Refill);
    TESK_TABLE_MILLION(BM_Destroy);
#undef TESK_TABLE_MILLION
    return true;
}();

// --- a page of changed texts, and memory per cell ---------------------------------------

constexpr int kPageRows = 40;

class PagePainter : public UTable
{
public:
    using UTable::drawContents;
};

// A shown table of exactly one page, 40 x 8 cells.
struct PageTable
{
    std::unique_ptr<PagePainter> t = std::make_unique<PagePainter>();
    PageTable()
    {
        t->setFrameStyle(QFrame::NoFrame);
        t->init(kPageRows, kStructCols);
        t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->resize(t->leftMargin() + t->tableSize().width(),
                  t->topMargin() + t->tableSize().height());
        t->show();
        QCoreApplication::processEvents();
    }
};

// The contents of the page painted after every text in it changed (changed:1), or with the
// texts as they were (changed:0).
void BM_PageRepaint(benchmark::State &state)
{
    PageTable page;
    PagePainter &table = *page.t;
    QImage image(table.tableSize(), QImage::Format_ARGB32_Premultiplied);
    const bool changed = state.range(0) != 0;
    int serial = 0;
    const auto fill = [&] {
        for (int r = 0; r < kPageRows; ++r) {
            for (int c = 0; c < kStructCols; ++c)
                table.setText(r, c, cellText(++serial, c));
        }
    };
    fill();
    for (auto _ : state) {
        if (changed) {
            state.PauseTiming();
            fill();
            state.ResumeTiming();
        }
        QPainter p(&image);
        table.drawContents(&p, 0, 0, image.width(), image.height());
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(changed ? "all texts changed" : "texts unchanged");
}
BENCHMARK(BM_PageRepaint)->ArgName("changed")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// The floor: the same page filled, its texts drawn and its grid ruled by bare painter calls,
// with texts the painter has not drawn before.
void BM_PageBarePainter(benchmark::State &state)
{
    PageTable page;
    const UTable &table = *page.t;
    QImage image(table.tableSize(), QImage::Format_ARGB32_Premultiplied);
    const int w = table.columnWidth(0);
    const int h = table.rowHeight(0);
    const QColor grid = table.palette().color(QPalette::Mid);
    const QFont font = table.font();
    const int ascent = QFontMetrics(font).ascent();
    const int textY = (h - QFontMetrics(font).height()) / 2 + ascent;
    int serial = 0;
    std::vector<QString> texts(size_t(kPageRows * kStructCols));
    for (auto _ : state) {
        state.PauseTiming();
        for (QString &text : texts)
            text = cellText(++serial, 0);
        state.ResumeTiming();
        QPainter p(&image);
        p.setFont(font);
        p.fillRect(image.rect(), table.palette().color(QPalette::Base));
        p.setPen(table.palette().color(QPalette::Text));
        for (int r = 0; r < kPageRows; ++r) {
            for (int c = 0; c < kStructCols; ++c)
                p.drawText(QPoint(c * w + 2, r * h + textY), texts[size_t(r * kStructCols + c)]);
        }
        for (int r = 0; r < kPageRows; ++r)
            p.fillRect(QRect(0, r * h + h - 1, kStructCols * w, 1), grid);
        for (int c = 0; c < kStructCols; ++c)
            p.fillRect(QRect(c * w + w - 1, 0, 1, kPageRows * h), grid);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PageBarePainter)->Unit(benchmark::kMicrosecond);

size_t heapInUse()
{
    malloc_trim(0);
    return mallinfo2().uordblks;
}

void scrollThrough(OurTable &table)
{
    UTable &t = *table.t;
    for (int y = 0; y < t.contentsHeight(); y += t.visibleHeight()) {
        t.setContentsPos(0, y);
        t.viewport()->repaint();
    }
}

void scrollThrough(PeerTable &table)
{
    QScrollBar *bar = table.t->verticalScrollBar();
    for (int v = 0; v <= bar->maximum(); v += std::max(1, bar->pageStep())) {
        bar->setValue(v);
        table.t->viewport()->repaint();
    }
}

// Bytes of heap per text cell once every row of the table has been painted.
template<typename Table>
void BM_BytesPerTextCell(benchmark::State &state)
{
    const int rows = int(state.range(0));
    double perCell = 0;
    for (auto _ : state) {
        const size_t before = heapInUse();
        auto table = filledTable<Table>(rows);
        scrollThrough(*table);
        perCell = double(heapInUse() - before) / double(rows * kStructCols);
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
    state.counters["bytes_per_cell"] = perCell;
    label(state, Table::name);
}

TESK_TABLE_PAIR(BM_BytesPerTextCell, ->Arg(20000)->Iterations(1)->Unit(benchmark::kMillisecond));

} // namespace
