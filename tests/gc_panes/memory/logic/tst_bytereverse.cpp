// The byte-reversing copy reads its source whole before writing when the two overlap.
#include "gui_components/gc_panes/memory/bytereverse.h"

#include <gtest/gtest.h>

#include <array>

TEST(ByteReversingCopy, ReversesIntoOtherSameAndOverlappingBuffers)
{
    const std::array<unsigned char, 4> bytes = {1, 2, 3, 4};
    std::array<unsigned char, 4> other = {};
    byteReversingCopy(other.data(), bytes.data(), 4);
    EXPECT_EQ(other, (std::array<unsigned char, 4>{4, 3, 2, 1}));

    std::array<unsigned char, 4> same = bytes;
    byteReversingCopy(same.data(), same.data(), 4);
    EXPECT_EQ(same, (std::array<unsigned char, 4>{4, 3, 2, 1}));

    std::array<unsigned char, 5> shifted = {1, 2, 3, 4, 0};
    byteReversingCopy(shifted.data() + 1, shifted.data(), 4);
    EXPECT_EQ(shifted, (std::array<unsigned char, 5>{1, 4, 3, 2, 1}));

    std::array<unsigned char, 2> untouched = {7, 8};
    byteReversingCopy(untouched.data(), bytes.data(), 0);
    byteReversingCopy(untouched.data(), bytes.data(), -3);
    EXPECT_EQ(untouched, (std::array<unsigned char, 2>{7, 8}));
}
