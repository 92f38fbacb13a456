// Side and bottom docks together, with the host's editor toolbars, on a small screen whose
// desktop keeps a panel: whatever the mix and the order, the main window's frame and its least
// size stay within the free area, and every dock is shown in its area or as a tab whose bar is
// on the screen.
#include "frames.h"
#include "testhost.h"

#include "frame/windows/docking/docklayout.h"
#include "frame/windows/docking/dockwidget.h"
#include "system/freearea.h"

#include <tesk/tesk_toolbars.h>
#include <tesk/tesk_window.h>

#include <QAbstractButton>
#include <QGuiApplication>
#include <QScreen>
#include <QTabBar>
#include <QTest>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

void paneCallback(TeskHandle, int *, int) {}
void onFind(TeskHandle, const void *, int, int) {}
void onScript(TeskHandle, const char *) {}

constexpr TeskHandle kWindow = 1;
constexpr int kPanel = 28;

std::string text(const QRect &r)
{
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
           "x" + std::to_string(r.height());
}

void setScreen(const QRect &screen, const QRect &free)
{
    QWindowSystemInterface::handleScreenGeometryChange(QGuiApplication::primaryScreen(), screen,
                                                       free);
    QWindowSystemInterface::flushWindowSystemEvents();
}

// A screen of the size with a panel along its foot.
void setScreenWithPanel(QSize size)
{
    setScreen(QRect(QPoint(), size), QRect(0, 0, size.width(), size.height() - kPanel));
}

QRect freeArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

struct Mix
{
    int side = 0;
    int bottom = 0;
    QSize screen;
    // The docks are made after the show, else before it.
    bool afterShow = false;
    // The editor toolbars come after the docks, else before them.
    bool toolbarsLast = false;
    // The side docks come first, else the bottom ones.
    bool sideFirst = true;
};

std::string describe(const Mix &mix)
{
    return std::to_string(mix.side) + " side + " + std::to_string(mix.bottom) + " bottom at " +
           std::to_string(mix.screen.width()) + "x" + std::to_string(mix.screen.height()) +
           (mix.afterShow ? ", after the show" : ", before the show") +
           (mix.toolbarsLast ? ", toolbars last" : ", toolbars first") +
           (mix.sideFirst ? ", side first" : ", bottom first");
}

class DockFit : public FrameTest
{
protected:
    void TearDown() override
    {
        FrameTest::TearDown();
        setScreen(m_screen, m_screen);
        testhost::settle();
    }

    static void toolbars()
    {
        ASSERT_TRUE(QtCreateEditorToolBar(kWindow, &onFind));
        ASSERT_TRUE(CuiScriptToolBarCreate(kWindow, &onScript));
    }

    static void docks(int area, int count, TeskHandle firstBox)
    {
        for (int i = 0; i < count; ++i) {
            QtCreateDocked(area, 0);
            const std::string name = (area == 0 ? "Side " : "Bottom ") + std::to_string(i);
            QtWindowCreate(name.c_str(), &paneCallback, firstBox + i);
        }
    }

    MainWindow *open(const Mix &mix)
    {
        setScreenWithPanel(mix.screen);
        MainWindow *window = createFrame("Debugger", kWindow);
        QtResizePosWindow(kWindow, 0, 0, mix.screen.width(), mix.screen.height());
        if (!mix.toolbarsLast)
            toolbars();
        if (mix.afterShow) {
            QtFrameShow();
            testhost::settle();
        }
        docks(mix.sideFirst ? 0 : 1, mix.sideFirst ? mix.side : mix.bottom,
              mix.sideFirst ? 100 : 200);
        docks(mix.sideFirst ? 1 : 0, mix.sideFirst ? mix.bottom : mix.side,
              mix.sideFirst ? 200 : 100);
        if (mix.toolbarsLast)
            toolbars();
        if (!mix.afterShow)
            QtFrameShow();
        testhost::settle();
        return window;
    }

    // The frame and the least size within the free area; every dock shown in the window at
    // no less than its least size, or a tab of a bar wholly on the screen.
    static void expectFitsAndReachable(MainWindow *window, const std::string &what)
    {
        const QRect free = freeArea();
        const QMargins frame = tesk::system::frameMargins(window);
        EXPECT_TRUE(free.contains(window->frameGeometry()))
            << what << ": frame " << text(window->frameGeometry()) << " in " << text(free);
        const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize()) +
                            QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
        EXPECT_LE(least.width(), free.width()) << what;
        EXPECT_LE(least.height(), free.height()) << what;
        QStringList tabs;
        for (const QTabBar *bar : window->findChildren<QTabBar *>()) {
            const QRect shown(bar->mapToGlobal(QPoint()), bar->size());
            if (bar->isVisible() && free.contains(shown))
                for (int t = 0; t < bar->count(); ++t)
                    tabs.append(bar->tabText(t));
        }
        for (const DockWidget *dock : window->dockList()) {
            const std::string name = dock->windowTitle().toStdString();
            EXPECT_TRUE(dock->isVisible()) << what << ": " << name;
            if (dock->isFloating()) {
                EXPECT_TRUE(free.contains(dock->frameGeometry()))
                    << what << ": " << name << " floats at " << text(dock->frameGeometry());
                continue;
            }
            const QRect inWindow(dock->mapTo(window, QPoint()), dock->size());
            const bool standing =
                window->rect().contains(inWindow) && dock->width() >= 100 && dock->height() >= 100;
            EXPECT_TRUE(standing || tabs.contains(dock->windowTitle()))
                << what << ": " << name << " at " << text(inWindow);
        }
    }

    const QRect m_screen = QGuiApplication::primaryScreen()->geometry();
};

} // namespace

TEST_F(DockFit, EveryMixFitsInEveryOrder)
{
    const std::vector<std::pair<int, int>> mixes = {{3, 1}, {8, 12}, {5, 1}, {0, 5}, {4, 2}};
    for (const QSize screen : {QSize(1024, 600), QSize(1280, 800)})
        for (const auto &[side, bottom] : mixes)
            for (const bool afterShow : {false, true})
                for (const bool toolbarsLast : {false, true})
                    for (const bool sideFirst : {true, false}) {
                        const Mix mix{side, bottom, screen, afterShow, toolbarsLast, sideFirst};
                        MainWindow *window = open(mix);
                        expectFitsAndReachable(window, describe(mix));
                        FrameTest::TearDown();
                        testhost::settle();
                    }
}

TEST_F(DockFit, ALayoutStoredOnALargerScreenFitsASmallerOne)
{
    MainWindow *window = open({4, 2, QSize(1280, 800), true, false, true});
    expectFitsAndReachable(window, "stored");
    QtSortWindowList(kWindow);
    std::vector<std::pair<TeskHandle, std::string>> records;
    for (int i = 0; i < QtDockWindowCount(kWindow); ++i) {
        char record[512];
        CuiGetDockWindowPersistanceData(kWindow, i, record);
        records.emplace_back(QtGetPersistWindowBox(kWindow, i), record);
    }
    FrameTest::TearDown();
    testhost::settle();

    setScreenWithPanel(QSize(1024, 600));
    window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1280, 800);
    for (const auto &[box, record] : records) {
        CuiSetDockWindowPersistanceData(kWindow, record.c_str());
        QtWindowCreate("Restored", &paneCallback, box);
    }
    toolbars();
    QtFrameShow();
    testhost::settle();
    expectFitsAndReachable(window, "restored");
}

TEST_F(DockFit, AScreenMadeSmallerKeepsTheWindowOnIt)
{
    MainWindow *window = open({3, 2, QSize(1280, 800), true, false, true});
    // One floats at the large screen's far corner.
    DockWidget *floating = window->findDockWidgetByBox(101);
    CuiPaneUndock(intptr_t(floating->windowBox()));
    floating->move(1280 - floating->width() - 10, 800 - 28 - floating->height() - 10);
    testhost::settle();
    expectFitsAndReachable(window, "large");
    setScreenWithPanel(QSize(1024, 600));
    testhost::settle();
    expectFitsAndReachable(window, "made smaller");
}

TEST_F(DockFit, TabsShowTheirWholeTitles)
{
    MainWindow *window = open({0, 12, QSize(1024, 600), true, false, true});
    int tabs = 0;
    for (const QTabBar *bar : window->findChildren<QTabBar *>(Qt::FindDirectChildrenOnly)) {
        if (!bar->isVisible())
            continue;
        for (int t = 0; t < bar->count(); ++t, ++tabs)
            EXPECT_GE(bar->tabRect(t).width(),
                      bar->fontMetrics().horizontalAdvance(bar->tabText(t)))
                << bar->tabText(t).toStdString();
    }
    EXPECT_GT(tabs, 1);
}

namespace {

QList<QByteArray> recordOf(TeskHandle box)
{
    QtSortWindowList(kWindow);
    for (int i = 0; i < QtDockWindowCount(kWindow); ++i)
        if (QtGetPersistWindowBox(kWindow, i) == box) {
            char record[512];
            CuiGetDockWindowPersistanceData(kWindow, i, record);
            return QByteArray(record).split(':');
        }
    return {};
}

// The record's place (fields 5 and 6) of the dock with the box.
QPoint recordedPlace(TeskHandle box)
{
    const QList<QByteArray> fields = recordOf(box);
    return fields.size() < 8 ? QPoint(-99999, -99999)
                             : QPoint(fields[4].toInt(), fields[5].toInt());
}

// Fields 7 and 8.
QSize recordedSize(TeskHandle box)
{
    const QList<QByteArray> fields = recordOf(box);
    return fields.size() < 8 ? QSize() : QSize(fields[6].toInt(), fields[7].toInt());
}

} // namespace

TEST_F(DockFit, ATabFloatedByTheHostLandsWithinTheFreeArea)
{
    // Twelve along the bottom: the later ones stand as tabs.
    MainWindow *window = open({0, 12, QSize(1024, 600), true, false, true});
    std::vector<DockWidget *> tabs;
    for (DockWidget *dock : window->dockList())
        if (window->dockLayout().tabbed(dock))
            tabs.push_back(dock);
    ASSERT_GE(tabs.size(), 2u);
    const intptr_t first = intptr_t(tabs[0]->windowBox());
    const intptr_t second = intptr_t(tabs[1]->windowBox());
    CuiPaneUndock(first);
    CuiPopupProcessGenericOption(second, DockWidget::OptionDockFloat);
    testhost::settle();
    for (const DockWidget *dock : {tabs[0], tabs[1]}) {
        const std::string name = dock->windowTitle().toStdString();
        ASSERT_TRUE(dock->isFloating()) << name;
        EXPECT_TRUE(freeArea().contains(dock->frameGeometry()))
            << name << " at " << text(dock->frameGeometry());
        EXPECT_TRUE(freeArea().contains(recordedPlace(dock->windowBox()))) << name;
    }
    expectFitsAndReachable(window, "after floating");
}

TEST_F(DockFit, TheFloatButtonFloatsADockWithinTheFreeArea)
{
    // One dock on the right, at the screen's right edge.
    MainWindow *window = open({1, 0, QSize(1024, 600), true, false, true});
    DockWidget *dock = window->dockList().first();
    auto *floatButton =
        dock->findChild<QAbstractButton *>(QStringLiteral("qt_dockwidget_floatbutton"));
    ASSERT_TRUE(floatButton && floatButton->isVisible());
    QTest::mouseClick(floatButton, Qt::LeftButton);
    testhost::settle();
    ASSERT_TRUE(dock->isFloating());
    EXPECT_TRUE(freeArea().contains(dock->frameGeometry())) << text(dock->frameGeometry());
    EXPECT_TRUE(freeArea().contains(recordedPlace(dock->windowBox())));
}

namespace {

struct Stood
{
    TeskHandle box;
    std::string record;
    // The box of the window its group stands on; itself when it stands.
    TeskHandle standing;
    // Its group's size.
    QSize size;
};

std::vector<Stood> howTheyStand(MainWindow *window)
{
    std::vector<Stood> stood;
    QtSortWindowList(kWindow);
    for (int i = 0; i < QtDockWindowCount(kWindow); ++i) {
        char record[512];
        CuiGetDockWindowPersistanceData(kWindow, i, record);
        const TeskHandle box = QtGetPersistWindowBox(kWindow, i);
        const DockWidget *dock = window->findDockWidgetByBox(box);
        const auto *standing =
            static_cast<const DockWidget *>(window->dockLayout().standingOf(dock));
        // The group's size is the size of its tab shown.
        QSize size = dock->size();
        for (const QDockWidget *member : window->findChildren<QDockWidget *>())
            if (window->dockLayout().standingOf(member) == standing && member->x() >= 0 &&
                member->y() >= 0)
                size = member->size();
        stood.push_back({box, record, standing->windowBox(), size});
    }
    return stood;
}

} // namespace

TEST_F(DockFit, TabsComeBackAsTheyStood)
{
    // Tabs the fit made on a small screen, and tabs the user made on a large one by dropping a
    // dock onto another: a new layout would make none of the latter.
    for (const Mix &mix : {Mix{8, 12, QSize(1024, 600), true, false, true},
                           Mix{3, 3, QSize(1280, 800), true, false, true}}) {
        MainWindow *window = open(mix);
        if (mix.screen.width() == 1280) {
            window->tabifyDockWidget(window->findDockWidgetByBox(101),
                                     window->findDockWidgetByBox(102));
            window->tabifyDockWidget(window->findDockWidgetByBox(200),
                                     window->findDockWidgetByBox(201));
            testhost::settle();
        }
        std::vector<Stood> before = howTheyStand(window);
        ASSERT_TRUE(std::any_of(before.begin(), before.end(),
                                [](const Stood &s) { return s.standing != s.box; }));
        for (const char *run : {"second run", "third run"}) {
            const std::string what = describe(mix) + ", " + run;
            FrameTest::TearDown();
            testhost::settle();
            window = createFrame("Debugger", kWindow);
            QtResizePosWindow(kWindow, 0, 0, mix.screen.width(), mix.screen.height());
            toolbars();
            for (const Stood &stood : before) {
                CuiSetDockWindowPersistanceData(kWindow, stood.record.c_str());
                QtWindowCreate("Restored", &paneCallback, stood.box);
            }
            QtFrameShow();
            testhost::settle();
            expectFitsAndReachable(window, what);
            const std::vector<Stood> after = howTheyStand(window);
            ASSERT_EQ(after.size(), before.size());
            for (size_t i = 0; i < before.size(); ++i) {
                EXPECT_EQ(after[i].box, before[i].box) << what << " " << i;
                EXPECT_EQ(after[i].standing, before[i].standing) << what << " " << before[i].record;
                EXPECT_LE(qAbs(after[i].size.width() - before[i].size.width()), 2)
                    << what << " " << before[i].record;
                EXPECT_LE(qAbs(after[i].size.height() - before[i].size.height()), 2)
                    << what << " " << before[i].record;
            }
            before = after;
        }
        FrameTest::TearDown();
        testhost::settle();
    }
}

TEST_F(DockFit, ASizeTheHostGaveStaysWhenItSizesAnother)
{
    MainWindow *window = open({2, 2, QSize(1280, 800), true, false, true});
    DockWidget *right = window->findDockWidgetByBox(100);
    DockWidget *bottom = window->findDockWidgetByBox(200);
    QtResizePosWindow(100, 0, 0, 120, 300);
    testhost::settle();
    ASSERT_EQ(right->width(), 120);
    QtResizePosWindow(200, 0, 0, 300, 150);
    testhost::settle();
    EXPECT_EQ(right->width(), 120);
    EXPECT_EQ(bottom->height(), 150);
    EXPECT_EQ(recordedSize(100).width(), 120);
}

TEST_F(DockFit, TheHostSizesADockStandingAsATab)
{
    MainWindow *window = open({8, 0, QSize(1024, 600), true, false, true});
    DockWidget *tab = nullptr;
    for (DockWidget *dock : window->dockList())
        if (window->dockLayout().tabbed(dock))
            tab = dock;
    ASSERT_TRUE(tab);
    QtResizePosWindow(tab->windowBox(), 0, 0, 200, 160);
    testhost::settle();
    // The group takes the size: the tab shown is as large.
    const QDockWidget *standing = window->dockLayout().standingOf(tab);
    QSize shown;
    for (const QDockWidget *member : window->findChildren<QDockWidget *>())
        if (window->dockLayout().standingOf(member) == standing && member->x() >= 0 &&
            member->y() >= 0)
            shown = member->size();
    EXPECT_EQ(shown, QSize(200, 160));
    EXPECT_EQ(recordedSize(tab->windowBox()), QSize(200, 160));
    // The group holds the width: a line more in the area shares out the rest.
    QtCreateDocked(0, 1);
    QtWindowCreate("Side 8", &paneCallback, 108);
    testhost::settle();
    EXPECT_EQ(recordedSize(tab->windowBox()).width(), 200);
}

// A group's windows record the size of the tab shown, as they record its place: a tab behind
// another kept the size it had alone, and the restore then found no group and set it beside.
TEST_F(DockFit, EveryWindowOfAGroupRecordsTheSizeShown)
{
    MainWindow *window = open({2, 3, QSize(1280, 800), true, false, true});
    QtResizePosWindow(201, 0, 0, 400, 150);
    testhost::settle();
    window->tabifyDockWidget(window->findDockWidgetByBox(200), window->findDockWidgetByBox(201));
    testhost::settle();
    window->findDockWidgetByBox(200)->raise();
    QtResizePosWindow(200, 0, 0, 600, 260);
    testhost::settle();
    EXPECT_EQ(recordedPlace(201), recordedPlace(200));
    EXPECT_EQ(recordedSize(201), recordedSize(200));
    EXPECT_EQ(window->dockLayout().standingOf(window->findDockWidgetByBox(201)),
              window->findDockWidgetByBox(200));
}

// A floating window passes through the right area as it is made: the toolkit cuts every line
// there for it, and a held line took its room back from a line holding none.
TEST_F(DockFit, AFloatingWindowMadeLeavesTheRightAreaAsItStood)
{
    MainWindow *window = open({1, 0, QSize(1280, 800), true, false, true});
    QtCreateDocked(0, 1);
    QtWindowCreate("Side 1", &paneCallback, 101);
    QtResizePosWindow(101, 0, 0, 300, 300);
    testhost::settle();
    DockWidget *held = window->findDockWidgetByBox(101);
    DockWidget *other = window->findDockWidgetByBox(100);
    const int heldWidth = held->width();
    const int otherWidth = other->width();
    ASSERT_GT(otherWidth, 110);
    QtWindowCreate("Floating", &paneCallback, 300);
    testhost::settle();
    EXPECT_EQ(held->width(), heldWidth);
    EXPECT_EQ(other->width(), otherWidth);
}
