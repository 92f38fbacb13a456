#pragma once

// Block moves of the lines of a table's storage (cells, section labels and sizes) for lines
// inserted into or removed from the middle: one pass of memory moves instead of a chain of
// line swaps. Storage is a run of `lines` lines of `width` elements each.

#include <QList>
#include <QtGlobal>

#include <cstring>
#include <vector>

namespace tesk::utilities {

// The elements are moved as bytes, as Qt's own containers move them.
template<typename T>
constexpr bool kMovableAsBytes = QTypeInfo<T>::isRelocatable;

// The last `count` lines move to `at`; the lines from `at` on make room.
template<typename T>
void openLines(T *base, size_t lines, size_t width, size_t at, size_t count,
               std::vector<char> &scratch)
{
    static_assert(kMovableAsBytes<T>);
    if (count == 0 || at + count >= lines)
        return;
    const size_t line = width * sizeof(T);
    auto *bytes = reinterpret_cast<char *>(base);
    scratch.resize(count * line);
    std::memcpy(scratch.data(), bytes + (lines - count) * line, count * line);
    std::memmove(bytes + (at + count) * line, bytes + at * line, (lines - count - at) * line);
    std::memcpy(bytes + at * line, scratch.data(), count * line);
}

// The listed lines (ascending, distinct, each below `lines`) move to the end; the others close
// up in their order.
template<typename T>
void closeLines(T *base, size_t lines, size_t width, const QList<int> &gone,
                std::vector<char> &scratch)
{
    static_assert(kMovableAsBytes<T>);
    if (gone.isEmpty())
        return;
    const size_t line = width * sizeof(T);
    auto *bytes = reinterpret_cast<char *>(base);
    scratch.resize(size_t(gone.size()) * line);
    for (qsizetype i = 0; i < gone.size(); ++i)
        std::memcpy(scratch.data() + size_t(i) * line, bytes + size_t(gone[i]) * line, line);
    size_t to = size_t(gone.first());
    for (qsizetype i = 0; i < gone.size(); ++i) {
        const size_t next = i + 1 < gone.size() ? size_t(gone[i + 1]) : lines;
        const size_t run = next - size_t(gone[i]) - 1;
        std::memmove(bytes + to * line, bytes + (size_t(gone[i]) + 1) * line, run * line);
        to += run;
    }
    std::memcpy(bytes + to * line, scratch.data(), scratch.size());
}

} // namespace tesk::utilities
