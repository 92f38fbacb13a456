// Dock windows as a host makes them in a 1200 by 800 main window, before the window is shown
// and after it: the sizes they come up with, the sizes their layout records keep, and a
// record waiting for a window made after the show.
#include "frames.h"
#include "registerrecords.h"
#include "regpanehost.h"
#include "simulatedtarget.h"
#include "testhost.h"

#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/docking/layoutrecords.h"
#include "gui_components/gc_panes/memoryview/viewmemory.h"
#include "gui_components/gc_panes/views/cgcp_viewsmanager.h"

#include <tesk/tesk_registers.h>
#include <tesk/tesk_views.h>
#include <tesk/tesk_window.h>

#include <mosk/mosk.hpp>

#include <QCoreApplication>
#include <QTabBar>

#include <array>
#include <string>

namespace {

void paneCallback(TeskHandle, int *, int) {}

constexpr TeskHandle kWindow = 1;

class DockSizes : public FrameTest
{
protected:
    MainWindow *window()
    {
        MainWindow *window = createFrame("Debugger", kWindow);
        QtResizePosWindow(kWindow, 0, 0, 1200, 800);
        return window;
    }

    DockWidget *dock(int area, const char *name, TeskHandle box)
    {
        QtCreateDocked(area, 0);
        QtWindowCreate(name, &paneCallback, box);
        return Store::currentMainWindow()->findDockWidgetByBox(box);
    }

    // Field n (1-based) of the record of the dock window at that place of the sorted list.
    static int field(int index, int n)
    {
        char buffer[tesk::frame::kLayoutRecordSize];
        QtSortWindowList(kWindow);
        CuiGetDockWindowPersistanceData(kWindow, index, buffer);
        return QByteArray(buffer).split(':').value(n - 1).toInt();
    }

    static int indexOf(TeskHandle box)
    {
        QtSortWindowList(kWindow);
        for (int index = 0; index < QtDockWindowCount(kWindow); ++index)
            if (QtGetPersistWindowBox(kWindow, index) == box)
                return index;
        return -1;
    }

    // The pane shows, no smaller than it asks, in a dock window no smaller than its least size
    // (title bar included), and its record keeps what is shown.
    static void expectShownAndKept(DockWidget *dock)
    {
        ASSERT_TRUE(dock);
        const QWidget *pane = dock->pane();
        EXPECT_GE(pane->width(), pane->minimumSizeHint().width());
        EXPECT_GE(pane->height(), pane->minimumSizeHint().height());
        EXPECT_GE(dock->width(), 100);
        EXPECT_GE(dock->height(), 100);
        const int index = indexOf(dock->windowBox());
        EXPECT_EQ(field(index, 7), dock->width());
        EXPECT_EQ(field(index, 8), dock->height());
    }
};

} // namespace

TEST_F(DockSizes, DocksMadeBeforeTheShowTakeAThirdAndAQuarter)
{
    MainWindow *main = window();
    DockWidget *right = dock(0, "Right", 10);
    DockWidget *bottom = dock(1, "Bottom", 11);
    QtFrameShow();
    // Read at once, as a host does: no event loop has run since the show.
    EXPECT_EQ(right->width(), 1200 / 3);
    EXPECT_EQ(bottom->height(), 800 / 4);
    EXPECT_EQ(bottom->width(), main->width());
    expectShownAndKept(right);
    expectShownAndKept(bottom);
    testhost::settle();
    EXPECT_EQ(right->width(), 1200 / 3);
    EXPECT_EQ(bottom->height(), 800 / 4);
}

TEST_F(DockSizes, DocksMadeAfterTheShowShareAFifthOfTheWindow)
{
    window();
    QtFrameShow();
    testhost::settle();
    DockWidget *right = dock(0, "Right", 10);
    DockWidget *bottom = dock(1, "Bottom", 11);
    EXPECT_EQ(right->width(), 1200 / 5);
    EXPECT_EQ(bottom->height(), 800 / 5);
    expectShownAndKept(right);
    expectShownAndKept(bottom);
    // A second window beside the first shares its line's height with it.
    DockWidget *second = dock(0, "Second", 12);
    testhost::settle();
    EXPECT_EQ(second->width(), right->width());
    EXPECT_LE(qAbs(second->height() - right->height()), 8);
    expectShownAndKept(second);
}

TEST_F(DockSizes, ARecordWaitingForADockMadeAfterTheShowIsAppliedWhole)
{
    window();
    QtFrameShow();
    testhost::settle();
    CuiSetDockWindowPersistanceData(kWindow, "Watch:2:0:0:0:0:330:200:1:0");
    QtWindowCreate("Watch", &paneCallback, 20);
    DockWidget *watch = Store::currentMainWindow()->findDockWidgetByBox(20);
    ASSERT_TRUE(watch);
    EXPECT_EQ(watch->width(), 330);
    EXPECT_EQ(QtGetWindWidth(), 330);
    EXPECT_EQ(field(indexOf(20), 7), 330);

    // A hidden one stays hidden, a floating one takes its place and size.
    CuiSetDockWindowPersistanceData(kWindow, "Trace:3:0:0:0:0:400:150:0:0");
    QtWindowCreate("Trace", &paneCallback, 21);
    EXPECT_TRUE(Store::currentMainWindow()->findDockWidgetByBox(21)->isHidden());
    CuiSetDockWindowPersistanceData(kWindow, "Output:4:0:-1:40:50:320:210:1:0");
    QtWindowCreate("Output", &paneCallback, 22);
    DockWidget *output = Store::currentMainWindow()->findDockWidgetByBox(22);
    EXPECT_TRUE(output->isFloating());
    EXPECT_EQ(output->size(), QSize(320, 210));
}

TEST_F(DockSizes, ACollapsedRecordComesBackNoSmallerThanADockWindow)
{
    window();
    // What an earlier session kept of a bottom window the toolkit had shrunk to its title.
    CuiSetDockWindowPersistanceData(kWindow, "Bottom:3:0:0:0:0:1200:19:1:0");
    QtWindowCreate("Bottom", &paneCallback, 30);
    QtFrameShow();
    DockWidget *bottom = Store::currentMainWindow()->findDockWidgetByBox(30);
    expectShownAndKept(bottom);
    EXPECT_GT(field(0, 8), 100);
}

namespace {

// A pane whose wish grows after it is docked, as a pane that a view is added to.
class AskingPane : public QWidget
{
public:
    QSize wish{60, 60};
    QSize sizeHint() const override { return wish; }
};

// The pane docked in the area (0 right, 1 bottom) of the main window, laid out.
DockWidget *dockAsking(MainWindow *main, int area, const char *name, AskingPane *pane,
                       TeskHandle box)
{
    QtCreateDocked(area, 0);
    DockWidget *holder = main->createDockWidget(name, pane, &paneCallback, box);
    testhost::settle();
    return holder;
}

} // namespace

TEST_F(DockSizes, APaneThatAsksForMoreOnceDockedGetsIt)
{
    MainWindow *main = window();
    QtFrameShow();
    dock(1, "Output", 40);
    auto *pane = new AskingPane;
    ASSERT_TRUE(dockAsking(main, 1, "Memory", pane, 41));
    ASSERT_LT(pane->height(), 250);
    pane->wish = QSize(60, 250);
    pane->updateGeometry();
    testhost::settle();
    EXPECT_GE(pane->height(), 250);
}

// A restored layout comes back as it was saved, in the order a host restores it: the records
// set, the dock windows made, the window shown, then the panes filled.

namespace {

// A register pane of 200 long-named registers, as a core's full set; its values come later.
struct FullRegisterPane
{
    static constexpr uint32_t kDataSet = 91;

    FullRegisterPane()
    {
        host.dataSet = kDataSet;
        CuiRegPaneDataCreate(kDataSet);
        RegDataRecord view = tesk::host::viewRecord("Core");
        CuiRegPaneDataAdd(kDataSet, &view);
        for (int i = 0; i < 200; ++i) {
            const std::string name = "PMEVTYPER" + std::to_string(i) + "_EL0";
            RegDataRecord r = tesk::host::registerRecord(name.c_str(), 0, int16_t(i), 0, 8, 0);
            CuiRegPaneDataAdd(kDataSet, &r);
            host.lines.push_back("8000a5c" + std::to_string(i % 10));
        }
        pane = CuiRegPaneCreate(&testhost::RegPaneHost::handler);
        CuiRegPaneAttach(pane, host.context());
        CuiRegPaneDataSet(kDataSet, pane, "arm", nullptr, "Board");
    }
    ~FullRegisterPane()
    {
        CuiRegPaneDelete(pane);
        CuiRegPaneDataDelete(kDataSet, 0);
    }

    testhost::RegPaneHost host;
    TeskHandle pane = 0;
};

void askFor(AskingPane *pane, QSize wish)
{
    pane->wish = wish;
    pane->updateGeometry();
    testhost::settle();
}

} // namespace

TEST_F(DockSizes, ARestoredRegisterPaneKeepsItsWidthOnceFilled)
{
    window();
    FullRegisterPane registers;
    CuiSetDockWindowPersistanceData(kWindow, "Register Pane:2:0:0:0:0:180:400:1:0");
    CuiWindowCreateQtPane("Register Pane", reinterpret_cast<void *>(registers.pane), &paneCallback,
                          50);
    QtFrameShow();
    DockWidget *dock = Store::currentMainWindow()->findDockWidgetByBox(50);
    ASSERT_TRUE(dock);
    EXPECT_EQ(dock->width(), 180);
    registers.host.send();
    testhost::settle();
    // Its values ask for more than the record gives: the record wins, and is kept.
    ASSERT_GT(dock->widget()->sizeHint().width(), 180);
    EXPECT_EQ(dock->width(), 180);
    EXPECT_EQ(field(indexOf(50), 7), 180);
}

TEST_F(DockSizes, ARestoredMemoryViewKeepsItsHeight)
{
    SimulatedTarget::registerWithBroker();
    MoskBroker *broker = moskGetObjectBroker();
    void *object = nullptr;
    mosk::release(
        broker->ops->getComponent(broker, GCP_CATEGORY, GCP_VIEWS_MANAGER_COMPONENT, &object));
    auto *views = static_cast<IGcp_ViewsManager *>(object);
    ASSERT_TRUE(views);
    for (const int height : {150, 250}) {
        window();
        QtFrameShow();
        testhost::settle();
        const std::string record = "Memory:3:0:0:0:0:1200:" + std::to_string(height) + ":1:1";
        CuiSetDockWindowPersistanceData(kWindow, record.c_str());
        uint64_t id = 0;
        mosk::release(views->ops->createViewInNewPane(views, GCP_VIEW_TYPE_MEMORY, 0, &id));
        testhost::settle();
        auto *view = qobject_cast<KViewMemory *>(CGcp_ViewsManager::instance()->viewWidget(id));
        ASSERT_TRUE(view);
        const DockWidget *dock = tesk::frame::dockHolding(view);
        ASSERT_TRUE(dock);
        EXPECT_EQ(dock->height(), height);
        EXPECT_EQ(field(0, 8), height);
        CGcp_ViewsManager::instance()->removePane(view->paneId());
        FrameTest::TearDown();
    }
    views->ops->Release(views);
}

// A layout restored after the show, one window after the other: the next window made in the
// area shares out what the records left, not the windows they brought back.
TEST_F(DockSizes, DocksRestoredOneAfterTheOtherAfterTheShowKeepTheirExtents)
{
    window();
    QtFrameShow();
    testhost::settle();
    CuiSetDockWindowPersistanceData(kWindow, "Watch:2:0:0:0:0:180:400:1:0");
    QtWindowCreate("Watch", &paneCallback, 60);
    CuiSetDockWindowPersistanceData(kWindow, "Log:2:1:1:0:0:260:400:1:0");
    QtWindowCreate("Log", &paneCallback, 61);
    testhost::settle();
    EXPECT_EQ(field(indexOf(60), 7), 180);
    EXPECT_EQ(field(indexOf(61), 7), 260);
}

// A row of the bottom area restored after the show comes back as stored, whichever of its
// records is the largest: shared out anew at each record, the ones before were squeezed.
TEST_F(DockSizes, ARowRestoredAfterTheShowComesBackAsStored)
{
    for (const auto &widths : {std::array<int, 3>{398, 397, 397}, std::array<int, 3>{600, 200, 392},
                               std::array<int, 3>{200, 392, 600}}) {
        SCOPED_TRACE(widths[0]);
        window();
        QtFrameShow();
        testhost::settle();
        for (int i = 0, x = 0; i < 3; x += widths[size_t(i++)] + 4) {
            const std::string record = "Row" + std::to_string(i) + ":3:0:" + std::to_string(i) +
                                       ":" + std::to_string(x) +
                                       ":500:" + std::to_string(widths[size_t(i)]) + ":180:1:0";
            CuiSetDockWindowPersistanceData(kWindow, record.c_str());
            QtWindowCreate(("Row" + std::to_string(i)).c_str(), &paneCallback, 70 + i);
        }
        testhost::settle();
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(field(indexOf(70 + i), 7), widths[size_t(i)], 4) << i;
            EXPECT_EQ(field(indexOf(70 + i), 8), 180) << i;
        }
        FrameTest::TearDown();
    }
}

TEST_F(DockSizes, ADockTheUserWidenedIsNotGrownAfterwards)
{
    MainWindow *main = window();
    QtFrameShow();
    auto *pane = new AskingPane;
    DockWidget *holder = dockAsking(main, 0, "Watch", pane, 60);
    ASSERT_TRUE(holder);
    const int before = holder->width();
    testhost::dragOnWindow(main, testhost::separatorBefore(main, holder), QPoint(-80, 0));
    const int dragged = holder->width();
    ASSERT_GE(dragged, before + 60);
    askFor(pane, QSize(dragged + 40, 60));
    EXPECT_EQ(holder->width(), dragged);
}

TEST_F(DockSizes, APaneGrowsItsDockOnceAndWithinItsShare)
{
    MainWindow *main = window();
    QtFrameShow();
    auto *pane = new AskingPane;
    DockWidget *holder = dockAsking(main, 0, "Watch", pane, 70);
    ASSERT_TRUE(holder);
    ASSERT_LT(holder->width(), 250);
    askFor(pane, QSize(250, 60));
    const int grown = holder->width();
    EXPECT_GE(grown, 250);
    // Once: a wish that comes later, within the share, leaves it as it is.
    askFor(pane, QSize(330, 60));
    EXPECT_EQ(holder->width(), grown);

    // A pane asking for the height of a screen below the code gets no more than two fifths of
    // the window.
    auto *tall = new AskingPane;
    DockWidget *tallHolder = dockAsking(main, 1, "Tall", tall, 71);
    ASSERT_TRUE(tallHolder);
    askFor(tall, QSize(60, 2000));
    EXPECT_GT(tallHolder->height(), 800 / 5);
    EXPECT_LE(tallHolder->height(), 800 * 2 / 5);
}

TEST_F(DockSizes, ADockTheHostSizedKeepsItsSizeWhenFilledAndJoined)
{
    MainWindow *main = window();
    QtFrameShow();
    testhost::settle();
    auto *pane = new AskingPane;
    DockWidget *watch = dockAsking(main, 0, "Watch", pane, 80);
    ASSERT_TRUE(watch);
    DockWidget *log = dock(0, "Log", 81);
    testhost::settle();
    // Through its box, as a host sizes the window of one of its panes.
    QtResizePosWindow(80, 0, 0, 310, 200);
    testhost::settle();
    EXPECT_EQ(watch->width(), 310);
    EXPECT_LE(qAbs(watch->height() - 200), 2);
    askFor(pane, QSize(500, 600));
    EXPECT_EQ(watch->width(), 310);
    EXPECT_LE(qAbs(watch->height() - 200), 2);
    dock(0, "Stack", 82);
    testhost::settle();
    EXPECT_EQ(watch->width(), 310);
    EXPECT_EQ(log->width(), 310);
    EXPECT_EQ(field(indexOf(80), 7), 310);
}

TEST_F(DockSizes, TwoLinesInASideAreaComeBackAtTheirWidths)
{
    window();
    CuiSetDockWindowPersistanceData(kWindow, "Watch:2:0:0:0:0:210:300:1:0");
    QtWindowCreate("Watch", &paneCallback, 90);
    CuiSetDockWindowPersistanceData(kWindow, "Log:2:0:1:0:0:210:420:1:0");
    QtWindowCreate("Log", &paneCallback, 91);
    CuiSetDockWindowPersistanceData(kWindow, "Stack:2:1:2:0:0:170:700:1:0");
    QtWindowCreate("Stack", &paneCallback, 92);
    QtFrameShow();
    testhost::settle();
    const auto shown = [](TeskHandle box) {
        return Store::currentMainWindow()->findDockWidgetByBox(box)->size();
    };
    EXPECT_LE(qAbs(shown(90).width() - 210), 2);
    EXPECT_LE(qAbs(shown(91).width() - 210), 2);
    EXPECT_LE(qAbs(shown(92).width() - 170), 2);
    // The second line is a line of its own in the records too.
    EXPECT_EQ(field(indexOf(92), 3), 1);
    EXPECT_EQ(field(indexOf(92), 4), 2);
}

TEST_F(DockSizes, ADraggedAreaKeepsItsExtentWhenDocksJoinOrLeave)
{
    MainWindow *main = window();
    QtFrameShow();
    testhost::settle();
    DockWidget *output = dock(1, "Output", 100);
    testhost::settle();
    const int before = output->height();
    testhost::dragOnWindow(main, testhost::separatorBefore(main, output), QPoint(0, -90));
    const int dragged = output->height();
    ASSERT_GE(dragged, before + 60);
    DockWidget *trace = dock(1, "Trace", 101);
    testhost::settle();
    EXPECT_LE(qAbs(output->height() - dragged), 2);
    EXPECT_LE(qAbs(trace->height() - dragged), 2);
    trace->end();
    testhost::settle();
    dock(1, "Disasm", 102);
    testhost::settle();
    EXPECT_LE(qAbs(output->height() - dragged), 2);
    EXPECT_LE(qAbs(field(indexOf(100), 8) - dragged), 2);
}

TEST_F(DockSizes, ADockOpenedWhileTheUserHoldsASeparatorIsPlacedWhenTheDragEnds)
{
    MainWindow *main = window();
    QtFrameShow();
    testhost::settle();
    DockWidget *output = dock(1, "Output", 110);
    testhost::settle();
    DockWidget *opened = nullptr;
    testhost::dragOnWindow(main, testhost::separatorBefore(main, output), QPoint(0, -60),
                           [&] { opened = dock(1, "Trace", 111); });
    testhost::settle();
    ASSERT_TRUE(opened);
    EXPECT_TRUE(opened->isVisible());
    EXPECT_FALSE(opened->isFloating());
    EXPECT_EQ(main->dockWidgetArea(opened), Qt::BottomDockWidgetArea);
    // Beside the output window, not over the menu bar.
    EXPECT_EQ(opened->y(), output->y());
    EXPECT_GT(opened->x(), output->x());
    EXPECT_EQ(field(indexOf(111), 2), 3);

    // One the host ends before the drag does is not placed at all.
    testhost::dragOnWindow(main, testhost::separatorBefore(main, output), QPoint(0, 30), [&] {
        dock(1, "Gone", 112)->end();
        testhost::settle();
    });
    EXPECT_FALSE(main->findDockWidgetByBox(112));
    EXPECT_EQ(QtDockWindowCount(kWindow), 2);
}

TEST_F(DockSizes, ARegisterPaneInAShortDockShowsItsWholeTabRow)
{
    window();
    FullRegisterPane registers;
    // Restored at the least height a dock window has.
    CuiSetDockWindowPersistanceData(kWindow, "Register Pane:3:0:0:0:0:600:100:1:0");
    CuiWindowCreateQtPane("Register Pane", reinterpret_cast<void *>(registers.pane), &paneCallback,
                          50);
    QtFrameShow();
    registers.host.send();
    testhost::settle();
    DockWidget *dock = Store::currentMainWindow()->findDockWidgetByBox(50);
    ASSERT_TRUE(dock);
    const auto *bar = dock->findChild<QTabBar *>();
    ASSERT_TRUE(bar && bar->isVisible());
    const auto *shown = dock->findChild<QWidget *>(QStringLiteral("qt_scrollarea_viewport"));
    ASSERT_TRUE(shown);
    const QRect row(bar->mapTo(shown, QPoint()), bar->size());
    EXPECT_TRUE(shown->rect().contains(row)) << "tab row at " << row.y() << " to " << row.bottom()
                                             << ", dock shows to " << shown->rect().bottom();
}

// A group of tabs its records brought back, its window standing hidden by the host, and panes
// made after them that join it, the last as the tab shown: the show lays the group out at the
// records' height, which the panes have no size of their own to change.
TEST_F(DockSizes, PanesJoiningAGroupItsRecordsSizedShowAtTheirSize)
{
    window();
    CuiSetDockWindowPersistanceData(kWindow, "Line:3:1:0:0:300:400:120:1:1");
    QtWindowCreate("Line", &paneCallback, 79);
    const char *const records[] = {"Watch:3:1:1:0:430:400:120:1:1", "Log:3:0:2:0:430:400:120:1:1",
                                   "Stack:3:0:3:0:430:400:120:1:1"};
    for (TeskHandle box = 80; box < 83; ++box) {
        CuiSetDockWindowPersistanceData(kWindow, records[box - 80]);
        QtWindowCreate(QByteArray(records[box - 80]).split(':').first().constData(), &paneCallback,
                       box);
    }
    testhost::settle();
    CuiPopupProcessGenericOption(80, DockWidget::OptionDockFloat);
    CuiPaneHide(81);
    CuiPaneHide(82);
    // The area ends in a group of tabs: one more pane there joins it.
    dock(1, "Memory", 83);
    QtFindGotoWindowToShowData(kWindow, "Stack");
    DockWidget *last = dock(1, "Locals", 84);
    ASSERT_TRUE(last);
    QtFrameShow();
    testhost::settle();
    EXPECT_NEAR(last->height(), 120, 2);
    EXPECT_NEAR(field(indexOf(82), 8), 120, 2);
    EXPECT_NEAR(field(indexOf(84), 8), 120, 2);
}
