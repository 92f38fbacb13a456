// The table's selection set without a table: what it covers as selections come and go, and
// how the current one grows under a shift-extension.
#include "utilities/tableselection.h"

#include <gtest/gtest.h>

TEST(TableSelectionSet, AddedRangesCoverTheirCellsUntilRemoved)
{
    UTableSelectionSet set;
    set.add(UTableSelection(1, 1, 2, 3));
    set.add(UTableSelection(5, 0, 5, 0));
    ASSERT_EQ(set.size(), 2);
    EXPECT_EQ(set.current(), nullptr);
    EXPECT_EQ(set.currentIndex(), -1);

    EXPECT_TRUE(set.contains(1, 1));
    EXPECT_TRUE(set.contains(2, 3));
    EXPECT_TRUE(set.contains(5, 0));
    EXPECT_FALSE(set.contains(0, 1));
    EXPECT_FALSE(set.contains(3, 3));
    EXPECT_FALSE(set.contains(2, 4));

    set.removeAt(0);
    EXPECT_FALSE(set.contains(1, 1));
    EXPECT_TRUE(set.contains(5, 0));
    // An index outside the set changes nothing.
    set.removeAt(1);
    set.removeAt(-1);
    EXPECT_EQ(set.size(), 1);
}

TEST(TableSelectionSet, TakingEqualRangesIgnoresTheAnchorAndDropsTheCurrent)
{
    UTableSelectionSet set;
    set.add(UTableSelection(0, 0, 2, 2));
    set.start(2, 2)->expandTo(0, 0);
    set.add(UTableSelection(4, 4, 4, 4));
    ASSERT_EQ(set.currentIndex(), 1);

    const auto taken = set.takeEqual(UTableSelection(2, 0, 0, 2));
    EXPECT_EQ(taken.size(), 2u);
    EXPECT_EQ(set.size(), 1);
    EXPECT_EQ(set.current(), nullptr);
    EXPECT_FALSE(set.contains(1, 1));
    EXPECT_TRUE(set.contains(4, 4));

    set.clear();
    EXPECT_TRUE(set.empty());
    EXPECT_FALSE(set.contains(4, 4));
}

TEST(TableSelectionSet, StartedSelectionCoversNothingUntilExtended)
{
    UTableSelectionSet set;
    UTableSelection *s = set.start(3, 3);
    EXPECT_EQ(set.current(), s);
    EXPECT_FALSE(s->isActive());
    EXPECT_FALSE(set.contains(3, 3));
    EXPECT_FALSE(set.coversLine(Qt::Vertical, 3));
}

TEST(TableSelectionSet, ShiftExtensionStartsAtTheAnchorThenGrowsTheCurrent)
{
    UTableSelectionSet set;
    EXPECT_TRUE(set.extendCurrent(2, 2, 4, 5));
    const UTableSelection *current = set.current();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->topRow(), 2);
    EXPECT_EQ(current->bottomRow(), 4);
    EXPECT_EQ(current->rightCol(), 5);

    // A second extension moves the far corner, the anchor stays: going up and left of it
    // flips the rectangle rather than starting another.
    EXPECT_FALSE(set.extendCurrent(9, 9, 0, 1));
    EXPECT_EQ(set.current(), current);
    EXPECT_EQ(set.size(), 1);
    EXPECT_EQ(current->anchorRow(), 2);
    EXPECT_EQ(current->topRow(), 0);
    EXPECT_EQ(current->bottomRow(), 2);
    EXPECT_EQ(current->leftCol(), 1);
    EXPECT_EQ(current->rightCol(), 2);
    EXPECT_FALSE(set.contains(4, 5));

    const auto taken = set.takeCurrent();
    EXPECT_EQ(taken.get(), current);
    EXPECT_TRUE(set.empty());
    EXPECT_EQ(set.takeCurrent(), nullptr);
    // With the current one gone, the next extension starts afresh.
    EXPECT_TRUE(set.extendCurrent(7, 7, 7, 8));
    EXPECT_TRUE(set.contains(7, 8));
}

TEST(TableSelectionSet, LinesAreCoveredOrCoveredAcrossTheWholeTable)
{
    UTableSelectionSet set;
    set.add(UTableSelection(1, 0, 2, 4)); // rows 1-2, every one of 5 columns
    set.add(UTableSelection(0, 2, 3, 2)); // column 2, rows 0-3 of 6

    EXPECT_TRUE(set.coversLine(Qt::Vertical, 1));
    EXPECT_TRUE(set.coversLine(Qt::Vertical, 3));
    EXPECT_FALSE(set.coversLine(Qt::Vertical, 4));
    EXPECT_TRUE(set.coversLine(Qt::Vertical, 2, 5));
    EXPECT_FALSE(set.coversLine(Qt::Vertical, 3, 5));
    EXPECT_FALSE(set.coversLine(Qt::Vertical, 1, 6));

    EXPECT_TRUE(set.coversLine(Qt::Horizontal, 2));
    EXPECT_TRUE(set.coversLine(Qt::Horizontal, 4));
    EXPECT_FALSE(set.coversLine(Qt::Horizontal, 5));
    EXPECT_TRUE(set.coversLine(Qt::Horizontal, 2, 4));
    EXPECT_FALSE(set.coversLine(Qt::Horizontal, 2, 6));
    EXPECT_FALSE(set.coversLine(Qt::Horizontal, 0, 4));
}
