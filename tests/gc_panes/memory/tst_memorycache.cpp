// The memory cache against the logging simulated target: which requests read what, how
// blocks merge, how failed reads and the top of the space show, the three generations, and
// the per-target bookkeeping of a view.
#include "simfixture.h"

#include "gui_components/gc_panes/memory/bridgekso.h"
#include "gui_components/gc_panes/memory/datacachememory.h"
#include "gui_components/gc_panes/memory/viewmemoryinfo.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Chunks = std::vector<std::pair<uint32_t, uint32_t>>;

class MemoryCache : public SimulatedTargetTest
{
protected:
    void SetUp() override
    {
        SimulatedTargetTest::SetUp();
        info.setCurrentTargetId(1);
    }

    // Asks the current cache for [offset, offset + length) and answers the held length.
    uint32_t get(uint32_t offset, uint32_t length, uint32_t space = 0)
    {
        data = nullptr;
        info.getData(UMemoryAddress(space, offset), length, data, 0);
        return length;
    }

    // The bytes handed out are those of the target.
    void expectTargetBytes(uint32_t offset, uint32_t length)
    {
        ASSERT_NE(data, nullptr);
        for (uint32_t i = 0; i < length; ++i)
            ASSERT_EQ(data[i], sim().peek(1, offset + i)) << "byte " << i;
    }

    const KDataCacheBlock &block() { return cache().block(cache().currentBlockIndex()); }
    KDataCacheMemory &cache() { return *info.cacheFor(1); }

    KViewMemoryInfo info;
    const uint8_t *data = nullptr;
};

} // namespace

TEST_F(MemoryCache, ARequestInsideTheBlockReadsNothing)
{
    EXPECT_EQ(get(0x1000, 256), 256u);
    expectTargetBytes(0x1000, 256);
    sim().clearLog();
    EXPECT_EQ(get(0x1010, 16), 16u);
    expectTargetBytes(0x1010, 16);
    EXPECT_EQ(get(0x1000, 256), 256u);
    EXPECT_EQ(reads(), 0);
}

TEST_F(MemoryCache, OverlapAtEitherEndReadsOnlyTheMissingPart)
{
    get(0x1000, 0x100);
    sim().clearLog();
    EXPECT_EQ(get(0x1040, 0x100), 0x100u);
    EXPECT_EQ(readLog(), (Chunks{{0x1100, 0x40}}));
    expectTargetBytes(0x1040, 0x100);

    sim().clearLog();
    EXPECT_EQ(get(0x0FC0, 0x100), 0x100u);
    EXPECT_EQ(readLog(), (Chunks{{0x0FC0, 0x40}}));
    expectTargetBytes(0x0FC0, 0x100);
    // One contiguous block over all three requests.
    EXPECT_EQ(block().start(), UMemoryAddress(0, 0x0FC0));
    EXPECT_EQ(block().length(), 0x180u);
}

TEST_F(MemoryCache, AdjacentRequestsMergeAndAGapReplaces)
{
    get(0x1000, 0x10);
    sim().clearLog();
    get(0x1010, 0x10); // starts right after the block
    get(0x0FF0, 0x10); // ends right before it
    EXPECT_EQ(readLog(), (Chunks{{0x1010, 0x10}, {0x0FF0, 0x10}}));
    EXPECT_EQ(block().start(), UMemoryAddress(0, 0x0FF0));
    EXPECT_EQ(block().length(), 0x30u);

    sim().clearLog();
    get(0x1021, 0x10); // one byte of gap
    EXPECT_EQ(readLog(), (Chunks{{0x1021, 0x10}}));
    EXPECT_EQ(block().start(), UMemoryAddress(0, 0x1021));
    EXPECT_EQ(block().length(), 0x10u);
    expectTargetBytes(0x1021, 0x10);
}

TEST_F(MemoryCache, ARequestCoveringTheWholeBlockOrInAnotherSpaceReplaces)
{
    get(0x1008, 0x10);
    sim().clearLog();
    get(0x1000, 0x20);
    EXPECT_EQ(readLog(), (Chunks{{0x1000, 0x20}}));

    sim().clearLog();
    get(0x1000, 0x10, 2);
    EXPECT_EQ(readLog(), (Chunks{{0x1000, 0x10}}));
    EXPECT_EQ(sim().log().back().space, 2u);
    EXPECT_EQ(block().start(), UMemoryAddress(2, 0x1000));
    EXPECT_EQ(block().length(), 0x10u);
}

TEST_F(MemoryCache, AFailedReadMarksTheBytesNotRead)
{
    sim().setUnreadable(1, 0x2000, 0x2FFF);
    EXPECT_EQ(get(0x2000, 0x20), 0x20u);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data[0], 0);
    EXPECT_EQ(info.attributeAt(UMemoryAddress(0, 0x2000)), TESK_MEMORY_NOT_READ);
    EXPECT_EQ(info.attributeAt(UMemoryAddress(0, 0x201F)), TESK_MEMORY_NOT_READ);

    get(0x1000, 0x20);
    EXPECT_EQ(info.attributeAt(UMemoryAddress(0, 0x1000)), SimulatedTarget::kDefaultAttribute);
    // Outside the block nothing is known.
    EXPECT_EQ(info.attributeAt(UMemoryAddress(0, 0x1020)), TESK_MEMORY_NOT_READ);
    EXPECT_EQ(info.attributeAt(UMemoryAddress(1, 0x1000)), TESK_MEMORY_NOT_READ);
}

TEST_F(MemoryCache, AnUnreadableAppendIsHeldMarkedNotRead)
{
    sim().setUnreadable(1, 0x1400, 0x1400);
    get(0x1300, 0x100);
    EXPECT_EQ(get(0x1380, 0x100), 0x100u); // the missing 0x80 bytes are unreadable
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(block().length(), 0x180u);
    EXPECT_EQ(info.attributeAt(UMemoryAddress(0, 0x13FF)), SimulatedTarget::kDefaultAttribute);
    EXPECT_EQ(info.attributeAt(UMemoryAddress(0, 0x1400)), TESK_MEMORY_NOT_READ);
}

TEST_F(MemoryCache, GenerationsTellWhatChangedAndWhen)
{
    const UMemoryAddress at(0, 0x3000);
    get(0x3000, 0x10);
    EXPECT_EQ(info.changeGeneration(at, 4), 0); // only one generation holds it

    sim().poke(1, 0x3000, {0xEE});
    info.nextGeneration();
    get(0x3000, 0x10);
    EXPECT_EQ(info.changeGeneration(at, 4), 1);
    EXPECT_EQ(info.changeGeneration(at + 4, 4), 0); // unchanged, and only two generations

    info.nextGeneration();
    get(0x3000, 0x10);
    EXPECT_EQ(info.changeGeneration(at, 4), 2);
    EXPECT_EQ(info.changeGeneration(at + 4, 4), 0);

    info.nextGeneration();
    get(0x3000, 0x10);
    EXPECT_EQ(info.changeGeneration(at, 4), 0);

    // A change of attribute alone counts as a change.
    sim().setAttribute(1, 0x3008, 0x3008, 1);
    info.nextGeneration();
    get(0x3000, 0x10);
    EXPECT_EQ(info.changeGeneration(at + 8, 1), 1);
    EXPECT_EQ(info.changeGeneration(at + 0x20, 1), 0); // not held at all
}

TEST_F(MemoryCache, ClearingTheCurrentBlockReadsAgainButKeepsHistory)
{
    get(0x3000, 0x10);
    info.nextGeneration();
    get(0x3000, 0x10);
    sim().poke(1, 0x3000, {0x01, 0x02});
    sim().clearLog();
    info.clearCurrentBlock();
    get(0x3000, 0x10);
    EXPECT_EQ(reads(), 1);
    expectTargetBytes(0x3000, 0x10);
    EXPECT_EQ(info.changeGeneration(UMemoryAddress(0, 0x3000), 2), 1);
}

TEST_F(MemoryCache, TheTopOfTheSpaceGivesOnlyTheBytesThatExist)
{
    EXPECT_EQ(get(0xFFFFFF00, 0x200), 0x100u);
    EXPECT_EQ(readLog(), (Chunks{{0xFFFFFF00, 0x100}}));
    expectTargetBytes(0xFFFFFF00, 0x100);
    EXPECT_EQ(block().length(), 0x100u);

    // Scrolling down by a line at the top: already held, nothing read, still cut.
    sim().clearLog();
    EXPECT_EQ(get(0xFFFFFF10, 0x200), 0xF0u);
    EXPECT_EQ(reads(), 0);
    EXPECT_EQ(info.changeGeneration(UMemoryAddress(0, 0xFFFFFFF0), 0x100), 0);

    // Scrolling up from there: cut at the top, the request covers the whole block.
    EXPECT_EQ(get(0xFFFFFEF0, 0x200), 0x110u);
    EXPECT_EQ(readLog(), (Chunks{{0xFFFFFEF0, 0x110}}));
    EXPECT_EQ(block().length(), 0x110u);
    expectTargetBytes(0xFFFFFEF0, 0x110);
}

TEST_F(MemoryCache, ABlockGrowingOneWayStaysBounded)
{
    info.setBlockSize(0x100);
    const uint32_t limit = 16 * 0x100;
    for (uint32_t line = 0; line < 1000; ++line) {
        ASSERT_EQ(get(0x10000 + line * 16, 0x100), 0x100u);
        ASSERT_LE(block().length(), limit);
    }
    expectTargetBytes(0x10000 + 999 * 16, 0x100);
    EXPECT_EQ(reads(), 1000);

    for (uint32_t line = 0; line < 1000; ++line) {
        ASSERT_EQ(get(0x8000 - line * 16, 0x100), 0x100u);
        ASSERT_LE(block().length(), limit);
    }
    expectTargetBytes(0x8000 - 999 * 16, 0x100);
}

TEST_F(MemoryCache, InvalidAndEmptyRequestsGiveNothing)
{
    uint32_t length = 16;
    const uint8_t *bytes = reinterpret_cast<const uint8_t *>(&length);
    info.getData(UMemoryAddress(0, 0x100, false), length, bytes, 0);
    EXPECT_EQ(length, 0u);
    EXPECT_EQ(bytes, nullptr);
    EXPECT_EQ(get(0x100, 0), 0u);
    EXPECT_EQ(reads(), 0);
}

TEST_F(MemoryCache, WithoutTheComponentTheRangeShowsNotRead)
{
    SimulatedTarget::withdrawFromBroker();
    KGcp_Bridge_KSO lone;
    SimulatedTarget::registerWithBroker();
    KViewMemoryInfo view(&lone);
    view.setCurrentTargetId(1);
    uint32_t length = 8;
    const uint8_t *bytes = nullptr;
    view.getData(UMemoryAddress(0, 0x100), length, bytes, 0);
    ASSERT_EQ(length, 8u);
    EXPECT_EQ(bytes[7], 0);
    EXPECT_EQ(view.attributeAt(UMemoryAddress(0, 0x107)), TESK_MEMORY_NOT_READ);
}

TEST(ViewMemoryInfo, WithoutATargetEveryQuestionHasItsDefault)
{
    KViewMemoryInfo view;
    EXPECT_EQ(view.cacheFor(0), nullptr);
    view.setCurrentTargetId(0);
    EXPECT_EQ(view.cacheFor(0), nullptr);
    EXPECT_FALSE(view.startAddress().isValid());
    EXPECT_FALSE(view.isStartAddressValid());
    EXPECT_FALSE(view.isSelectionActive());
    EXPECT_FALSE(view.isAutomaticUpdate());
    EXPECT_FALSE(view.isTimedUpdateWhenRunning());
    EXPECT_EQ(view.defaultAccessSize(), 1);
    EXPECT_EQ(view.byteOrder(), 1);
    EXPECT_EQ(view.blockSize(), 128);
    EXPECT_EQ(view.attributeAt(UMemoryAddress(0, 0)), TESK_MEMORY_NOT_READ);
    EXPECT_EQ(view.changeGeneration(UMemoryAddress(0, 0), 1), 0);
    view.setBlockSize(7);
    view.nextGeneration();
    EXPECT_EQ(view.blockSize(), 128);

    uint32_t length = 16;
    const uint8_t *bytes = reinterpret_cast<const uint8_t *>(&length);
    EXPECT_EQ(view.getData(UMemoryAddress(0, 0), length, bytes, 0), nullptr);
    EXPECT_EQ(length, 16u);
    EXPECT_EQ(bytes, reinterpret_cast<const uint8_t *>(&length));
}

TEST(ViewMemoryInfo, EachTargetKeepsItsOwnState)
{
    KViewMemoryInfo view;
    view.setCurrentTargetId(30);
    view.setStartAddress(UMemoryAddress(0, 0x300));
    view.setAutomaticUpdate(false);
    view.setSelection(UMemoryAddress(0, 1), UMemoryAddress(0, 2), UMemoryAddress(0, 3));
    view.setSelectionActive(true);
    view.setCurrentTargetId(10);
    view.setCurrentTargetId(20);
    EXPECT_TRUE(view.isAutomaticUpdate());
    EXPECT_FALSE(view.isStartAddressValid());
    EXPECT_EQ(view.blockSize(), 128);
    EXPECT_EQ(view.byteOrder(), 0);

    EXPECT_EQ(view.targetIdAt(0), 10u);
    EXPECT_EQ(view.targetIdAt(1), 20u);
    EXPECT_EQ(view.targetIdAt(2), 30u);
    EXPECT_EQ(view.targetIdAt(3), 0u);
    EXPECT_EQ(view.targetIdAt(-1), 0u);
    EXPECT_EQ(view.startAddressOf(30), UMemoryAddress(0, 0x300));
    EXPECT_FALSE(view.startAddressOf(99).isValid());

    view.setCurrentTargetId(30);
    EXPECT_FALSE(view.isAutomaticUpdate());
    EXPECT_TRUE(view.isSelectionActive());
    EXPECT_EQ(view.cursorAddress(), UMemoryAddress(0, 3));
    EXPECT_EQ(view.cacheFor(30)->targetId(), 30u);
}

TEST_F(MemoryCache, InvalidateAllMakesEveryTargetReadAgain)
{
    get(0x100, 0x10);
    info.setCurrentTargetId(2);
    uint32_t length = 0x10;
    info.getData(UMemoryAddress(0, 0x100), length, data, 0);
    info.invalidateAll();
    sim().clearLog();
    get(0x100, 0x10);
    info.setCurrentTargetId(1);
    get(0x100, 0x10);
    EXPECT_EQ(reads(), 2);
    EXPECT_EQ(sim().log()[0].target, 2);
    EXPECT_EQ(sim().log()[1].target, 1);
}
