// The name search that reads the packed text store for a pattern's longest part must list
// exactly what testing every name one by one lists, in the same order, whatever the store's
// layout: empty names, names in blocks of their own, address texts between names, and symbols
// left behind by a module that a later record replaced. Asked for name order, it must list the
// same rows as the walk sorted by name, in either direction.
#include "symbols/symbolpattern.h"
#include "symbols/symtabdatasource.h"

#include <gtest/gtest.h>

#include <QCollator>

#include <random>
#include <string>
#include <vector>

using tesk::symbols::SymbolPattern;

namespace {

std::string randomName(std::mt19937 &rng)
{
    static const char kAlphabet[] = "abtaxyzTAB_:\\0123456789";
    const auto pick = [&rng](size_t n) { return size_t(rng() % n); };
    switch (pick(12)) {
    case 0:
        return {};
    case 1: // a run of one letter, then a tail: the key's first letters everywhere
        return std::string(1 + pick(40), "atx"[pick(3)]) + (pick(2) ? "b" : "z");
    case 2: { // long enough to fill or spill a shared block, rarely one of its own
        const size_t length = pick(6)   ? 100 + pick(2000)
                              : pick(8) ? 20000 + pick(120000)
                                        : 300000 + pick(20000);
        std::string s(length, 'a');
        for (size_t i = 0; i < length; i += 1 + pick(500))
            s[i] = kAlphabet[pick(sizeof kAlphabet - 1)];
        return s;
    }
    case 3: // a byte a regular expression's "." passes over differently
        return std::string("ta") + char(1 + pick(3)) + "xyz";
    case 4: // rows of such names come first in either direction
        return std::string("<") + "tax"[pick(3)] + (pick(2) ? "\\b" : "a");
    default: {
        std::string s(1 + pick(24), ' ');
        for (char &c : s)
            c = kAlphabet[pick(sizeof kAlphabet - 1)];
        return s;
    }
    }
}

std::string randomAddress(std::mt19937 &rng)
{
    static const char *kTexts[] = {"0x0ta", "tat", "a+b", "xyz", "0x00", "taTA"};
    return rng() % 2 ? "0x" + std::to_string(1 + rng() % 9000) : kTexts[rng() % 6];
}

QByteArrayView lastComponent(QByteArrayView name)
{
    const qsizetype slash = name.lastIndexOf('\\');
    return slash < 0 ? name : name.sliced(slash + 1);
}

// Every listed module's symbols one by one, in the order the search walks them.
std::vector<SymbolIndex> bruteForce(const SymtabDataSource &source, const SymbolQuery &query,
                                    bool variables)
{
    const SymbolPattern pattern(query.namePattern);
    std::vector<SymModule *> modules;
    source.searchModules({}, {}, modules);
    std::vector<SymbolIndex> out;
    for (const SymModule *module : modules) {
        for (SymbolIndex index : variables ? module->variables : module->functions) {
            const QByteArrayView name = source.nameBytes(source.symbol(index));
            if (!query.showLibrarySymbols && name.startsWith('_'))
                continue;
            if (pattern.matches(variables ? lastComponent(name) : name))
                out.push_back(index);
        }
    }
    return out;
}

// The walk's rows in name order: names starting with "<" first, then by the place of the name's
// last component (equal texts in storage order, reversed when descending).
std::vector<SymbolIndex> inNameOrder(const SymtabDataSource &source, std::vector<SymbolIndex> rows,
                                     Qt::SortOrder order)
{
    std::stable_sort(rows.begin(), rows.end(), [&](SymbolIndex a, SymbolIndex b) {
        const SymSymbol &sa = source.symbol(a), &sb = source.symbol(b);
        const bool angleA = sa.flags & SymSymbol::kAngleName;
        const bool angleB = sb.flags & SymSymbol::kAngleName;
        if (angleA != angleB)
            return angleA;
        return order == Qt::DescendingOrder ? sa.rank > sb.rank : sa.rank < sb.rank;
    });
    return rows;
}

// A store of `records` random records, searched with many patterns both ways.
void checkAgainstTheWalk(unsigned seed, int records)
{
    std::mt19937 rng(seed);
    SymtabDataSource source;
    source.addImage("img");
    source.addImage("lib");
    const char *images[] = {"img", "lib"};
    for (const char *image : images) {
        for (int m = 0; m < 12; ++m)
            source.addModule(QByteArray(image) + " m" + QByteArray::number(m) + " f.c");
    }
    for (int i = 0; i < records; ++i) {
        const std::string image = images[rng() % 2];
        const std::string module = "m" + std::to_string(rng() % 12);
        // Modules come and go: a record for a module seen before replaces it, leaving the
        // symbols already stored for it in the store but in no list.
        if (i % 97 == 0)
            source.addModule(QByteArray::fromStdString(image + ' ' + module + " f.c"));
        const std::string record = image + ' ' + module + ' ' + randomName(rng) + ' ' +
                                   randomAddress(rng) + (rng() % 3 ? " Public" : " Static");
        if (rng() % 4)
            source.addFunction(QByteArray::fromStdString(record));
        else
            source.addVariable(QByteArray::fromStdString(record));
    }
    const char *patterns[] = {
        "*t",     "*ta*",    "*a*b",       "a*",    "*x?z*", "*a*xyz", "*b*taxt", "*?a*tt*",
        "*aaaa",  "*aaaa*",  "*T*a",       "*tat*", "*0x",   "*:\\*",  "ta*",     "*a?",
        "*z?",    "*y",      "*9*8*7",     "*ta??", "*_*a*", "*abta*", "*aaaaab", "*ab*ab",
        "**xyz",  "*x*y*z*", "*atatatat*", "a*b*c", "*?",    "*??b",   "*1",      "tatx*",
        "*taxyz", "*zb",     "*0123",      "<*",    "*<t",   "*",      ""};
    for (const char *text : patterns) {
        for (const bool library : {false, true}) {
            SymbolQuery query;
            query.namePattern = QString::fromLatin1(text);
            query.showLibrarySymbols = library;
            for (const bool variables : {false, true}) {
                std::vector<SymbolIndex> found;
                if (variables)
                    source.searchVariables(query, found);
                else
                    source.searchFunctions(query, found);
                const std::vector<SymbolIndex> walked = bruteForce(source, query, variables);
                EXPECT_EQ(found, walked) << text << (variables ? " variables" : " functions")
                                         << (library ? " with library symbols" : "");
                // Name order once per pattern: every search reads the whole store.
                for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
                    if (!library)
                        break;
                    SymbolQuery byName = query;
                    byName.byName = true;
                    byName.nameOrder = order;
                    found.clear();
                    if (variables)
                        source.searchVariables(byName, found);
                    else
                        source.searchFunctions(byName, found);
                    EXPECT_EQ(found, inNameOrder(source, walked, order))
                        << text << " in name order" << (order ? " descending" : "")
                        << (variables ? " variables" : " functions");
                    // The model's own sort of the rows in tree order agrees.
                    std::vector<SymbolIndex> sorted = walked;
                    source.sortByName(sorted, order);
                    EXPECT_EQ(found, sorted) << text;
                }
            }
        }
    }
    // Some modules only: the tree is walked, and its rows come out in name order the same.
    for (const char *text : {"*t", "*a?", ""}) {
        SymbolQuery query;
        query.modulePattern = QStringLiteral("m1*");
        query.namePattern = QString::fromLatin1(text);
        std::vector<SymbolIndex> walked;
        source.searchFunctions(query, walked);
        for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            SymbolQuery byName = query;
            byName.byName = true;
            byName.nameOrder = order;
            std::vector<SymbolIndex> found;
            source.searchFunctions(byName, found);
            EXPECT_EQ(found, inNameOrder(source, walked, order)) << text << " in modules m1*";
        }
    }
}

} // namespace

TEST(SymbolScan, ListsWhatANameByNameWalkLists)
{
    checkAgainstTheWalk(20261207, 4000);
}

// A store of tens of megabytes is read in parts at once: names at the parts' edges, and hits
// of neighbouring parts in one word of the result, come out as one reader finds them.
TEST(SymbolScan, AStoreReadInPartsListsTheSame)
{
    checkAgainstTheWalk(7, 16000);
}

// Enough symbols that their names are hashed in parts at once: the order made from them is the
// collation order of the names' last components, equal texts in storage order.
TEST(SymbolScan, ANameOrderMadeInPartsFollowsTheCollation)
{
    SymtabDataSource source;
    source.addImage("img");
    source.addModule("img m f.c");
    const char *texts[] = {"beta", "Alpha", "a\\zeta", "gamma", "alpha", "", "x\\beta", "delta"};
    const int count = 70000;
    for (int i = 0; i < count; ++i) {
        const QByteArray name = QByteArray(texts[i % 8]) + (i % 5 ? "" : "1");
        source.addFunction("img m " + name + " 0x10 Public");
    }
    SymbolQuery query;
    query.byName = true;
    std::vector<SymbolIndex> rows;
    source.searchFunctions(query, rows);
    ASSERT_EQ(rows.size(), size_t(count));
    QCollator collator;
    const auto key = [&source](SymbolIndex index) {
        return QString::fromLatin1(lastComponent(source.nameBytes(source.symbol(index))));
    };
    for (size_t i = 1; i < rows.size(); ++i) {
        const int order = collator.compare(key(rows[i - 1]), key(rows[i]));
        ASSERT_LE(order, 0) << i;
        if (order == 0) {
            ASSERT_LT(rows[i - 1], rows[i]) << i;
        }
    }
}

// An expression whose backtracking runs past the engine's limits on one name counts that name
// as not matching: the search must say so rather than show a shorter list as if it were whole.
TEST(SymbolScan, ANameTheExpressionEngineGivesUpOnIsReported)
{
    SymtabDataSource source;
    source.addImage("img");
    source.addModule("img m f.c");
    source.addFunction("img m aab 0x10 Public");
    source.addFunction("img m b" + QByteArray(40, 'a') + "x 0x20 Public");
    SymbolQuery query;
    query.namePattern = QStringLiteral("*(a+)+b");
    std::vector<SymbolIndex> rows;
    source.searchFunctions(query, rows);
    EXPECT_EQ(rows.size(), 1u);
    EXPECT_FALSE(source.patternError().isEmpty());
    // The next search starts with a clean slate.
    query.namePattern = QStringLiteral("aa*");
    rows.clear();
    source.searchFunctions(query, rows);
    EXPECT_EQ(rows.size(), 1u);
    EXPECT_TRUE(source.patternError().isEmpty());
}
