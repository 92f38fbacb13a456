// The dock layout under random mixes of what hosts and users do, on screens of 1280x800 and
// 1024x600 with a panel, one made smaller midway in some: every promise of layoutpromises.h
// after every step. TESK_LAYOUT_SEED replays one sequence, TESK_LAYOUT_SEQUENCES plays more,
// TESK_LAYOUT_PROMISES=all checks the promises still waiting for their mends.
#include "frames.h"
#include "layoutsequence.h"
#include "testhost.h"

#include "frame/windows/docking/dockwidget.h"

#include <tesk/tesk_window.h>

#include <QGuiApplication>
#include <QScreen>
#include <qpa/qwindowsysteminterface.h>

namespace {

using namespace testhost::layout;

void setScreen(const QRect &screen, const QRect &free)
{
    QWindowSystemInterface::handleScreenGeometryChange(QGuiApplication::primaryScreen(), screen,
                                                       free);
    QWindowSystemInterface::flushWindowSystemEvents();
}

class LayoutSequences : public FrameTest
{
protected:
    void TearDown() override
    {
        FrameTest::TearDown();
        setScreen(m_screen, m_screen);
    }

    const QRect m_screen = QGuiApplication::primaryScreen()->geometry();
    const Screen m_sequenceScreen{&setScreen, nullptr};
};

} // namespace

TEST_F(LayoutSequences, EveryPromiseHoldsAfterEveryStep)
{
    const std::string failure = playSeeds(1, 200, 10, 40, m_sequenceScreen);
    EXPECT_TRUE(failure.empty()) << failure;
}

namespace {

void noPane(TeskHandle, int *, int) {}

} // namespace

// The checker is the test's eyes: a dock pushed outside the window behind no tab, and a frame
// beyond the free area, are seen; a dock the host closed is not looked for.
TEST_F(LayoutSequences, TheCheckerSeesADockOutOfReachAndAFrameOffTheScreen)
{
    setScreen(QRect(0, 0, 1024, 600), QRect(0, 28, 1024, 572));
    MainWindow *window = createFrame("Debugger", 1);
    QtResizePosWindow(1, 0, 0, 900, 500);
    QtFrameShow();
    QtCreateDocked(0, 0);
    QtWindowCreate("Watch", &noPane, 100);
    QtCreateDocked(1, 0);
    QtWindowCreate("Trace", &noPane, 101);
    testhost::settle();
    Asked asked;
    asked.shown = true;
    asked.docks[100].name = QStringLiteral("Watch");
    asked.docks[101].name = QStringLiteral("Trace");
    const PromiseSwitches all = PromiseSwitches::all();
    const auto broken = [&] { return check(window, asked, all); };
    ASSERT_FALSE(broken()) << broken()->text.toStdString();

    window->findDockWidgetByBox(100)->move(-600, -602);
    ASSERT_TRUE(broken());
    EXPECT_EQ(broken()->promise, Promise::DockedReachable);
    window->findDockWidgetByBox(100)->end();
    testhost::settle();
    asked.docks[100].closedByHost = true;
    EXPECT_FALSE(broken());

    asked.docks[101].keptArea = areaOf(window, 101);
    asked.docks[101].keptAcross = acrossExtent(window, 101) + 40;
    ASSERT_TRUE(broken());
    EXPECT_EQ(broken()->promise, Promise::SizesKept);
    asked.docks[101].keptArea = -1;

    window->setMinimumHeight(700);
    ASSERT_TRUE(broken());
    EXPECT_EQ(broken()->promise, Promise::FrameWithinFreeArea);
}

// A group of tabs claims the size of its tab shown, and a line may stand as wide as a tab row
// in it needs, whatever size was kept there.
TEST_F(LayoutSequences, TheCheckerSizesAGroupOfTabsByItsTabShownAndALineByItsTabRow)
{
    setScreen(QRect(0, 0, 1280, 800), QRect(0, 28, 1280, 772));
    MainWindow *window = createFrame("Debugger", 1);
    QtResizePosWindow(1, 0, 0, 1000, 700);
    QtFrameShow();
    for (TeskHandle box = 100; box < 103; ++box) {
        QtCreateDocked(0, 0);
        QtWindowCreate(("Pane " + std::to_string(box)).c_str(), &noPane, box);
    }
    testhost::settle();
    DockWidget *alone = window->findDockWidgetByBox(100);
    DockWidget *tab = window->findDockWidgetByBox(102);
    window->tabifyDockWidget(window->findDockWidgetByBox(101), tab);
    tab->raise();
    window->resizeDocks({alone}, {40}, Qt::Horizontal);
    testhost::settle();
    EXPECT_EQ(acrossExtent(window, 101), 0);
    ASSERT_EQ(acrossExtent(window, 102), tab->width());
    Asked asked;
    asked.shown = true;
    for (TeskHandle box = 100; box < 103; ++box)
        asked.docks[box].name = QStringLiteral("Pane %1").arg(box);
    asked.docks[100].keptArea = areaOf(window, 100);
    asked.docks[100].keptAcross = asked.docks[100].setAcross = 60;
    ASSERT_GT(alone->width(), 60 + 2);
    const auto broken = check(window, asked, PromiseSwitches::all());
    EXPECT_FALSE(broken) << broken->text.toStdString();
}

// A floating dock hidden while the screen became smaller comes back on it when shown.
TEST_F(LayoutSequences, AHiddenFloatingDockShownAfterTheScreenShrankComesBackOnIt)
{
    setScreen(QRect(0, 0, 1280, 800), QRect(0, 28, 1280, 772));
    MainWindow *window = createFrame("Debugger", 1);
    QtResizePosWindow(1, 0, 0, 1000, 700);
    QtFrameShow();
    CuiSetDockWindowPersistanceData(1, "Watch:4:0:-1:150:400:1100:300:1:1");
    QtWindowCreate("Watch", &noPane, 100);
    testhost::settle();
    DockWidget *watch = window->findDockWidgetByBox(100);
    ASSERT_TRUE(watch->isFloating());
    CuiPaneHide(100);
    testhost::settle();
    const QRect smaller(0, 28, 1024, 572);
    setScreen(QRect(0, 0, 1024, 600), smaller);
    testhost::settle();
    QtFindGotoWindowToShowData(1, "Watch");
    testhost::settle();
    ASSERT_TRUE(watch->isVisible());
    EXPECT_TRUE(smaller.contains(watch->frameGeometry()))
        << watch->frameGeometry().x() << "," << watch->frameGeometry().y();
}

// Records compared as the layout they describe: what the toolkit places stays out, a pixel or
// two of rounding is the same layout.
TEST(LayoutPictures, DifferOnlyWhereTheLayoutDiffers)
{
    const QRect kFree(0, 28, 1280, 772);
    Picture stored;
    stored.docks = {"Watch:2:0:0:700:30:300:400:1:1", "Log:4:0:-1:100:120:300:200:1:0"};
    stored.toolbarTitles = {"Edit"};
    stored.toolbars = {"0:0:0:0:0:0:300:30:"};
    Picture restored = stored;
    restored.docks[0] = "Watch:2:0:0:-1140:-602:301:398:1:1";
    EXPECT_EQ(differenceBetween(stored, restored, kFree), QString());
    restored.docks[0] = "Watch:2:0:0:700:30:260:400:1:1";
    EXPECT_NE(differenceBetween(stored, restored, kFree), QString());
    restored = stored;
    restored.docks[1] = "Log:4:0:-1:60:120:300:200:1:0";
    EXPECT_NE(differenceBetween(stored, restored, kFree), QString());
    // Stored partly beyond the free area, it comes back within it.
    Picture beyond = stored;
    beyond.docks[1] = "Log:4:0:-1:1100:120:300:200:1:0";
    EXPECT_EQ(differenceBetween(beyond, restored, kFree), QString());
    restored = stored;
    restored.docks.removeLast();
    EXPECT_NE(differenceBetween(stored, restored, kFree), QString());
    restored = stored;
    restored.toolbars[0] = "0:0:0:0:0:1:300:30:";
    EXPECT_NE(differenceBetween(stored, restored, kFree), QString());
}
