// The tabbed pane frame: building from the window box, the scroll rule, tool-tip marks, the
// tab menu, what the host hears of tab presses, resizes and focus.
#include "gui_components/gc_panes/panes/cuiksopane.h"
#include "gui_components/gc_panes/panes/panetabbar.h"

#include "frame/core/cuidebuginfo.h"
#include "frame/core/services.h"
#include "frames.h"
#include "modalanswers.h"
#include "testhost.h"
#include "windboxhost.h"

#include <QDragMoveEvent>
#include <QLCDNumber>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>

using testhost::WindBoxHost;

namespace {

constexpr TeskHandle kBox = 0x7000;

struct CodeCall
{
    TeskHandle box;
    int rect[4];
    int reason;
};
std::vector<CodeCall> g_codeCalls;
std::function<void()> g_onCode;

void recordCode(TeskHandle box, int *rect, int reason)
{
    g_codeCalls.push_back({box, {rect[0], rect[1], rect[2], rect[3]}, reason});
    if (g_onCode)
        g_onCode();
}

class KSOPaneTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testhost::startLibrary();
        host().clear();
        host().publish();
        KSOWindBox::resetTables();
        g_codeCalls.clear();
        g_onCode = nullptr;
    }
    void TearDown() override
    {
        pane.reset();
        g_onCode = nullptr;
        host().withdraw();
        host().clear();
    }
    static WindBoxHost &host() { return WindBoxHost::instance(); }

    // A frame built from kBox with the given tabs, shown at a fixed size.
    CuiKSOPane *build(std::vector<std::string> tabs, bool show = true)
    {
        auto &model = host().box(kBox);
        model.tabBar = true;
        model.tabs = std::move(tabs);
        pane = std::make_unique<CuiKSOPane>(nullptr, "CuiKSOPane");
        pane->setCodeCallback(&recordCode);
        pane->setWindBox(KSOWindBox(kBox));
        pane->build();
        if (show) {
            pane->resize(400, 300);
            pane->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(pane.get()));
        }
        host().calls.clear();
        g_codeCalls.clear();
        return pane.get();
    }
    QScrollBar *scrollBar() const
    {
        return pane->findChild<QScrollBar *>(QStringLiteral("CuiKSOPane::horizontalScrollBar"));
    }
    CuiKSOPaneTabBar *tabBar() const
    {
        return pane->findChild<CuiKSOPaneTabBar *>(QStringLiteral("CuiKSOPane::CuiKSOPaneTabBar"));
    }
    void press(Qt::MouseButton button, int tab)
    {
        QTest::mouseClick(tabBar(), button, {}, tabBar()->tabRect(tab).center());
    }

    std::unique_ptr<CuiKSOPane> pane;
};

} // namespace

TEST_F(KSOPaneTest, BuildsWhatTheWindowBoxAsksFor)
{
    auto &model = host().box(kBox);
    model.header = true;
    model.headerLabels = {"Address", "Value"};
    model.toolTips = {"", "first tip"};
    build({"main.c", "util.c"});
    ASSERT_NE(scrollBar(), nullptr);
    ASSERT_NE(tabBar(), nullptr);
    EXPECT_NE(pane->findChild<QWidget *>(QStringLiteral("CuiKSOPane::mainPane")), nullptr);
    EXPECT_TRUE(pane->hasHeader());
    EXPECT_EQ(tabBar()->count(), 2);
    EXPECT_EQ(tabBar()->tabText(1), "util.c");
    EXPECT_EQ(tabBar()->tabToolTip(1), "first tip");
    EXPECT_EQ(tabBar()->tabData(1).toInt(), 1);
    EXPECT_EQ(tabBar()->shape(), QTabBar::RoundedSouth);

    // A box without tab bar: no scroll bar, and the getters leave their outputs alone.
    host().box(kBox + 1);
    CuiKSOPane plain;
    plain.setWindBox(KSOWindBox(kBox + 1));
    plain.build();
    int min = -5, max = -5, value = -5;
    EXPECT_FALSE(plain.getHScrollMinMaxValues(&min, &max));
    EXPECT_FALSE(plain.getHScrollPosition(&value));
    EXPECT_EQ(min + max + value, -15);
    EXPECT_FALSE(plain.removeTab(0));
    EXPECT_FALSE(plain.setTabCurrent(0));
}

TEST_F(KSOPaneTest, ScrollRule)
{
    build({"a"});
    QScrollBar *bar = scrollBar();
    ASSERT_NE(bar, nullptr);
    // Untouched: enabled over 0..79, although the stored state says disabled.
    EXPECT_TRUE(bar->isEnabled());
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 79);
    EXPECT_EQ(bar->pageStep(), 1);
    EXPECT_EQ(bar->value(), 0);

    // A page larger than the range keeps the maximum and disables the bar at the minimum only.
    pane->setHScrollMinMaxValues(0, 50);
    pane->setHScrollPageSize(100);
    EXPECT_EQ(bar->maximum(), 50);
    EXPECT_FALSE(bar->isEnabled());
    pane->setHScrollPosition(10);
    EXPECT_TRUE(bar->isEnabled());
    int page = 0;
    EXPECT_TRUE(pane->getHScrollPageSize(&page));
    EXPECT_EQ(page, 100);

    // A page inside the range leaves max + 1 - page.
    pane->setHScrollMinMaxValues(0, 200);
    pane->setHScrollPageSize(20);
    int min = 0, max = 0;
    EXPECT_TRUE(pane->getHScrollMinMaxValues(&min, &max));
    EXPECT_EQ(max, 181);
}

TEST_F(KSOPaneTest, ScrollRuleAtItsBoundary)
{
    build({"a"});
    QScrollBar *bar = scrollBar();
    ASSERT_NE(bar, nullptr);
    // One short of a page, off a minimum other than 0: the maximum stays and the bar is off
    // while it rests on the minimum.
    pane->setHScrollPageSize(100);
    pane->setHScrollMinMaxValues(10, 109);
    EXPECT_EQ(bar->minimum(), 10);
    EXPECT_EQ(bar->maximum(), 109);
    EXPECT_EQ(bar->value(), 10);
    EXPECT_FALSE(bar->isEnabled());
    pane->setHScrollPosition(11);
    EXPECT_TRUE(bar->isEnabled());
    pane->setHScrollPosition(10);
    pane->setHScrollMinMaxValues(10, 109); // re-evaluated at the minimum
    EXPECT_FALSE(bar->isEnabled());

    // Exactly a page: the other branch, max + 1 - page, and on again at the minimum.
    pane->setHScrollMinMaxValues(10, 110);
    EXPECT_EQ(bar->maximum(), 11);
    EXPECT_TRUE(bar->isEnabled());

    // A maximum below the minimum is a huge unsigned range, never a small one.
    pane->setHScrollPageSize(5);
    pane->setHScrollMinMaxValues(50, 40);
    EXPECT_TRUE(bar->isEnabled());
}

TEST_F(KSOPaneTest, ExtremeBoundsDoNotOverflow)
{
    build({"a"});
    pane->setHScrollPageSize(0);
    pane->setHScrollMinMaxValues(0, INT_MAX);
    EXPECT_EQ(scrollBar()->maximum(), INT_MAX);
    pane->setHScrollMinMaxValues(INT_MIN, INT_MAX);
    pane->setHScrollPageSize(1);
    EXPECT_EQ(scrollBar()->minimum(), INT_MIN);
    EXPECT_EQ(scrollBar()->maximum(), INT_MAX);
    pane->setHScrollPosition(INT_MIN);
    scrollBar()->setValue(INT_MAX);
    ASSERT_EQ(host().count("horizontalDelta"), 1);
    EXPECT_EQ(host().calls.back().argument, INT_MAX);
}

TEST_F(KSOPaneTest, OnlyTheUsersMovesReachTheHostAsDeltas)
{
    build({"a"});
    pane->setHScrollPosition(10);
    EXPECT_EQ(scrollBar()->value(), 10);
    EXPECT_EQ(host().count("horizontalDelta"), 0);
    pane->setHScrollPosition(10);

    // What the bar reports when the user lets go of the slider at 25.
    scrollBar()->setValue(25);
    ASSERT_EQ(host().count("horizontalDelta"), 1);
    EXPECT_EQ(host().calls.back().argument, 15);
    int position = 0;
    EXPECT_TRUE(pane->getHScrollPosition(&position));
    EXPECT_EQ(position, 25);

    scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(host().count("horizontalDelta"), 2);
    EXPECT_EQ(host().calls.back().argument, -1);
}

TEST_F(KSOPaneTest, ToolTipMarks)
{
    const QString label = tesk::core::frameServices().contextMenuLabel(QStringLiteral("#101"));
    ASSERT_FALSE(label.isEmpty());
    host().box(kBox).toolTips = {"$hidden", "#101"};
    build({"a", "b"});
    EXPECT_TRUE(tabBar()->tabToolTip(0).isEmpty());
    EXPECT_EQ(tabBar()->tabToolTip(1), label);

    pane->addTab(2, QStringLiteral("c"), QStringLiteral("$x"));
    pane->addTab(3, QStringLiteral("d"), QStringLiteral("plain"));
    EXPECT_TRUE(tabBar()->tabToolTip(2).isEmpty());
    EXPECT_EQ(tabBar()->tabToolTip(3), "plain");
    pane->setTabTooltip(3, QStringLiteral("#101"));
    EXPECT_EQ(tabBar()->tabToolTip(3), label);
}

TEST_F(KSOPaneTest, TabsAreRenumberedAndMarkedModified)
{
    build({"a", "b"});
    pane->addTab(0, QStringLiteral("first"), QString());
    EXPECT_EQ(pane->tabCount(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(tabBar()->tabData(i).toInt(), i);

    EXPECT_TRUE(pane->setTabModifyFlag(1, 1));
    EXPECT_TRUE(pane->setTabModifyFlag(1, 1));
    EXPECT_EQ(tabBar()->tabText(1), "* a");
    EXPECT_TRUE(pane->setTabModifyFlag(1, 7));
    EXPECT_EQ(tabBar()->tabText(1), "* a");
    EXPECT_TRUE(pane->setTabModifyFlag(1, 0));
    EXPECT_EQ(tabBar()->tabText(1), "a");
    EXPECT_TRUE(pane->setTabModifyFlag(1, 2));
    EXPECT_EQ(tabBar()->tabText(1), "* a");
    EXPECT_FALSE(pane->setTabModifyFlag(3, 1));

    EXPECT_FALSE(pane->removeTab(3));
    EXPECT_TRUE(pane->removeTab(0));
    EXPECT_EQ(pane->tabCount(), 2);
    EXPECT_EQ(tabBar()->tabText(0), "* a");
}

TEST_F(KSOPaneTest, HostHearsOfPressedTabsButNotOfItsOwnSelection)
{
    build({"a", "b", "c"});
    EXPECT_TRUE(pane->setTabCurrent(1));
    EXPECT_EQ(tabBar()->currentIndex(), 1);
    EXPECT_FALSE(pane->setTabCurrent(5));
    testhost::pumpFor(20);
    EXPECT_EQ(host().count("tabSelected"), 0);

    press(Qt::LeftButton, 2);
    EXPECT_TRUE(testhost::pumpUntil([] { return WindBoxHost::instance().count("tabSelected"); }));
    EXPECT_EQ(host().calls.back().argument, 2);
    EXPECT_EQ(tabBar()->currentIndex(), 2);
    EXPECT_EQ(host().count("allowsTabMenu"), 0);
}

TEST_F(KSOPaneTest, RightPressSelectsThenOffersClose)
{
    build({"a", "b", "c"});
    testhost::ModalAnswers answers;
    QStringList items;
    answers.setHandler([&](const testhost::ModalAnswers::Request &request) {
        auto *menu = qobject_cast<QMenu *>(request.widget.data());
        ASSERT_NE(menu, nullptr);
        for (QAction *action : menu->actions())
            items << action->text();
        menu->setActiveAction(menu->actions().value(0));
        QTest::keyClick(menu, Qt::Key_Return);
    });
    press(Qt::RightButton, 2);
    EXPECT_TRUE(testhost::pumpUntil([] { return WindBoxHost::instance().count("closeTab"); }));
    EXPECT_EQ(items, QStringList({"Close"}));
    EXPECT_EQ(host().entries(),
              std::vector<std::string>({"tabSelected", "allowsTabMenu", "closeTab"}));
    for (const auto &call : host().calls)
        EXPECT_EQ(call.argument, 2);
    EXPECT_NE(tabBar()->currentIndex(), 2); // the right press is consumed

    // A box that refuses the menu shows none.
    host().calls.clear();
    host().box(kBox).allowsTabMenu = false;
    press(Qt::RightButton, 1);
    EXPECT_TRUE(testhost::pumpUntil([] { return WindBoxHost::instance().count("allowsTabMenu"); }));
    testhost::pumpFor(20);
    EXPECT_EQ(host().count("closeTab"), 0);
    EXPECT_EQ(answers.seen().size(), 1u);
}

TEST_F(KSOPaneTest, PressOnATabRemovedBeforeItIsReportedIsDropped)
{
    build({"a", "b", "c"});
    testhost::ModalAnswers answers;
    press(Qt::RightButton, 2);
    pane->removeTab(2);
    testhost::pumpFor(50);
    EXPECT_EQ(host().count("tabSelected"), 0);
    EXPECT_EQ(host().count("allowsTabMenu"), 0);
    EXPECT_TRUE(answers.seen().empty());
}

TEST_F(KSOPaneTest, ResizeTellsTheHostTheAreaLeft)
{
    build({});
    ASSERT_NE(tabBar(), nullptr);
    pane->resize(300, 200);
    ASSERT_TRUE(testhost::pumpUntil([] { return !g_codeCalls.empty(); }));
    EXPECT_TRUE(tabBar()->isHidden());
    const CodeCall &call = g_codeCalls.back();
    EXPECT_EQ(call.box, kBox);
    EXPECT_EQ(call.reason, 1);
    EXPECT_EQ(call.rect[2], 300);
    EXPECT_EQ(call.rect[3], 200 - scrollBar()->height());

    pane->addTab(0, QStringLiteral("a"), QString());
    g_codeCalls.clear();
    pane->resize(300, 220);
    ASSERT_TRUE(testhost::pumpUntil([] { return !g_codeCalls.empty(); }));
    EXPECT_FALSE(tabBar()->isHidden());
    EXPECT_EQ(g_codeCalls.back().rect[3], 220 - scrollBar()->height() - tabBar()->height());
}

TEST_F(KSOPaneTest, FocusRequestFromInsideTheCallbackDoesNothing)
{
    build({"a"});
    g_onCode = [this] { pane->setFocus(); };
    pane->setFocus();
    int focusCalls = 0;
    for (const CodeCall &call : g_codeCalls)
        focusCalls += call.reason == 3;
    EXPECT_EQ(focusCalls, 1);
    g_onCode = nullptr;
    pane->setFocus();
    focusCalls = 0;
    for (const CodeCall &call : g_codeCalls)
        focusCalls += call.reason == 3;
    EXPECT_EQ(focusCalls, 2);
}

TEST_F(KSOPaneTest, DebugFlagsShapeTheFrame)
{
    qputenv("TESK_DEBUG", "+T1,+T2,+L1,+M0");
    CuiDebugInfo::reset();
    host().box(kBox).tabsOnTop = true;
    build({"a", "b"});
    qunsetenv("TESK_DEBUG");
    EXPECT_EQ(tabBar()->shape(), QTabBar::TriangularNorth);
    auto *display = pane->findChild<QLCDNumber *>(QStringLiteral("CUI::cuiksopane_horiz_LCD"));
    ASSERT_NE(display, nullptr);
    scrollBar()->setValue(7);
    EXPECT_EQ(display->intValue(), 7);

    testhost::ModalAnswers answers;
    press(Qt::RightButton, 1);
    EXPECT_TRUE(testhost::pumpUntil([] { return WindBoxHost::instance().count("tabSelected"); }));
    testhost::pumpFor(20);
    EXPECT_TRUE(answers.seen().empty());
    CuiDebugInfo::reset();
}

TEST_F(KSOPaneTest, DragsAreOfferedToTheWindowBox)
{
    build({"a"});
    QMimeData data;
    data.setText(QStringLiteral("symbol"));
    QDragMoveEvent move(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Straight to the handlers: the application hands a move only to the widget that took the
    // drag's enter.
    QObject *receiver = pane.get();
    receiver->event(&move);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    receiver->event(&drop);
    EXPECT_EQ(host().entries(), std::vector<std::string>({"dragMove", "drop"}));
}

namespace {

// The box's answers to the drag's questions, one per question, and how many it was asked.
std::vector<int> g_dragAnswers;
int g_dragQuestions = 0;

int answerDrag(TeskHandle, int, int, int, const char *)
{
    const int question = g_dragQuestions++;
    return question < int(g_dragAnswers.size()) ? g_dragAnswers[question] : 0;
}

} // namespace

TEST_F(KSOPaneTest, ADragTheBoxRefusesWhereItEntersIsAskedAgainAsItMoves)
{
    build({"a"});
    host().windBoxTable()[7] = reinterpret_cast<void *>(&answerDrag);
    g_dragAnswers = {0, 1, 0};
    g_dragQuestions = 0;
    QMimeData data;
    data.setText(QStringLiteral("symbol"));
    // Through the application, which hands the moves to the widget that took the enter only.
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pane.get(), &enter);
    EXPECT_EQ(g_dragQuestions, 1);
    QDragMoveEvent there(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pane.get(), &there);
    EXPECT_EQ(g_dragQuestions, 2);
    EXPECT_TRUE(there.isAccepted());
    // A move comes accepted after an accepted one; the box's no still refuses it.
    QDragMoveEvent back(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    back.accept();
    QCoreApplication::sendEvent(pane.get(), &back);
    EXPECT_EQ(g_dragQuestions, 3);
    EXPECT_FALSE(back.isAccepted());
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(pane.get(), &leave);
}

class MainWindowFrameTest : public FrameTest
{
};

TEST_F(MainWindowFrameTest, RegisterCodeCallbackBuildsTheMainWindowsFrame)
{
    testhost::startLibrary();
    WindBoxHost::instance().clear();
    WindBoxHost::instance().publish();
    auto &model = WindBoxHost::instance().box(kBox);
    model.tabBar = true;
    model.tabs = {"one", "two"};
    MainWindow *window = createFrame("frame", kBox);
    auto *frame = qobject_cast<CuiKSOPane *>(window->pane());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->objectName(), "CuiKSOPane");
    QtRegisterCodeCB(&recordCode, kBox);
    EXPECT_EQ(frame->tabCount(), 2);
    // Built once: a second registration does not stack a second set of children.
    QtRegisterCodeCB(&recordCode, kBox);
    EXPECT_EQ(frame->findChildren<CuiKSOPaneTabBar *>().size(), 1);
    WindBoxHost::instance().withdraw();
    WindBoxHost::instance().clear();
}
