// Top-level windows: the size callback, the menu bar rule, actions from menu-item records,
// and the window leaving the store when it closes.
#include "frames.h"

#include "frame/menus/teskaction.h"
#include "frame/menus/teskpopupmenu.h"
#include "frame/windows/toplevelwindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMenuBar>
#include <QPointer>

#include <vector>

namespace {

struct SizeCall
{
    TeskHandle context;
    int width;
    int height;
    int code;
};
std::vector<SizeCall> g_sizeCalls;
std::vector<std::pair<int, void *>> g_menuCalls;

void recordSize(TeskHandle context, int *rect, int code)
{
    g_sizeCalls.push_back({context, rect[2], rect[3], code});
}

void recordMenu(TeskHandle, int id, void *data)
{
    g_menuCalls.emplace_back(id, data);
}

class TopLevelTest : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        g_sizeCalls.clear();
        g_menuCalls.clear();
    }
};

} // namespace

TEST_F(TopLevelTest, CreatedListedTitledAndGoneWhenClosed)
{
    const TeskHandle native = QtTopLevelCreate(700, &recordSize, 33);
    ASSERT_NE(native, 0);
    auto *window = qobject_cast<TopLevelWindow *>(Store::currentTopLevelWindow());
    ASSERT_TRUE(window);
    EXPECT_EQ(window->size(), QSize(499, 249));

    QtSetTopTitle(700, "Trace Viewer");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Trace Viewer"));
    EXPECT_EQ(QtRaiseWindowByName("Trace Viewer"), 1);
    EXPECT_EQ(QtRaiseWindowByName("Nothing"), 0);
    EXPECT_EQ(QtRaiseWindowByName(nullptr), 0);

    window->show();
    g_sizeCalls.clear();
    window->resize(300, 200);
    ASSERT_FALSE(g_sizeCalls.empty());
    EXPECT_EQ(g_sizeCalls.back().code, 1);
    EXPECT_EQ(g_sizeCalls.back().context, 33);
    EXPECT_EQ(g_sizeCalls.back().height, window->extent(false));

    QPointer<TopLevelWindow> guard(window);
    window->close();
    EXPECT_EQ(g_sizeCalls.back().code, 0);
    EXPECT_EQ(Store::currentTopLevelWindow(), nullptr);
    EXPECT_TRUE(Store::instance()->topLevelWindows().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(guard);
}

TEST_F(TopLevelTest, FirstMenuAfterTheMarkGoesOnTheBarLaterOnesBelowIt)
{
    TopLevelWindow window(1, 0, QStringLiteral("Other"), &recordSize, 0);
    window.markNextMenuForBar();
    window.addMenu(QStringLiteral("File"), nullptr);
    TeskPopupMenu *file = window.currentTopPopup();
    window.addMenu(QStringLiteral("Recent"), nullptr);
    EXPECT_EQ(window.currentTopPopup(), file);
    EXPECT_EQ(window.currentPopup()->parentPopup(), file);
    EXPECT_EQ(window.menuBar()->actions().size(), 1);

    window.markNextMenuForBar();
    window.addMenu(QStringLiteral("Edit"), nullptr);
    EXPECT_EQ(window.menuBar()->actions().size(), 2);
    // Without records every item is a plain item.
    window.addMenuItem(49853, QStringLiteral("Help"), nullptr);
    EXPECT_EQ(window.currentPopup()->findItem(49853)->text(), QStringLiteral("Help"));
}

TEST_F(TopLevelTest, RecordedItemsBecomeActionsThatReachTheHost)
{
    TopLevelWindow window(1, 0, QStringLiteral("Synchronization Control"), &recordSize, 0);
    EXPECT_EQ(window.menuItemRecords().size(), 3);
    window.setMenuCallback(1, &recordMenu, 5);
    window.markNextMenuForBar();
    window.addMenu(QStringLiteral("Help"), nullptr);
    int data = 0;
    window.addMenuItem(49853, QStringLiteral("ignored"), &data);
    auto *action = qobject_cast<TeskAction *>(window.currentPopup()->actions().value(0));
    ASSERT_TRUE(action);
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::Key_F1));
    action->trigger();
    ASSERT_EQ(g_menuCalls.size(), 1u);
    EXPECT_EQ(g_menuCalls[0].first, 49853);
    EXPECT_EQ(g_menuCalls[0].second, &data);
}
