#include "symbols/navlistitem.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

QString NavListItem::sortKey(const QString &text, int column)
{
    if (column != 0)
        return text;
    return text.mid(text.lastIndexOf(QLatin1Char('\\')) + 1);
}

bool NavListItem::sortsFirst(const QString &firstColumn)
{
    return firstColumn.startsWith(QLatin1Char('<'));
}

std::vector<uint32_t> NavListItem::collationRanks(const std::vector<QString> &texts)
{
    QCollator collator;
    std::vector<QCollatorSortKey> keys;
    keys.reserve(texts.size());
    for (const QString &text : texts)
        keys.push_back(collator.sortKey(text));
    std::vector<uint32_t> byKey(texts.size());
    std::iota(byKey.begin(), byKey.end(), 0u);
    std::stable_sort(byKey.begin(), byKey.end(),
                     [&keys](uint32_t a, uint32_t b) { return keys[a].compare(keys[b]) < 0; });
    std::vector<uint32_t> ranks(texts.size());
    uint32_t rank = 0;
    for (size_t i = 0; i < byKey.size(); ++i) {
        if (i > 0 && keys[byKey[i - 1]].compare(keys[byKey[i]]) != 0)
            ++rank;
        ranks[byKey[i]] = rank;
    }
    return ranks;
}

std::vector<int> NavListItem::order(const std::vector<QString> &keys,
                                    const std::vector<bool> &first, bool descending)
{
    const std::vector<uint32_t> ranks = collationRanks(keys);
    std::vector<int> rows(keys.size());
    std::iota(rows.begin(), rows.end(), 0);
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        if (first[a] != first[b])
            return bool(first[a]);
        return descending ? ranks[a] > ranks[b] : ranks[a] < ranks[b];
    });
    return rows;
}
