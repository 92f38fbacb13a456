#pragma once

// Block moves of the lines of a table's storage (cells, section labels and sizes) for lines
// inserted into or removed from the middle: one pass of moves instead of a chain of line
// swaps. Storage is a run of `lines` lines of `width` elements each.
//
// A whole store (a std::deque) grows and shrinks at either end, so the functions taking one
// move whichever side of the change is shorter: a line inserted at or removed from the top of
// a long table moves nothing below it.

#include <QList>

#include <algorithm>
#include <iterator>
#include <vector>

namespace tesk::utilities {

// The last `count` lines of the run at `base` move to `at`; the lines from `at` on make room.
template<typename It>
void openLinesIn(It base, size_t lines, size_t width, size_t at, size_t count)
{
    if (count == 0 || at + count >= lines)
        return;
    std::rotate(base + at * width, base + (lines - count) * width, base + lines * width);
}

// The listed lines (ascending, distinct, each below `lines`) of the run at `base` move to the
// end; the others close up in their order.
template<typename It>
void closeLinesIn(It base, size_t lines, size_t width, const QList<int> &gone)
{
    if (gone.isEmpty())
        return;
    using T = typename std::iterator_traits<It>::value_type;
    std::vector<T> kept;
    kept.reserve(size_t(gone.size()) * width);
    for (const int line : gone) {
        const It from = base + size_t(line) * width;
        std::move(from, from + width, std::back_inserter(kept));
    }
    It to = base + size_t(gone.first()) * width;
    for (qsizetype i = 0; i < gone.size(); ++i) {
        const size_t next = i + 1 < gone.size() ? size_t(gone[i + 1]) : lines;
        const It from = base + (size_t(gone[i]) + 1) * width;
        to = std::move(from, base + next * width, to);
    }
    std::move(kept.begin(), kept.end(), to);
}

// The last `count` lines of the store move to `at`.
template<typename Store>
void openLines(Store &store, size_t width, size_t at, size_t count)
{
    const size_t lines = width == 0 ? 0 : store.size() / width;
    if (count == 0 || at + count >= lines)
        return;
    using T = typename Store::value_type;
    const auto tail = store.end() - std::ptrdiff_t(count * width);
    std::vector<T> moved(std::make_move_iterator(tail), std::make_move_iterator(store.end()));
    store.erase(tail, store.end());
    // The deque makes room on the side of `at` with fewer elements.
    store.insert(store.begin() + std::ptrdiff_t(at * width), std::make_move_iterator(moved.begin()),
                 std::make_move_iterator(moved.end()));
}

// The listed lines (ascending, distinct, each below the store's line count) move to the end;
// the others close up in their order.
template<typename Store>
void closeLines(Store &store, size_t width, const QList<int> &gone)
{
    const size_t lines = width == 0 ? 0 : store.size() / width;
    if (gone.isEmpty() || lines == 0)
        return;
    const size_t first = size_t(gone.first());
    const size_t last = size_t(gone.last());
    if (lines - first <= last + 1) {
        // Nearer the end: the lines below close up towards the top.
        closeLinesIn(store.begin(), lines, width, gone);
        return;
    }
    // Nearer the top: the lines above close up downwards, and the gone ones are taken off the
    // front and put at the end.
    using T = typename Store::value_type;
    std::vector<T> moved;
    moved.reserve(size_t(gone.size()) * width);
    for (const int line : gone) {
        const auto from = store.begin() + std::ptrdiff_t(size_t(line) * width);
        std::move(from, from + std::ptrdiff_t(width), std::back_inserter(moved));
    }
    size_t to = last + 1;
    for (qsizetype i = gone.size() - 1; i >= 0; --i) {
        const size_t above = i > 0 ? size_t(gone[i - 1]) + 1 : 0;
        const size_t run = size_t(gone[i]) - above;
        const auto from = store.begin() + std::ptrdiff_t(above * width);
        std::move_backward(from, from + std::ptrdiff_t(run * width),
                           store.begin() + std::ptrdiff_t(to * width));
        to -= run;
    }
    store.erase(store.begin(), store.begin() + std::ptrdiff_t(to * width));
    std::move(moved.begin(), moved.end(), std::back_inserter(store));
}

} // namespace tesk::utilities
