// A share of the dock layout's random sequences (testhost/layoutsequence.h) on a user's desktop:
// a window manager frames the main window and the floating docks, a panel keeps the top 28 px,
// and every window is looked at once the frames have come and nothing moves any more.
#include "desktop.h"
#include "frames.h"
#include "layoutsequence.h"
#include "testhost.h"

#include "system/freearea.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

using namespace testhost::layout;

// Until the window manager has framed every shown window that takes a frame, and no shown
// window has moved or changed its frame for a while.
void settleFrames()
{
    const auto framed = [] {
        for (const QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible() && !window->windowFlags().testFlag(Qt::FramelessWindowHint) &&
                window->windowType() != Qt::Popup && window->windowType() != Qt::ToolTip &&
                tesk::system::frameMargins(window).isNull())
                return false;
        return true;
    };
    testhost::pumpUntil(framed, 3000);
    QList<QRect> last;
    int still = 0;
    testhost::pumpUntil(
        [&] {
            QList<QRect> now;
            for (const QWidget *window : QApplication::topLevelWidgets())
                if (window->isVisible())
                    now.append(window->frameGeometry());
            still = now == last ? still + 1 : 0;
            last = now;
            return still >= 15;
        },
        3000);
}

class LayoutSequencesOnADesktop : public FrameTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(desktop::fault().isEmpty()) << qPrintable(desktop::fault());
        ASSERT_TRUE(testhost::pumpUntil(
            [] { return QGuiApplication::primaryScreen()->availableGeometry() == desktop::kFree; },
            5000));
        FrameTest::SetUp();
    }
};

} // namespace

TEST_F(LayoutSequencesOnADesktop, EveryPromiseHoldsAfterEveryStep)
{
    // The display's screen is fixed: the screen is made smaller by the offscreen sequences only.
    const Screen screen{nullptr, &settleFrames};
    const std::string failure = playSeeds(5001, 24, 8, 20, screen);
    EXPECT_TRUE(failure.empty()) << failure;
}
