// Item texts of the host's context menus travel in the definition text: any text must come
// back as the same item, with its own number and marks.
#include "frame/menus/kcmmenudata.h"
#include "frame/menus/popupdefinition.h"

#include <gtest/gtest.h>

TEST(ContextMenuText, AnyItemTextComesBackAsTheSameItem)
{
    const QByteArray texts[] = {
        "two\nlines", "-looks checked", "$dock",       "^hide",         "!x", "=y",
        "#120",       "back\\slash\\n", "ends with\\", "carriage\rret", ":5", "Stop at 12:30",
        "\\-",        "\\\\n",          "plain"};
    KcmMenuData menu;
    int id = 100;
    for (const QByteArray &text : texts) {
        auto *item = new KcmMenuDataItem;
        item->id = id;
        item->guiText = text;
        menu.append(item);
        id += 100;
    }
    const auto label = [](const QString &) { return QStringLiteral("LABEL"); };
    const auto table = [](int) { return QStringLiteral("TABLE"); };
    const QList<PopupDefinition::Item> items =
        PopupDefinition::parse(QString::fromLatin1(menu.definition()), label, table);

    ASSERT_EQ(items.size(), qsizetype(std::size(texts)));
    for (qsizetype i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].id, 100 * (i + 1)) << texts[i].constData();
        EXPECT_EQ(items[i].text, QString::fromLatin1(texts[i]));
        EXPECT_FALSE(items[i].disabled) << texts[i].constData();
        EXPECT_FALSE(items[i].checked) << texts[i].constData();
    }
}

TEST(ContextMenuText, MarksStillApplyToEscapedTexts)
{
    KcmMenuData menu;
    auto *item = new KcmMenuDataItem;
    item->id = 7;
    item->guiText = "-x";
    item->flags = KcmMenuDataItem::Disabled;
    menu.append(item);
    const QList<PopupDefinition::Item> items = PopupDefinition::parse(
        QString::fromLatin1(menu.definition()), [](const QString &) { return QString(); },
        [](int) { return QString(); });
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0].text, QStringLiteral("-x"));
    EXPECT_TRUE(items[0].disabled);
    EXPECT_FALSE(items[0].checked);
}

TEST(ContextMenuText, LookupFindsTheLastItemOfAnIdAmongMany)
{
    KcmMenuData menu;
    for (int i = 0; i < 50000; ++i) {
        auto *item = new KcmMenuDataItem;
        item->id = i % 25000;
        item->commandData = i;
        menu.append(item);
    }
    ASSERT_NE(menu.findItem(24999), nullptr);
    EXPECT_EQ(menu.findItem(24999)->commandData, 49999);
    EXPECT_EQ(menu.findItem(0)->commandData, 25000);
    EXPECT_EQ(menu.findItem(25000), nullptr);
}
