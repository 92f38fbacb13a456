// A share of the dock layout's random sequences (testhost/layoutsequence.h) on a user's desktop:
// a window manager frames the main window and the floating docks, a panel keeps the top 28 px,
// and every window is looked at once the frames have come and nothing moves any more.
#include "desktop.h"
#include "frames.h"
#include "layoutsequence.h"
#include "testhost.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

using namespace testhost::layout;

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
    const Screen screen{nullptr, &desktop::settleFrames};
    const std::string failure = playSeeds(5001, 24, 8, 20, screen);
    EXPECT_TRUE(failure.empty()) << failure;
}
