// The window exports: store switches, the current window the host may set, dock windows
// created for the calling window, and the window-size sanity check on several desktops.
#include "frames.h"

#include "frame/core/cuihandles.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/windowsanity.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>

#include <limits>

using tesk::frame::checkWindowSizesAreSane;

namespace {

struct Geometry
{
    int x, y, width, height;
};

Geometry sane(const QList<QRect> &screens, Geometry g)
{
    checkWindowSizesAreSane(screens, screens.value(0), g.x, g.y, g.width, g.height);
    return g;
}

using WindowExportsTest = FrameTest;

} // namespace

TEST(WindowSanity, OnScreenGeometryIsKept)
{
    const Geometry g = sane({QRect(0, 0, 1920, 1040)}, {100, 100, 800, 600});
    EXPECT_EQ(g.x, 100);
    EXPECT_EQ(g.width, 800);
}

TEST(WindowSanity, FarLeftAndTooWideComesBackWithinTheDesktop)
{
    const QList<QRect> screens = {QRect(0, 0, 1920, 1040), QRect(1920, 0, 1280, 1000)};
    const Geometry g = sane(screens, {-5000, 100, 9000, 600});
    // Off every screen it moves near the primary corner, and takes two thirds of its width.
    EXPECT_EQ(g.x, 50);
    EXPECT_EQ(g.width, 1280);
    EXPECT_LE(g.width, 3200);
}

TEST(WindowSanity, ExtremeHostGeometryStaysInRange)
{
    const QList<QRect> screens = {QRect(0, 0, 1024, 768)};
    const int most = std::numeric_limits<int>::max();
    const int least = std::numeric_limits<int>::min();
    Geometry g = sane(screens, {10, most, most, most});
    EXPECT_EQ(g.y, 82);
    EXPECT_EQ(g.width, 682);
    EXPECT_EQ(g.height, 512);
    g = sane(screens, {least, least, least, least});
    EXPECT_EQ(g.x, 50);
    EXPECT_EQ(g.y, 82);
    // Far off on both sides of the desktop at once.
    g = sane({QRect(least / 2, 0, most, 768)}, {least, -10, most, 100});
    EXPECT_GE(g.width, 0);
}

TEST(WindowSanity, OffEveryScreenMovesNearThePrimaryCorner)
{
    const Geometry g = sane({QRect(0, 0, 1024, 768)}, {5000, 4000, 300, 200});
    EXPECT_EQ(g.x, 50);
    EXPECT_EQ(g.y, 82);
    // A title bar just above a screen still counts as on it.
    EXPECT_EQ(sane({QRect(0, 0, 1024, 768)}, {10, -20, 300, 200}).y, -20);
    // A screen left of the origin widens the desktop.
    const Geometry left =
        sane({QRect(0, 0, 1024, 768), QRect(-1280, 0, 1280, 1024)}, {-1000, 10, 2000, 900});
    EXPECT_EQ(left.x, -1000);
    EXPECT_EQ(left.width, 2000);
    EXPECT_EQ(left.height, 900);
    // No screens at all: everything falls back to the (empty) primary.
    const Geometry none = sane({}, {10, 10, 300, 200});
    EXPECT_EQ(none.x, 50);
    EXPECT_EQ(none.width, 0);
}

TEST_F(WindowExportsTest, SwitchesAndTheCurrentWindow)
{
    QtSetNextQtSense(0);
    EXPECT_EQ(QtGetNextQtSense(), 0);
    QtSetNextQtSense(1);
    EXPECT_EQ(QtGetNextQtSense(), 1);
    CuiSetIsQtWindow(7);
    EXPECT_EQ(QtIsQtWindow(), 0);
    CuiSetIsQtWindow(1);
    EXPECT_EQ(QtIsQtWindow(), 1);
    QtCreateNewCode(1);
    EXPECT_EQ(QtIsTopLevelWindow(), 1);
    QtCreateNewCode(0);
    EXPECT_EQ(QtIsNewCode(), 0);

    MainWindow *first = createFrame("Debugger", 1);
    MainWindow *second = createFrame("Debugger", 2);
    EXPECT_EQ(CuiGetCurrentCode(), second);
    CuiSetCurrentCode(first);
    EXPECT_EQ(Store::currentMainWindow(), first);
    int notAWindow = 0;
    CuiSetCurrentCode(&notAWindow);
    EXPECT_EQ(Store::currentMainWindow(), first);
    EXPECT_EQ(QtSetCurrentCodeFromBox(2), 1);
    EXPECT_EQ(QtSetCurrentCodeFromBox(99), 0);
    EXPECT_EQ(Store::currentMainWindow(), second);

    QtSetCodeTitle(1, "Core 0");
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Core 0"));
}

TEST_F(WindowExportsTest, DockWindowsAndTheOutputWindow)
{
    MainWindow *window = createFrame("Debugger", 3);
    QtCreateDocked(0, 0);
    QtWindowCreate("Output", nullptr, 40);
    ASSERT_EQ(window->dockList().size(), 1);
    DockWidget *output = window->dockList().at(0);
    output->hideOnly();
    EXPECT_EQ(QtShowOutputWindow(99), 0);
    EXPECT_EQ(QtShowOutputWindow(3), 1);
    EXPECT_FALSE(output->isHidden());

    // A widget the library never handed out is not taken in.
    QWidget stray;
    QtWindowCreate2("Stray", &stray, 41);
    EXPECT_EQ(window->dockList().size(), 1);
    int x = 0, y = 0, w = 0;
    CuiCheckWindowSizesAreSane(&x, &y, &w, nullptr);
    EXPECT_EQ(w, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(WindowExportsTest, PaneHandlesAndColourIndexes)
{
    MainWindow *window = createFrame("Debugger", 5);
    window->show();
    QtCreateDocked(0, 0);
    QtWindowCreate("Registers", nullptr, 50);
    DockWidget *dock = window->dockList().at(0);
    CuiPaneUndock(50);
    EXPECT_TRUE(dock->isFloating());
    CuiPaneDock(50);
    EXPECT_FALSE(dock->isFloating());
    CuiPaneHide(50);
    EXPECT_TRUE(dock->isHidden());
    CuiPaneDock(12345); // unknown: nothing

    // 19 wraps to colour 1; 18 and negative indexes clear.
    CuiWindowSetColorIndex(50, 19);
    EXPECT_EQ(dock->colour(), QColor(QRgb(0xFBA500)));
    CuiWindowSetColorIndex(50, 18);
    EXPECT_EQ(dock->colour(), QColor(QRgb(0)));
    CuiWindowSetColorIndex(50, -7);
    EXPECT_EQ(dock->colour(), QColor(QRgb(0)));

    CuiWindowHideFromBox(5);
    EXPECT_TRUE(window->isHidden());
    CuiWindowShowFromBox(5);
    EXPECT_FALSE(window->isHidden());

    QPointer<DockWidget> guard(dock);
    CuiPaneClose(50);
    EXPECT_TRUE(guard);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(guard);
}

// A host's boxes are pointer-sized: two whose low 32 bits agree name two panes, through the pane
// exports and the popup's generic options alike.
TEST_F(WindowExportsTest, BoxesThatDifferAbove32BitsReachTheirOwnDocks)
{
    MainWindow *window = createFrame("Debugger", 8);
    window->show();
    constexpr TeskHandle kLow = 0x5280;
    constexpr TeskHandle kHigh = kLow + (TeskHandle(1) << 32);
    QtCreateDocked(0, 0);
    QtWindowCreate("Low", nullptr, kLow);
    QtCreateDocked(0, 0);
    QtWindowCreate("High", nullptr, kHigh);
    ASSERT_EQ(window->dockList().size(), 2);
    QPointer<DockWidget> low(window->dockList().at(0));
    QPointer<DockWidget> high(window->dockList().at(1));

    CuiPaneUndock(kHigh);
    EXPECT_TRUE(high->isFloating());
    EXPECT_FALSE(low->isFloating());
    EXPECT_EQ(CuiPopupProcessGenericOption(kHigh, DockWidget::OptionDockFloat), 0);
    EXPECT_FALSE(high->isFloating());
    CuiPaneHide(kLow);
    EXPECT_TRUE(low->isHidden());
    EXPECT_FALSE(high->isHidden());
    CuiPaneClose(kHigh);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(high);
    EXPECT_TRUE(low);
}

TEST_F(WindowExportsTest, AWindowClosesWhileADockFloats)
{
    QPointer<MainWindow> window = createFrame("Debugger", 7);
    window->show();
    QtCreateDocked(0, 0);
    QtWindowCreate("Drawn", nullptr, 70);
    QtWindowCreate2("Given", tesk::handles::add(new QLabel(QStringLiteral("pane"))), 71);
    testhost::pumpFor(50);
    CuiPaneUndock(70);
    CuiPaneUndock(71);
    testhost::pumpFor(50);
    QtCloseCode(7);
    EXPECT_TRUE(testhost::pumpUntil([&] { return !window; }));
}

TEST_F(WindowExportsTest, ABoxReusedBeforeTheLoopNamesItsNewPane)
{
    MainWindow *window = createFrame("Debugger", 6);
    QtCreateDocked(0, 0);
    QtWindowCreate("Registers", nullptr, 60);
    CuiPaneClose(60);
    QtWindowCreate("Registers", nullptr, 60);
    ASSERT_EQ(window->dockList().size(), 1);
    QPointer<DockWidget> fresh(window->dockList().at(0));
    CuiPaneHide(60);
    EXPECT_TRUE(fresh->isHidden());
    CuiPaneClose(60);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(fresh);
}

namespace {

int g_reopened = 0;

// The host's box callback that names a new pane on its box as it hears the pane close.
void reopenOnClose(TeskHandle box, int *, int reason)
{
    if (reason != 0 || g_reopened++ > 0)
        return;
    QtCreateDocked(0, 0);
    QtWindowCreate("Registers", &reopenOnClose, box);
}

} // namespace

TEST_F(WindowExportsTest, APaneReopenedInItsOwnCloseNoticeIsTheBoxsPane)
{
    MainWindow *window = createFrame("Debugger", 8);
    g_reopened = 0;
    QtCreateDocked(0, 0);
    QtWindowCreate("Registers", &reopenOnClose, 62);
    ASSERT_EQ(window->dockList().size(), 1);
    QPointer<DockWidget> old(window->dockList().at(0));
    old->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(old);
    ASSERT_EQ(g_reopened, 1);
    ASSERT_EQ(window->dockList().size(), 1);
    QPointer<DockWidget> fresh(window->dockList().at(0));
    CuiPaneClose(62);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(fresh);
}
