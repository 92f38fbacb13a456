#pragma once
// The row order of the navigator's lists: column 0 sorts by the text after the last backslash,
// other columns by their text, both locale-aware; rows whose first column starts with "<" (such
// as "<Global>") come first in either direction and sort normally among themselves.

#include <QString>

#include <cstdint>
#include <vector>

class NavListItem
{
public:
    // What a column's text sorts by.
    static QString sortKey(const QString &text, int column);
    static bool sortsFirst(const QString &firstColumn);

    // Places of the texts in collation order; equal texts share a place.
    static std::vector<uint32_t> collationRanks(const std::vector<QString> &texts);

    // The row order (new position to old row) for the keys of a column.
    static std::vector<int> order(const std::vector<QString> &keys, const std::vector<bool> &first,
                                  bool descending);
};
