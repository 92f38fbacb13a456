// The simulated target's disassembly through the bridge into the disassembly table: Capstone
// lines of the host's own ARM program, Thumb ranges, bytes that decode to nothing, unreadable
// memory, the format with bytes, and scripted lines a host might send.
#include "armprogram.h"
#include "gc_panes/memory/simfixture.h"
#include "memorytableviewdouble.h"
#include "testhost.h"

#include "gui_components/gc_panes/memoryview/viewmemorydsm.h"

#include <gtest/gtest.h>

using testhost::MemoryTableViewDouble;

namespace {

class Disassembly : public SimulatedTargetTest
{
protected:
    void SetUp() override
    {
        testhost::startLibrary();
        SimulatedTargetTest::SetUp();
        sim().poke(1, kArmProgramBase, armProgramBytes());
    }

    // The rows of a listing from `offset`: "label|text".
    static QStringList listing(uint32_t offset, int rows, int formatId = 0)
    {
        MemoryTableViewDouble v(rows, 4, 1);
        v.showAt(offset);
        v.refreshDisassembly(formatId);
        QStringList lines;
        for (int r = 0; r < rows; ++r)
            lines << v.dsm().verticalHeader()->label(r) + u'|' + v.dsm().text(r, 0);
        s_lengths = v.dsm().lengths();
        return lines;
    }

    static inline std::vector<uint32_t> s_lengths;
};

} // namespace

TEST_F(Disassembly, DecodesTheHostsArmProgram)
{
    const QStringList lines = listing(kArmProgramBase, 11);
    EXPECT_EQ(lines[0], "0x00008000|mov r0, #0");
    EXPECT_EQ(lines[1], "0x00008004|ldr r4, [pc, #0x14]");
    EXPECT_EQ(lines[3], "0x0000800C|bl #0x8024");
    EXPECT_EQ(lines[6], "0x00008018|bne #0x8008");
    EXPECT_EQ(lines[10], "0x00008028|bx lr");
    EXPECT_EQ(s_lengths, std::vector<uint32_t>(11, 4));
    EXPECT_EQ(listing(kArmProgramBase, 1, 1)[0], "0x00008000|00 00 a0 e3  mov r0, #0");
}

TEST_F(Disassembly, ThumbRangesDecodeTwoByteInstructions)
{
    sim().setThumb(1, 0x9000, 0x9FFF);
    sim().poke(1, 0x9000, {0x00, 0x20, 0x70, 0x47});
    const QStringList lines = listing(0x9000, 2);
    EXPECT_EQ(lines[0], "0x00009000|movs r0, #0");
    EXPECT_EQ(lines[1], "0x00009002|bx lr");
    EXPECT_EQ(s_lengths, (std::vector<uint32_t>{2, 2}));
}

TEST_F(Disassembly, UndecodableBytesAndUnreadableMemoryKeepTheirPlace)
{
    sim().setUnreadable(1, 0xA004, 0xA0FF);
    const QStringList lines = listing(0xA002, 3);
    EXPECT_TRUE(lines[0].startsWith("0x0000A002|.byte 0x")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("0x0000A003|.byte 0x")) << lines[1].toStdString();
    EXPECT_EQ(lines[2], "0x0000A004|??");
    EXPECT_EQ(s_lengths, (std::vector<uint32_t>{1, 1, 4}));
}

TEST_F(Disassembly, ScriptedLinesWithoutSpacesOrLengthsStillFillRows)
{
    sim().scriptDisassembly({{"lonely", 0}, {"  0x10 nop", 2}});
    const QStringList lines = listing(0, 3);
    EXPECT_EQ(lines[0], "|lonely");
    EXPECT_EQ(lines[1], "0x10|nop");
    EXPECT_EQ(lines[2], "|");
    EXPECT_EQ(s_lengths, (std::vector<uint32_t>{1, 2}));
}
