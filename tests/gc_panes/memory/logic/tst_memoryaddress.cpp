// Addresses compare and add only within one space, and reads go through the accessors.
#include "gui_components/gc_panes/memory/memoryaddress.h"

#include <gtest/gtest.h>

namespace {

const UMemoryAddress a1(1, 0x10);
const UMemoryAddress a2(2, 0x10);

} // namespace

TEST(MemoryAddress, AddressesOfOtherSpacesAreNeitherEqualNorOrdered)
{
    EXPECT_FALSE(a1 == a2);
    EXPECT_TRUE(a1 != a2);
    EXPECT_FALSE(a1 < a2);
    EXPECT_FALSE(a1 > a2);
    EXPECT_FALSE(a1 <= a2);
    EXPECT_FALSE(a1 >= a2);

    const UMemoryAddress higher(1, 0x20);
    EXPECT_TRUE(a1 < higher);
    EXPECT_TRUE(a1 <= higher);
    EXPECT_TRUE(higher > a1);
    EXPECT_TRUE(higher >= a1);
    EXPECT_TRUE(a1 == UMemoryAddress(1, 0x10));
}

TEST(MemoryAddress, ValidityTakesPartInComparisons)
{
    const UMemoryAddress invalid(1, 0x10, false);
    EXPECT_FALSE(a1 == invalid);
    EXPECT_TRUE(a1 != invalid);
    EXPECT_FALSE(a1 <= invalid);
    EXPECT_TRUE(UMemoryAddress(1, 0x10, false) == invalid);

    const UMemoryAddress fresh;
    EXPECT_FALSE(fresh.isValid());
    EXPECT_EQ(fresh.offset(), 0u);
    TeskMemoryAddress record{0x1234, 7};
    const UMemoryAddress fromRecord(record);
    EXPECT_TRUE(fromRecord.isValid());
    EXPECT_EQ(fromRecord.space(), 7u);
    EXPECT_EQ(fromRecord.offset(), 0x1234u);
}

TEST(MemoryAddress, ArithmeticWrapsAndStaysInItsSpace)
{
    UMemoryAddress top(3, 0xFFFFFFFF);
    top += 1;
    EXPECT_EQ(top.offset(), 0u);
    EXPECT_EQ(top.space(), 3u);
    top -= 1;
    EXPECT_EQ(top.offset(), 0xFFFFFFFFu);

    UMemoryAddress a(1, 0x100);
    a += a2; // another space: unchanged
    EXPECT_EQ(a.offset(), 0x100u);
    a += UMemoryAddress(1, 0x20);
    EXPECT_EQ(a.offset(), 0x120u);
    a -= UMemoryAddress(1, 0x120);
    EXPECT_EQ(a.offset(), 0u);
    EXPECT_EQ((UMemoryAddress(1, 8) + -16).offset(), 0xFFFFFFF8u);
}

TEST(MemoryAddress, InsideIsInclusiveAndNeedsTheSameSpace)
{
    EXPECT_TRUE(a1.isInside(a1, a1));
    EXPECT_TRUE(a1.isInside(UMemoryAddress(1, 0), UMemoryAddress(1, 0x10)));
    EXPECT_FALSE(a1.isInside(UMemoryAddress(1, 0x11), UMemoryAddress(1, 0x20)));
    EXPECT_FALSE(a1.isInside(UMemoryAddress(2, 0), UMemoryAddress(2, 0x20)));
    EXPECT_FALSE(a1.isInside(UMemoryAddress(1, 0), UMemoryAddress(2, 0x20)));
}

TEST(MemoryAddress, RecordsAndSetters)
{
    TeskMemoryAddress record{0, 0};
    a2.toPair(&record);
    EXPECT_EQ(record.offset, 0x10u);
    EXPECT_EQ(record.space, 2u);
    a2.toPair(nullptr);

    UMemoryAddress a(1, 1, false);
    a.setOffset(9);
    a.setSpace(4);
    EXPECT_FALSE(a.isValid());
    EXPECT_TRUE(a.setValid(true));
    EXPECT_EQ(a, UMemoryAddress(4, 9));
}

namespace {

// An address whose space is fixed by its kind, whatever the stored word says.
class FixedSpaceAddress : public UMemoryAddress
{
public:
    using UMemoryAddress::UMemoryAddress;
    uint32_t space() const override { return 5; }
};

} // namespace

TEST(MemoryAddress, OverriddenAccessorsDecideComparisons)
{
    const FixedSpaceAddress fixed(1, 0x10);
    EXPECT_TRUE(fixed == UMemoryAddress(5, 0x10));
    EXPECT_FALSE(fixed == a1);
    UMemoryAddress sum(5, 1);
    sum += fixed;
    EXPECT_EQ(sum.offset(), 0x11u);
}
