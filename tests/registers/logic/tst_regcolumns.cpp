// How register cells share the view's width, without a view.
#include "registers/regcolumns.h"

#include <gtest/gtest.h>

using namespace tesk::registers;

TEST(RegColumns, CellHoldsIconNameValueAndSpacingBothSides)
{
    EXPECT_EQ(cellWidth({40, 60, 4}), 40 + 60 + 2 * 4 + 11);
    EXPECT_EQ(cellWidth({0, 0, 0}), 11);
    // Only the widest of each counts: a wider value widens every cell alike.
    EXPECT_EQ(cellWidth({40, 61, 4}) - cellWidth({40, 60, 4}), 1);
}

TEST(RegColumns, AsManyWholeCellsAsFitAndNeverNone)
{
    EXPECT_EQ(columnsFor(100, 399), 3);
    EXPECT_EQ(columnsFor(100, 400), 4);
    EXPECT_EQ(columnsFor(100, 401), 4);
    // A viewport narrower than one cell, or none at all, still shows one column.
    EXPECT_EQ(columnsFor(100, 99), 1);
    EXPECT_EQ(columnsFor(100, 0), 1);
    EXPECT_EQ(columnsFor(100, -20), 1);
}

TEST(RegColumns, CellsWithoutWidthGiveOneColumn)
{
    // Before anything is measured the cell width is 0; it must not divide by it.
    EXPECT_EQ(columnsFor(0, 800), 1);
    EXPECT_EQ(columnsFor(-5, 800), 1);
}
