// The facade's dock operations: docking views with a shared caption, the recorded view ids,
// the window questions and the dock menu items.
#include "frames.h"

#include "frame/windows/ctesk_facade.h"
#include "frame/windows/docking/dockwidget.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPointer>

namespace {

class FacadeDocksTest : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        window = createFrame("Debugger", 7);
        ops = CTesk_Facade::instance()->face()->ops;
        face = CTesk_Facade::instance()->face();
    }
    void TearDown() override
    {
        FrameTest::TearDown();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QWidget *view(const char *name)
    {
        auto *widget = new QWidget;
        widget->setObjectName(QLatin1String(name));
        return widget;
    }

    MainWindow *window = nullptr;
    const ITesk_FacadeOps *ops = nullptr;
    ITesk_Facade *face = nullptr;
};

} // namespace

TEST_F(FacadeDocksTest, ViewsShareOneCaptionAndKeepTheirIds)
{
    QtCreateDocked(0, 0);
    window->createDockedWindow(20, "Memory", nullptr);
    QWidget *first = view("Memory");
    QWidget *second = view("Memory");
    EXPECT_EQ(ops->dockForMultipleView(face, 0x1122334455667788ull, first, window), nullptr);
    ops->dockForMultipleView(face, 42, second, nullptr);
    ASSERT_EQ(window->dockList().size(), 3);
    EXPECT_EQ(window->dockList().at(1)->windowTitle(), QStringLiteral("Memory_1"));
    EXPECT_EQ(window->dockList().at(2)->windowTitle().left(8), QStringLiteral("Memory_1"));
    // Counted in the sorted order, as the records are.
    EXPECT_EQ(CuiGetDockForMultipleViewId(7, 1), ~uint64_t(0)) << "not sorted yet";
    QtSortWindowList(7);
    ASSERT_EQ(window->sortedDockList(), window->dockList());
    EXPECT_EQ(CuiGetDockForMultipleViewId(7, 1), 0x1122334455667788ull);
    EXPECT_EQ(CuiGetDockForMultipleViewId(7, 2), 42u);
    EXPECT_EQ(CuiGetDockForMultipleViewId(7, 0), ~uint64_t(0));
    EXPECT_EQ(CuiGetDockForMultipleViewId(7, 3), ~uint64_t(0));
    EXPECT_EQ(CuiGetDockForMultipleViewId(7, -1), ~uint64_t(0));

    // Undocking forgets the id; a closed dock window takes its id with it.
    ops->undockView(face, first);
    EXPECT_EQ(window->dockList().size(), 2);
    DockWidget *last = window->dockList().at(1);
    delete last;
    EXPECT_EQ(CTesk_Facade::instance()->viewIdOfDock(last), ~uint64_t(0));
    // A null widget is nothing to dock.
    EXPECT_EQ(ops->dockForMultipleView(face, 1, nullptr, window), nullptr);
    EXPECT_EQ(window->dockList().size(), 1);
    // A main-window pointer the library does not hold is refused, not followed.
    QWidget notAWindow;
    QWidget *third = view("Memory");
    MoskResult refused = ops->dockForMultipleView(face, 5, third, &notAWindow);
    EXPECT_NE(refused, nullptr);
    mosk::release(refused);
    int stray = 0;
    refused = ops->dockForMultipleView(face, 5, third, &stray);
    EXPECT_NE(refused, nullptr);
    mosk::release(refused);
    EXPECT_EQ(window->dockList().size(), 1);
    delete third;
}

TEST_F(FacadeDocksTest, WindowQuestionsAndDockMenuItems)
{
    window->setWindowBoxHandle(7);
    TeskHandle handle = -1;
    ops->windowHandle(face, window, &handle);
    EXPECT_EQ(handle, 7);
    QWidget plain;
    ops->windowHandle(face, &plain, &handle);
    EXPECT_EQ(handle, 0);

    void *found = nullptr;
    QWidget *inside = view("Registers");
    ops->dockForMultipleView(face, 5, inside, window);
    ops->mainWindowOf(face, inside, &found);
    EXPECT_EQ(found, window);
    ops->currentMainWindow(face, &found);
    EXPECT_EQ(found, window);

    QMenu menu;
    ops->addDockMenuItems(face, &menu);
    ASSERT_EQ(menu.actions().size(), 4);
    EXPECT_TRUE(menu.actions().at(0)->isSeparator());
    EXPECT_EQ(menu.actions().at(3)->data().toInt(), 668);

    DockWidget *dock = tesk::frame::dockHolding(inside);
    ASSERT_TRUE(dock);
    window->setDoNotAskAgain(true);
    const bool floating = dock->isFloating();
    ops->activateDockMenuItem(face, inside, 666);
    EXPECT_NE(dock->isFloating(), floating);
    QPointer<DockWidget> guard(dock);
    ops->activateDockMenuItem(face, inside, 668);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(guard);
}
