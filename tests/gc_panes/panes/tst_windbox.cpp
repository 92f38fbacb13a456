// Window boxes: equality, the answer codes of the host's text getters, missing tables and
// entries, and tables the host publishes after the first box.
#include "gui_components/gc_panes/panes/ksowindbox.h"

#include "frame/core/cuidebuginfo.h"
#include "testhost.h"
#include "windboxhost.h"

#include <gtest/gtest.h>

using testhost::WindBoxHost;

namespace {

constexpr TeskHandle kBox = 0x5000;

class WindBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testhost::startLibrary();
        host().clear();
        host().publish();
        KSOWindBox::resetTables();
    }
    void TearDown() override
    {
        host().withdraw();
        host().clear();
        KSOWindBox::resetTables();
    }
    static WindBoxHost &host() { return WindBoxHost::instance(); }
};

} // namespace

TEST_F(WindBoxTest, BoxesAreEqualByHandle)
{
    KSOWindBox a(kBox), b(kBox), other(kBox + 1), zero, alsoZero(0);
    EXPECT_TRUE(a == b);
    EXPECT_TRUE(a == a);
    EXPECT_TRUE(zero == alsoZero);
    EXPECT_FALSE(a == other);
    KSOWindBox copy(a);
    other = a;
    EXPECT_EQ(copy.handle(), kBox);
    EXPECT_TRUE(other == a);
    other.setHandle(1);
    EXPECT_EQ(a.handle(), kBox); // copies do not share their handle
}

TEST_F(WindBoxTest, TextGettersUseOppositeAnswerCodes)
{
    auto &model = host().box(kBox);
    model.tabs = {"main.c"};
    model.headerLabels = {"Address"};
    model.toolTips = {"/src/main.c"};
    KSOWindBox box(kBox);
    EXPECT_EQ(box.tabText(0), "main.c");
    EXPECT_EQ(box.headerLabel(0), "Address");
    EXPECT_EQ(box.tabToolTip(0), "/src/main.c");

    // The same buffers with the other answer are no text at all.
    model.textAnswer = 0;
    model.toolTipAnswer = 1;
    EXPECT_TRUE(box.tabText(0).isNull());
    EXPECT_TRUE(box.headerLabel(0).isNull());
    EXPECT_TRUE(box.tabToolTip(0).isNull());
}

TEST_F(WindBoxTest, HostTextWithoutTerminatorIsCutAtTheBuffer)
{
    host().box(kBox).fillWithoutTerminator = 'x';
    const QString text = KSOWindBox(kBox).tabText(0);
    EXPECT_EQ(text, QString(127, QLatin1Char('x')));
}

TEST_F(WindBoxTest, FlagsAndCountsComeFromTheHost)
{
    auto &model = host().box(kBox);
    model.tabBar = true;
    model.tabsOnTop = true;
    model.tabs = {"a", "b", "c"};
    KSOWindBox box(kBox);
    EXPECT_TRUE(box.hasTabBar());
    EXPECT_FALSE(box.hasHeader());
    EXPECT_TRUE(box.tabsOnTop());
    EXPECT_EQ(box.tabCount(), 3);
    EXPECT_EQ(box.headerCount(), 0);
    model.allowsTabMenu = false;
    EXPECT_FALSE(box.allowsTabMenu(1));
    box.closeTab(2);
    box.tabSelected(1);
    box.horizontalDelta(-4);
    ASSERT_GE(host().calls.size(), 3u);
    const auto &last = host().calls;
    EXPECT_EQ(last[last.size() - 3].entry, "closeTab");
    EXPECT_EQ(last[last.size() - 3].argument, 2);
    EXPECT_EQ(last[last.size() - 2].entry, "tabSelected");
    EXPECT_EQ(last.back().entry, "horizontalDelta");
    EXPECT_EQ(last.back().argument, -4);
    EXPECT_EQ(last.back().box, kBox);
}

TEST_F(WindBoxTest, MissingEntriesGiveNeutralAnswers)
{
    auto &model = host().box(kBox);
    model.tabBar = true;
    model.tabs = {"a"};
    for (int i = 0; i < 13; ++i)
        host().windBoxTable()[i] = nullptr;
    host().xryTable()[0] = nullptr;
    host().xryTable()[1] = nullptr;
    KSOWindBox box(kBox);
    EXPECT_FALSE(box.hasTabBar());
    EXPECT_EQ(box.tabCount(), 0);
    EXPECT_TRUE(box.tabText(0).isNull());
    EXPECT_TRUE(box.tabToolTip(0).isNull());
    EXPECT_EQ(box.dragMoveText(1, 0, 0, QStringLiteral("x")), 0);
    EXPECT_EQ(box.dropText(1, 0, 0, QStringLiteral("x")), 0);
    box.closeTab(0);
    box.tabSelected(0);
    box.horizontalDelta(3);
    EXPECT_TRUE(host().calls.empty());
}

TEST_F(WindBoxTest, TablesPublishedAfterTheFirstBoxAreFound)
{
    host().withdraw();
    host().box(kBox).tabBar = true;
    KSOWindBox early(kBox);
    EXPECT_FALSE(early.hasTabBar());
    EXPECT_TRUE(host().calls.empty());

    host().publish();
    KSOWindBox late(kBox);
    EXPECT_TRUE(late.hasTabBar());
    EXPECT_TRUE(early.hasTabBar()); // the tables are process-wide
}

TEST_F(WindBoxTest, ScrollTracesUnderW1)
{
    qputenv("TESK_DEBUG", "+W1");
    CuiDebugInfo::reset();
    {
        testhost::DebugCapture capture;
        KSOWindBox box(kBox);
        box.horizontalAbsolute(12);
        box.horizontalDelta(-3);
        EXPECT_TRUE(capture.contains("KSOWindBox: Horiz Absolute = 12"));
        EXPECT_TRUE(capture.contains("KSOWindoBox: Horiz Delta = -3"));
    }
    qunsetenv("TESK_DEBUG");
    CuiDebugInfo::reset();
    testhost::DebugCapture quiet;
    KSOWindBox(kBox).horizontalAbsolute(12);
    EXPECT_FALSE(quiet.contains("Horiz"));
}
