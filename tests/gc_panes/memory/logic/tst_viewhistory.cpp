// The write log of a memory view: indexes, bounds and ownership.
#include "gui_components/gc_panes/memory/viewactionmemory.h"
#include "gui_components/gc_panes/memory/viewhistorymemory.h"

#include <gtest/gtest.h>

namespace {

// Counts the actions alive, so the tests see what the history deletes.
class CountedAction : public AViewAction
{
public:
    CountedAction() { ++alive; }
    ~CountedAction() override { --alive; }
    static int alive;
};
int CountedAction::alive = 0;

} // namespace

TEST(ViewHistory, IndexesStartAtZeroAndLookUpsFromOne)
{
    KViewHistoryMemory history;
    auto *first = new KViewActionMemory;
    auto *second = new KViewActionMemory;
    EXPECT_EQ(history.addAction(first), 0);
    EXPECT_EQ(history.addAction(second), 1);
    EXPECT_EQ(history.action(0), nullptr);
    EXPECT_EQ(history.action(1), second);
    EXPECT_EQ(history.action(2), nullptr);
    EXPECT_EQ(history.action(-1), nullptr);

    EXPECT_EQ(history.addAction2(new KViewActionMemory), 0);
    EXPECT_EQ(history.addAction2(new KViewActionMemory), 1);
    EXPECT_NE(history.action2(1), nullptr);
    EXPECT_EQ(history.action2(7), nullptr);
    EXPECT_EQ(history.count(), 2);
    EXPECT_EQ(history.count2(), 2);

    EXPECT_EQ(history.addAction(nullptr), -1);
    EXPECT_EQ(history.count(), 2);
}

TEST(ViewHistory, DestructionDeletesEveryActionHeld)
{
    {
        KViewHistoryMemory history;
        history.addAction(new CountedAction); // reachable only through index 0
        history.addAction(new CountedAction);
        history.addAction2(new CountedAction);
        EXPECT_EQ(CountedAction::alive, 3);
    }
    EXPECT_EQ(CountedAction::alive, 0);
}

TEST(ViewHistory, AWriteRecordKeepsWhatTheViewGaveIt)
{
    KViewActionMemory action;
    EXPECT_EQ(action.owner(), nullptr);
    EXPECT_EQ(action.targetId(), 0u);
    EXPECT_FALSE(action.address().isValid());
    EXPECT_EQ(action.type(), "");
    action.setTargetId(3);
    action.setAddress(UMemoryAddress(0, 0x40));
    action.setWriteValue(0x1122334455667788ull);
    action.setTableValue(0x41);
    action.setSize(5);
    action.setType("set");
    EXPECT_EQ(action.targetId(), 3u);
    EXPECT_EQ(action.address(), UMemoryAddress(0, 0x40));
    EXPECT_EQ(action.writeValue(), 0x1122334455667788ull);
    EXPECT_EQ(action.tableValue(), 0x41u);
    EXPECT_EQ(action.size(), 5);
    EXPECT_EQ(action.type(), "set");
}
