// The window exports that look dock windows up by index, name and box, size and place main,
// top-level and dock windows by handle, close a main window, move the focus and measure the
// desktop.
#include "frames.h"

#include "frame/windows/docking/docklayout.h"
#include "frame/windows/docking/dockwidget.h"
#include "system/freearea.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include <climits>
#include <vector>

namespace {

std::vector<std::pair<TeskHandle, int>> g_focusCalls;

void recordFocus(TeskHandle box, int *, int reason)
{
    if (reason == 3)
        g_focusCalls.emplace_back(box, reason);
}

class WindowLookupTest : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        g_focusCalls.clear();
        window = createFrame("Debugger", 1);
        window->show();
    }

    // Three dock windows: "Memory" (box 10), "Registers" (11) and a second "Memory" (12).
    void createDocks()
    {
        QtWindowCreate("Memory", &recordFocus, 10);
        QtWindowCreate("Registers", &recordFocus, 11);
        QtWindowCreate("Memory", &recordFocus, 12);
    }

    MainWindow *window = nullptr;
};

} // namespace

TEST_F(WindowLookupTest, DockWindowsByIndexAndName)
{
    createDocks();
    EXPECT_EQ(QtGetWindowBox(1, 1), 11);
    EXPECT_STREQ(QtGetWindowTitle(1, 2), "Memory_1");
    for (int outside : {-1, 3, INT_MAX, INT_MIN}) {
        EXPECT_EQ(QtGetWindowBox(1, outside), 0);
        EXPECT_STREQ(QtGetWindowTitle(1, outside), "");
        EXPECT_STREQ(QtReturnKSOTitle(1, outside), "");
    }
    QtSortWindowList(1);
    // The host's name, not the caption made unique.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(QByteArray(QtReturnKSOTitle(1, i)),
                  window->sortedDockList().at(i)->name().toLatin1());
    EXPECT_STREQ(QtReturnKSOTitle(1, 2), "Memory");

    EXPECT_EQ(QtFindWindowByKSOName(1, "Registers"), 11);
    EXPECT_EQ(QtFindWindowByKSOName(1, "Memory"), 10);
    EXPECT_EQ(QtFindWindowByKSOName(1, "Memory_1"), 0);
    EXPECT_EQ(QtFindWindowByKSOName(1, nullptr), 0);

    // A dock window's box leads to its main window; any other box comes back as it is.
    MainWindow *second = createFrame("Debugger", 2);
    QtWindowCreate("Output", &recordFocus, 20);
    EXPECT_EQ(Store::currentMainWindow(), second);
    EXPECT_EQ(QtFindCodeWinFromPane(11), 1);
    EXPECT_EQ(QtFindCodeWinFromPane(20), 2);
    EXPECT_EQ(QtFindCodeWinFromPane(99), 99);
}

TEST_F(WindowLookupTest, TheGotoMarkChoosesTheWindowThatShowsData)
{
    createDocks();
    // The newest "Memory" stops taking data; the first one, hidden, is shown for it.
    QtSetGoto(0, 1);
    EXPECT_FALSE(window->dockList().at(2)->isGoto());
    window->dockList().at(0)->hideOnly();
    EXPECT_EQ(QtFindGotoWindowToShowData(1, "Memory"), 10);
    EXPECT_FALSE(window->dockList().at(0)->isHidden());
    EXPECT_EQ(QtFindGotoWindowToShowData(1, "Registers"), 0);

    // Only a main window with the handle: the current window is not taken instead.
    QtSetGoto(1, 77);
    EXPECT_FALSE(window->dockList().at(2)->isGoto());
    EXPECT_EQ(QtFindGotoWindowToShowData(77, "Memory"), 0);
    QtSetGoto(1, 1);
    EXPECT_TRUE(window->dockList().at(2)->isGoto());
}

TEST_F(WindowLookupTest, ExtentsOfTheNewestDockWindow)
{
    EXPECT_EQ(QtGetWindWidth(), -1);
    EXPECT_EQ(QtGetWindHeight(), -1);
    QtSetCurrentWindowHeight(); // no dock window: nothing
    window->resize(800, 600);
    QtCreateDocked(2, 0);
    QtWindowCreate("Output", nullptr, 30);
    QtSetCurrentWindowHeight();
    EXPECT_EQ(QtGetWindHeight(), 600 / 4 - 2);
    const QSize extent = window->dockLayout().extent(window->currentDockWidget());
    EXPECT_EQ(QtGetWindWidth(), extent.width());
    EXPECT_EQ(window->size(), QSize(800, 600));
}

// The size the user drags a dock window to is what the host is told at once, not after the next
// sort of the window list; and setting the newest dock's height leaves the user's width.
TEST_F(WindowLookupTest, ExtentsFollowTheUsersDragBeforeAnySort)
{
    window->resize(900, 700);
    QtCreateDocked(0, 0);
    QtWindowCreate("Output", nullptr, 31);
    // The host gives the new dock its height once, as it does after making one.
    QtSetCurrentWindowHeight();
    testhost::settle();
    QDockWidget *dock = window->currentDockWidget();
    ASSERT_TRUE(dock && dock->isVisible());
    const int before = QtGetWindWidth();
    ASSERT_EQ(before, dock->width());
    // The separator between the window's centre and the dock on its right.
    const QWidget *centre = window->centralWidget();
    const int edge = centre ? (centre->geometry().right() + dock->geometry().left()) / 2
                            : dock->geometry().left() - 2;
    testhost::dragOnWindow(window, QPoint(edge, dock->geometry().center().y()), QPoint(-80, 0));
    const int dragged = dock->width();
    ASSERT_GT(dragged, before + 40) << "the drag did not reach the separator";
    EXPECT_EQ(QtGetWindWidth(), dragged);
    EXPECT_EQ(QtGetWindHeight(), dock->height() - 2);

    QtSetCurrentWindowHeight();
    testhost::settle();
    EXPECT_EQ(dock->width(), dragged);
    EXPECT_EQ(QtGetWindWidth(), dragged);
    EXPECT_EQ(QtGetWindHeight(), dock->height() - 2);
}

TEST_F(WindowLookupTest, SizesAndPlacesByHandle)
{
    int x = -9, y = -9, width = -9, height = -9, minimised = -9;
    QtResizePosWindow(1, 30, 40, 500, 400);
    EXPECT_EQ(QtGetSizePos(1, &x, &y, &width, &height, &minimised), 0);
    EXPECT_EQ(QRect(x, y, width, height), QRect(window->x(), window->y(), 500, 400));
    EXPECT_EQ(window->pos(), QPoint(30, 40));
    EXPECT_EQ(minimised, 0);
    EXPECT_EQ(QtResizeWindowByBox(1, 640, -5), 1);
    EXPECT_EQ(window->width(), 640);
    // No larger than the desktop: the pixels of a larger window would still be allocated.
    const QSize desktop = QGuiApplication::primaryScreen()->virtualGeometry().size();
    EXPECT_EQ(QtResizeWindowByBox(1, INT_MAX, INT_MAX), 1);
    EXPECT_EQ(window->frameGeometry().size(), desktop);

    // A top-level window reports where its frame stands, as the host gives it back.
    QtTopLevelCreate(700, nullptr, 0);
    QMainWindow *top = Store::currentTopLevelWindow();
    ASSERT_TRUE(top);
    top->move(100, 100);
    top->hide();
    EXPECT_EQ(QtGetSizePos(700, &x, &y, &width, &height, &minimised), 0);
    EXPECT_EQ(QPoint(x, y), QPoint(100, 100));
    EXPECT_EQ(QtRaiseWindowByBox(700), 0);
    EXPECT_TRUE(top->isVisible());
    EXPECT_EQ(QtResizeWindowByBox(700, 300, 200), 1);
    EXPECT_EQ(top->size(), QSize(300, 200));
    QtResizePosWindow(700, 5, 5, 10, 10);
    EXPECT_EQ(top->size(), QSize(300, 200));

    window->hide();
    EXPECT_EQ(QtRaiseWindowByBox(1), 1);
    EXPECT_TRUE(window->isVisible());

    // No window: nothing written, and a null output refuses the call.
    x = -9;
    EXPECT_EQ(QtGetSizePos(5555, &x, &y, &width, &height, &minimised), 0);
    EXPECT_EQ(QtGetSizePos(1, &x, &y, &width, &height, nullptr), 0);
    EXPECT_EQ(x, -9);
    EXPECT_EQ(QtResizeWindowByBox(5555, 10, 10), 0);
    EXPECT_EQ(QtRaiseWindowByBox(5555), 0);
}

TEST_F(WindowLookupTest, AnyOtherHandleSizesTheDockWindowOfThatBox)
{
    QtWindowCreate("Floating", nullptr, 40);
    QtWindowCreate("Docked", nullptr, 41);
    DockWidget *floating = window->dockList().at(0);
    floating->undock();
    QtResizePosWindow(40, 0, 0, 320, 240);
    EXPECT_EQ(floating->size(), QSize(320, 240));
    QtResizePosWindow(41, 0, 0, 210, 150);
    EXPECT_EQ(window->dockLayout().extent(window->dockList().at(1)), QSize(210, 150));
    // Cut to the screen, its frame included.
    QtResizePosWindow(40, 0, 0, INT_MAX, INT_MAX);
    EXPECT_EQ(floating->frameGeometry().size(),
              QGuiApplication::primaryScreen()->availableGeometry().size());
}

TEST_F(WindowLookupTest, ClosingAWindowTakesItsDockWindowsAndHandsOnTheCurrentOne)
{
    QtWindowCreate("Registers", nullptr, 50);
    QPointer<DockWidget> dock(window->dockList().at(0));
    MainWindow *second = createFrame("Debugger", 2);
    Store::setCurrentMainWindow(window);

    // A handle no window has closes nothing, not even the current window.
    QtCloseCode(5555);
    testhost::settle();
    EXPECT_EQ(Store::instance()->mainWindows().size(), 2);

    QPointer<MainWindow> closing(window);
    QtCloseCode(1);
    EXPECT_EQ(Store::currentMainWindow(), second);
    EXPECT_TRUE(window->dockList().isEmpty());
    // The host makes the pane again on the same box at once: the pane exports reach the new
    // dock, not the one going.
    QtWindowCreate("Registers", nullptr, 50);
    ASSERT_EQ(second->dockList().size(), 1);
    QPointer<DockWidget> again(second->dockList().at(0));
    testhost::settle();
    EXPECT_FALSE(closing);
    EXPECT_FALSE(dock);
    EXPECT_EQ(Store::instance()->mainWindows(), QList<MainWindow *>{second});
    CuiPaneHide(50);
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->isHidden());
}

TEST_F(WindowLookupTest, FocusInABoxGoesToItsDockWindowOrFrame)
{
    QtRegisterCodeCB(&recordFocus, 1);
    QtWindowCreate("Registers", &recordFocus, 60);
    CuiNotifyQtWidgetAboutSetFocusInBox(60);
    ASSERT_EQ(g_focusCalls.size(), 1u);
    EXPECT_EQ(g_focusCalls.back().first, 60);
    CuiNotifyQtWidgetAboutSetFocusInBox(1);
    ASSERT_EQ(g_focusCalls.size(), 2u);
    EXPECT_EQ(g_focusCalls.back().first, 1);
    CuiNotifyQtWidgetAboutSetFocusInBox(5555);
    EXPECT_EQ(g_focusCalls.size(), 2u);
}

TEST_F(WindowLookupTest, DesktopSizeOfExistingScreensOnly)
{
    const QRect primary = QGuiApplication::primaryScreen()->availableGeometry();
    int width = -1, height = -1;
    EXPECT_EQ(CuiGetDesktopSize(99, &width, &height), 0);
    EXPECT_EQ(QSize(width, height), primary.size());
    width = -1;
    const int count = int(QGuiApplication::screens().size());
    EXPECT_EQ(CuiGetDesktopSize(count, &width, &height), 1);
    EXPECT_EQ(CuiGetDesktopSize(-1, &width, &height), 1);
    EXPECT_EQ(CuiGetDesktopSize(0, &width, nullptr), 1);
    EXPECT_EQ(width, -1);
}

// A host that stores its window's place at an early exit reads it before the show: a main
// window it gave no size reads the size the show gives it, not the toolkit's first size.
using MainWindowBeforeTheShow = FrameTest;

TEST_F(MainWindowBeforeTheShow, ReadsThePlaceTheShowGivesIt)
{
    MainWindow *window = createFrame("Debugger", 1);
    ASSERT_TRUE(window);
    QtCreateDocked(0, 0);
    QtWindowCreate("Registers", &recordFocus, 11);
    int x = -9, y = -9, width = -9, height = -9, minimised = -9;
    QtGetSizePos(1, &x, &y, &width, &height, &minimised);
    QtFrameShow();
    testhost::settle();
    EXPECT_EQ(QRect(x, y, width, height),
              QRect(tesk::system::framePosition(window), window->size()));
    // Once shown, what it shows.
    QtResizePosWindow(1, 10, 20, 700, 450);
    QtGetSizePos(1, &x, &y, &width, &height, &minimised);
    EXPECT_EQ(QRect(x, y, width, height), QRect(10, 20, 700, 450));
}
