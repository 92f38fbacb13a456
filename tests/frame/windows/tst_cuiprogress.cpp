// The busy indicator: how the ball runs and turns.
#include "testhost.h"

#include "frame/core/cuidebuginfo.h"
#include "frame/windows/cuiprogress.h"

#include <gtest/gtest.h>

TEST(CuiProgress, BallRunsToTheLastStepAndBack)
{
    CuiProgress bar;
    bar.resize(100, 16);
    bar.show();
    bar.start();
    // Redrawn while running: (100 - 16 - 1) / 4 steps.
    bar.tick();
    EXPECT_EQ(bar.lastStep(), 20);
    std::vector<int> positions{bar.position()};
    for (int i = 0; i < 40; ++i) {
        bar.tick();
        positions.push_back(bar.position());
    }
    EXPECT_EQ(*std::max_element(positions.begin(), positions.end()), 20);
    EXPECT_EQ(positions[19], 20);
    EXPECT_EQ(positions[20], 19);
    EXPECT_EQ(positions[39], 0);
    EXPECT_EQ(positions[40], 1);
}

TEST(CuiProgress, TextMovesTheBallAreaAndStopResets)
{
    CuiProgress bar;
    bar.resize(200, 16);
    bar.show();
    bar.setText(QStringLiteral("Running"));
    bar.tick();
    const int withText = bar.lastStep();
    bar.setText(QString());
    bar.tick();
    EXPECT_LT(withText, bar.lastStep());
    bar.stop();
    EXPECT_FALSE(bar.isRunning());
    EXPECT_EQ(bar.position(), 0);
}

TEST(CuiProgress, StartDoesNotRedraw)
{
    CuiProgress bar;
    bar.resize(100, 16);
    bar.show();
    EXPECT_EQ(bar.lastStep(), 6);
    bar.start();
    // The last step is worked out when the ball is drawn, which start does not do.
    EXPECT_EQ(bar.lastStep(), 6);
    bar.setText(QString());
    EXPECT_EQ(bar.lastStep(), 20);
}

TEST(CuiProgress, TracesWithDebugFlagT0)
{
    qputenv("TESK_DEBUG", "+T0");
    CuiDebugInfo::reset();
    testhost::DebugCapture capture;
    CuiProgress bar;
    bar.resize(100, 16);
    bar.show();
    bar.tick();
    qunsetenv("TESK_DEBUG");
    CuiDebugInfo::reset();
    EXPECT_TRUE(capture.contains("CuiProgress::tick - 1"));
}
