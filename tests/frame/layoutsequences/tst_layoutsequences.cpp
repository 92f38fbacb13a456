// The dock layout under random mixes of what hosts and users do, on screens of 1280x800 and
// 1024x600 with a panel, one made smaller midway in some: every promise of layoutpromises.h
// after every step. TESK_LAYOUT_SEED replays one sequence, TESK_LAYOUT_SEQUENCES plays more,
// TESK_LAYOUT_PROMISES=all checks the promises still waiting for their mends.
#include "frames.h"
#include "layoutsequence.h"

#include <QGuiApplication>
#include <QScreen>
#include <qpa/qwindowsysteminterface.h>

namespace {

using namespace testhost::layout;

void setScreen(const QRect &screen, const QRect &free)
{
    QWindowSystemInterface::handleScreenGeometryChange(QGuiApplication::primaryScreen(), screen,
                                                       free);
    QWindowSystemInterface::flushWindowSystemEvents();
}

class LayoutSequences : public FrameTest
{
protected:
    void TearDown() override
    {
        FrameTest::TearDown();
        setScreen(m_screen, m_screen);
    }

    const QRect m_screen = QGuiApplication::primaryScreen()->geometry();
    const Screen m_sequenceScreen{&setScreen, nullptr};
};

} // namespace

TEST_F(LayoutSequences, EveryPromiseHoldsAfterEveryStep)
{
    const std::string failure = playSeeds(1, 200, 10, 40, m_sequenceScreen);
    EXPECT_TRUE(failure.empty()) << failure;
}
