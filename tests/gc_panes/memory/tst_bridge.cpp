// The memory-access bridge against the logging simulated target: aligned chunks, unreadable
// chunks, attribute runs from well- and ill-behaved hosts, the top of the space, the other
// wrappers, and a bridge without the component.
#include "simfixture.h"
#include "testhost.h"

#include "gui_components/gc_panes/memory/bridgekso.h"
#include "gui_components/gc_panes/memory/moskostream.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Chunks = std::vector<std::pair<uint32_t, uint32_t>>;

class Bridge : public SimulatedTargetTest
{
protected:
    struct Read
    {
        uint32_t count = 0xDEAD;
        const uint8_t *data = nullptr;
        std::vector<uint32_t> attributes;
    };

    static Read read(uint32_t offset, uint32_t length, int target = 1,
                     const std::string &space = "memory")
    {
        Read r;
        bridge()->readMemory(space, target, UMemoryAddress(0, offset), length, &r.count, &r.data,
                             &r.attributes, 0);
        return r;
    }

    static KGcp_Bridge_KSO *bridge() { return KGcp_Bridge_KSO::instance(); }
};

} // namespace

TEST_F(Bridge, ReadsInChunksThatNeverCrossAKibBoundary)
{
    read(0x3F0, 100);
    EXPECT_EQ(readLog(), (Chunks{{0x3F0, 16}, {0x400, 84}}));
    sim().clearLog();
    read(0x400, 100);
    EXPECT_EQ(readLog(), (Chunks{{0x400, 100}}));
    sim().clearLog();
    read(0x3FF, 1);
    EXPECT_EQ(readLog(), (Chunks{{0x3FF, 1}}));
    sim().clearLog();

    const Read r = read(0x200, 2048);
    EXPECT_EQ(readLog(), (Chunks{{0x200, 512}, {0x400, 1024}, {0x800, 512}}));
    ASSERT_EQ(r.count, 2048u);
    ASSERT_NE(r.data, nullptr);
    ASSERT_EQ(r.attributes.size(), 2048u);
    for (uint32_t i = 0; i < 2048; ++i) {
        ASSERT_EQ(r.data[i], SimulatedTarget::patternByte(1, 0x200 + i)) << i;
        ASSERT_EQ(r.attributes[i], SimulatedTarget::kDefaultAttribute) << i;
    }
}

TEST_F(Bridge, AFailedChunkIsZeroesMarkedNotReadAndOnlyThatChunk)
{
    sim().setUnreadable(1, 0x500, 0x500);
    sim().poke(1, 0x3FF, {0xAB});
    const Read r = read(0x3F0, 0x420);
    EXPECT_EQ(readLog(), (Chunks{{0x3F0, 16}, {0x400, 1024}, {0x800, 0x10}}));
    ASSERT_EQ(r.count, 0x420u);
    ASSERT_EQ(r.attributes.size(), 0x420u);
    EXPECT_EQ(r.data[0xF], 0xAB);
    EXPECT_EQ(r.attributes[0xF], SimulatedTarget::kDefaultAttribute);
    for (uint32_t i = 0x10; i < 0x410; ++i) {
        ASSERT_EQ(r.data[i], 0) << i;
        ASSERT_EQ(r.attributes[i], TESK_MEMORY_NOT_READ) << i;
    }
    EXPECT_EQ(r.data[0x410], SimulatedTarget::patternByte(1, 0x800));
    EXPECT_EQ(r.attributes[0x410], SimulatedTarget::kDefaultAttribute);
}

TEST_F(Bridge, RunsBecomeOneCodePerByte)
{
    sim().setAttribute(1, 0x104, 0x107, 3);
    sim().setAttribute(1, 0x10C, 0x10F, 1);
    const Read r = read(0x100, 16);
    const std::vector<uint32_t> expected{5, 5, 5, 5, 3, 3, 3, 3, 5, 5, 5, 5, 1, 1, 1, 1};
    EXPECT_EQ(r.attributes, expected);

    // The attribute list is appended to, never replaced.
    std::vector<uint32_t> list{42};
    uint32_t count = 0;
    const uint8_t *data = nullptr;
    bridge()->readMemory("MeMoRy", 1, UMemoryAddress(0, 0x100), 4, &count, &data, &list, 0);
    EXPECT_EQ(list, (std::vector<uint32_t>{42, 5, 5, 5, 5}));
}

TEST_F(Bridge, IllBehavedRunAnswersAreBoundedAndPadded)
{
    sim().setAttribute(1, 0x100, 0x107, 3);
    sim().setShortRuns(true);
    Read r = read(0x100, 16);
    // The last run (8 bytes of code 5) was halved: its other half is padded with code 0.
    EXPECT_EQ(r.attributes,
              (std::vector<uint32_t>{3, 3, 3, 3, 3, 3, 3, 3, 5, 5, 5, 5, 0, 0, 0, 0}));

    sim().setShortRuns(false);
    sim().setOverstatedRunCount(true);
    r = read(0x100, 16);
    EXPECT_EQ(r.attributes,
              (std::vector<uint32_t>{3, 3, 3, 3, 3, 3, 3, 3, 5, 5, 5, 5, 5, 5, 5, 5}));
}

TEST_F(Bridge, ReadsStopAtTheTopOfTheSpace)
{
    const Read r = read(0xFFFFFFF0, 0x40);
    EXPECT_EQ(readLog(), (Chunks{{0xFFFFFFF0, 16}}));
    EXPECT_EQ(r.count, 16u);
    EXPECT_EQ(r.attributes.size(), 16u);
    EXPECT_EQ(r.data[15], SimulatedTarget::patternByte(1, 0xFFFFFFFF));
}

TEST_F(Bridge, AnotherSpaceReadsNothingAndKeepsTheBuffer)
{
    const Read first = read(0x100, 8);
    uint32_t count = 0xDEAD;
    const uint8_t *data = first.data;
    std::vector<uint32_t> attributes;
    bridge()->readMemory("Registers", 1, UMemoryAddress(0, 0x100), 8, &count, &data, &attributes,
                         0);
    EXPECT_EQ(reads(), 1);
    // The caller's values are left as they were.
    EXPECT_EQ(data, first.data);
    EXPECT_EQ(count, 0xDEADu);
    EXPECT_TRUE(attributes.empty());
    // The previous answer is still there.
    EXPECT_EQ(first.data[0], SimulatedTarget::patternByte(1, 0x100));
}

TEST_F(Bridge, FlagsReachTheHost)
{
    uint32_t count = 0;
    const uint8_t *data = nullptr;
    bridge()->readMemory("memory", 1, UMemoryAddress(0, 0), 4, &count, &data, nullptr, 7);
    EXPECT_EQ(sim().lastReadFlags(), 7);
    EXPECT_EQ(count, 4u);
}

TEST_F(Bridge, AddressTexts)
{
    EXPECT_EQ(bridge()->addressToText(1, UMemoryAddress(0, 0x1234)), "0x00001234");
    EXPECT_EQ(bridge()->addressToText(1, UMemoryAddress(2, 0x10)), "2:0x00000010");
    EXPECT_EQ(sim().count(SimulatedTarget::Kind::AddressText), 2);
    EXPECT_EQ(bridge()->addressToText(1, UMemoryAddress(0, 0x1234, false)), "");
    EXPECT_EQ(sim().count(SimulatedTarget::Kind::AddressText), 2);

    const UMemoryAddress a = bridge()->textToAddress(1, "2:0x100");
    EXPECT_TRUE(a.isValid());
    EXPECT_EQ(a, UMemoryAddress(2, 0x100));
    EXPECT_FALSE(bridge()->textToAddress(1, "main+").isValid());
    EXPECT_FALSE(bridge()->textToAddress(1, "").isValid());
}

TEST_F(Bridge, TargetQuestions)
{
    sim().setBigEndian(2, true);
    sim().setRunningAccess(2, true);
    sim().setTargetName(2, "core B");
    const UMemoryAddress a(0, 0x100);
    EXPECT_TRUE(bridge()->byteOrderAt(2, a));
    EXPECT_FALSE(bridge()->byteOrderAt(1, a));
    EXPECT_FALSE(bridge()->byteOrderAt(2, UMemoryAddress()));
    EXPECT_EQ(bridge()->defaultAccessSize(1, a), 4);
    EXPECT_EQ(bridge()->defaultAccessSize(1, UMemoryAddress()), 1);
    EXPECT_TRUE(bridge()->supportsRunningAccess(2));
    EXPECT_FALSE(bridge()->supportsRunningAccess(1));
    EXPECT_EQ(bridge()->targetName(2), "core B");

    UMemoryAddress start;
    uint32_t length = 0;
    ASSERT_TRUE(bridge()->adjustAddress(1, UMemoryAddress(3, 0x500), start, length));
    EXPECT_EQ(start, UMemoryAddress(3, 0));
    EXPECT_EQ(length, 0xFFFFFFFFu);
    UMemoryAddress moved;
    ASSERT_TRUE(bridge()->adjustAddress2(1, start, 0x40, moved));
    EXPECT_EQ(moved, UMemoryAddress(3, 0x40));

    std::string ids, names;
    EXPECT_TRUE(bridge()->disassemblyFormatLists("Memory", 1, ids, names));
    EXPECT_EQ(ids, "0\t1");
    EXPECT_FALSE(bridge()->disassemblyFormatLists("registers", 1, ids, names));

    const void *lines = &ids;
    const uint8_t *lengths = reinterpret_cast<const uint8_t *>(&ids);
    uint32_t rows = 12;
    bridge()->memorySpaceInfo("memory", 1, a, 0, &lines, &lengths, &rows);
    EXPECT_EQ(sim().count(SimulatedTarget::Kind::DisassemblyLines), 1);
    EXPECT_EQ(sim().log().back().length, 12u);
    ASSERT_EQ(rows, 12u);
    ASSERT_NE(lines, nullptr);
    ASSERT_NE(lengths, nullptr);
    EXPECT_STRNE(static_cast<const TeskDisassemblyLine *>(lines)[0].text, "");
    // A host answering more lines than asked for gets its surplus ignored.
    sim().setIgnoresLineCount(true);
    sim().scriptDisassembly(std::vector<SimulatedTarget::ScriptedLine>(50, {"0x0 nop", 2}));
    rows = 4;
    bridge()->memorySpaceInfo("memory", 1, a, 0, &lines, &lengths, &rows);
    EXPECT_EQ(rows, 4u);
    bridge()->memorySpaceInfo("registers", 1, a, 0, &lines, &lengths, &rows);
    EXPECT_EQ(lines, nullptr);
    EXPECT_EQ(lengths, nullptr);
    EXPECT_EQ(rows, 0u);
}

TEST_F(Bridge, WritesFillsAndBreakpointsReachTheTarget)
{
    const uint8_t byte = 0x5A;
    bridge()->memorySpaceAction("memory", nullptr, 1, UMemoryAddress(0, 0x200), 1,
                                reinterpret_cast<intptr_t>(&byte));
    EXPECT_EQ(sim().peek(1, 0x200), 0x5A);
    bridge()->memorySpaceAction("registers", nullptr, 1, UMemoryAddress(0, 0x201), 1,
                                reinterpret_cast<intptr_t>(&byte));
    EXPECT_EQ(sim().count(SimulatedTarget::Kind::Write), 1);

    bridge()->fillMemory("memory", nullptr, 1, UMemoryAddress(0, 0x300), UMemoryAddress(), 4, 3,
                         "0x11223344");
    EXPECT_EQ(sim().peek(1, 0x300), 0x44);
    EXPECT_EQ(sim().peek(1, 0x303), 0x11);
    bridge()->fillMemory("memory", nullptr, 1, UMemoryAddress(0, 0x310), UMemoryAddress(0, 0x311),
                         0, 1, "7");
    EXPECT_EQ(sim().peek(1, 0x311), 7);
    EXPECT_EQ(sim().bytes(SimulatedTarget::Kind::Fill), 6u);

    EXPECT_TRUE(
        bridge()->createBreakpointAt(nullptr, 1, UMemoryAddress(0, 0x10), UMemoryAddress(0, 0x1F)));
    EXPECT_EQ(sim().log().back().length, 16u);
    // The host refuses a reversed range: the answer says so.
    EXPECT_FALSE(
        bridge()->createBreakpointAt(nullptr, 1, UMemoryAddress(0, 0x1F), UMemoryAddress(0, 0x10)));
}

TEST_F(Bridge, WithoutTheComponentEveryWrapperAnswersItsFailureValue)
{
    SimulatedTarget::withdrawFromBroker();
    KGcp_Bridge_KSO lone;
    SimulatedTarget::registerWithBroker();
    EXPECT_FALSE(lone.hasMemoryAccess());
    EXPECT_TRUE(lone.hasFacade());

    uint32_t count = 99;
    const uint8_t *data = reinterpret_cast<const uint8_t *>(&count);
    std::vector<uint32_t> attributes;
    lone.readMemory("memory", 1, UMemoryAddress(0, 0), 16, &count, &data, &attributes, 0);
    EXPECT_EQ(data, reinterpret_cast<const uint8_t *>(&count));
    EXPECT_EQ(count, 99u);
    EXPECT_TRUE(attributes.empty());
    EXPECT_EQ(lone.defaultAccessSize(1, UMemoryAddress(0, 0)), 1);
    EXPECT_FALSE(lone.byteOrderAt(1, UMemoryAddress(0, 0)));
    EXPECT_EQ(lone.targetName(1), "");
    EXPECT_FALSE(lone.textToAddress(1, "0x10").isValid());
    EXPECT_FALSE(lone.createBreakpointAt(nullptr, 1, UMemoryAddress(0, 0), UMemoryAddress(0, 1)));
    UMemoryAddress out;
    uint32_t length = 0;
    EXPECT_FALSE(lone.adjustAddress(1, UMemoryAddress(0, 0), out, length));
    EXPECT_EQ(reads(), 0);
}

TEST(MoskOStream, AnswersTheStreamInterfaceAndKeepsTheText)
{
    KGcp_moskOStream stream;
    MoskOStream *face = stream.face();
    uint32_t id = 0, v1 = 0, v2 = 0, v3 = 0;
    EXPECT_EQ(face->ops->getInterfaceInfo(face, &id, &v1, &v2, &v3), nullptr);
    EXPECT_EQ(id, MOSK_IID_OSTREAM);
    EXPECT_EQ(v1 + v2 + v3, 76u);

    void *out = nullptr;
    EXPECT_EQ(face->ops->QueryInterface(face, &out, MOSK_IID_OSTREAM, 1), nullptr);
    EXPECT_EQ(out, face);
    face->ops->Release(face);
    MoskResult tooNew = face->ops->QueryInterface(face, &out, MOSK_IID_OSTREAM, 2);
    EXPECT_EQ(moskErrorCode(tooNew), MOSK_ERR_VERSION);
    mosk::release(tooNew);
    EXPECT_EQ(stream.refCount(), 0u);

    EXPECT_EQ(face->ops->reserved4(face, 1, 2), nullptr);
    EXPECT_EQ(face->ops->setText(face, "abc"), nullptr);
    EXPECT_EQ(face->ops->reserved6(face, 3), nullptr);
    EXPECT_EQ(stream.text(), "abc");
    face->ops->setText(face, nullptr);
    EXPECT_EQ(stream.text(), "");
}
