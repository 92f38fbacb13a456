// Location and value field texts: the parts the parser finds, every refusal, and the menu items
// that insert range, mask and NOT.
#include "symbols/breakpoints/breakpointexpression.h"

#include <gtest/gtest.h>

using namespace tesk::breakpoints;

namespace {

const char kNotFirst[] =
    "The $NOT$ text must appear before the address, the address range and the mask value<p>Please "
    "put the $NOT$ field at the beginning of the location field.";
const char kNotTwice[] = "The $NOT$ text must only be entered once into the location "
                         "field.<p>Please enter the $NOT$ text only once.";
const char kTwoMasks[] =
    "You have entered more than one $MASK$ value<p>Please must enter only one $MASK$ value";
const char kMaskAndRange[] = "You cannot enter $MASK$ and range values in the same "
                             "expression<p>Please correct the expression that you have entered.";
const char kMaskFormat[] =
    "The format of the mask option is $MASK$=FFFFFFFF<p>Please correct the expression you have "
    "entered";
const char kMaskEmpty[] =
    "You must enter a valid mask value. The format of the mask option is<p>$MASK$=FFFFFFFF";
const char kTwoRanges[] = "You must only enter one address range";

struct Parsed
{
    const char *text;
    const char *start;
    const char *mask;
    const char *end;
    bool hasRange;
    bool isLength;
    bool isNot;
};

TEST(BreakpointExpression, PartsOfAcceptedTexts)
{
    const Parsed cases[] = {
        {"", "", "", "", false, false, false},
        {"   ", "", "", "", false, false, false},
        {"$NOT$ 0x1000..0x2000", "0x1000", "", "0x2000", true, false, true},
        {"0x1000..+0x20", "0x1000", "", "0x20", true, true, false},
        {"0x1000 $MASK$=0xFF00", "0x1000", "0xFF00", "", false, false, false},
        {"a b", "b", "", "", false, false, false},
        {"a..b c", "c", "", "b", true, false, false},
        {"  main  ", "main", "", "", false, false, false},
        {"a...b", "a", "", ".b", true, false, false},
        {"a..", "a", "", "", true, false, false},
        {"$NOT$", "", "", "", false, false, true},
        {"x\ty", "x\ty", "", "", false, false, false},
        {"%1..%2", "%1", "", "%2", true, false, false},
    };
    for (const Parsed &c : cases) {
        BreakpointExpression parts;
        parts.start = QStringLiteral("stale");
        QString error;
        ASSERT_TRUE(parseBreakpointExpression(QString::fromUtf8(c.text), parts, error))
            << c.text << ": " << error.toStdString();
        EXPECT_EQ(parts.start.toStdString(), c.start) << c.text;
        EXPECT_EQ(parts.mask.toStdString(), c.mask) << c.text;
        EXPECT_EQ(parts.end.toStdString(), c.end) << c.text;
        EXPECT_EQ(parts.hasRange, c.hasRange) << c.text;
        EXPECT_EQ(parts.isLength, c.isLength) << c.text;
        EXPECT_EQ(parts.isNot, c.isNot) << c.text;
    }
}

TEST(BreakpointExpression, EveryRefusalWithItsMessage)
{
    const struct
    {
        const char *text;
        const char *message;
    } cases[] = {
        {"0x1000 $NOT$", kNotFirst},
        {"..x $NOT$", kNotFirst},
        {"$MASK$=1 $NOT$", kNotFirst},
        {"$NOT$ $NOT$ 0x1000", kNotTwice},
        {"a..b c..d", kTwoRanges},
        {"a.. c..d", kTwoRanges},
        {"$MASK$=1 $MASK$=2", kTwoMasks},
        {"$MASK$=", kMaskEmpty},
        {"$MASK$0xFF", kMaskFormat},
        {"$MASK$", kMaskFormat},
        {"0x1000..0x2000 $MASK$=0xF", kMaskAndRange},
        {"$MASK$=0xF 0x1000..0x2000", kMaskAndRange},
        {"$MASKS=1", "The value $MASKS=1 is not a recognized option."},
        {"$FOO", "The value $FOO is not a recognized option."},
        {"$<b>", "The value $&lt;b&gt; is not a recognized option."},
    };
    for (const auto &c : cases) {
        BreakpointExpression parts;
        QString error;
        EXPECT_FALSE(parseBreakpointExpression(QString::fromUtf8(c.text), parts, error)) << c.text;
        EXPECT_EQ(error.toStdString(), c.message) << c.text;
    }
}

TEST(BreakpointExpressionMenus, RangeMaskAndNotItems)
{
    const QString end = QStringLiteral("end");
    const QString length = QStringLiteral("+length");
    const struct
    {
        ExpressionEdit edit;
        const char *text;
        const char *message;
    } cases[] = {
        {addRangeToExpression(QString(), end, ExpressionField::Location), "start..end", ""},
        {addRangeToExpression(QStringLiteral("  "), length, ExpressionField::Value),
         "start..+length", ""},
        {addRangeToExpression(QStringLiteral("$NOT$"), end, ExpressionField::Location),
         "$NOT$ start..end", ""},
        {addRangeToExpression(QStringLiteral(" main "), end, ExpressionField::Location),
         "main..end", ""},
        {addRangeToExpression(QStringLiteral("a..b"), length, ExpressionField::Location), "a..b",
         ""},
        {addRangeToExpression(QStringLiteral("a $MASK$=1"), end, ExpressionField::Location),
         "a $MASK$=1", "You cannot add a range to a location which has a $MASK$"},
        {addRangeToExpression(QStringLiteral("a $MASK$=1"), end, ExpressionField::Value),
         "a $MASK$=1", "You cannot add a range to a value match which has a $MASK$"},
        {addMaskToExpression(QStringLiteral("main"), ExpressionField::Location),
         "main $MASK$=0xFFFFFFFF", ""},
        {addMaskToExpression(QStringLiteral("main $MASK$=1"), ExpressionField::Location),
         "main $MASK$=1", ""},
        {addMaskToExpression(QStringLiteral("a..b"), ExpressionField::Location), "a..b",
         "You cannot add a $MASK$ to a location which has a range."},
        {addMaskToExpression(QStringLiteral("a..b"), ExpressionField::Value), "a..b",
         "You cannot add a $MASK$ to a value match which has a range."},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.edit.text.toStdString(), c.text);
        EXPECT_EQ(c.edit.message.toStdString(), c.message) << c.text;
    }
    EXPECT_EQ(addNotToExpression(QStringLiteral("main..end")), QStringLiteral("$NOT$ main..end"));
    EXPECT_EQ(addNotToExpression(QStringLiteral(" $NOT$ a ")), QStringLiteral("$NOT$ a"));
}

TEST(BreakpointExpressionMenus, WhatTheMenusInsertParsesBack)
{
    QString text;
    text = addNotToExpression(text);
    text = addRangeToExpression(text, QStringLiteral("end"), ExpressionField::Location).text;
    BreakpointExpression parts;
    QString error;
    ASSERT_TRUE(parseBreakpointExpression(text, parts, error)) << error.toStdString();
    EXPECT_TRUE(parts.isNot);
    EXPECT_EQ(parts.start, QStringLiteral("start"));
    EXPECT_EQ(parts.end, QStringLiteral("end"));

    text = addMaskToExpression(QStringLiteral("main"), ExpressionField::Value).text;
    ASSERT_TRUE(parseBreakpointExpression(text, parts, error));
    EXPECT_EQ(parts.mask, QStringLiteral("0xFFFFFFFF"));
}

} // namespace
