// Windows on an X server that no window manager runs on: nothing frames them, so nothing of a
// frame is taken off them, before the show or after it.
#include "frames.h"
#include "testhost.h"
#include "xdesktop.h"

#include "system/freearea.h"

#include <tesk/tesk_window.h>

#include <QGuiApplication>
#include <QScreen>

namespace {

const QString g_fault =
    testhost::listingTests() ? QString() : testhost::startXDesktop(testhost::XDesktop::Bare);

class BareDisplay : public FrameTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(g_fault.isEmpty()) << qPrintable(g_fault);
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
        FrameTest::SetUp();
    }
};

} // namespace

TEST_F(BareDisplay, AWindowTakesTheWholeSizeAskedWhenNoFrameComes)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(screen, QRect(0, 0, 1024, 600));
    MainWindow *window = createFrame("Debugger", 1);
    QtResizePosWindow(1, 0, 0, 1024, 600);
    EXPECT_EQ(window->geometry(), screen);
    QtFrameShow();
    // Long enough for a frame to have come, were there anything to frame the window.
    testhost::pumpFor(500);
    EXPECT_TRUE(tesk::system::frameMargins(window).isNull());
    EXPECT_EQ(window->geometry(), screen);
    EXPECT_EQ(window->frameGeometry(), screen);
    // Where the host asks, at the size it asks.
    QtResizePosWindow(1, 100, 50, 600, 400);
    testhost::pumpFor(200);
    EXPECT_EQ(window->geometry(), QRect(100, 50, 600, 400));
}
