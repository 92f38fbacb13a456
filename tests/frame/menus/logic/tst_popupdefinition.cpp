// The host's popup definitions: marks, dock lines, keyed items and their label fallbacks.
#include "frame/menus/popupdefinition.h"

#include <gtest/gtest.h>

namespace {

using Item = PopupDefinition::Item;

QString label(const QString &key)
{
    if (key == QLatin1String("#120"))
        return QStringLiteral("Add Watch");
    if (key == QLatin1String("#7"))
        return QStringLiteral("Seven");
    return QString();
}

QString tableText(int hostId)
{
    return hostId == 32911 ? QStringLiteral("C&lose Window") : QString();
}

QList<Item> parse(const char *text)
{
    return PopupDefinition::parse(QString::fromLatin1(text), &label, &tableText);
}

Item item(int id, const char *text, bool checked = false, bool disabled = false)
{
    return Item{false, id, QString::fromLatin1(text), checked, disabled};
}

Item separator()
{
    Item s;
    s.separator = true;
    return s;
}

} // namespace

TEST(PopupDefinition, CheckedKeyedItemSeparatorAndDockItems)
{
    EXPECT_EQ(parse("=#120:5\n-\n$"),
              QList<Item>({item(5, "Add Watch", true), separator(), item(666, "Dock/Float"),
                           item(667, "Hide"), item(668, "Close")}));
}

TEST(PopupDefinition, MarksCombineUntilTheFirstOtherCharacter)
{
    EXPECT_EQ(parse("!One\n=Two\n!=Three\n-Four\n-=Five\n=!-Six"),
              QList<Item>({item(0, "One", false, true), item(1, "Two", true),
                           item(2, "Three", true, true), item(3, "Four", true, true),
                           // A minus ends the marks: the equals sign is text.
                           item(4, "=Five", true, true), item(5, "Six", true, true)}));
}

TEST(PopupDefinition, DockLinesDoNotCountAsItems)
{
    EXPECT_EQ(parse("A\n^\nB\n!$"),
              QList<Item>({item(0, "A"), item(666, "Dock/Float"), item(667, "Hide"), item(1, "B"),
                           item(666, "Dock/Float"), item(667, "Hide"), item(668, "Close")}));
}

TEST(PopupDefinition, LabelFallbacks)
{
    // Dictionary label, then the menu table by id, then the line itself.
    EXPECT_EQ(parse("#7:1\n#8:32911\n#9:40\n#7\nplain"),
              QList<Item>({item(1, "Seven"), item(32911, "C&lose Window"), item(40, "#9:40"),
                           item(3, "Seven"), item(4, "plain")}));
    // Only the exact "#key:id" form takes its id from the line.
    EXPECT_EQ(parse("#7:x\n #7:2\n#7:2 "),
              QList<Item>({item(0, "#7:x"), item(1, " #7:2"), item(2, "#7:2 ")}));
}

TEST(PopupDefinition, LineEnds)
{
    EXPECT_TRUE(parse("").isEmpty());
    EXPECT_EQ(parse("A\n"), QList<Item>({item(0, "A")}));
    EXPECT_EQ(parse("A\n\n"), QList<Item>({item(0, "A"), separator()}));
    EXPECT_EQ(parse("\n"), QList<Item>({separator()}));
    // Separator lines use up a number.
    EXPECT_EQ(parse("\nB"), QList<Item>({separator(), item(1, "B")}));
}

TEST(PopupDefinition, OwnTextsKeepTheirNumbersInRenderedMenus)
{
    // Every item ends with ":number": the texts are shown unchanged with those numbers.
    EXPECT_EQ(parse("Stop at 12:30:14\n\n!#7:3\n=Add #120:5\n^"),
              QList<Item>({item(14, "Stop at 12:30"), separator(), item(3, "Seven", false, true),
                           item(5, "Add #120", true), item(666, "Dock/Float"), item(667, "Hide")}));
    // One item without a number: texts such as "12:30" stay texts, numbered by position.
    EXPECT_EQ(parse("Stop at 12:30\nContinue"),
              QList<Item>({item(0, "Stop at 12:30"), item(1, "Continue")}));
}
