// Dock windows the host or its records hide: they stay until the host closes them, come back
// hidden in the next run, and show again where they can be reached when the host asks.
#include "frames.h"
#include "testhost.h"

#include "frame/windows/docking/docklayout.h"
#include "frame/windows/docking/dockwidget.h"

#include <tesk/tesk_window.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTabBar>
#include <qpa/qwindowsysteminterface.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr TeskHandle kWindow = 1;
constexpr TeskHandle kNextRun = 2;

std::vector<std::pair<TeskHandle, int>> g_paneCalls;

void paneCallback(TeskHandle box, int *, int code)
{
    g_paneCalls.emplace_back(box, code);
}

bool toldClosed(TeskHandle box)
{
    for (const auto &[called, code] : g_paneCalls)
        if (called == box && code == 0)
            return true;
    return false;
}

int field(const std::string &record, int n)
{
    return QByteArray::fromStdString(record).split(':').value(n - 1).toInt();
}

class HiddenDocks : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        g_paneCalls.clear();
        setScreen(QRect(0, 0, 1280, 800));
    }
    void TearDown() override
    {
        FrameTest::TearDown();
        testhost::settle();
        setScreen(m_screen);
    }

    static void setScreen(const QRect &screen)
    {
        QWindowSystemInterface::handleScreenGeometryChange(QGuiApplication::primaryScreen(), screen,
                                                           screen);
        QWindowSystemInterface::flushWindowSystemEvents();
    }

    MainWindow *frame()
    {
        MainWindow *window = createFrame("Debugger", kWindow);
        QtResizePosWindow(kWindow, 0, 0, 1272, 760);
        return window;
    }

    static void show()
    {
        QtFrameShow();
        testhost::settle();
    }

    // The record the host would store now for the dock window with that box.
    static std::string recordOf(TeskHandle box)
    {
        QtSortWindowList(kWindow);
        for (int i = 0; i < QtDockWindowCount(kWindow); ++i)
            if (QtGetPersistWindowBox(kWindow, i) == box) {
                char buffer[256];
                CuiGetDockWindowPersistanceData(kWindow, i, buffer);
                return buffer;
            }
        return "none";
    }

    // As a host starts again: a main window of the last one's size, the records stored from
    // it, their panes (boxes from 100 on in the records' order), the show.
    MainWindow *nextRun(const std::vector<std::string> &records)
    {
        MainWindow *window = createFrame("Debugger", kNextRun);
        QtResizePosWindow(kNextRun, 0, 0, 1272, 760);
        for (size_t i = 0; i < records.size(); ++i) {
            CuiSetDockWindowPersistanceData(kNextRun, records[i].c_str());
            const std::string caption = records[i].substr(0, records[i].find(':'));
            QtWindowCreate(caption.c_str(), &paneCallback, TeskHandle(100 + i));
        }
        show();
        return window;
    }

    // The same on the small screen with its records as given, boxes from the first on.
    MainWindow *smallRun(TeskHandle run, const std::vector<std::string> &records,
                         TeskHandle firstBox)
    {
        MainWindow *window = createFrame("Debugger", run);
        QtResizePosWindow(run, 0, 0, 1020, 568);
        for (size_t i = 0; i < records.size(); ++i) {
            CuiSetDockWindowPersistanceData(run, records[i].c_str());
            QtWindowCreate(records[i].substr(0, 8).c_str(), &paneCallback,
                           firstBox + TeskHandle(i));
        }
        show();
        return window;
    }

    // Registers (box 94) on the bottom's first line, Output (95) with Trace (96) as its tab on
    // the second, as records restored after the show put them.
    MainWindow *groupOnASecondLine()
    {
        MainWindow *window = createFrame("Debugger", kWindow);
        QtResizePosWindow(kWindow, 0, 0, 1200, 760);
        show();
        CuiSetDockWindowPersistanceData(kWindow, "Registers:3:1:0:0:500:1000:150:1:1");
        QtWindowCreate("Registers", &paneCallback, 94);
        CuiSetDockWindowPersistanceData(kWindow, "Output:3:1:1:0:500:1000:150:1:1");
        QtWindowCreate("Output", &paneCallback, 95);
        CuiSetDockWindowPersistanceData(kWindow, "Trace:3:0:2:0:500:1000:150:1:1");
        QtWindowCreate("Trace", &paneCallback, 96);
        testhost::settle();
        return window;
    }

    // Three runs on the small screen from the records each run before stored: the first fits
    // the records to this screen's rows, the later ones give back what they were given.
    void comesBackRunAfterRun(std::vector<std::string> stored)
    {
        for (const TeskHandle run : {kNextRun, kNextRun + 1, kNextRun + 2}) {
            smallRun(run, stored, 100 + 10 * run);
            const std::vector<std::string> restored = recordsOf(run);
            if (run > kNextRun) {
                EXPECT_EQ(withoutPlaces(restored), withoutPlaces(stored)) << "run " << run;
            }
            stored = restored;
        }
    }

    // A docked window's place is the toolkit's, and a hidden one's is where it last stood.
    static std::vector<std::string> withoutPlaces(std::vector<std::string> records)
    {
        for (std::string &record : records) {
            QList<QByteArray> fields = QByteArray::fromStdString(record).split(':');
            if (fields.value(1) != "4" && fields.size() > 5)
                fields[4] = fields[5] = "-";
            record = fields.join(':').toStdString();
        }
        return records;
    }

    static std::vector<std::string> recordsOf(TeskHandle window)
    {
        std::vector<std::string> records;
        QtSortWindowList(window);
        for (int i = 0; i < QtDockWindowCount(window); ++i) {
            char buffer[256];
            CuiGetDockWindowPersistanceData(window, i, buffer);
            records.emplace_back(buffer);
        }
        return records;
    }

    // Shown where the user can get at it: whole within the main window, or behind a tab of a
    // tab bar that is.
    static ::testing::AssertionResult reachable(MainWindow *window, TeskHandle box)
    {
        const DockWidget *dock = window->findDockWidgetByBox(box);
        if (!dock || !dock->isVisible())
            return ::testing::AssertionFailure() << "box " << box << " not shown";
        if (dock->isFloating())
            return ::testing::AssertionSuccess();
        if (window->rect().contains(dock->geometry()) && dock->width() >= 60 &&
            dock->height() >= 60)
            return ::testing::AssertionSuccess();
        for (const QTabBar *bar : window->findChildren<QTabBar *>()) {
            const QRect onWindow(bar->mapTo(window, QPoint()), bar->size());
            if (!bar->isVisible() || !window->rect().contains(onWindow))
                continue;
            for (int t = 0; t < bar->count(); ++t)
                if (bar->tabText(t) == dock->windowTitle())
                    return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << dock->windowTitle().toStdString() << " at " << dock->x() << "," << dock->y()
               << " " << dock->width() << "x" << dock->height() << " and on no tab bar";
    }

    const QRect m_screen = QGuiApplication::primaryScreen()->geometry();
};

} // namespace

TEST_F(HiddenDocks, ADockTheHostHidesBeforeTheShowStaysHidden)
{
    const std::pair<const char *, std::function<void(TeskHandle)>> ways[] = {
        {"CuiPaneHide", [](TeskHandle box) { CuiPaneHide(int(box)); }},
        {"option 667", [](TeskHandle box) { CuiPopupProcessGenericOption(int(box), 667); }}};
    for (const auto &[way, hide] : ways) {
        SCOPED_TRACE(way);
        g_paneCalls.clear();
        MainWindow *window = frame();
        QtCreateDocked(1, 0);
        QtWindowCreate("Watch", &paneCallback, 10);
        QtCreateDocked(1, 0);
        QtWindowCreate("Log", &paneCallback, 11);
        hide(10);
        show();
        EXPECT_FALSE(toldClosed(10));
        EXPECT_EQ(QtFindWindowByKSOName(kWindow, "Watch"), 10);
        DockWidget *watch = window->findDockWidgetByBox(10);
        ASSERT_TRUE(watch);
        EXPECT_TRUE(watch->isHidden());
        EXPECT_EQ(field(recordOf(10), 9), 0);
        EXPECT_EQ(field(recordOf(11), 9), 1);
        window->close();
        testhost::settle();
    }
}

TEST_F(HiddenDocks, AHiddenFloatingRecordComesBackHidden)
{
    const char *records[] = {"Out:4:0:-1:100:100:300:200:0:1", "Out:0:0:0:100:100:300:200:0:1"};
    for (const char *record : records) {
        SCOPED_TRACE(record);
        g_paneCalls.clear();
        MainWindow *window = frame();
        CuiSetDockWindowPersistanceData(kWindow, record);
        QtWindowCreate("Out", &paneCallback, 20);
        show();
        EXPECT_FALSE(toldClosed(20));
        DockWidget *out = window->findDockWidgetByBox(20);
        ASSERT_TRUE(out);
        EXPECT_TRUE(out->isHidden());
        const std::string stored = recordOf(20);
        EXPECT_EQ(stored.substr(0, 14), "Out:4:0:-1:100");
        EXPECT_EQ(field(stored, 9), 0);
        // The host shows it where it was left.
        EXPECT_EQ(QtFindGotoWindowToShowData(kWindow, "Out"), 20);
        testhost::settle();
        EXPECT_TRUE(out->isVisible());
        EXPECT_TRUE(out->isFloating());
        EXPECT_EQ(out->size(), QSize(300, 200));
        window->close();
        testhost::settle();
    }
}

TEST_F(HiddenDocks, NoDockJoinsAHiddenOneAsItsTab)
{
    // Along the bottom of a small screen the last ones stand as tabs for want of room.
    setScreen(QRect(0, 0, 1024, 600));
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1024, 600);
    show();
    constexpr TeskHandle kFirst = 30;
    constexpr TeskHandle kLast = 39;
    for (TeskHandle box = kFirst; box <= kLast; ++box) {
        QtCreateDocked(1, 0);
        QtWindowCreate(("Pane " + std::to_string(box)).c_str(), &paneCallback, box);
        QtSetGoto(1, kWindow);
    }
    testhost::settle();
    ASSERT_FALSE(window->tabifiedDockWidgets(window->findDockWidgetByBox(kLast)).isEmpty());
    // The last tab hidden, then the one it stands on.
    const std::vector<TeskHandle> hidden = {kLast, kLast - 1};
    TeskHandle late = kLast;
    for (const TeskHandle box : hidden) {
        CuiPaneHide(box);
        testhost::settle();
        ++late;
        QtCreateDocked(1, 0);
        QtWindowCreate(("Late " + std::to_string(late)).c_str(), &paneCallback, late);
        testhost::settle();
        for (TeskHandle other = kFirst; other <= late; ++other) {
            if (window->findDockWidgetByBox(other)->isVisible()) {
                EXPECT_TRUE(reachable(window, other));
            }
        }
        EXPECT_TRUE(reachable(window, late));
    }
    // The host shows the hidden ones again: each comes to the front of its tabs.
    for (const TeskHandle box : hidden) {
        const std::string name = "Pane " + std::to_string(box);
        EXPECT_EQ(QtFindGotoWindowToShowData(kWindow, name.c_str()), box);
        testhost::settle();
        const DockWidget *dock = window->findDockWidgetByBox(box);
        EXPECT_TRUE(window->rect().contains(dock->geometry())) << name;
    }
    for (TeskHandle box = kFirst; box <= late; ++box)
        EXPECT_TRUE(reachable(window, box));
}

TEST_F(HiddenDocks, AnAreaHoldingAHiddenDockComesBackAsItStood)
{
    MainWindow *window = frame();
    CuiSetDockWindowPersistanceData(kWindow, "Watch:1:0:0:0:0:426:700:1:0");
    QtWindowCreate("Watch", &paneCallback, 10);
    CuiSetDockWindowPersistanceData(kWindow, "Log:1:1:1:0:0:426:700:1:0");
    QtWindowCreate("Log", &paneCallback, 11);
    show();
    CuiPaneHide(11);
    testhost::settle();
    const int shown = window->findDockWidgetByBox(10)->width();
    const std::vector<std::string> stored = recordsOf(kWindow);
    window->close();
    testhost::settle();

    // The next run, and the one after it from what the next stored.
    std::vector<std::string> records = stored;
    for (const char *run : {"second run", "third run"}) {
        SCOPED_TRACE(run);
        MainWindow *next = nextRun(records);
        const DockWidget *watch = next->findDockWidgetByBox(100);
        ASSERT_TRUE(watch && next->findDockWidgetByBox(101));
        EXPECT_TRUE(next->findDockWidgetByBox(101)->isHidden());
        EXPECT_NEAR(watch->width(), shown, 2);
        records = recordsOf(kNextRun);
        EXPECT_EQ(withoutPlaces(records), withoutPlaces(stored));
        next->close();
        testhost::settle();
    }
}

TEST_F(HiddenDocks, AHiddenDockKeepsItsLineAndItsNeighboursTheirs)
{
    MainWindow *window = frame();
    const char *names[] = {"Watch", "Log", "Trace"};
    for (int i = 0; i < 3; ++i) {
        const std::string record = std::string(names[i]) + ":1:" + (i ? "1" : "0") + ":" +
                                   std::to_string(i) + ":0:0:200:700:1:1";
        CuiSetDockWindowPersistanceData(kWindow, record.c_str());
        QtWindowCreate(names[i], &paneCallback, 10 + i);
    }
    show();
    CuiPaneHide(11);
    testhost::settle();
    // Each still starts its own line, at its place.
    for (const TeskHandle box : {11, 12}) {
        EXPECT_EQ(field(recordOf(box), 3), 1) << recordOf(box);
        EXPECT_EQ(field(recordOf(box), 4), box - 10) << recordOf(box);
    }
    EXPECT_EQ(QtFindGotoWindowToShowData(kWindow, "Log"), 11);
    testhost::settle();
    const int x[] = {window->findDockWidgetByBox(10)->x(), window->findDockWidgetByBox(11)->x(),
                     window->findDockWidgetByBox(12)->x()};
    EXPECT_LT(x[0], x[1]);
    EXPECT_LT(x[1], x[2]);
}

namespace {

void onFind(TeskHandle, const void *, int, int) {}
void onScript(TeskHandle, const char *) {}

} // namespace

// Restored before the show, a dock whose record says hidden takes no room on the way: counted
// while the others were placed, it made a tab of a bottom line that had room, and the right
// area came back at another length.
TEST_F(HiddenDocks, ARecordHiddenBeforeTheShowTakesNoRoomFromTheOthers)
{
    setScreen(QRect(0, 0, 1024, 572));
    const std::vector<std::string> stored = {
        "Pane 100:2:0:0:680:138:340:186:1:1", "Pane 101:3:0:0:0:330:1020:105:1:1",
        "Pane 102:2:0:1:680:271:340:250:0:1", "Pane 103:3:1:1:0:441:1020:105:1:1"};
    std::vector<std::string> records = stored;
    for (const char *run : {"second run", "third run"}) {
        SCOPED_TRACE(run);
        MainWindow *window = createFrame("Debugger", kNextRun);
        QtResizePosWindow(kNextRun, 0, 0, 1020, 568);
        QtCreateEditorToolBar(kNextRun, &onFind);
        CuiScriptToolBarCreate(kNextRun, &onScript);
        for (size_t i = 0; i < records.size(); ++i) {
            CuiSetDockWindowPersistanceData(kNextRun, records[i].c_str());
            QtWindowCreate(records[i].substr(0, 8).c_str(), &paneCallback, TeskHandle(100 + i));
        }
        show();
        EXPECT_TRUE(window->findDockWidgetByBox(102)->isHidden());
        EXPECT_TRUE(window->tabifiedDockWidgets(window->findDockWidgetByBox(103)).isEmpty());
        records = recordsOf(kNextRun);
        EXPECT_EQ(withoutPlaces(records), withoutPlaces(stored));
        window->close();
        testhost::settle();
    }
}

// A floating dock hidden while the screen is made smaller, or restored hidden from a larger
// screen's record, shows within the free area; until it shows its record keeps what it was
// stored with, so a round trip on the smaller screen keeps the larger screen's place and size.
TEST_F(HiddenDocks, AHiddenFloatingDockShowsWithinTheScreenAndKeepsItsStoredPlaceTillThen)
{
    MainWindow *window = frame();
    show();
    CuiSetDockWindowPersistanceData(kWindow, "Log:4:0:-1:900:500:300:200:1:1");
    QtWindowCreate("Log", &paneCallback, 20);
    testhost::settle();
    CuiPaneHide(20);
    const QRect small(0, 0, 1024, 600);
    setScreen(small);
    QtResizePosWindow(kWindow, 0, 0, 1000, 560);
    const char *record = "Out:4:0:-1:842:0:1200:84:0:1";
    CuiSetDockWindowPersistanceData(kWindow, record);
    QtWindowCreate("Out", &paneCallback, 21);
    testhost::settle();
    EXPECT_EQ(recordOf(21), record);
    for (const char *name : {"Log", "Out"}) {
        SCOPED_TRACE(name);
        const TeskHandle box = QtFindGotoWindowToShowData(kWindow, name);
        testhost::settle();
        const DockWidget *dock = window->findDockWidgetByBox(box);
        ASSERT_TRUE(dock && dock->isVisible() && dock->isFloating());
        EXPECT_TRUE(small.contains(dock->frameGeometry()))
            << dock->x() << "," << dock->y() << " " << dock->width() << "x" << dock->height();
    }
    EXPECT_EQ(window->findDockWidgetByBox(20)->size(), QSize(300, 200));
}

// Lines of hidden docks on either side and along the bottom, stored at 1280x800: the next run
// opens the main window at the size the host stored, however the hidden docks' lines break.
TEST_F(HiddenDocks, AMainWindowRestoredWithHiddenDocksKeepsItsSize)
{
    const std::vector<std::string> layouts[] = {
        {"P0:2:0:0:0:0:105:403:0:0", "P2:3:0:0:0:246:886:148:0:0", "P1:2:1:1:0:0:169:329:0:0",
         "P3:3:1:1:0:354:886:228:0:0", "P4:3:1:2:0:246:484:342:1:0", "P6:2:0:2:786:138:100:102:1:0",
         "P5:3:0:3:490:246:396:342:1:0"},
        {"P0:2:0:0:688:99:523:318:1:0", "P1:3:0:0:0:423:1211:102:0:0", "P5:1:0:0:0:99:351:318:1:0",
         "P2:2:0:1:688:207:523:149:0:0", "P4:3:1:1:0:0:452:329:0:0", "P3:2:0:2:688:315:523:149:0:0",
         "P6:3:1:2:0:423:1211:272:1:0"}};
    const QSize sizes[] = {{886, 610}, {1211, 717}};
    for (int n = 0; n < 2; ++n) {
        SCOPED_TRACE(n);
        std::vector<std::string> records = layouts[n];
        for (const char *run : {"second run", "third run"}) {
            SCOPED_TRACE(run);
            MainWindow *window = createFrame("Debugger", kNextRun);
            QtResizePosWindow(kNextRun, 0, 0, sizes[n].width(), sizes[n].height());
            QtCreateEditorToolBar(kNextRun, &onFind);
            CuiScriptToolBarCreate(kNextRun, &onScript);
            for (size_t i = 0; i < records.size(); ++i) {
                CuiSetDockWindowPersistanceData(kNextRun, records[i].c_str());
                QtWindowCreate(records[i].substr(0, 2).c_str(), &paneCallback, TeskHandle(100 + i));
            }
            show();
            int x = 0, y = 0, width = 0, height = 0, minimised = 0;
            QtGetSizePos(kNextRun, &x, &y, &width, &height, &minimised);
            EXPECT_EQ(width, sizes[n].width());
            EXPECT_EQ(height, sizes[n].height());
            records = recordsOf(kNextRun);
            window->close();
            testhost::settle();
        }
    }
}

// A tab the host hid comes back behind its group, in its place among the group's tabs.
TEST_F(HiddenDocks, AHiddenTabComesBackBehindItsGroup)
{
    setScreen(QRect(0, 0, 1024, 572));
    const std::vector<std::string> stored = {
        "Pane 100:3:0:0:0:276:1020:102:1:1", "Pane 101:3:1:1:0:384:1020:136:1:1",
        "Pane 102:3:0:2:0:384:1020:136:0:1", "Pane 103:3:0:3:0:384:1020:136:2:1"};
    MainWindow *window = smallRun(kNextRun, stored, 100);
    EXPECT_TRUE(window->dockLayout().tabbed(window->findDockWidgetByBox(102)));
    EXPECT_EQ(withoutPlaces(recordsOf(kNextRun)), withoutPlaces(stored));
}

// A group whose other windows are hidden shows no tab row, and is not sized as if it did: the
// line grew by a row at each restore.
TEST_F(HiddenDocks, AGroupWithItsOtherTabsHiddenKeepsItsSizeRunAfterRun)
{
    setScreen(QRect(0, 0, 1024, 572));
    std::vector<std::string> stored = {"Pane 100:3:0:0:0:276:1020:102:1:1",
                                       "Pane 101:3:1:1:0:384:1020:136:1:1",
                                       "Pane 102:3:0:2:0:384:1020:136:0:1"};
    for (const TeskHandle run : {kNextRun, kNextRun + 1}) {
        MainWindow *window = smallRun(run, stored, 100 + 10 * run);
        EXPECT_TRUE(window->dockLayout().tabbed(window->findDockWidgetByBox(102 + 10 * run)));
        const std::vector<std::string> restored = recordsOf(run);
        EXPECT_EQ(withoutPlaces(restored), withoutPlaces(stored)) << "run " << run;
        stored = restored;
    }
}

// The tab row a group below shows is as high before the show as after it, whatever row the
// toolkit keeps out of sight for a group beside the code whose other window is hidden: the
// lines above the row came back a few pixels shorter at each restore.
TEST_F(HiddenDocks, AGroupOfTabsBelowASideGroupWithAHiddenTabKeepsItsSizeRunAfterRun)
{
    setScreen(QRect(0, 0, 1024, 572));
    const std::vector<std::string> stored = {
        "Pane 100:1:0:0:0:60:760:150:1:1",   "Pane 101:1:0:1:0:60:760:150:0:1",
        "Pane 102:2:0:0:772:60:206:150:1:1", "Pane 103:3:0:0:0:216:1020:102:1:1",
        "Pane 104:3:1:1:0:324:1020:179:1:1", "Pane 105:3:0:2:0:324:1020:179:1:1",
        "Pane 106:3:0:3:0:324:1020:179:1:1"};
    comesBackRunAfterRun(stored);
}

// Side lines stored so wide that the code between them had only a sliver left come back as
// wide: the toolkit, given one side before the other, took some of it from the side given
// first.
TEST_F(HiddenDocks, SideLinesThatLeftTheCodeASliverComeBackAsWide)
{
    setScreen(QRect(0, 0, 1024, 572));
    const std::vector<std::string> stored = {
        "Pane 100:3:0:0:0:169:575:377:0:1",    "Pane 101:4:0:-1:285:28:694:568:0:1",
        "Pane 102:4:0:-1:562:153:400:300:1:1", "Pane 103:2:0:0:545:99:226:107:1:1",
        "Pane 105:1:0:0:0:99:516:248:1:1",     "Pane 107:4:0:-1:586:177:400:300:1:1",
        "Pane 104:3:1:1:0:353:101:193:1:1",    "Pane 106:2:0:1:545:212:226:109:1:1",
        "Pane 108:2:0:2:545:212:226:109:1:1",  "Pane 110:3:0:2:107:353:913:193:1:1",
        "Pane 109:2:0:3:545:212:226:109:1:1",  "Pane 111:2:0:4:545:212:226:109:1:1",
        "Pane 112:2:0:5:545:212:226:109:1:1",  "Pane 113:2:1:6:777:99:243:248:1:1",
    };
    comesBackRunAfterRun(stored);
}

// On a later line of an area, a window recorded beside a group of tabs comes back beside it:
// the toolkit would make it one more tab of the group.
TEST_F(HiddenDocks, AWindowBesideAGroupOnALaterLineComesBackBesideIt)
{
    setScreen(QRect(0, 0, 1024, 572));
    for (const char *tabShown : {"0", "1"}) {
        const TeskHandle run = kNextRun + (*tabShown - '0');
        const std::vector<std::string> stored = {
            "Pane 100:3:0:0:0:276:1020:102:1:1", "Pane 101:3:1:1:0:384:500:136:1:1",
            // Shown, it is the group's tab in front.
            std::string("Pane 102:3:0:2:0:384:500:136:") + (*tabShown == '1' ? "2" : "0") + ":1",
            // Beside a group that shows its tab row, the window stands as tall as both.
            std::string("Pane 103:3:0:3:506:384:514:") + (*tabShown == '1' ? "162" : "136") +
                ":1:1"};
        MainWindow *window = smallRun(run, stored, 100 + 10 * run);
        const tesk::frame::DockLayout &layout = window->dockLayout();
        EXPECT_TRUE(layout.tabbed(window->findDockWidgetByBox(102 + 10 * run))) << tabShown;
        EXPECT_FALSE(layout.tabbed(window->findDockWidgetByBox(103 + 10 * run))) << tabShown;
        EXPECT_TRUE(reachable(window, 101 + 10 * run)) << tabShown;
        EXPECT_TRUE(reachable(window, 103 + 10 * run)) << tabShown;
        EXPECT_GT(window->findDockWidgetByBox(103 + 10 * run)->x(),
                  window->findDockWidgetByBox(101 + 10 * run)->x())
            << tabShown;
        EXPECT_EQ(withoutPlaces(recordsOf(run)), withoutPlaces(stored)) << tabShown;
    }
}

// Shown again after a window on a line of its own took the whole area across (floating docks
// passing through the area on the way), a docked window gets its room back rather than
// standing out of sight.
TEST_F(HiddenDocks, ADockShownAgainAfterItsAreaFilledGetsRoom)
{
    setScreen(QRect(0, 0, 1024, 572));
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 870, 568);
    CuiSetDockWindowPersistanceData(kWindow, "Out:4:1:-1:489:396:430:777:0:1");
    QtWindowCreate("Out", &paneCallback, 12);
    QtCreateDocked(0, 0);
    QtWindowCreate("Watch", &paneCallback, 10);
    QtSetGoto(1, kWindow);
    CuiPaneHide(10);
    show();
    CuiSetDockWindowPersistanceData(kWindow, "Float:4:1:-1:790:45:672:625:1:1");
    QtWindowCreate("Float", &paneCallback, 13);
    CuiSetDockWindowPersistanceData(kWindow, "Wide:2:1:2:1212:630:1279:494:1:1");
    QtWindowCreate("Wide", &paneCallback, 11);
    testhost::settle();
    EXPECT_EQ(QtFindGotoWindowToShowData(kWindow, "Watch"), 10);
    testhost::settle();
    EXPECT_TRUE(reachable(window, 10));
    EXPECT_TRUE(reachable(window, 11));
}

// Lines along the bottom of a small screen: the line that no longer fits goes as tabs onto the
// line before it that shows a window, past a line hidden whole.
TEST_F(HiddenDocks, ALineThatNoLongerFitsGoesAsTabsPastAHiddenLine)
{
    setScreen(QRect(0, 0, 1024, 600));
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1024, 600);
    show();
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    TeskHandle box = 50;
    const auto dockBottom = [&] {
        QtCreateDocked(1, 1);
        QtWindowCreate(("Pane " + std::to_string(box)).c_str(), &paneCallback, box);
        testhost::settle();
        return box++;
    };
    // Lines until one more would not fit, then one that comes back hidden by its record.
    QList<TeskHandle> shown{dockBottom()};
    while (window->frameGeometry().height() - window->height() +
               window->minimumSizeHint().height() + 106 <=
           free.height())
        shown.append(dockBottom());
    CuiSetDockWindowPersistanceData(kWindow, "Hidden:3:1:9:0:0:900:120:0:1");
    QtWindowCreate("Hidden", &paneCallback, 90);
    testhost::settle();
    ASSERT_TRUE(window->findChildren<QTabBar *>().isEmpty() ||
                !window->findChildren<QTabBar *>().first()->isVisible());
    shown.append(dockBottom());
    EXPECT_TRUE(free.contains(window->frameGeometry()));
    for (const TeskHandle each : shown)
        EXPECT_TRUE(reachable(window, each));
}

// A window left alone in a group whose shown window the host floated still stands in the
// toolkit's group: the next dock placed after it is a tab that can be reached.
TEST_F(HiddenDocks, ADockPlacedAfterATabLeftAloneCanBeReached)
{
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1200, 760);
    show();
    CuiSetDockWindowPersistanceData(kWindow, "Output:3:1:0:0:500:1000:150:1:1");
    QtWindowCreate("Output", &paneCallback, 95);
    CuiSetDockWindowPersistanceData(kWindow, "Trace:3:0:1:0:500:1000:150:1:1");
    QtWindowCreate("Trace", &paneCallback, 96);
    testhost::settle();
    ASSERT_FALSE(window->tabifiedDockWidgets(window->findDockWidgetByBox(95)).isEmpty());
    CuiPaneUndock(95);
    testhost::settle();
    QtCreateDocked(1, 0);
    QtWindowCreate("Memory", &paneCallback, 97);
    testhost::settle();
    EXPECT_TRUE(reachable(window, 96));
    EXPECT_TRUE(reachable(window, 97));
}

// The toolkit keeps the place of a tab that floated or closed in its group, so the window it
// stood behind is still a group of one: a window split beside that one became a tab with no
// tab row, out of sight, and took the lone window with it.
TEST_F(HiddenDocks, ADockPlacedBesideAWindowWhoseLastTabWentCanBeReached)
{
    const std::pair<const char *, std::function<void()>> ways[] = {
        {"CuiPaneUndock", [] { CuiPaneUndock(96); }},
        {"the float option", [] { CuiPopupProcessGenericOption(96, DockWidget::OptionDockFloat); }},
        {"CuiPaneClose", [] { CuiPaneClose(96); }},
    };
    for (const auto &[name, tabGoes] : ways) {
        SCOPED_TRACE(name);
        MainWindow *window = groupOnASecondLine();
        ASSERT_FALSE(window->tabifiedDockWidgets(window->findDockWidgetByBox(95)).isEmpty());
        tabGoes();
        testhost::settle();
        QtCreateDocked(1, 0);
        QtWindowCreate("Memory", &paneCallback, 97);
        testhost::settle();
        EXPECT_TRUE(reachable(window, 94));
        EXPECT_TRUE(reachable(window, 95));
        EXPECT_TRUE(reachable(window, 97));
        testhost::endMainWindows();
    }
}

// The toolkit docks a window the host floated back into the group of tabs it left: the
// layout took it for a window of the line, and a window split beside it joined the group
// unseen, taking the tab row's last tab with it.
TEST_F(HiddenDocks, AWindowDockedBackIntoItsGroupLeavesEveryWindowReachable)
{
    for (const TeskHandle floated : {96, 95}) {
        SCOPED_TRACE(floated == 96 ? "the tab docked back" : "the standing window docked back");
        MainWindow *window = groupOnASecondLine();
        CuiPaneUndock(floated);
        testhost::settle();
        CuiPaneDock(floated);
        testhost::settle();
        ASSERT_FALSE(window->tabifiedDockWidgets(window->findDockWidgetByBox(95)).isEmpty());
        QtCreateDocked(1, 0);
        QtWindowCreate("Memory", &paneCallback, 97);
        testhost::settle();
        for (const TeskHandle box : {94, 95, 96, 97})
            EXPECT_TRUE(reachable(window, box)) << box;
        testhost::endMainWindows();
    }
}

// A line that no longer fits makes its last window a tab of the shown one before it, past a
// hidden window between them: the group must stay whole in the line, or once the window it
// stands on floats, the next drag of a separator works on a group split in two.
TEST_F(HiddenDocks, ALineMadeTabsPastAHiddenWindowStaysOneGroup)
{
    TeskHandle box = 60;
    MainWindow *small = nullptr;
    const auto dockRight = [&](MainWindow *window) {
        QtCreateDocked(0, 0);
        QtWindowCreate(("Pane " + std::to_string(box)).c_str(), &paneCallback, box);
        QtSetGoto(1, window == small ? kWindow : kNextRun);
        testhost::settle();
        return box++;
    };
    const auto tabsShown = [](MainWindow *window) {
        for (const QTabBar *bar : window->findChildren<QTabBar *>())
            if (bar->isVisible())
                return true;
        return false;
    };
    // How many windows one right line holds on the small screen.
    setScreen(QRect(0, 0, 1024, 600));
    small = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1024, 600);
    show();
    int fitting = 0;
    for (; !tabsShown(small) && fitting < 20; ++fitting)
        dockRight(small);
    ASSERT_TRUE(tabsShown(small));
    // One more than that on a larger screen, the last hidden, the screen made small again:
    // the next window makes the line too long.
    setScreen(QRect(0, 0, 1280, 800));
    MainWindow *window = nextRun({});
    QList<TeskHandle> shown;
    for (int i = 0; i < fitting; ++i)
        shown.append(dockRight(window));
    const TeskHandle hidden = shown.takeLast();
    CuiPaneHide(hidden);
    testhost::settle();
    ASSERT_FALSE(tabsShown(window));
    setScreen(QRect(0, 0, 1024, 600));
    testhost::settle();
    shown.append(dockRight(window));
    ASSERT_TRUE(tabsShown(window));
    // The window the tabs stand on floats: its group stands on its next tab.
    for (const TeskHandle each : shown)
        if (!window->tabifiedDockWidgets(window->findDockWidgetByBox(each)).isEmpty()) {
            CuiPaneUndock(each);
            break;
        }
    testhost::settle();
    DockWidget *first = window->findDockWidgetByBox(shown.first());
    testhost::dragOnWindow(window, testhost::separatorBefore(window, first), QPoint(-30, 0));
    testhost::settle();
    QtFindGotoWindowToShowData(kNextRun, ("Pane " + std::to_string(hidden)).c_str());
    testhost::settle();
    shown.append(hidden);
    for (const TeskHandle each : shown)
        EXPECT_TRUE(reachable(window, each));
}

// The fit made the later bottom lines tabs of the line before; the host hides that group whole
// and makes two more panes there. The group's room is free again: each stands in view, not as
// one more tab of a group that shows none.
TEST_F(HiddenDocks, PanesMadeAfterAGroupHiddenWholeStandInView)
{
    setScreen(QRect(0, 0, 1024, 600));
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1000, 560);
    show();
    const char *const names[] = {"One", "Two", "Three", "Four", "Five"};
    for (TeskHandle box = 0; box < 5; ++box) {
        QtCreateDocked(1, 1);
        QtWindowCreate(names[box], &paneCallback, 150 + box);
    }
    testhost::settle();
    QDockWidget *last = window->findDockWidgetByBox(154);
    const QList<QDockWidget *> group = window->tabifiedDockWidgets(last) << last;
    ASSERT_GT(group.size(), 1);
    for (QDockWidget *member : group)
        CuiPaneHide(qobject_cast<DockWidget *>(member)->windowBox());
    testhost::settle();
    for (TeskHandle box : {160, 161}) {
        QtCreateDocked(1, 0);
        QtWindowCreate(box == 160 ? "New" : "Newer", &paneCallback, box);
        testhost::settle();
    }
    for (TeskHandle box : {160, 161}) {
        DockWidget *dock = window->findDockWidgetByBox(box);
        EXPECT_TRUE(window->rect().contains(dock->geometry())) << box;
        EXPECT_TRUE(window->tabifiedDockWidgets(dock).isEmpty()) << box;
    }
    testhost::endMainWindows();
}
