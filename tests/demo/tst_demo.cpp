// The demo as its user meets it on a display, through the demo's own parts: a step shows the
// memory it changed in the change colour, and keeps showing it while the target runs on; what
// the user writes or fills shows at once.
#include "filtersdemo.h"
#include "framedemo.h"
#include "handsondemo.h"
#include "layoutdemo.h"
#include "memorydemo.h"
#include "menudemo.h"
#include "modalanswers.h"
#include "simulatedtarget.h"
#include "testhost.h"
#include "toolbardemo.h"
#include "xdesktop.h"

#include "gui_components/gc_panes/memory/memoryaddress.h"
#include "gui_components/gc_panes/memoryview/viewmemory.h"
#include "gui_components/gc_panes/memoryview/viewmemorydata.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <signal.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

const QString g_fault =
    testhost::listingTests() ? QString() : testhost::startXDesktop(testhost::XDesktop::Bare);

// The colour of memory the last target update changed, pure blue: its text drawn on a light
// background blends into (a, a, 255), a paler blue the more the background shows. Text of memory
// an earlier update changed, and plain text, never blends into such a colour.
bool changedLast(QRgb pixel)
{
    return qBlue(pixel) == 255 && qRed(pixel) == qGreen(pixel) && qRed(pixel) < 128;
}

const demo::HandsOnEntry *entry(int hostId)
{
    for (const demo::HandsOnEntry &e : demo::handsOnEntries())
        if (e.hostId == hostId)
            return &e;
    return nullptr;
}

QWidget *memoryView()
{
    for (QWidget *widget : QApplication::allWidgets())
        if (widget->inherits("KViewMemory") && widget->isVisible())
            return widget;
    return nullptr;
}

// Pixels of the data table drawn in the colour of the last change.
int changeColoured(QWidget *view)
{
    auto *table = qobject_cast<QAbstractScrollArea *>(
        view->findChild<QWidget *>(QStringLiteral("DataMemoryView")));
    if (!table)
        return -1;
    const QImage picture = table->viewport()->grab().toImage();
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += changedLast(picture.pixel(x, y));
    return count;
}

constexpr int kCoreA = 1;
// Memory the running target changes by itself (memorydemo.cpp): the views show it as it was at
// the last update.
constexpr uint32_t kCounter = 0x20000100;

// The data cells wholly in view, as (column, row), of rows the running target leaves alone.
std::vector<QPoint> shownCells(KViewMemory *view)
{
    KViewMemoryData *table = view->dataTable();
    const QRect seen(table->viewportToContents2(QPoint(0, 0)), table->viewport()->size());
    std::vector<QPoint> cells;
    for (int row = 0; row < table->numRows(); ++row) {
        const uint32_t first = view->startAddress().offset() + uint32_t(row * view->bytesPerRow());
        if (first < kCounter + 4 && kCounter < first + uint32_t(view->bytesPerRow()))
            continue;
        for (int col = 0; col < table->numCols(); ++col)
            if (seen.contains(QRect(table->columnPos(col), table->rowPos(row),
                                    table->columnWidth(col), table->rowHeight(row))))
                cells.emplace_back(col, row);
    }
    return cells;
}

// The user writes a new value into a cell of the view, as its editor does: the view shows it
// without a step. Whether the target changed.
bool writeIntoView(KViewMemory *view, std::mt19937 &random, std::string &fault)
{
    KViewMemoryData *table = view->dataTable();
    const std::vector<QPoint> cells = shownCells(view);
    if (cells.empty()) {
        fault = "the view shows no whole cell";
        return false;
    }
    const QPoint cell = cells[random() % cells.size()];
    const uint64_t before = table->cellValue(cell.y(), cell.x());
    const uint64_t written = before ^ (1 + random() % 0xff);
    if (!view->writeValueAt(cell.y(), cell.x(), before, written)) {
        fault = "the view refused the write";
        return false;
    }
    testhost::settle();
    if (table->cellValue(cell.y(), cell.x()) != written)
        fault = "a write of " + std::to_string(written) + " at row " + std::to_string(cell.y()) +
                " still shows " + std::to_string(table->cellValue(cell.y(), cell.x()));
    return true;
}

// The user fills one row of the view with a byte through Debug > Memory/Register Operations >
// Fill Memory with Pattern...: the target holds the byte and the view shows it without a step.
// Whether the target changed.
bool fillRowOfView(void *self, KViewMemory *view, std::mt19937 &random, std::string &fault)
{
    KViewMemoryData *table = view->dataTable();
    const std::vector<QPoint> cells = shownCells(view);
    if (cells.empty()) {
        fault = "the view shows no whole cell";
        return false;
    }
    const int row = cells[random() % cells.size()].y();
    const uint32_t length = uint32_t(view->bytesPerRow());
    const uint32_t first = view->startAddress().offset() + uint32_t(row) * length;
    const uint8_t byte = uint8_t(random());
    SimulatedTarget &sim = SimulatedTarget::installed();
    bool changes = false;
    for (uint32_t i = 0; i < length; ++i)
        changes |= sim.peek(kCoreA, first + i) != byte;
    {
        testhost::ModalAnswers answers;
        answers.setHandler([&](const testhost::ModalAnswers::Request &request) {
            auto *dialog = qobject_cast<QDialog *>(request.widget.data());
            ASSERT_TRUE(dialog);
            const auto edit = [dialog](const char *name, uint32_t value) {
                dialog->findChild<QLineEdit *>(QLatin1String(name))
                    ->setText(QStringLiteral("0x%1").arg(value, 0, 16));
            };
            edit("lineEditStartAddress_", first);
            dialog->findChild<QRadioButton *>(QStringLiteral("radioButtonEndAddress_"))->click();
            edit("lineEditEndAddress_", first + length - 1);
            edit("lineeditExpression_", byte);
            // Bytes: the first size after the target's own.
            dialog->findChild<QComboBox *>(QStringLiteral("comboBoxFillSize_"))->setCurrentIndex(1);
            dialog->findChild<QPushButton *>(QStringLiteral("buttonOk_"))->click();
        });
        entry(40107)->open(self);
    }
    testhost::settle();
    for (uint32_t i = 0; i < length && fault.empty(); ++i)
        if (sim.peek(kCoreA, first + i) != byte)
            fault = "the fill left " + std::to_string(first + i) + " unfilled";
    uint64_t filled = 0;
    for (int i = 0; i < view->fieldSize(); ++i)
        filled = filled << 8 | byte;
    for (const QPoint &cell : cells)
        if (cell.y() == row && fault.empty() && table->cellValue(row, cell.x()) != filled)
            fault = "the fill of row " + std::to_string(row) + " shows " +
                    std::to_string(table->cellValue(row, cell.x())) + " in column " +
                    std::to_string(cell.x());
    return changes;
}

} // namespace

// Steps, idle ticks of the running counter, stops of the cores, the user's writes into the view
// and fills from the menu in a random order: after a step, however many ticks follow, the bytes
// it changed show in the change colour; what the user writes or fills shows at once.
TEST(DemoOnDisplay, AStepShowsWhatItChangedUntilTheTargetNextStops)
{
    ASSERT_TRUE(g_fault.isEmpty()) << qPrintable(g_fault);
    void *self = dlopen(nullptr, RTLD_NOW);
    ASSERT_TRUE(self);
    demo::loadFrameExports(self);
    demo::createMainWindow({});
    registerViewsEventSubject();
    installSimulatedTarget();
    const demo::HandsOnEntry *memory = entry(40048);
    const demo::HandsOnEntry *step = entry(40071);
    ASSERT_TRUE(memory && step && entry(40107));
    memory->open(self);
    testhost::pumpFor(200);
    auto *view = qobject_cast<KViewMemory *>(memoryView());
    ASSERT_TRUE(view) << "View > Memory showed no memory view";
    const unsigned seed = std::random_device()();
    std::mt19937 random(seed);
    bool stepped = false;
    std::string events;
    for (int i = 0; i < 60; ++i) {
        const unsigned roll = random() % 10;
        std::string fault;
        if (roll < 2) {
            step->open(self);
            stepped = true;
            events += " step";
        } else if (roll < 6) {
            advanceSimulatedTarget();
            events += " tick";
        } else if (roll < 7) {
            simulatedTargetStopped();
            stepped = false;
            events += " stop";
        } else if (roll < 9) {
            // The target tells the views of the write: the written cell is the change.
            stepped = writeIntoView(view, random, fault);
            events += " write";
        } else {
            stepped = fillRowOfView(self, view, random, fault);
            events += " fill";
        }
        testhost::settle();
        ASSERT_TRUE(fault.empty()) << fault << " after" << events << " (seed " << seed << ")";
        if (stepped) {
            ASSERT_GT(changeColoured(view), 0)
                << "no change colour after" << events << " (seed " << seed << ")";
        }
    }
    dlclose(self);
}

namespace {

int g_ends = 0;

void onEnded()
{
    ++g_ends;
}

std::string contentsOf(const std::string &file)
{
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int count(const std::string &text, const std::string &part)
{
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

QAction *menuEntry(QWidget *window, const QString &text)
{
    for (QAction *menu : window->findChild<QMenuBar *>()->actions())
        if (menu->menu())
            for (QAction *action : menu->menu()->actions())
                if (action->text().remove(QLatin1Char('&')) == text)
                    return action;
    return nullptr;
}

} // namespace

// Every road by which the user ends the demo stores what they set (the layout, the script list
// and the filters, each file with one copy of its section) and ends it once.
class DemoEnds : public ::testing::TestWithParam<const char *>
{
};

TEST_P(DemoEnds, StoringWhatTheUserSet)
{
    ASSERT_TRUE(g_fault.isEmpty()) << qPrintable(g_fault);
    testhost::ModalAnswers answers;
    void *self = dlopen(nullptr, RTLD_NOW);
    ASSERT_TRUE(self);
    const std::string home = std::getenv("KSODEBUG_HOME");
    // Files an earlier version of the demo left: a section stored at every start.
    const std::string scripts = home + "/scripts.ini";
    std::ofstream(scripts) << "[other]\nkept\n[scripts]\n<old/>\n[Scripts]\n<older/>\n";
    demo::loadFrameExports(self);
    demo::createMainWindow({});
    demo::runMenuDemo(self, {});
    demo::runToolbarDemo(self, home.c_str(), {});
    demo::runFiltersDemo(self, home, {});
    const std::string layout = demo::layoutFile(home);
    std::remove(layout.c_str());
    demo::endOnSignals(&onEnded);
    demo::whenMainWindowCloses(self, layout, &onEnded);
    demo::handOverToUser();
    QWidget *window = demo::topLevelWidget(nullptr, "KSO MainWindow");
    ASSERT_TRUE(window);
    const QString road = QLatin1String(GetParam());
    if (road == QLatin1String("SIGTERM")) {
        raise(SIGTERM);
    } else if (road == QLatin1String("close button")) {
        window->close();
    } else {
        QAction *action = menuEntry(window, road);
        ASSERT_TRUE(action) << "no File > " << GetParam();
        action->trigger();
    }
    testhost::settle();
    EXPECT_EQ(g_ends, 1) << GetParam() << " did not end the demo once";
    EXPECT_EQ(count(contentsOf(layout), "window\t"), 1) << GetParam() << " stored no layout";
    const std::string stored = contentsOf(scripts);
    EXPECT_EQ(count(stored, "[scripts]") + count(stored, "[Scripts]"), 1) << stored;
    EXPECT_EQ(count(stored, "[other]\nkept\n"), 1) << stored;
    EXPECT_EQ(count(stored, "<old/>") + count(stored, "<older/>"), 0) << stored;
    EXPECT_EQ(count(contentsOf(home + "/filters.ini"), "[EventFilters]"), 1);
    dlclose(self);
}

INSTANTIATE_TEST_SUITE_P(Roads, DemoEnds,
                         ::testing::Values("Exit", "Close Window", "close button", "SIGTERM"),
                         [](const auto &info) {
                             std::string name = info.param;
                             name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
                             return name;
                         });
