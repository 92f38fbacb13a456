// The record splitter and the search pattern: the two rules every host record and every
// keystroke in the navigator's filter go through.
#include "symbols/symbolpattern.h"
#include "symbols/symtabrecord.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using tesk::symbols::splitRecord;
using tesk::symbols::SymbolPattern;

namespace {

std::vector<std::string> split(const char *text, int count)
{
    std::vector<std::string> out;
    for (QByteArrayView f : splitRecord(QByteArrayView(text), count))
        out.push_back(f.toByteArray().toStdString());
    return out;
}

using Fields = std::vector<std::string>;

} // namespace

TEST(SplitRecord, FieldsByTable)
{
    const struct
    {
        const char *text;
        int count;
        Fields fields;
    } cases[] = {
        {"img mod main 0x8000 Public", 5, {"img", "mod", "main", "0x8000", "Public"}},
        // The scope word takes the rest, so extra words make it a word nobody knows.
        {"img mod main 0x8000 Public extra", 5, {"img", "mod", "main", "0x8000", "Public extra"}},
        // A trailing blank leaves the address as it was and the scope word empty.
        {"img mod main 0x8000 ", 5, {"img", "mod", "main", "0x8000", ""}},
        {"img  mod main 0x1 Static", 5, {"img", "", "mod", "main", "0x1 Static"}},
        // A file name keeps its blanks.
        {"img mod C:/My Files/a b.c", 3, {"img", "mod", "C:/My Files/a b.c"}},
        // Fields a short record does not reach are empty, never left from elsewhere.
        {"img mod", 3, {"img", "mod", ""}},
        {"img", 5, {"img", "", "", "", ""}},
        {"", 3, {"", "", ""}},
        {"a\tb c", 3, {"a\tb", "c", ""}},
        {"   ", 3, {"", "", " "}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(split(c.text, c.count), c.fields) << '"' << c.text << '"';
}

TEST(SymbolPattern, ExpressionsByTable)
{
    EXPECT_EQ(SymbolPattern::expression("ma*"), "^ma.*");
    EXPECT_EQ(SymbolPattern::expression("*ma"), ".*ma");
    EXPECT_EQ(SymbolPattern::expression("m?in"), "^m.in");
}

TEST(SymbolPattern, MatchesByTable)
{
    const struct
    {
        const char *pattern;
        const char *name;
        bool match;
    } cases[] = {
        {"", "anything", true},
        {"*", "anything", true},
        {"ma*", "main", true},
        {"ma*", "MAIN", true},
        {"ma*", "xmain", false},
        {"*ma", "xmain", true},
        {"ma", "main", true}, // found at the start; the rest is free
        {"m?in", "main", true},
        {"m?in", "min", false},
        {"*task", "vTaskDelay", true},
        {"*t*k", "vTaskDelay", true},
        {"*t*k", "vTasDelay", false},
        {"ma*n", "ma", false},
        // Other characters keep their expression meaning.
        {"ma+in", "maaain", true},
        {"m[ae]in", "mein", true},
        {"operator(", "operator(", false}, // invalid: matches nothing
        // A wildcard does not cross a line break, as the expression's "." does not.
        {"a*b", "a\nb", false},
        {"*b", "a\nb", true},
        {"caf?", "caf\xe9", true},
        {"CAF\xc9", "caf\xe9", true},
    };
    for (const auto &c : cases) {
        const SymbolPattern pattern(QString::fromLatin1(c.pattern));
        EXPECT_EQ(pattern.matches(QByteArrayView(c.name)), c.match)
            << c.pattern << " on " << c.name;
    }
}

TEST(SymbolPattern, InvalidExpressionSaysWhy)
{
    const SymbolPattern pattern(QStringLiteral("operator("));
    EXPECT_EQ(pattern.kind(), SymbolPattern::Kind::Invalid);
    EXPECT_FALSE(pattern.errorString().isEmpty());
    EXPECT_EQ(SymbolPattern(QStringLiteral("*ta?k")).kind(), SymbolPattern::Kind::Plain);
}

TEST(SymbolPattern, WildcardMatchesEndingAtTheLastByteOfLongNames)
{
    // Every length around the sixteen-byte blocks, the match always at the very end.
    for (int length = 1; length < 80; ++length) {
        QByteArray name(length, 'v');
        name += "taSK";
        for (const char *text : {"*task", "*t?sk", "*v*sk", "v*k", "*?", "*vt*k"}) {
            const SymbolPattern pattern(QString::fromLatin1(text));
            EXPECT_TRUE(pattern.matches(name)) << text << " on " << length;
        }
        EXPECT_FALSE(SymbolPattern(QStringLiteral("*taskx")).matches(name)) << length;
        EXPECT_FALSE(SymbolPattern(QStringLiteral("*tas?x")).matches(name)) << length;
    }
    const QByteArray mangled = QByteArray(3000, 't') + "k";
    EXPECT_TRUE(SymbolPattern(QStringLiteral("*ttk")).matches(mangled));
    EXPECT_FALSE(SymbolPattern(QStringLiteral("*tkk")).matches(mangled));
}

TEST(SymbolPattern, ANameMadeAPatternMatchesItself)
{
    EXPECT_EQ(SymbolPattern::literal("main"), "main");
    EXPECT_EQ(SymbolPattern::literal("libstdc++.so.6"), "libstdc[+][+][.]so[.]6");
    EXPECT_EQ(SymbolPattern::expression("op[*][?]*"), "^op[*][?].*");
    for (const char *name :
         {"libstdc++.so.6", "operator*", "a?b", "f(int)", "x[3]", "a]b", "^up", "$d", "a|b", "{x}",
          "*lead", "caf\xe9", "tab\tx", "C:\\build\\fw.elf"}) {
        const QString text = QString::fromLatin1(name);
        const SymbolPattern pattern(SymbolPattern::literal(text));
        EXPECT_NE(pattern.kind(), SymbolPattern::Kind::Invalid) << name;
        EXPECT_TRUE(pattern.matches(QByteArrayView(name))) << name;
    }
    // Its characters stand for themselves, not for what they mean in a pattern.
    EXPECT_FALSE(SymbolPattern(SymbolPattern::literal("libstdc++")).matches("libstdc"));
    EXPECT_FALSE(SymbolPattern(SymbolPattern::literal("a?b")).matches("axb"));
    EXPECT_FALSE(SymbolPattern(SymbolPattern::literal("*lead")).matches("xlead"));
    // A backslash separates a filter's parts: the literal holds none, yet matches one alone.
    const QString path = SymbolPattern::literal(QStringLiteral("C:\\build\\fw.elf"));
    EXPECT_FALSE(path.contains(QLatin1Char('\\'))) << qPrintable(path);
    EXPECT_TRUE(std::all_of(path.begin(), path.end(), [](QChar c) { return c >= ' ' && c <= '~'; }))
        << qPrintable(path);
    const SymbolPattern backslash(SymbolPattern::literal(QStringLiteral("a\\b")));
    for (int c = 1; c < 256; ++c) {
        const char name[] = {'a', char(c), 'b'};
        EXPECT_EQ(backslash.matches(QByteArrayView(name, 3)), c == '\\') << c;
    }
}

TEST(SymbolPattern, DirectMatchingAgreesWithTheExpressionOnEveryPlace)
{
    // Names of every length to past three blocks, the pattern's letters at every place.
    const char *const patterns[] = {"*t", "*ta", "*task", "*t?sk", "*k", "*a*k", "t*k", "*kk"};
    uint32_t seed = 7;
    for (int length = 0; length < 56; ++length) {
        for (int trial = 0; trial < 24; ++trial) {
            QByteArray name(length, 'x');
            for (char &c : name) {
                seed = seed * 1103515245u + 12345u;
                c = "xtaskTK"[(seed >> 16) % 7];
            }
            for (const char *text : patterns) {
                const QString pattern = QString::fromLatin1(text);
                const QRegularExpression expected(SymbolPattern::expression(pattern),
                                                  QRegularExpression::CaseInsensitiveOption);
                EXPECT_EQ(SymbolPattern(pattern).matches(name),
                          expected.match(QString::fromLatin1(name)).hasMatch())
                    << text << " on " << name.constData();
            }
        }
    }
}
