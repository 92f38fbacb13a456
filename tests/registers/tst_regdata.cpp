// Register data sets as the host builds and updates them through the C interface.
#include "registerrecords.h"
#include "testhost.h"

#include "registers/regdata.h"
#include "registers/regdataitem.h"
#include "registers/regdatasets.h"
#include "registers/regdataview.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using namespace tesk::host;

// Each test works on a data set of its own.
class RegDataTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static uint32_t next = 1000;
        id = next++;
        ASSERT_EQ(CuiRegPaneDataCreate(id), 1);
    }

    RegData &data() const { return *RegDataSets::instance().get(id); }
    int add(RegDataRecord r) { return CuiRegPaneDataAdd(id, &r); }
    RegDataItem &item(const char *fullName) const
    {
        RegDataItem *i = data().item(QString::fromLatin1(fullName));
        EXPECT_NE(i, nullptr) << fullName;
        return *i;
    }
    int update(int16_t first, int16_t count, const char *text, uint32_t highlight = 0)
    {
        const RegLineBlock block{first, count, text};
        RegDataRecord r = updateRecord(&block, 1, highlight);
        return CuiRegPaneDataUpdate(id, &r);
    }

    uint32_t id = 0;
};

} // namespace

TEST_F(RegDataTest, DataSetsAreCreatedOncePerId)
{
    EXPECT_EQ(CuiRegPaneDataCreate(id), 0);
    EXPECT_EQ(CuiRegPaneDataTestOfExistence(id), 1);
    EXPECT_EQ(CuiRegPaneDataTestOfExistence(id + 50000), 0);
    EXPECT_EQ(CuiRegPaneDataTestOfExistence(0), 1);
    EXPECT_EQ(CuiRegPaneDataTestOfExistence(1), 1);
    RegDataRecord r = registerRecord("R0");
    EXPECT_EQ(CuiRegPaneDataAdd(id + 50000, &r), 0);
    EXPECT_EQ(CuiRegPaneDataUpdate(id + 50000, &r), 0);
}

TEST(RegDataSetsTest, BuiltInDataSetsHoldTheirPlaceholder)
{
    for (uint32_t id : {0u, 1u}) {
        const RegData *data = RegDataSets::instance().get(id);
        ASSERT_NE(data, nullptr);
        ASSERT_EQ(data->views().size(), 1u);
        EXPECT_EQ(data->views().front()->name(), QLatin1String("Core"));
        ASSERT_EQ(data->items().size(), 1u);
        EXPECT_EQ(data->items().front()->fullName(), QLatin1String("Null"));
        EXPECT_EQ(data->items().front()->flags(), uint32_t(REG_FLAG_TITLE));
        EXPECT_EQ(data->userView()->name(), QLatin1String("User"));
    }
    EXPECT_EQ(RegDataSets::instance().get(1)->items().front()->name(),
              QLatin1String("<No Register Context Whilst Running>"));
}

TEST_F(RegDataTest, GroupsComposeFullNames)
{
    EXPECT_EQ(add(viewRecord("Core")), 1);
    EXPECT_EQ(add(registerRecord("R0", REG_FLAG_GROUP_HEAD)), 1);
    EXPECT_EQ(add(registerRecord("R1", REG_FLAG_IN_GROUP)), 1);
    EXPECT_EQ(add(registerRecord("R2")), 1);
    EXPECT_EQ(add(registerRecord("R3")), 1);
    EXPECT_EQ(add(registerRecord("  R4 ", REG_FLAG_GROUP_HEAD_2)), 1);
    EXPECT_EQ(add(registerRecord("R5", REG_FLAG_IN_GROUP_2)), 1);
    const char *expected[] = {"Core.R0", "Core.R0.R1", "Core.R0.R2",
                              "Core.R3", "Core.R4",    "Core.R4.R5"};
    ASSERT_EQ(data().items().size(), 6u);
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(data().items()[i]->fullName(), QLatin1String(expected[i]));
    EXPECT_EQ(data().items()[5]->name(), QLatin1String("R5"));

    RegDataRecord given = registerRecord("PC");
    given.fullName = " @PC ";
    EXPECT_EQ(add(given), 1);
    EXPECT_EQ(data().items().back()->fullName(), QLatin1String("@PC"));
    EXPECT_EQ(data().group(), QString());
}

TEST_F(RegDataTest, ViewsAreUniqueByNameAndBecomeCurrent)
{
    EXPECT_EQ(add(viewRecord("Core")), 1);
    EXPECT_EQ(add(viewRecord(" System ")), 1);
    EXPECT_EQ(add(registerRecord("S0")), 1);
    EXPECT_EQ(add(viewRecord("Core")), 0);
    EXPECT_EQ(add(registerRecord("C0")), 1);
    ASSERT_EQ(data().views().size(), 2u);
    EXPECT_EQ(data().views()[1]->name(), QLatin1String("System"));
    EXPECT_EQ(item("System.S0").ownerView(), data().views()[1]);
    EXPECT_EQ(item("Core.C0").ownerView(), data().views()[0]);
    EXPECT_EQ(data().views()[0]->instances().size(), 1u);

    // A view holds one entry per full name; the register is still made.
    RegDataRecord again = registerRecord("C0");
    EXPECT_EQ(add(again), 1);
    EXPECT_EQ(data().views()[0]->instances().size(), 1u);
    EXPECT_EQ(data().items().size(), 3u);
}

TEST_F(RegDataTest, RecordsThatMakeNothing)
{
    EXPECT_EQ(add(registerRecord("Early")), 0); // no view yet: kept, but in no view
    EXPECT_EQ(data().items().size(), 1u);
    EXPECT_EQ(item(".Early").ownerView(), nullptr);
    add(viewRecord("Core"));
    EXPECT_EQ(add(registerRecord("T6", 0, 0, REG_TYPE_NO_ITEM)), 0);
    EXPECT_EQ(add(registerRecord("T11", 0, 0, REG_TYPE_LAST + 1)), 0);
    RegDataRecord other = registerRecord("K");
    other.kind = 2;
    EXPECT_EQ(add(other), 0);
    EXPECT_EQ(add(registerRecord(nullptr)), 0);
    EXPECT_EQ(add(viewRecord(nullptr)), 0);
    EXPECT_EQ(CuiRegPaneDataAdd(id, nullptr), 0);
    EXPECT_EQ(data().items().size(), 1u);
}

TEST_F(RegDataTest, MembersOfAGroupWhoseHeadMadeNoItemAreRefused)
{
    add(viewRecord("Core"));
    EXPECT_EQ(add(registerRecord("G", REG_FLAG_GROUP_HEAD, 0, REG_TYPE_NO_ITEM)), 0);
    EXPECT_EQ(add(registerRecord("A", REG_FLAG_IN_GROUP)), 0);
    EXPECT_EQ(add(registerRecord("B", REG_FLAG_IN_GROUP)), 0);
    // The next plain register ends the group; a head that makes an item takes members again.
    EXPECT_EQ(add(registerRecord("R")), 1);
    EXPECT_EQ(add(registerRecord("H", REG_FLAG_GROUP_HEAD)), 1);
    EXPECT_EQ(add(registerRecord("C", REG_FLAG_IN_GROUP)), 1);
    QStringList names;
    for (const auto &instance : data().views()[0]->instances())
        names << instance->item->fullName();
    // R still takes the group into its name, as any record that ends a group does.
    EXPECT_EQ(names, QStringList({"Core.G.R", "Core.H", "Core.H.C"}));
}

TEST_F(RegDataTest, EnumerationTablesAreParsed)
{
    const std::vector<const char *> strings = {"A\tB=5\tC",        "X=1=2", "\x01:12", "\x04", "",
                                               "D=0x10\tE\tF=010", nullptr, "A\t\tB"};
    EXPECT_EQ(add(enumTablesRecord(strings)), 1);
    const auto &t = data().enumTables();
    ASSERT_EQ(t.size(), 8u);
    EXPECT_EQ(t[0]->names, QStringList({"A", "B", "C"}));
    EXPECT_EQ(t[0]->values, QVector<quint32>({0, 5, 6}));
    EXPECT_EQ(t[0]->valid, 1);
    EXPECT_EQ(t[1]->valid, 0);
    EXPECT_EQ(t[1]->overrideType, 9u);
    EXPECT_EQ(t[2]->valid, 0);
    EXPECT_EQ(t[2]->overrideType, uint32_t(REG_TYPE_RADIX_10));
    EXPECT_EQ(t[2]->bitSize, 12u);
    EXPECT_EQ(t[3]->overrideType, uint32_t(REG_TYPE_RADIX_16));
    EXPECT_EQ(t[4]->overrideType, 9u);
    EXPECT_EQ(t[5]->values, QVector<quint32>({16, 17, 8}));
    EXPECT_EQ(t[6]->valid, 0); // a missing string keeps the later indices in place
    // An empty entry is a name too: it takes its number, so the next one counts on.
    EXPECT_EQ(t[7]->names, QStringList({"A", "", "B"}));
    EXPECT_EQ(t[7]->values, QVector<quint32>({0, 1, 2}));

    RegDataRecord none = enumTablesRecord(nullptr, 3);
    EXPECT_EQ(add(none), 0);
    EXPECT_EQ(data().enumTables().size(), 8u);
}

TEST_F(RegDataTest, EnumeratedRecordsTakeTheirTableOrBecomePlain)
{
    add(enumTablesRecord({"OFF\tON", "\x01:12"}));
    add(viewRecord("Core"));
    RegDataRecord good = registerRecord("MODE", 0, 0, REG_TYPE_ENUMERATED);
    good.tableIndex = 0;
    RegDataRecord past = registerRecord("PAST", 0, 0, REG_TYPE_ENUMERATED);
    past.tableIndex = 2;
    RegDataRecord over = registerRecord("OVER", 0, 0, REG_TYPE_ENUMERATED);
    over.tableIndex = 1;
    EXPECT_EQ(CuiRegPaneDataAdd(id, &good), 1);
    EXPECT_EQ(CuiRegPaneDataAdd(id, &past), 1);
    EXPECT_EQ(CuiRegPaneDataAdd(id, &over), 1);

    EXPECT_EQ(good.type, uint32_t(REG_TYPE_ENUMERATED));
    EXPECT_EQ(item("Core.MODE").kind(), RegDataItem::Enumerated);
    EXPECT_EQ(item("Core.MODE").valueText(), QLatin1String("!!!!!!!!"));
    EXPECT_EQ(*item("Core.MODE").enumNames(), QStringList({"OFF", "ON"}));

    EXPECT_EQ(past.type, uint32_t(REG_TYPE_RADIX_16));
    EXPECT_EQ(item("Core.PAST").kind(), RegDataItem::Plain);
    EXPECT_EQ(item("Core.PAST").valueText(), QLatin1String("0"));

    EXPECT_EQ(over.type, uint32_t(REG_TYPE_RADIX_10));
    EXPECT_EQ(item("Core.OVER").type(), uint32_t(REG_TYPE_RADIX_10));
    EXPECT_EQ(item("Core.OVER").bitSize(), 12u);
}

TEST_F(RegDataTest, UpdatesSetValuesInsideTheWindow)
{
    add(viewRecord("Core"));
    RegDataRecord a = registerRecord("A", 0, 10);
    RegDataRecord b = registerRecord("B", 0, 11);
    b.column = 4;
    b.width = 3;
    RegDataRecord c = registerRecord("C", 0, 12);
    RegDataRecord d = registerRecord("D", 0, 13);
    for (RegDataRecord *r : {&a, &b, &c, &d})
        CuiRegPaneDataAdd(id, r);
    QSignalSpy updated(&data(), &RegData::sigDataUpdated);
    QSignalSpy changedB(&item("Core.B"), qOverload<const QString &>(&RegDataItem::sigDataChanged));

    // Three lines for a window of four: D keeps its value. B reads from its column.
    EXPECT_EQ(update(10, 4, "00000001\nxxxxabcdef\n00000003", 1), 1);
    EXPECT_EQ(item("Core.A").valueText(), QLatin1String("00000001"));
    EXPECT_EQ(item("Core.B").valueText(), QLatin1String("abc"));
    EXPECT_EQ(item("Core.C").valueText(), QLatin1String("00000003"));
    EXPECT_EQ(item("Core.D").valueText(), QLatin1String("0"));
    EXPECT_EQ(updated.count(), 1);
    EXPECT_EQ(changedB.count(), 1);
    EXPECT_TRUE(RegDataItem::highlightChanges());
    EXPECT_EQ(data().windowFirstLine(), 10);
    EXPECT_EQ(data().windowLineCount(), 4);

    // A window that does not reach a line, and a line shorter than a column.
    EXPECT_EQ(update(11, 1, "12"), 1);
    EXPECT_EQ(item("Core.A").valueText(), QLatin1String("00000001"));
    EXPECT_EQ(item("Core.B").valueText(), QLatin1String("abc"));
    EXPECT_FALSE(RegDataItem::highlightChanges());

    // Empty and missing text change nothing but still tell the views.
    EXPECT_EQ(update(10, 4, ""), 1);
    EXPECT_EQ(update(10, 4, nullptr), 1);
    EXPECT_EQ(item("Core.A").valueText(), QLatin1String("00000001"));
    EXPECT_EQ(updated.count(), 4);
    EXPECT_EQ(changedB.count(), 1);

    // No line blocks at all: nothing happens and nothing is told.
    RegDataRecord noBlocks{};
    EXPECT_EQ(CuiRegPaneDataUpdate(id, &noBlocks), 1);
    EXPECT_EQ(CuiRegPaneDataUpdate(id, nullptr), 0);
    EXPECT_EQ(updated.count(), 4);
}

TEST_F(RegDataTest, SeveralBlocksApplyInTurn)
{
    add(viewRecord("Core"));
    add(registerRecord("A", 0, 0));
    add(registerRecord("B", 0, 5));
    QSignalSpy updated(&data(), &RegData::sigDataUpdated);
    RegLineBlock blocks[] = {{0, 1, "11111111"}, {5, 1, "55555555"}};
    RegDataRecord r = updateRecord(blocks, 2);
    EXPECT_EQ(CuiRegPaneDataUpdate(id, &r), 1);
    EXPECT_EQ(item("Core.A").valueText(), QLatin1String("11111111"));
    EXPECT_EQ(item("Core.B").valueText(), QLatin1String("55555555"));
    EXPECT_EQ(updated.count(), 1);
    EXPECT_EQ(data().lines(), QStringList({"55555555"}));
}

// Registers need not come in line order, and an update reuses what the last one left.
TEST_F(RegDataTest, UpdatesFindRegistersAddedOutOfLineOrder)
{
    add(viewRecord("Core"));
    RegDataRecord hi = registerRecord("HI", 0, 3);
    hi.width = 4;
    RegDataRecord lo = registerRecord("LO", 0, 3);
    lo.column = 4;
    lo.width = 4;
    for (RegDataRecord *r : {&hi, &lo})
        CuiRegPaneDataAdd(id, r);
    add(registerRecord("ONE", 0, 1));
    add(registerRecord("TWO", 0, 2));
    add(registerRecord("ZERO", 0, 0));

    EXPECT_EQ(update(0, 4, "00000000\n11111111\n22222222\n3333cccc"), 1);
    EXPECT_EQ(item("Core.ZERO").valueText(), QLatin1String("00000000"));
    EXPECT_EQ(item("Core.ONE").valueText(), QLatin1String("11111111"));
    EXPECT_EQ(item("Core.TWO").valueText(), QLatin1String("22222222"));
    EXPECT_EQ(item("Core.HI").valueText(), QLatin1String("3333"));
    EXPECT_EQ(item("Core.LO").valueText(), QLatin1String("cccc"));

    // A shorter update after a longer one: nothing of the earlier text shows through, and a
    // value someone kept keeps its text.
    const QString kept = item("Core.ONE").valueText();
    EXPECT_EQ(update(1, 3, "ab\n\n3"), 1);
    EXPECT_EQ(item("Core.ONE").valueText(), QLatin1String("ab"));
    EXPECT_EQ(kept, QLatin1String("11111111"));
    EXPECT_EQ(item("Core.TWO").valueText(), QLatin1String("22222222"));
    EXPECT_EQ(item("Core.HI").valueText(), QLatin1String("3"));
    EXPECT_EQ(item("Core.LO").valueText(), QLatin1String("cccc"));
    EXPECT_EQ(data().lines(), QStringList({"ab", "", "3"}));
}

// Receivers come and go: whoever is connected at an update hears of it.
TEST_F(RegDataTest, ValueSignalsReachReceiversConnectedLaterOrStillThere)
{
    add(viewRecord("Core"));
    add(registerRecord("A", 0, 0));
    update(0, 1, "1");
    RegDataItem &a = item("Core.A");
    auto early =
        std::make_unique<QSignalSpy>(&a, qOverload<const QString &>(&RegDataItem::sigDataChanged));
    QSignalSpy late(&a, qOverload<const QString &>(&RegDataItem::sigDataChanged));
    early.reset();
    update(0, 1, "2");
    update(0, 1, "2");
    EXPECT_EQ(late.count(), 2);
    EXPECT_EQ(late.last().at(0).toString(), QLatin1String("2"));
}

TEST_F(RegDataTest, EnumeratedValuesSelectTheirEntry)
{
    add(enumTablesRecord({"OFF\tON\tAUTO=0x1f"}));
    add(viewRecord("Core"));
    RegDataRecord mode = registerRecord("MODE", 0, 0, REG_TYPE_ENUMERATED);
    mode.width = 2;
    CuiRegPaneDataAdd(id, &mode);
    RegDataItem &m = item("Core.MODE");
    QSignalSpy byIndex(&m, qOverload<int>(&RegDataItem::sigDataChanged));
    QSignalSpy byText(&m, qOverload<const QString &>(&RegDataItem::sigDataChanged));

    update(0, 1, "1f");
    EXPECT_EQ(m.enumIndex(), 2);
    EXPECT_EQ(m.valueText(), QLatin1String("AUTO"));
    update(0, 1, "77"); // not in the table: nothing changes, both signals still come
    update(0, 1, "zz");
    EXPECT_EQ(m.enumIndex(), 2);
    EXPECT_EQ(m.valueText(), QLatin1String("AUTO"));
    EXPECT_EQ(byIndex.count(), 3);
    EXPECT_EQ(byText.count(), 3);
    EXPECT_EQ(byIndex.last().at(0).toInt(), 2);

    EXPECT_EQ(m.enumValueText(2), QLatin1String("1f"));
    EXPECT_EQ(m.enumValueText(9), QLatin1String("1f"));
    EXPECT_EQ(m.enumValueText(-1), QLatin1String("1f"));
}

TEST_F(RegDataTest, LineCountFallsBackToDataSetZero)
{
    EXPECT_EQ(CuiRegPaneSetNumLines(id, 17), 1);
    EXPECT_EQ(CuiRegPaneGetNumLines(id), 17u);
    const uint32_t unknown = id + 60000;
    EXPECT_EQ(CuiRegPaneSetNumLines(unknown, 23), 1);
    EXPECT_EQ(CuiRegPaneGetNumLines(0), 23u);
    EXPECT_EQ(CuiRegPaneGetNumLines(unknown), 23u);
    EXPECT_EQ(CuiRegPaneDataTestOfExistence(unknown), 0);
}

TEST_F(RegDataTest, OnlyWhatWasAcquiredIsReleased)
{
    RegDataSets &sets = RegDataSets::instance();
    // Never acquired: a release must not delete it.
    EXPECT_FALSE(sets.release(id));
    EXPECT_EQ(CuiRegPaneDataTestOfExistence(id), 1);

    data().acquire();
    data().acquire();
    EXPECT_FALSE(sets.release(id));
    EXPECT_EQ(CuiRegPaneDataTestOfExistence(id), 1);
    EXPECT_TRUE(sets.release(id));
    EXPECT_EQ(CuiRegPaneDataTestOfExistence(id), 0);
    EXPECT_EQ(CuiRegPaneDataCreate(id), 1); // the id is free again

    EXPECT_FALSE(sets.release(0u));
    EXPECT_EQ(CuiRegPaneDataTestOfExistence(0), 1);
}

TEST_F(RegDataTest, TheFallbackToDataSetZeroReleasesNothingElse)
{
    RegDataSets &sets = RegDataSets::instance();
    const uint32_t later = id + 70000;
    // A page shows an id the host has not created yet: it gets data set 0.
    RegData *shown = sets.find(later);
    ASSERT_EQ(shown, sets.get(0));
    shown->acquire();
    // The host then creates that id, and another page shows it.
    ASSERT_EQ(CuiRegPaneDataCreate(later), 1);
    RegData *created = sets.get(later);
    // The first page drops what it acquired: neither data set goes.
    EXPECT_FALSE(sets.release(shown));
    EXPECT_EQ(CuiRegPaneDataTestOfExistence(0), 1);
    EXPECT_EQ(CuiRegPaneDataTestOfExistence(later), 1);
    created->acquire();
    EXPECT_TRUE(sets.release(created));
    EXPECT_EQ(CuiRegPaneDataTestOfExistence(later), 0);

    // Built-in data sets survive every release.
    RegData *running = sets.get(1);
    running->acquire();
    EXPECT_FALSE(sets.release(running));
    EXPECT_EQ(CuiRegPaneDataTestOfExistence(1), 1);
}

TEST_F(RegDataTest, TheUserViewHoldsEachRegisterOnce)
{
    add(viewRecord("Core"));
    add(registerRecord("R0"));
    add(registerRecord("R1"));
    RegDataView *core = data().views().front();
    RegDataItemInstance *r0 = core->instances()[0];
    QSignalSpy userUpdated(data().userView(), &RegDataView::sigUpdateUserView);

    emit core->sigAddItemToUser(r0);
    emit core->sigAddItemToUser(r0);
    ASSERT_EQ(data().userView()->instances().size(), 1u);
    EXPECT_EQ(userUpdated.count(), 2);
    EXPECT_TRUE(userUpdated.first().at(0).toBool());

    bool inUser = false;
    emit core->sigQueryItemInUser(r0->item, &inUser);
    EXPECT_TRUE(inUser);
    emit core->sigQueryItemInUser(core->instances()[1]->item, &inUser);
    EXPECT_FALSE(inUser);

    // Only the user view's own entry is removed.
    data().slotRemoveItemFromUser(r0);
    EXPECT_EQ(data().userView()->instances().size(), 1u);
    data().slotRemoveItemFromUser(data().userView()->instances().front());
    EXPECT_TRUE(data().userView()->instances().empty());
    EXPECT_FALSE(userUpdated.last().at(0).toBool());
}
