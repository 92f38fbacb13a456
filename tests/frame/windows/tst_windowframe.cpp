// The window-box exports of the frames the host draws into: which frame a box reaches (a dock
// window's before a main window's), the getters' answers, plain tool tips, selections the
// host is not told of, the status position, toolkit panes in dock windows and the header font.
#include "frames.h"
#include "windboxhost.h"

#include "frame/core/cuihandles.h"
#include "frame/windows/docking/dockwidget.h"
#include "gui_components/gc_panes/panes/cuiksopane.h"
#include "gui_components/gc_panes/panes/ksowindbox.h"
#include "gui_components/gc_panes/panes/panetabbar.h"
#include "utilities/uheader.h"

#include <QLabel>

#include <climits>
#include <cstring>

using testhost::WindBoxHost;

namespace {

constexpr TeskHandle kMainBox = 0x7100;
constexpr TeskHandle kDockBox = 0x7200;
constexpr TeskHandle kPlainBox = 0x7300;
constexpr TeskHandle kUnknownBox = 0x7fff;

void noCode(TeskHandle, int *, int) {}

class WindowFrameTest : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        testhost::startLibrary();
        host().clear();
        host().publish();
        KSOWindBox::resetTables();
        host().box(kMainBox).tabBar = true;
        host().box(kMainBox).tabs = {"main 0", "main 1"};
        host().box(kDockBox).tabBar = true;
        host().box(kDockBox).tabs = {"dock 0"};
        window = createFrame("Debugger", kMainBox);
        QtRegisterCodeCB(&noCode, kMainBox);
        QtWindowCreate("Registers", &noCode, kDockBox);
        // A dock window whose frame has neither tabs nor scroll bar.
        QtWindowCreate("Plain", &noCode, kPlainBox);
        host().calls.clear();
    }
    void TearDown() override
    {
        FrameTest::TearDown();
        host().withdraw();
        host().clear();
    }
    static WindBoxHost &host() { return WindBoxHost::instance(); }

    CuiKSOPane *mainFrame() const { return qobject_cast<CuiKSOPane *>(window->pane()); }
    CuiKSOPane *dockFrame() const
    {
        return qobject_cast<CuiKSOPane *>(window->findDockWidgetByBox(kDockBox)->pane());
    }
    static CuiKSOPaneTabBar *tabs(CuiKSOPane *frame)
    {
        return frame->findChild<CuiKSOPaneTabBar *>();
    }

    MainWindow *window = nullptr;
};

} // namespace

TEST_F(WindowFrameTest, TabsReachTheFrameOfTheWindowThatHasTheBox)
{
    ASSERT_TRUE(mainFrame() && dockFrame());
    CuiWindowAddTab(kDockBox, 1, "dock \xc3\xa9", nullptr);
    EXPECT_EQ(tabs(dockFrame())->tabText(1), QStringLiteral("dock \u00e9"));
    EXPECT_EQ(mainFrame()->tabCount(), 2);
    CuiWindowAddTab(kMainBox, 0, nullptr, "");
    EXPECT_EQ(mainFrame()->tabCount(), 3);
    CuiWindowAddTab(kUnknownBox, 0, "lost", nullptr);
    EXPECT_EQ(mainFrame()->tabCount() + dockFrame()->tabCount(), 5);

    // Removal answers whether a window has the box, not whether the tab was there.
    EXPECT_EQ(CuiWindowRemoveTab(kUnknownBox, 0), 1);
    EXPECT_EQ(CuiWindowRemoveTab(kMainBox, 9), 0);
    EXPECT_EQ(mainFrame()->tabCount(), 3);
    EXPECT_EQ(CuiWindowRemoveTab(kMainBox, 0), 0);
    EXPECT_EQ(mainFrame()->tabCount(), 2);
    EXPECT_EQ(CuiWindowRemoveTab(kPlainBox, 0), 0);

    CuiWindowSetTabText(kDockBox, 0, "renamed");
    EXPECT_EQ(tabs(dockFrame())->tabText(0), QStringLiteral("renamed"));
    CuiWindowSetTabModifyFlag(kDockBox, 0, 1);
    CuiWindowSetTabModifyFlag(kDockBox, 0, 2);
    EXPECT_EQ(tabs(dockFrame())->tabText(0), QStringLiteral("* renamed"));
    CuiWindowSetTabModifyFlag(kDockBox, 0, 0);
    EXPECT_EQ(tabs(dockFrame())->tabText(0), QStringLiteral("renamed"));

    // The host chose the tab: it is not told of it again.
    CuiWindowSetTabCurrent(kDockBox, 1);
    EXPECT_EQ(tabs(dockFrame())->currentIndex(), 1);
    CuiWindowSetTabCurrent(kDockBox, INT_MAX);
    EXPECT_EQ(tabs(dockFrame())->currentIndex(), 1);
    EXPECT_EQ(host().count("tabSelected"), 0);
}

TEST_F(WindowFrameTest, ToolTipsArePlainTextAndHostMarksStayHidden)
{
    CuiWindowSetTabTooltip(kMainBox, 0, "<img src=\"/dev/zero\"> and <b>more</b>");
    const QString shown = tabs(mainFrame())->tabToolTip(0);
    EXPECT_TRUE(shown.contains(QStringLiteral("&lt;img"))) << qPrintable(shown);
    EXPECT_FALSE(shown.contains(QStringLiteral("<img")));
    CuiWindowSetTabTooltip(kMainBox, 1, "$internal");
    EXPECT_TRUE(tabs(mainFrame())->tabToolTip(1).isEmpty());
}

TEST_F(WindowFrameTest, ScrollGettersAnswerWhetherAWindowHasTheBox)
{
    int min = -7, max = -7, page = -7, position = -7;
    EXPECT_EQ(CuiWindowGetHScrollMinMaxValues(kUnknownBox, &min, &max), 1);
    EXPECT_EQ(CuiWindowGetHScrollPageSize(kUnknownBox, &page), 1);
    EXPECT_EQ(CuiWindowGetHScrollPosition(kUnknownBox, &position), 1);
    // A frame without a scroll bar: found, outputs untouched.
    EXPECT_EQ(CuiWindowGetHScrollMinMaxValues(kPlainBox, &min, &max), 0);
    EXPECT_EQ(CuiWindowGetHScrollPosition(kPlainBox, &position), 0);
    EXPECT_EQ(min, -7);
    EXPECT_EQ(position, -7);

    CuiWindowSetHScrollMinMaxValues(kDockBox, 0, 50);
    CuiWindowSetHScrollPageSize(kDockBox, 100);
    EXPECT_EQ(CuiWindowGetHScrollMinMaxValues(kDockBox, &min, &max), 0);
    EXPECT_EQ(min, 0);
    EXPECT_EQ(max, 50);
    EXPECT_EQ(CuiWindowGetHScrollPageSize(kDockBox, &page), 0);
    EXPECT_EQ(page, 100);
    EXPECT_EQ(CuiWindowGetHScrollMinMaxValues(kDockBox, &min, nullptr), 0);

    // A position the host sets is no move of the user's.
    CuiWindowSetHScrollMinMaxValues(kMainBox, 0, 200);
    CuiWindowSetHScrollPosition(kMainBox, 30);
    EXPECT_EQ(CuiWindowGetHScrollPosition(kMainBox, &position), 0);
    EXPECT_EQ(position, 30);
    EXPECT_EQ(host().count("horizontalDelta"), 0);
}

TEST_F(WindowFrameTest, StatusPositionGoesToTheWindowOfTheBox)
{
    MainWindow *second = createFrame("Debugger", 0x7500);
    ASSERT_EQ(Store::currentMainWindow(), second);
    CuiWindowSetStatusPosition(kMainBox, 12, 4);
    EXPECT_EQ(Store::currentMainWindow(), window);
    ASSERT_NE(window->positionLabel(), nullptr);
    EXPECT_EQ(window->positionLabel()->text(), QStringLiteral("Ln 12, Col 4"));
    // A dock window's box names no main window.
    CuiWindowSetStatusPosition(kDockBox, 1, 1);
    EXPECT_EQ(window->positionLabel()->text(), QStringLiteral("Ln 12, Col 4"));
}

TEST_F(WindowFrameTest, ToolkitPanesGoToTheCallingWindow)
{
    FakeMenus menus;
    MainWindow *first = createFrame("Debugger", 0x7600);
    MainWindow *second = createFrame("Debugger", 0x7700);
    auto *pane = new QLabel(QStringLiteral("ready-made"));
    void *paneHandle = tesk::handles::add(pane);
    QLabel stray;
    EXPECT_EQ(CuiWindowCreateQtPane("Stray", &stray, nullptr, 0x7801), nullptr);

    void *dockHandle = nullptr;
    FakeMenuManager::onCommand = [&](int) {
        dockHandle = CuiWindowCreateQtPane("Ready", paneHandle, &noCode, 0x7800);
    };
    static_cast<FakeMenuManager *>(first->menuManager())->run(1);
    auto *dock = qobject_cast<DockWidget *>(tesk::handles::object(dockHandle));
    ASSERT_NE(dock, nullptr);
    EXPECT_EQ(dock->mainWindow(), first);
    EXPECT_TRUE(second->dockList().isEmpty());
    EXPECT_TRUE(dock->isAncestorOf(pane));
    // The box reaches the dock window, but a toolkit pane has no tabs to drive.
    EXPECT_EQ(CuiWindowRemoveTab(0x7800, 0), 0);
    CuiWindowAddTab(0x7800, 0, "none", nullptr);

    // A dock window is no pane to nest in another one.
    void *nested = &nested;
    FakeMenuManager::onCommand = [&](int) {
        nested = CuiWindowCreateQtPane("Nested", dockHandle, &noCode, 0x7802);
        QtWindowCreate2("Nested", dockHandle, 0x7803);
    };
    static_cast<FakeMenuManager *>(first->menuManager())->run(1);
    EXPECT_EQ(nested, nullptr);
    EXPECT_EQ(first->dockList().size(), 1);
    EXPECT_EQ(dock->mainWindow(), first);
}

TEST(HeaderFont, FamilyIsCopiedWithinTheBuffer)
{
    testhost::startLibrary();
    const QFontInfo info = UHeader().fontInfo();
    const QByteArray family = info.family().toLatin1();
    char buffer[256];
    std::memset(buffer, 'x', sizeof buffer);
    int pixelSize = -1;
    EXPECT_EQ(CuiHeaderGetFontInfo(0, buffer, &pixelSize), 1);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(pixelSize, -1);
    EXPECT_EQ(CuiHeaderGetFontInfo(sizeof buffer, buffer, nullptr), 1);
    EXPECT_EQ(buffer[0], 'x');

    EXPECT_EQ(CuiHeaderGetFontInfo(sizeof buffer, buffer, &pixelSize), 0);
    EXPECT_EQ(QByteArray(buffer), family);
    EXPECT_EQ(pixelSize, info.pixelSize());

    ASSERT_GE(family.size(), 4);
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(CuiHeaderGetFontInfo(4, buffer, &pixelSize), 1);
    EXPECT_EQ(QByteArray(buffer), family.left(3));
    EXPECT_EQ(buffer[4], 'x');
}
