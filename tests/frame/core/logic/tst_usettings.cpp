// The settings tree and its one-line text form, which hosts keep byte for byte.
#include "frame/core/usettings.h"

#include <gtest/gtest.h>

#include <string>

using namespace usettings;

namespace {

std::string textOf(const KUniversalSettingsGroup &group)
{
    std::string text;
    settingsToString(group, text);
    return text;
}

std::string roundTrip(const std::string &value)
{
    KUniversalSettings written;
    written.setString("Value", value);
    KUniversalSettings read;
    EXPECT_TRUE(settingsFromString(read, textOf(written)));
    return read.getString("Value");
}

} // namespace

TEST(SettingsText, WorkedExampleIsByteExactBothWays)
{
    KUniversalSettings settings;
    settings.setString("TargetName_0", "core:1#a");
    settings.setInt("Columns", 16);
    EXPECT_EQ(textOf(settings), "1:Columns=16:TargetName_0=core#1##a:");

    KUniversalSettings read;
    ASSERT_TRUE(settingsFromString(read, "1:Columns=16:TargetName_0=core#1##a:"));
    EXPECT_EQ(read.getString("Columns"), "16");
    EXPECT_EQ(read.getInt("Columns"), 16);
    EXPECT_EQ(read.getString("TargetName_0"), "core:1#a");
}

TEST(SettingsText, EscapingRoundTripsEveryValue)
{
    EXPECT_EQ(roundTrip("a=b=c"), "a=b=c");
    EXPECT_EQ(roundTrip("x:y"), "x:y");
    EXPECT_EQ(roundTrip("##"), "##");
    EXPECT_EQ(roundTrip("#:"), "#:");
    EXPECT_EQ(roundTrip(""), "");
    EXPECT_EQ(roundTrip("\xe9t\xe9"), "\xe9t\xe9"); // 8-bit bytes survive
    // Values the first escaping writes alike ("a:#b" and "a#:b" as "a###b") are followed by
    // their second form; a text of the first form reads as it always did.
    using namespace std::string_literals;
    for (const std::string &value : {"a:#b"s, "a#:b"s, "::"s, ":#:"s, "#c"s, "x\0:#"s})
        EXPECT_EQ(roundTrip(value), value);
    KUniversalSettings read;
    ASSERT_TRUE(settingsFromString(read, "1:Value=a###b:Other=x#cy:"));
    EXPECT_EQ(read.getString("Value"), "a#:b");
    EXPECT_EQ(read.getString("Other"), "x:cy");
}

// Only the value that needs the second form has it: every other value of the group reads in an
// older version as it was written ("core:1", not "core:c1"). A group wholly in the second form,
// as one version wrote it, still reads.
TEST(SettingsText, TheSecondFormIsWrittenForTheValueThatNeedsItOnly)
{
    KUniversalSettings written;
    written.setString("Value", "a:#b");
    written.setString("Other", "core:1");
    const std::string text = textOf(written);
    EXPECT_EQ(text, "1:Other=core#1:Value=a###b:#=Value=a#c##b:");
    KUniversalSettings read;
    ASSERT_TRUE(settingsFromString(read, text));
    EXPECT_EQ(read.getString("Value"), "a:#b");
    EXPECT_EQ(read.getString("Other"), "core:1");

    KUniversalSettings whole;
    ASSERT_TRUE(settingsFromString(whole, "1:#=2:Other=x#cy:Value=a#c##b:"));
    EXPECT_EQ(whole.getString("Value"), "a:#b");
    EXPECT_EQ(whole.getString("Other"), "x:y");
    EXPECT_TRUE(writtenAlike("a:#b", "a#:b"));
    EXPECT_FALSE(writtenAlike("a:#b", "a::b"));
}

TEST(SettingsText, ReaderRefusesWrongHeadersAndSkipsShortNames)
{
    KUniversalSettings group;
    group.setInt("Keep", 1);
    EXPECT_EQ(textOf(KUniversalSettings()), "1:");
    EXPECT_FALSE(settingsFromString(group, "1:"));
    EXPECT_EQ(group.findChild("Keep"), nullptr); // cleared

    group.setInt("Keep", 1);
    EXPECT_FALSE(settingsFromString(group, "2:Columns=4:"));
    EXPECT_EQ(group.begin(), group.end());

    ASSERT_TRUE(settingsFromString(group, "1:A=1:Bc=2:=3:novalue:Def=:"));
    EXPECT_EQ(group.findChild("A"), nullptr);
    EXPECT_EQ(group.getString("Bc"), "2");
    EXPECT_NE(group.findChild("Def"), nullptr);
    EXPECT_EQ(group.getString("Def"), "");
    EXPECT_EQ(group.findChild("novalue"), nullptr);
}

TEST(SettingsText, OneCharacterNamesAreWrittenButNotReadBack)
{
    KUniversalSettings written;
    written.setInt("X", 3);
    EXPECT_EQ(textOf(written), "1:X=3:");
    KUniversalSettings read;
    EXPECT_TRUE(settingsFromString(read, textOf(written)));
    EXPECT_EQ(read.findChild("X"), nullptr);
}

TEST(SettingsText, ReadingKeepsChildrenTheTextDoesNotName)
{
    KUniversalSettings group;
    group.setInt("Columns", 8);
    group.setString("FormatName", "hex");
    ASSERT_TRUE(settingsFromString(group, "1:Columns=16:"));
    EXPECT_EQ(group.getInt("Columns"), 16);
    EXPECT_EQ(group.getString("FormatName"), "hex");
}

TEST(SettingsTree, SettersReplaceAndGettersConvert)
{
    KUniversalSettings group;
    group.setString("Name", "first");
    group.setString("Name", "second");
    EXPECT_EQ(group.getString("Name"), "second");
    int children = 0;
    for (auto it = group.begin(); it != group.end(); ++it)
        ++children;
    EXPECT_EQ(children, 1);

    group.setInt("Negative", -42);
    EXPECT_EQ(group.getString("Negative"), "-42");
    EXPECT_EQ(group.getInt("Name"), 0);
    EXPECT_EQ(group.getInt("Missing"), 0);
    EXPECT_EQ(group.getString("Missing"), "");
    EXPECT_EQ(group.findChild("Missing"), nullptr); // getters never create
}

TEST(SettingsTree, ValuesAbove32BitsSurviveDirectlyAndThroughText)
{
    const unsigned long long big = 0x123456789abcULL;
    KUniversalSettings group;
    group.setULongLong("Address", big);
    EXPECT_EQ(group.getULongLong("Address"), big);
    KUniversalSettings read;
    ASSERT_TRUE(settingsFromString(read, textOf(group)));
    EXPECT_EQ(read.getULongLong("Address"), big);
    EXPECT_EQ(read.getString("Address"), "20015998343868");
}

TEST(SettingsTree, GroupsWriteOnlyTheirOwnValueAndNamesCanBeChecked)
{
    KUniversalSettings root;
    KUniversalSettingsEntry *child = nullptr;
    root.createGroup("Sub", child);
    static_cast<KUniversalSettingsGroup *>(child)->setInt("Inner", 1);
    root.addChild(child);
    EXPECT_EQ(textOf(root), "1:Sub=:");

    EXPECT_TRUE(KUniversalSettingsEntry::isValidName("TargetName_0"));
    EXPECT_FALSE(KUniversalSettingsEntry::isValidName("a=b"));
    EXPECT_FALSE(KUniversalSettingsEntry::isValidName("a:b"));
}
