// The block moves of lines behind a table's inserts and removals, on stores long enough that
// their storage blocks wrap, against a plain reordering of the same lines.
#include "utilities/linemoves.h"

#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>
#include <vector>

namespace {

using Lines = std::vector<std::vector<QString>>;

std::deque<QString> flatten(const Lines &lines)
{
    std::deque<QString> store;
    for (const auto &line : lines)
        store.insert(store.end(), line.begin(), line.end());
    return store;
}

// Removed lines go to the end in their order; the others keep theirs.
Lines closedReference(const Lines &lines, const QList<int> &gone)
{
    Lines kept;
    Lines moved;
    for (size_t i = 0; i < lines.size(); ++i)
        (gone.contains(int(i)) ? moved : kept).push_back(lines[i]);
    kept.insert(kept.end(), moved.begin(), moved.end());
    return kept;
}

// Lines of three elements each, numbered so that each element is unique.
Lines numbered(int count, int &serial)
{
    Lines lines(size_t(count), std::vector<QString>(3));
    for (auto &line : lines) {
        for (QString &element : line)
            element = QString::number(++serial);
    }
    return lines;
}

// A long run of inserts and removals near both ends and in the middle, with the gone lines
// sometimes scattered and sometimes adjacent: whichever side the store moves, every element
// must end where the plain reordering puts it, none duplicated and none lost.
TEST(LineMoves, OpeningAndClosingMatchAPlainReorderingAtEveryPosition)
{
    std::mt19937 random(11);
    const auto below = [&](int n) { return int(random() % unsigned(std::max(1, n))); };
    int serial = 0;
    Lines model = numbered(200, serial);
    std::deque<QString> store = flatten(model);
    for (int step = 0; step < 600; ++step) {
        SCOPED_TRACE(step);
        const int lines = int(model.size());
        if (below(2) == 0 || lines < 20) {
            const int count = 1 + below(4);
            const int at = below(3) == 0 ? below(lines + 1) : below(3) == 0 ? lines : 0;
            const Lines added = numbered(count, serial);
            // As the table does it: the new lines are appended, then moved into place.
            for (const auto &line : added)
                store.insert(store.end(), line.begin(), line.end());
            tesk::utilities::openLines(store, 3, size_t(at), size_t(count));
            model.insert(model.begin() + at, added.begin(), added.end());
        } else {
            QList<int> gone;
            const int from = below(2) == 0 ? below(4) : std::max(0, lines - 1 - below(30));
            for (int line = from; line < lines && gone.size() < 5; line += 1 + below(3))
                gone << line;
            tesk::utilities::closeLines(store, 3, gone);
            model = closedReference(model, gone);
            // The table then drops the lines that came to the end.
            store.erase(store.end() - 3 * gone.size(), store.end());
            model.resize(model.size() - size_t(gone.size()));
        }
        ASSERT_EQ(store, flatten(model));
    }
}

// A run inside a larger store (one row's cells, for a column change) moves only that run.
TEST(LineMoves, ARunMovesOnlyItsOwnElements)
{
    std::deque<int> store(20);
    for (int i = 0; i < 20; ++i)
        store[size_t(i)] = i;
    tesk::utilities::openLinesIn(store.begin() + 5, 5, 1, 1, 2);
    EXPECT_EQ(store, (std::deque<int>{0,  1,  2,  3,  4,  5,  8,  9,  6,  7,
                                      10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
    tesk::utilities::closeLinesIn(store.begin() + 10, 5, 1, QList<int>{0, 3});
    EXPECT_EQ(store, (std::deque<int>{0,  1,  2,  3,  4,  5,  8,  9,  6,  7,
                                      11, 12, 14, 10, 13, 15, 16, 17, 18, 19}));
}

} // namespace
