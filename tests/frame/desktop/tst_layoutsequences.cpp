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

TEST_F(LayoutSequencesOnADesktop, SequencesThatOnceBrokeHold)
{
    const Screen screen{nullptr, &desktop::settleFrames};
    const NamedSequences sequences = {
        // A pane docked by the toolkit where it was dropped, floated by the host before the
        // layout's turn to dock a drop the toolkit missed: it docked again while the window
        // was resized.
        {"a drop the toolkit docked is not docked again",
         {{StepKind::Start, 3252623776u, 3315237039u, 1907916930u, 2876606177u},
          {StepKind::Restore, 2980127444u, 1711813856u, 2309229623u, 4205141069u},
          {StepKind::Show, 438887405u, 1574499594u, 3608472441u, 2016716940u},
          {StepKind::Floating, 3269971511u, 2428056871u, 2931486572u, 3789116989u},
          {StepKind::Drag, 3749343094u, 3595384752u, 2845230803u, 1856444318u},
          {StepKind::TitleBarDrag, 3536730158u, 2862168562u, 894392820u, 88793648u},
          {StepKind::Undock, 256356881u, 825397113u, 4047968230u, 3539955923u},
          {StepKind::ResizeWindow, 3199475520u, 2825030119u, 1981874210u, 2737265847u}}},
        // Floating panes shown with a fresh window, docked by double-clicks within the second
        // the layout keeps them in the free area as their frames come: the one behind its new
        // tab was placed as a window, in sight, and its group was read as a line of its own.
        {"a pane docked as its frame comes is not placed as a window",
         {{StepKind::Start, 3940002097u, 1166320103u, 1044152816u, 4252037419u},
          {StepKind::Restore, 1393716660u, 2789724035u, 2096644338u, 1823887849u},
          {StepKind::DockBottom, 2240100425u, 102070079u, 3843236804u, 3240719743u},
          {StepKind::Floating, 397791500u, 360727990u, 3541837007u, 2006685553u},
          {StepKind::DockBottom, 2148108797u, 150429803u, 969059089u, 737373434u},
          {StepKind::Show, 1931965404u, 2599183030u, 3902565915u, 3991695867u},
          {StepKind::FloatButton, 234826368u, 3708958923u, 3225015601u, 3252561287u},
          {StepKind::FreshWindow, 475036864u, 3098520861u, 3128029050u, 3752654064u},
          {StepKind::HideTabs, 192691016u, 1467888045u, 1041338543u, 3250076743u},
          {StepKind::TitleBarDoubleClick, 2014010882u, 851232357u, 204879490u, 1646427034u},
          {StepKind::TitleBarDoubleClick, 747646303u, 1973257790u, 3311704517u, 668521133u},
          {StepKind::RoundTrip, 2210769007u, 1961538156u, 2173416895u, 3651856107u}}},
    };
    const std::string broken = playEach(sequences, screen);
    EXPECT_TRUE(broken.empty()) << broken;
}
