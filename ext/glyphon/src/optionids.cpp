#include "engineprivate.h"

#include <QHash>
#include <QStringList>

#include <atomic>

namespace glyphon {

namespace {

constexpr int firstOptionId = 10000;

struct OptionIds
{
    QHash<QString, int> ids;
    QStringList names;
};

OptionIds &optionIds()
{
    static OptionIds table;
    return table;
}

} // namespace

int optionId(const QString &typeName)
{
    OptionIds &table = optionIds();
    const auto it = table.ids.constFind(typeName);
    if (it != table.ids.constEnd())
        return *it;
    const int id = firstOptionId + static_cast<int>(table.names.size());
    table.names.append(typeName);
    table.ids.insert(typeName, id);
    return id;
}

QString optionName(int id)
{
    const OptionIds &table = optionIds();
    // Any int may arrive here: the difference is taken where it cannot overflow.
    const qint64 index = qint64(id) - firstOptionId;
    return index >= 0 && index < table.names.size() ? table.names.at(qsizetype(index)) : QString();
}

std::uint64_t nextGeneration()
{
    static std::atomic<std::uint64_t> generation{0};
    return ++generation;
}

} // namespace glyphon
