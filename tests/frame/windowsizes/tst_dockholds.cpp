// What the dock layout holds while the user drags and the host goes on: a separator whose
// release goes elsewhere ends the drag, a floating pane leaves the docked sizes alone, and a
// size the host gave stays while other lines come, hide and float.
#include "frames.h"
#include "testhost.h"

#include "frame/windows/docking/dockwidget.h"

#include <tesk/tesk_dialogs.h>
#include <tesk/tesk_window.h>

#include <QAbstractButton>
#include <QMenu>
#include <QTest>

#include <functional>
#include <memory>
#include <string>

namespace {

constexpr TeskHandle kWindow = 1;

void paneCallback(TeskHandle, int *, int) {}

int recordWidth(TeskHandle box)
{
    QtSortWindowList(kWindow);
    for (int i = 0; i < QtDockWindowCount(kWindow); ++i)
        if (QtGetPersistWindowBox(kWindow, i) == box) {
            char buffer[256];
            CuiGetDockWindowPersistanceData(kWindow, i, buffer);
            return QByteArray(buffer).split(':').value(6).toInt();
        }
    return -1;
}

class DockHolds : public FrameTest
{
protected:
    void TearDown() override
    {
        FrameTest::TearDown();
        testhost::settle();
    }

    MainWindow *shown()
    {
        MainWindow *window = createFrame("Debugger", kWindow);
        QtResizePosWindow(kWindow, 0, 0, 1272, 760);
        QtFrameShow();
        testhost::settle();
        return window;
    }

    static DockWidget *dockRight(MainWindow *window, const char *name, TeskHandle box)
    {
        QtCreateDocked(0, 0);
        QtWindowCreate(name, &paneCallback, box);
        testhost::settle();
        return window->findDockWidgetByBox(box);
    }
};

} // namespace

TEST_F(DockHolds, AReleaseThatGoesElsewhereEndsTheDrag)
{
    auto other = std::make_unique<QWidget>();
    other->resize(200, 100);
    const std::pair<const char *, std::function<void(MainWindow *)>> roads[] = {
        {"a popup the host opens",
         [](MainWindow *window) {
             auto *popup = new QMenu(window);
             popup->addAction(QStringLiteral("Item"));
             popup->popup(window->mapToGlobal(QPoint(40, 40)));
             testhost::settle();
             popup->close();
             popup->deleteLater();
         }},
        {"a modal box", [](MainWindow *) { CuiSimpleInfo(0, "Note", "The target stopped."); }},
        {"the window hidden",
         [](MainWindow *) {
             CuiWindowHideFromBox(kWindow);
             testhost::settle();
             CuiWindowShowFromBox(kWindow);
         }},
        {"another window activated",
         [&other](MainWindow *window) {
             other->show();
             other->activateWindow();
             testhost::settle();
             other->hide();
             window->activateWindow();
         }},
    };
    for (const auto &[road, takeRelease] : roads) {
        SCOPED_TRACE(road);
        MainWindow *window = shown();
        DockWidget *watch = dockRight(window, "Watch", 10);
        ASSERT_TRUE(watch);
        testhost::dragOnWindow(window, testhost::separatorBefore(window, watch), QPoint(-40, 0),
                               [&, takeRelease = takeRelease] {
                                   takeRelease(window);
                                   testhost::settle();
                                   // The host goes on: its pane comes at once, where it asked.
                                   const DockWidget *late = dockRight(window, "Late", 11);
                                   ASSERT_TRUE(late);
                                   EXPECT_TRUE(late->isVisible());
                                   EXPECT_EQ(window->dockWidgetArea(const_cast<DockWidget *>(late)),
                                             Qt::RightDockWidgetArea);
                                   EXPECT_TRUE(window->rect().contains(late->geometry()));
                               });
        window->close();
        testhost::settle();
    }
}

TEST_F(DockHolds, AFloatingPaneChangesNoDockedSize)
{
    MainWindow *window = shown();
    QtWindowCreate("Floating", &paneCallback, 20);
    for (TeskHandle box = 21; box < 24; ++box)
        dockRight(window, ("Right " + std::to_string(box)).c_str(), box);
    QtResizePosWindow(21, 0, 0, 265, 200);
    testhost::settle();
    DockWidget *right = window->findDockWidgetByBox(21);
    ASSERT_EQ(right->width(), 265);
    // The user drags the area wider.
    testhost::dragOnWindow(window, testhost::separatorBefore(window, right), QPoint(-80, 0));
    testhost::settle();
    const int dragged = right->width();
    ASSERT_GT(dragged, 300);
    // One more pane with no place floats, and the area keeps what the user left.
    QtWindowCreate("Later", &paneCallback, 24);
    testhost::settle();
    ASSERT_TRUE(window->findDockWidgetByBox(24)->isFloating());
    EXPECT_EQ(right->width(), dragged);
    EXPECT_EQ(recordWidth(21), dragged);
    // So does a floating record.
    CuiSetDockWindowPersistanceData(kWindow, "Out:4:0:-1:100:100:300:200:1:0");
    QtWindowCreate("Out", &paneCallback, 25);
    testhost::settle();
    EXPECT_EQ(right->width(), dragged);
}

TEST_F(DockHolds, ASizeTheHostGaveStaysWhenItSizesAnotherDock)
{
    MainWindow *window = shown();
    DockWidget *right = dockRight(window, "Registers", 30);
    QtCreateDocked(1, 0);
    QtWindowCreate("Output", &paneCallback, 31);
    testhost::settle();
    QtResizePosWindow(30, 0, 0, 120, 200);
    testhost::settle();
    ASSERT_EQ(right->width(), 120);
    QtResizePosWindow(31, 0, 0, 600, 180);
    testhost::settle();
    EXPECT_EQ(window->findDockWidgetByBox(31)->height(), 180);
    EXPECT_EQ(right->width(), 120);
    EXPECT_EQ(recordWidth(30), 120);
}

TEST_F(DockHolds, ALineTheUserSizedKeepsItsSizeWhenADockComesOnAnotherLine)
{
    MainWindow *window = shown();
    QtCreateDocked(1, 0);
    QtWindowCreate("Output", &paneCallback, 40);
    testhost::settle();
    DockWidget *output = window->findDockWidgetByBox(40);
    testhost::dragOnWindow(window, testhost::separatorBefore(window, output), QPoint(0, -100));
    testhost::settle();
    const int dragged = output->height();
    // One that comes hidden by its record takes no room either.
    CuiSetDockWindowPersistanceData(kWindow, "Log:3:1:1:0:0:900:300:0:0");
    QtWindowCreate("Log", &paneCallback, 41);
    testhost::settle();
    EXPECT_NEAR(output->height(), dragged, 2);
    // Docks on a line of their own, and one more joining them there.
    QtCreateDocked(4, 1);
    QtWindowCreate("Trace", &paneCallback, 42);
    testhost::settle();
    EXPECT_NEAR(output->height(), dragged, 2);
    QtCreateDocked(1, 0);
    QtWindowCreate("Memory", &paneCallback, 43);
    testhost::settle();
    ASSERT_TRUE(window->findDockWidgetByBox(43)->isVisible());
    EXPECT_NEAR(output->height(), dragged, 2);
}

TEST_F(DockHolds, AHiddenDockTheHostSizesLeavesItsLineAsItStands)
{
    MainWindow *window = shown();
    DockWidget *watch = dockRight(window, "Watch", 50);
    dockRight(window, "Log", 51);
    CuiPaneHide(51);
    testhost::settle();
    QtResizePosWindow(50, 0, 0, 380, 200);
    testhost::settle();
    ASSERT_EQ(watch->width(), 380);
    QtResizePosWindow(51, 0, 0, 150, 200);
    testhost::settle();
    EXPECT_EQ(watch->width(), 380);
    EXPECT_EQ(recordWidth(51), 150);
}

// The toolkit gives the room of a line that goes to its neighbours; a line holding a size
// keeps it, and the room goes to the code.
TEST_F(DockHolds, ALineHiddenOrFloatedLeavesItsNeighboursTheirSizes)
{
    MainWindow *window = shown();
    DockWidget *watch = dockRight(window, "Watch", 60);
    QtCreateDocked(0, 1);
    QtWindowCreate("Log", &paneCallback, 61);
    QtSetGoto(1, kWindow);
    testhost::settle();
    DockWidget *log = window->findDockWidgetByBox(61);
    QtResizePosWindow(60, 0, 0, 220, 200);
    QtResizePosWindow(61, 0, 0, 160, 200);
    testhost::settle();
    ASSERT_EQ(watch->width(), 220);
    CuiPaneHide(61);
    testhost::settle();
    EXPECT_EQ(watch->width(), 220);
    // Shown again, its line comes back beside the other at its own size.
    QtFindGotoWindowToShowData(kWindow, "Log");
    testhost::settle();
    EXPECT_EQ(watch->width(), 220);
    EXPECT_EQ(log->width(), 160);
    QTest::mouseClick(
        log->findChild<QAbstractButton *>(QStringLiteral("qt_dockwidget_floatbutton")),
        Qt::LeftButton);
    testhost::settle();
    ASSERT_TRUE(log->isFloating());
    EXPECT_EQ(watch->width(), 220);
}

// A line the host closes leaves its room to the code too: the toolkit gave it to the line
// beside it, which a dock joining that line later took back to the size the user left.
TEST_F(DockHolds, ALineClosedLeavesItsNeighbourItsSize)
{
    MainWindow *window = shown();
    QtCreateDocked(1, 0);
    QtWindowCreate("Output", &paneCallback, 65);
    QtCreateDocked(1, 1);
    QtWindowCreate("Trace", &paneCallback, 66);
    testhost::settle();
    DockWidget *output = window->findDockWidgetByBox(65);
    QtResizePosWindow(65, 0, 0, 600, 140);
    QtResizePosWindow(66, 0, 0, 600, 120);
    testhost::settle();
    ASSERT_EQ(output->height(), 140);
    CuiPaneClose(66);
    testhost::settle();
    EXPECT_EQ(output->height(), 140);
    QtCreateDocked(1, 0);
    QtWindowCreate("Log", &paneCallback, 67);
    testhost::settle();
    EXPECT_EQ(output->height(), 140);
}

// Where the window needs room below the code, a line that holds no size gives it before the
// line the host sized.
TEST_F(DockHolds, ALineTheHostSizedGivesRoomAfterTheLinesThatHoldNone)
{
    MainWindow *window = shown();
    QtResizePosWindow(kWindow, 0, 0, 946, 649);
    QtCreateDocked(1, 0);
    QtWindowCreate("Output", &paneCallback, 70);
    testhost::settle();
    DockWidget *output = window->findDockWidgetByBox(70);
    QtResizePosWindow(70, 0, 0, 600, 350);
    QtCreateDocked(1, 1);
    QtWindowCreate("Trace", &paneCallback, 71);
    testhost::settle();
    ASSERT_NEAR(output->height(), 350, 2);
    // A dock on the right needs height of the row above the bottom area.
    dockRight(window, "Registers", 72);
    EXPECT_NEAR(output->height(), 350, 2);
}

// Docked again where it stood, the records say the line the window shows it in.
TEST_F(DockHolds, ADockTheHostFloatedComesBackIntoItsOwnLine)
{
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1272, 760);
    QtCreateDocked(1, 0);
    QtWindowCreate("Output", &paneCallback, 80);
    CuiPaneUndock(80);
    QtCreateDocked(1, 0);
    QtWindowCreate("Trace", &paneCallback, 81);
    CuiPaneDock(80);
    QtFrameShow();
    testhost::settle();
    const DockWidget *output = window->findDockWidgetByBox(80);
    const DockWidget *trace = window->findDockWidgetByBox(81);
    ASSERT_FALSE(output->isFloating());
    // The toolkit docks it back on a line of its own, above the other: sized by the host, it
    // sizes no window of another line.
    ASSERT_LT(output->y(), trace->y());
    const int traceHeight = trace->height();
    QtResizePosWindow(80, 0, 0, 600, 150);
    testhost::settle();
    EXPECT_EQ(output->height(), 150);
    EXPECT_NEAR(trace->height(), traceHeight, 2);
}

// A line's size is the one the window holding it was given, not the share its first window
// took when the area was shared out.
TEST_F(DockHolds, ALineKeepsTheSizeTheHostGaveItsSecondWindowWhenADockJoinsAnother)
{
    MainWindow *window = shown();
    for (TeskHandle box = 90; box < 93; ++box) {
        QtCreateDocked(1, box == 92 ? 1 : 0);
        QtWindowCreate(("Pane " + std::to_string(box)).c_str(), &paneCallback, box);
        testhost::settle();
    }
    QtResizePosWindow(91, 0, 0, 400, 200);
    testhost::settle();
    QtResizePosWindow(92, 0, 0, 400, 250);
    testhost::settle();
    const DockWidget *second = window->findDockWidgetByBox(91);
    const DockWidget *below = window->findDockWidgetByBox(92);
    ASSERT_EQ(second->height(), 200);
    ASSERT_EQ(below->height(), 250);
    QtCreateDocked(1, 0);
    QtWindowCreate("Joins", &paneCallback, 93);
    testhost::settle();
    EXPECT_NEAR(second->height(), 200, 2);
    EXPECT_NEAR(below->height(), 250, 2);
}

// An area shared out among its lines shares the room shown among the lines shown: a line
// hidden whole, counted in, left the others less than their least, and the toolkit took what
// they lacked from the line the host sized.
TEST_F(DockHolds, ASideLineTheHostSizedKeepsItsSizeBesideAHiddenLine)
{
    MainWindow *window = shown();
    QtResizePosWindow(kWindow, 0, 0, 834, 568);
    CuiSetDockWindowPersistanceData(kWindow, "Hidden:2:1:2:436:46:72:555:1:1");
    QtWindowCreate("Hidden", &paneCallback, 100);
    testhost::settle();
    CuiPaneHide(100);
    for (TeskHandle box = 101; box < 103; ++box) {
        QtCreateDocked(0, 1);
        QtWindowCreate(("Pane " + std::to_string(box)).c_str(), &paneCallback, box);
        testhost::settle();
    }
    const DockWidget *sized = window->findDockWidgetByBox(101);
    QtResizePosWindow(101, 0, 0, 133, 200);
    testhost::settle();
    ASSERT_EQ(sized->width(), 133);
    // One more joins the last line.
    dockRight(window, "Joins", 103);
    EXPECT_EQ(sized->width(), 133);
}

// A group holds the size the host gave it through one of its windows while that window shows:
// hidden by the host, the group shown by another tab holds none, and its line gives room before
// the line the host sized does.
TEST_F(DockHolds, AGroupWhoseSizedWindowTheHostHidGivesRoomFirst)
{
    MainWindow *window = shown();
    QtResizePosWindow(kWindow, 0, 0, 946, 649);
    QtCreateDocked(1, 0);
    QtWindowCreate("Output", &paneCallback, 100);
    testhost::settle();
    DockWidget *output = window->findDockWidgetByBox(100);
    QtResizePosWindow(100, 0, 0, 600, 300);
    // Records that name one place and no size make a group the host has not sized.
    CuiSetDockWindowPersistanceData(kWindow, "Trace:3:1:1:10:400:0:0:1:1");
    QtCreateDocked(1, 1);
    QtWindowCreate("Trace", &paneCallback, 101);
    CuiSetDockWindowPersistanceData(kWindow, "Log:3:0:2:10:400:0:0:1:1");
    QtCreateDocked(1, 0);
    QtWindowCreate("Log", &paneCallback, 102);
    testhost::settle();
    const DockWidget *log = window->findDockWidgetByBox(102);
    ASSERT_EQ(window->tabifiedDockWidgets(window->findDockWidgetByBox(101)).size(), 1);
    QtResizePosWindow(101, 0, 0, 600, 200);
    testhost::settle();
    CuiPaneHide(101);
    testhost::settle();
    ASSERT_TRUE(log->isVisible());
    ASSERT_NEAR(output->height(), 300, 2);
    // A dock on the right needs height of the row above the bottom area.
    dockRight(window, "Registers", 103);
    EXPECT_NEAR(output->height(), 300, 2) << "the group's line is " << log->height() << " high";
}
