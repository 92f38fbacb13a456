// What the user set in the dock layout, kept on roads where a passing state of the window and
// the sizes set could be taken for each other: a click while the window is small, a row beside
// a group of tabs restored after the show.
#include "frames.h"
#include "testhost.h"

#include "frame/windows/docking/docklayout.h"
#include "frame/windows/docking/dockwidget.h"

#include <tesk/tesk_toolbars.h>
#include <tesk/tesk_window.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTabBar>
#include <QTest>
#include <qpa/qwindowsysteminterface.h>

#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr TeskHandle kWindow = 1;

void paneCallback(TeskHandle, int *, int) {}
void onScript(TeskHandle, const char *) {}

void setScreen(const QRect &screen)
{
    QWindowSystemInterface::handleScreenGeometryChange(QGuiApplication::primaryScreen(), screen,
                                                       screen);
    QWindowSystemInterface::flushWindowSystemEvents();
}

// The size the record of the window of that box carries.
QSize recordedSize(TeskHandle box)
{
    QtSortWindowList(kWindow);
    for (int i = 0; i < QtDockWindowCount(kWindow); ++i)
        if (QtGetPersistWindowBox(kWindow, i) == box) {
            char buffer[256];
            CuiGetDockWindowPersistanceData(kWindow, i, buffer);
            const QList<QByteArray> fields = QByteArray(buffer).split(':');
            return {fields.value(6).toInt(), fields.value(7).toInt()};
        }
    return {};
}

// A pane that asks for rows, as a memory view does.
class RowsPane : public QWidget
{
public:
    QSize sizeHint() const override { return {60, 260}; }
};

class DocksSet : public FrameTest
{
protected:
    void TearDown() override
    {
        FrameTest::TearDown();
        testhost::settle();
        setScreen(m_screen);
    }

    MainWindow *shown(QSize size)
    {
        MainWindow *window = createFrame("Debugger", kWindow);
        QtResizePosWindow(kWindow, 0, 0, size.width(), size.height());
        QtFrameShow();
        testhost::settle();
        return window;
    }

    static DockWidget *dock(MainWindow *window, int area, const char *name, TeskHandle box)
    {
        QtCreateDocked(area, 0);
        QtWindowCreate(name, &paneCallback, box);
        testhost::settle();
        return window->findDockWidgetByBox(box);
    }

    static DockWidget *restored(MainWindow *window, const char *record, const char *name,
                                TeskHandle box)
    {
        CuiSetDockWindowPersistanceData(kWindow, record);
        QtWindowCreate(name, &paneCallback, box);
        testhost::settle();
        return window->findDockWidgetByBox(box);
    }

    static void shownNow()
    {
        QtFrameShow();
        testhost::settle();
    }

    // Caption and field 9 of each record in their order: 0 hidden, 1 shown, 2 the tab in front.
    static std::string shownFields()
    {
        std::string fields;
        QtSortWindowList(kWindow);
        for (int i = 0; i < QtDockWindowCount(kWindow); ++i) {
            char buffer[256];
            CuiGetDockWindowPersistanceData(kWindow, i, buffer);
            const QList<QByteArray> record = QByteArray(buffer).split(':');
            fields += (i ? " " : "") + record.value(0).toStdString() + "=" +
                      record.value(8).toStdString();
        }
        return fields;
    }

    // The captions of the docks in sight in their areas that stand in a group of tabs: the
    // toolkit moves the tabs behind out of sight.
    static std::string tabsInFront(MainWindow *window)
    {
        std::string front;
        for (DockWidget *dock : window->dockList())
            if (dock->isVisible() && dock->x() >= 0 && dock->y() >= 0 &&
                !window->tabifiedDockWidgets(dock).isEmpty())
                front += (front.empty() ? "" : " ") + dock->windowTitle().toStdString();
        return front;
    }

    // The user clicks the tab of that title on a row of tabs; false where none shows.
    static bool clickTab(MainWindow *window, const char *title)
    {
        for (QTabBar *row : window->findChildren<QTabBar *>(Qt::FindDirectChildrenOnly))
            for (int tab = 0; row->isVisible() && tab < row->count(); ++tab)
                if (row->tabText(tab) == QLatin1String(title)) {
                    QTest::mouseClick(row, Qt::LeftButton, {}, row->tabRect(tab).center());
                    testhost::settle();
                    return true;
                }
        return false;
    }

    // The user presses and lets go on the main window where no separator stands: what a click
    // on the code area comes to once the code passed it on.
    static void clickOnCode(MainWindow *window)
    {
        QTest::mouseClick(window, Qt::LeftButton, {}, window->centralWidget()->geometry().center());
        testhost::settle();
    }

    static void resize(MainWindow *window, QSize size)
    {
        window->resize(size);
        testhost::settle();
    }

    const QRect m_screen = QGuiApplication::primaryScreen()->geometry();
};

} // namespace

// A press and release that moves no separator is no size the user set: the lines a small
// window cut take their room back once it is as large again, and the records say so.
TEST_F(DocksSet, AClickWhileTheWindowIsSmallSetsNoSize)
{
    MainWindow *window = shown({1200, 800});
    DockWidget *right = dock(window, 0, "Watch", 10);
    DockWidget *bottom = dock(window, 1, "Memory", 11);
    dock(window, 1, "Memory", 12);
    const int height = bottom->height();
    const int width = right->width();
    const QSize least = window->minimumSizeHint();
    resize(window, {least.width() + 20, least.height() + 10});
    ASSERT_LT(bottom->height(), height - 20);
    clickOnCode(window);
    resize(window, {1200, 800});
    EXPECT_NEAR(bottom->height(), height, 2);
    EXPECT_NEAR(recordedSize(11).height(), height, 2);
    EXPECT_NEAR(right->width(), width, 2);
    // Made small and large once more, it still comes back.
    resize(window, {least.width() + 20, least.height() + 10});
    clickOnCode(window);
    resize(window, {1200, 800});
    EXPECT_NEAR(bottom->height(), height, 2);
}

// A drag while the window is small sets what it moved, and only that: the bottom line it did
// not move takes its room back.
TEST_F(DocksSet, ADragWhileTheWindowIsSmallSetsOnlyWhatItMoved)
{
    MainWindow *window = shown({1200, 800});
    DockWidget *right = dock(window, 0, "Watch", 10);
    DockWidget *bottom = dock(window, 1, "Memory", 11);
    const int height = bottom->height();
    const QSize least = window->minimumSizeHint();
    resize(window, {1200, least.height() + 10});
    ASSERT_LT(bottom->height(), height - 20);
    testhost::dragOnWindow(window, testhost::separatorBefore(window, right), QPoint(-40, 0));
    const int dragged = right->width();
    resize(window, {1200, 800});
    EXPECT_NEAR(bottom->height(), height, 2);
    EXPECT_NEAR(right->width(), dragged, 2);
    // The line a smaller window cut, dragged meanwhile, keeps what the user dragged it to.
    resize(window, {1200, least.height() + 10});
    testhost::dragOnWindow(window, testhost::separatorBefore(window, bottom), QPoint(0, 20));
    const int draggedHeight = bottom->height();
    ASSERT_LT(draggedHeight, height - 20);
    resize(window, {1200, 800});
    EXPECT_NEAR(bottom->height(), draggedHeight, 2);
    EXPECT_NEAR(recordedSize(11).height(), draggedHeight, 2);
}

// Panes opened into the right area, more than its column has room for above the bottom area:
// the right area makes tabs rather than the bottom line giving up what its pane asks, and the
// user can still drag the separator above the bottom line.
TEST_F(DocksSet, PanesOpenedOnTheRightLeaveTheBottomLineWhatItsPaneAsks)
{
    MainWindow *window = shown({1280, 800});
    QtCreateDocked(1, 0);
    DockWidget *bottom = window->createDockWidget("Memory", new RowsPane, &paneCallback, 20);
    testhost::settle();
    const int height = bottom->height();
    ASSERT_GT(height, 250);
    // Each dock lets its pane scroll below its own least size: five stand in a line as high as
    // the row above the bottom line can be, the fifth only where the bottom line gives room.
    for (TeskHandle box = 21; box < 26; ++box) {
        QtCreateDocked(0, 0);
        QtWindowCreate("Registers", &paneCallback, box);
        testhost::settle();
        EXPECT_NEAR(bottom->height(), height, 2) << box;
        // The pane the host opened comes up shown, a tab or not.
        const DockWidget *opened = window->findDockWidgetByBox(box);
        EXPECT_TRUE(window->rect().contains(opened->geometry())) << box;
    }
    testhost::dragOnWindow(window, testhost::separatorBefore(window, bottom), QPoint(0, -30));
    EXPECT_NEAR(bottom->height(), height + 30, 2);
}

// A row of the bottom area restored after the show, a dock beside a group of tabs: the group's
// record counts its window without its tab row, the dock's without any, and the line stands as
// high as the dock, the group's row beneath the group.
TEST_F(DocksSet, ADockBesideAGroupRestoredAfterTheShowComesBackAsStored)
{
    setScreen(QRect(0, 0, 1024, 600));
    MainWindow *window = createFrame("Debugger", kWindow);
    ASSERT_TRUE(CuiScriptToolBarCreate(kWindow, &onScript));
    QtResizePosWindow(kWindow, 0, 0, 1020, 560);
    QtFrameShow();
    testhost::settle();
    DockWidget *alone = restored(window, "D7:3:1:0:0:380:500:151:1:1", "D7", 7);
    DockWidget *standing = restored(window, "D11:3:0:1:506:380:514:125:1:1", "D11", 11);
    DockWidget *tab = restored(window, "D12:3:0:2:506:380:514:125:1:1", "D12", 12);
    ASSERT_TRUE(alone && standing && tab);
    ASSERT_EQ(window->dockLayout().standingOf(tab), standing);
    EXPECT_EQ(alone->height(), 151);
    const DockWidget *front = tab->geometry().bottom() >= 0 ? tab : standing;
    EXPECT_EQ(front->height(), 125);
    EXPECT_EQ(recordedSize(7).height(), 151);
    EXPECT_EQ(recordedSize(11).height(), 125);
    EXPECT_EQ(recordedSize(12).height(), 125);
}

// The tab a group shows is the user's choice: its records say which, read before the show or
// after it, and a restart, restoring them before the show or after it, shows it again.
TEST_F(DocksSet, AGroupOfThreeShowsItsMiddleTabAgainAfterARestart)
{
    // Below a line of one pane, a pane, the group, and a pane beside it.
    const std::vector<std::pair<const char *, const char *>> stored = {
        {"A", "A:3:0:0:0:402:1195:191:1:0"},    {"P", "P:3:1:1:0:599:419:143:1:0"},
        {"T0", "T0:3:0:2:425:599:431:117:1:0"}, {"T1", "T1:3:0:3:425:599:431:117:2:0"},
        {"T2", "T2:3:0:4:425:599:431:117:1:0"}, {"Q", "Q:3:0:5:862:599:333:143:1:0"}};
    for (const bool beforeShow : {true, false}) {
        SCOPED_TRACE(beforeShow ? "restored before the show" : "restored after the show");
        MainWindow *window = createFrame("Debugger", kWindow);
        QtResizePosWindow(kWindow, 0, 28, 1195, 764);
        if (!beforeShow)
            shownNow();
        for (size_t i = 0; i < stored.size(); ++i)
            restored(window, stored[i].second, stored[i].first, TeskHandle(30 + i));
        if (beforeShow) {
            // A host storing its layout on an early exit keeps the tab in front too.
            EXPECT_EQ(shownFields(), "A=1 P=1 T0=1 T1=2 T2=1 Q=1");
            shownNow();
        }
        ASSERT_EQ(window->dockLayout().standingOf(window->findDockWidgetByBox(33)),
                  window->findDockWidgetByBox(32));
        EXPECT_EQ(tabsInFront(window), "T1");
        EXPECT_EQ(shownFields(), "A=1 P=1 T0=1 T1=2 T2=1 Q=1");
        FrameTest::TearDown();
        testhost::settle();
    }
}

// The tab in front comes back with a tab of its group hidden by its record, and once the host
// floated it out of the group and docked it back before the show.
TEST_F(DocksSet, TheTabInFrontComesBackPastAHiddenTabAndAFloat)
{
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 28, 1195, 764);
    const char *const stored[] = {"A:3:0:0:0:402:1195:191:1:0", "T0:3:1:1:0:599:600:117:1:0",
                                  "T1:3:0:2:0:599:600:117:2:0", "T2:3:0:3:0:599:600:117:0:0",
                                  "T3:3:0:4:0:599:600:117:1:0"};
    for (size_t i = 0; i < std::size(stored); ++i)
        restored(window, stored[i], QByteArray(stored[i]).split(':').value(0).constData(),
                 TeskHandle(30 + i));
    EXPECT_EQ(shownFields(), "A=1 T0=1 T1=2 T2=0 T3=1");
    CuiPaneUndock(32);
    testhost::settle();
    ASSERT_TRUE(window->findDockWidgetByBox(32)->isFloating());
    CuiPaneDock(32);
    testhost::settle();
    ASSERT_FALSE(window->findDockWidgetByBox(32)->isFloating());
    // Docked back at the end of its group.
    EXPECT_EQ(shownFields(), "A=1 T0=1 T2=0 T3=1 T1=2");
    shownNow();
    EXPECT_EQ(tabsInFront(window), "T1");
    EXPECT_EQ(shownFields(), "A=1 T0=1 T2=0 T3=1 T1=2");
}

// The user clicks a tab: the records say it is the one in front, and records of older runs,
// which say only "shown", show the tab that joined last.
TEST_F(DocksSet, TheTabTheUserClickedIsRecordedInFront)
{
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1200, 800);
    for (int i = 0; i < 3; ++i)
        restored(window, "0:3:0:0:0:500:600:150:1:0", ("T" + std::to_string(i)).c_str(),
                 TeskHandle(30 + i));
    shownNow();
    EXPECT_EQ(tabsInFront(window), "T2");
    EXPECT_EQ(shownFields(), "T0=1 T1=1 T2=2");
    ASSERT_TRUE(clickTab(window, "T1"));
    EXPECT_EQ(tabsInFront(window), "T1");
    EXPECT_EQ(shownFields(), "T0=1 T1=2 T2=1");
}

// A record restored after the show that joins a group its records do not name (tabs the fit
// made for want of room) comes to the front as a pane the host opens does: the tab an earlier
// record put in front, which the user has left since, does not take the front back.
TEST_F(DocksSet, ARecordJoiningTabsTheFitMadeComesToTheFront)
{
    setScreen(QRect(0, 0, 1024, 600));
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1020, 560);
    shownNow();
    for (int i = 0; i < 5; ++i) {
        const std::string name = "B" + std::to_string(i);
        const std::string record =
            name + ":3:1:" + std::to_string(i) + ":0:0:1000:200:" + (i == 3 ? "2" : "1") + ":0";
        restored(window, record.c_str(), name.c_str(), TeskHandle(30 + i));
    }
    // The fit made tabs of the last two lines.
    ASSERT_EQ(window->dockLayout().standingOf(window->findDockWidgetByBox(34)),
              window->findDockWidgetByBox(33));
    ASSERT_TRUE(clickTab(window, "B4"));
    const DockWidget *joining = restored(window, "N:3:0:5:0:0:1000:200:1:0", "N", 35);
    ASSERT_EQ(window->dockLayout().standingOf(joining), window->findDockWidgetByBox(33));
    EXPECT_EQ(shownFields(), "B0=1 B1=1 B2=1 B3=1 B4=1 N=2");
    EXPECT_EQ(tabsInFront(window), "N");
}

// A bottom line whose first group shows a tab row and whose dock beside it holds the size the
// host gave: the line stands as high as that dock, not as the dock and the first group's row.
TEST_F(DocksSet, ADockTheHostSizedBesideAGroupHoldsItsHeight)
{
    MainWindow *window = shown({1200, 800});
    DockWidget *standing = dock(window, 1, "Log", 40);
    DockWidget *tab = dock(window, 1, "Trace", 41);
    window->tabifyDockWidget(standing, tab);
    testhost::settle();
    window->dockLayout().followToolkit();
    ASSERT_EQ(window->dockLayout().standingOf(tab), standing);
    DockWidget *beside = dock(window, 1, "Watch", 42);
    ASSERT_EQ(window->dockLayout().areaOf(beside), tesk::frame::DockArea::Bottom);
    ASSERT_FALSE(window->dockLayout().tabbed(beside));
    QtResizePosWindow(42, 0, 0, 400, 150);
    testhost::settle();
    EXPECT_EQ(beside->height(), 150);
    EXPECT_EQ(recordedSize(42).height(), 150);
}
