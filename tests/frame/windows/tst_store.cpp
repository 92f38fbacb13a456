// The window store: which main window an export acts on.
#include "frames.h"

#include "frame/core/cuidebuginfo.h"

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QStatusBar>

using Store_ = FrameTest;

TEST_F(Store_, UnknownHandleKeepsTheCurrentWindow)
{
    MainWindow *first = createFrame("Debugger", 11);
    MainWindow *second = createFrame("Debugger", 22);
    ASSERT_EQ(Store::currentMainWindow(), second);

    CuiSetStatusText(11, 3, "first", nullptr);
    EXPECT_EQ(first->positionLabel()->text(), QStringLiteral("first"));
    EXPECT_EQ(Store::currentMainWindow(), first);

    CuiSetStatusText(999, 3, "still first", nullptr);
    EXPECT_EQ(first->positionLabel()->text(), QStringLiteral("still first"));
    EXPECT_EQ(second->positionLabel()->text(), QString());

    QtSetStatusText(3, "second", 22);
    EXPECT_EQ(second->positionLabel()->text(), QStringLiteral("second"));
    // The padlock goes to the current window without a selection.
    CuiSetPadlockState(1);
    EXPECT_EQ(second->padlockLabel()->toolTip(), QStringLiteral("Secure World"));
    EXPECT_EQ(first->padlockLabel()->toolTip(), QString());
}

TEST_F(Store_, RemovingTheCurrentWindowFallsBackToTheFirst)
{
    MainWindow *first = createFrame("Debugger", 1);
    createFrame("Debugger", 2);
    MainWindow *third = createFrame("Debugger", 3);
    delete third;
    EXPECT_EQ(Store::currentMainWindow(), first);
    EXPECT_EQ(Store::instance()->mainWindows().size(), 2);

    Store::instance()->selectMainWindowByHandle(2);
    delete Store::currentMainWindow();
    EXPECT_EQ(Store::currentMainWindow(), first);
    delete first;
    EXPECT_EQ(Store::currentMainWindow(), nullptr);
    // Exports find no window and do nothing.
    CuiSetStatusText(1, 3, "nowhere", "tip");
    CuiShowProgress(1, 50, 0);
    CuiShowRunState(1, 1, "busy");
    QtSetDontClose(0, 1);
}

TEST_F(Store_, ClosedWindowLeavesTheStore)
{
    MainWindow *window = createFrame("Debugger", 1);
    window->show();
    QPointer<MainWindow> watch(window);
    EXPECT_TRUE(window->close());
    testhost::pumpUntil([&] { return watch.isNull(); });
    EXPECT_TRUE(watch.isNull());
    EXPECT_TRUE(Store::instance()->mainWindows().isEmpty());
}

TEST_F(Store_, CallingWindowTakesHandleZeroDuringAHostCommand)
{
    FakeMenus menus;
    MainWindow *calling = createFrame("Debugger", 1);
    MainWindow *other = createFrame("Debugger", 2);
    ASSERT_EQ(Store::currentMainWindow(), other);

    EXPECT_FALSE(Store::instance()->selectCallingMainWindow());
    EXPECT_EQ(Store::currentMainWindow(), other);

    bool markedDuringCall = false;
    FakeMenuManager::onCommand = [&](int) {
        markedDuringCall = calling->isCalling();
        QtSetDontClose(0, 1);
    };
    calling->show();
    EXPECT_FALSE(calling->close());
    EXPECT_TRUE(markedDuringCall);
    EXPECT_FALSE(calling->isCalling());
    EXPECT_EQ(Store::currentMainWindow(), calling);
    EXPECT_FALSE(other->dontClose());
}

TEST_F(Store_, TopLevelWindowsLeaveTheListWhenDestroyed)
{
    Store *store = Store::instance();
    auto *a = new QMainWindow;
    auto *b = new QMainWindow;
    store->appendTopLevelWindow(a);
    store->appendTopLevelWindow(b);
    store->appendTopLevelWindow(a);
    store->setCurrentTopLevelWindow(b);
    EXPECT_EQ(store->topLevelWindows().size(), 2);
    delete b;
    EXPECT_EQ(Store::currentTopLevelWindow(), nullptr);
    EXPECT_EQ(store->topLevelWindows(), QList<QMainWindow *>({a}));
    delete a;
    EXPECT_TRUE(store->topLevelWindows().isEmpty());
}

TEST_F(Store_, TracesWithDebugFlagS0)
{
    qputenv("TESK_DEBUG", "+S0");
    CuiDebugInfo::reset();
    testhost::DebugCapture capture;
    MainWindow *window = createFrame("Debugger", 1);
    delete window;
    qunsetenv("TESK_DEBUG");
    CuiDebugInfo::reset();
    EXPECT_TRUE(capture.contains("Store::appendMainWindow = 0x"));
    EXPECT_TRUE(capture.contains("Store::removeMainWindow = 0x"));
}
