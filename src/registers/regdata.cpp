#include "registers/regdata.h"

#include "registers/regdataitem.h"
#include "registers/regdatasets.h"
#include "registers/regdataview.h"

#include <tesk/tesk_registers.h>

#include <QtGlobal>

#include <algorithm>
#include <cstring>

namespace {

const quint32 kGroupHeadFlags = REG_FLAG_GROUP_HEAD | REG_FLAG_GROUP_HEAD_2;
const quint32 kInGroupFlags = REG_FLAG_IN_GROUP | REG_FLAG_IN_GROUP_2;

using ByLine = std::pair<int, RegDataItem *>;

bool byLineOnly(const ByLine &a, const ByLine &b)
{
    return a.first < b.first;
}

bool makesPlainItem(quint32 type)
{
    return type <= REG_TYPE_LAST && type != REG_TYPE_NO_ITEM && type != REG_TYPE_ENUMERATED;
}

} // namespace

RegData::RegData(quint32 id, bool builtIn)
    : m_userView(std::make_unique<RegDataView>(QStringLiteral("User")))
    , m_id(id)
    , m_builtIn(builtIn)
{
    setObjectName(QStringLiteral("RegData %1").arg(id));
    connect(this, &RegData::sigDataUpdated, m_userView.get(), &RegDataView::sigDataUpdated);
    connect(this, &RegData::sigUpdateUserView, m_userView.get(), &RegDataView::sigUpdateUserView);
}

RegData::~RegData()
{
    RegDataSets::forgetDeleted(this);
    // Views hold pointers to the items: they go first.
    m_userView.reset();
    qDeleteAll(m_viewsByName);
    m_viewsByName.clear();
    m_views.clear();
    m_items.clear();
}

bool RegData::release()
{
    if (m_useCount <= 0)
        return false;
    --m_useCount;
    if (m_useCount > 0 || m_builtIn)
        return false;
    delete this;
    return true;
}

int RegData::addRecord(RegDataRecord &record)
{
    switch (record.kind) {
    case REG_RECORD_ITEM:
        return (record.flags & REG_FLAG_VIEW) ? addView(record) : addItem(record);
    case REG_RECORD_ENUM_TABLES:
        return addEnumTables(record);
    default:
        return 0;
    }
}

int RegData::addView(const RegDataRecord &record)
{
    if (!record.name)
        return 0;
    const QString name = QString::fromLatin1(record.name).trimmed();
    int result = 0;
    RegDataView *&view = m_viewsByName[name];
    if (!view) {
        view = new RegDataView(name);
        connect(this, &RegData::sigDataUpdated, view, &RegDataView::sigDataUpdated);
        connect(view, &RegDataView::sigAddItemToUser, this, &RegData::slotAddItemToUser);
        connect(view, &RegDataView::sigQueryItemInUser, this, &RegData::slotQueryItemInUser);
        m_views.push_back(view);
        result = 1;
    }
    m_currentView = view;
    m_viewName = name;
    return result;
}

QString RegData::composeFullName(const QString &name) const
{
    const QString grouped = m_group.isEmpty() ? name : m_group + QLatin1Char('.') + name;
    return m_viewName + QLatin1Char('.') + grouped;
}

void RegData::applyGroupRule(quint32 flags, const QString &name)
{
    if (flags & kGroupHeadFlags)
        m_group = name;
    else if (!(flags & kInGroupFlags))
        m_group.clear();
}

// The table of an enumerated record. A bad index or an override table makes the register a
// plain one: the record's type says which (the host reads it back).
const RegEnumTable *RegData::enumTableFor(RegDataRecord &record,
                                          const RegEnumTable **override) const
{
    *override = nullptr;
    if (record.type != REG_TYPE_ENUMERATED)
        return nullptr;
    if (record.tableIndex >= m_enumTables.size()) {
        record.type = REG_TYPE_RADIX_16;
        return nullptr;
    }
    const RegEnumTable *table = m_enumTables[record.tableIndex].get();
    if (table->valid)
        return table;
    record.type = table->overrideType;
    *override = table;
    return nullptr;
}

int RegData::addItem(RegDataRecord &record)
{
    if (!record.name)
        return 0;
    const QString name = QString::fromLatin1(record.name).trimmed();
    const QString fullName =
        record.fullName ? QString::fromLatin1(record.fullName).trimmed() : composeFullName(name);
    applyGroupRule(record.flags, name);

    const RegEnumTable *override = nullptr;
    const RegEnumTable *table = enumTableFor(record, &override);
    const bool makesItem = table || makesPlainItem(record.type);
    if (record.flags & kGroupHeadFlags)
        m_groupHeadless = !makesItem;
    else if (!(record.flags & kInGroupFlags))
        m_groupHeadless = false;
    // A view shows a member only below its head: without one it could never be shown.
    if (!makesItem || (m_groupHeadless && (record.flags & REG_FLAG_IN_GROUP)))
        return 0;
    auto owned = std::make_unique<RegDataItem>(record, m_currentView, fullName, name, table);
    RegDataItem *item = owned.get();
    if (override && override->bitSize)
        item->setBitSize(override->bitSize);
    m_items.push_back(std::move(owned));
    if (!m_itemsByFullName.contains(fullName))
        m_itemsByFullName.insert(fullName, item);
    const ByLine byLine(item->line(), item);
    if (m_itemsByLine.empty() || m_itemsByLine.back().first <= byLine.first) {
        m_itemsByLine.push_back(byLine);
    } else {
        m_itemsByLine.insert(
            std::upper_bound(m_itemsByLine.begin(), m_itemsByLine.end(), byLine, byLineOnly),
            byLine);
    }

    if (!m_currentView)
        return 0;
    m_currentView->addInstance(record.flags, item);
    return 1;
}

int RegData::addEnumTables(const RegDataRecord &record)
{
    if (!record.enumTables)
        return 0;
    for (quint32 i = 0; i < record.count; ++i) {
        // A missing string counts as an empty one, so later tables keep their indices.
        const char *text = record.enumTables[i];
        m_enumTables.push_back(std::make_unique<RegEnumTable>(
            RegEnumTable::fromString(text ? QString::fromLatin1(text) : QString())));
    }
    return 1;
}

int RegData::update(const RegDataRecord &record)
{
    if (!record.lineBlocks)
        return 1;
    RegDataItem::setHighlightChanges(record.highlight != 0);
    for (quint32 i = 0; i < record.blockCount; ++i) {
        const RegLineBlock &block = record.lineBlocks[i];
        // Copied into the buffer the last update left, so a steady stream of updates allocates
        // nothing here.
        const qsizetype size = block.text ? qsizetype(std::strlen(block.text)) : 0;
        m_lineText.resize(size);
        if (size)
            std::memcpy(m_lineText.data(), block.text, size_t(size));
        m_windowFirstLine = block.firstLine;
        m_windowLineCount = block.lineCount;
        applyLines();
    }
    emit sigDataUpdated();
    return 1;
}

QStringList RegData::lines() const
{
    if (m_lineText.isEmpty())
        return {};
    return QString::fromLatin1(m_lineText).split(QLatin1Char('\n'));
}

void RegData::applyLines()
{
    if (m_lineText.isEmpty())
        return;
    // Lines and registers both ascend: one walk through each.
    auto next = std::lower_bound(m_itemsByLine.cbegin(), m_itemsByLine.cend(),
                                 ByLine(m_windowFirstLine, nullptr), byLineOnly);
    const char *at = m_lineText.constData();
    const char *const end = at + m_lineText.size();
    for (int i = 0; i < m_windowLineCount && at <= end && next != m_itemsByLine.cend(); ++i) {
        const char *eol = static_cast<const char *>(std::memchr(at, '\n', size_t(end - at)));
        if (!eol)
            eol = end;
        const int line = m_windowFirstLine + i;
        while (next != m_itemsByLine.cend() && next->first < line)
            ++next;
        for (; next != m_itemsByLine.cend() && next->first == line; ++next)
            applyValue(*next->second, QLatin1String(at, eol - at));
        at = eol + 1;
    }
}

void RegData::applyValue(RegDataItem &item, QLatin1String line)
{
    // A line that ends before the value's column leaves the value as it was.
    if (item.column() >= line.size())
        return;
    item.setValue(
        line.sliced(item.column(), qMin<qsizetype>(item.width(), line.size() - item.column())));
}

void RegData::slotAddItemToUser(RegDataItemInstance *instance)
{
    if (instance)
        m_userView->addInstance(instance->flags, instance->item);
    emit sigUpdateUserView(true);
}

void RegData::slotRemoveItemFromUser(RegDataItemInstance *instance)
{
    m_userView->removeInstance(instance);
    emit sigUpdateUserView(false);
}

void RegData::slotQueryItemInUser(RegDataItem *item, bool *answer)
{
    if (answer)
        *answer = item && m_userView->holdsFullName(item->fullName());
}

namespace {

const QString kEntrySeparator = QStringLiteral("\\\\");
const QString kFlagsSeparator = QStringLiteral("^^");
constexpr quint32 kGroupFlags = REG_FLAG_IN_GROUP | REG_FLAG_GROUP_HEAD;

} // namespace

void RegData::serializeUserView(QString &text, bool read)
{
    if (!read) {
        // The registers of another connection, or of a target this run does not describe, go
        // back as they came and where they stood: looking at one board must not empty or
        // reorder another's user view.
        QList<QPair<QString, QString>> absent;
        // An entry ending in a backslash reads back whole only at the record's end, where the
        // record held it: before a separator, its backslash and the separator's first would
        // read as the separator, and the next entry would begin with a backslash.
        QStringList last;
        for (const auto &entry : m_absentUserEntries) {
            if (item(entry.second.section(kFlagsSeparator, 0, 0)))
                continue;
            if (entry.second.endsWith(QLatin1Char('\\')))
                last << entry.second;
            else
                absent << entry;
        }
        QStringList entries;
        const auto takeAbsentAfter = [&](const QString &anchor) {
            for (auto it = absent.begin(); it != absent.end();) {
                if (it->first == anchor) {
                    entries << it->second;
                    it = absent.erase(it);
                } else {
                    ++it;
                }
            }
        };
        takeAbsentAfter(QString());
        for (const RegDataItemInstance *entry : m_userView->instances()) {
            const int number = ((entry->flags & REG_FLAG_IN_GROUP) ? 1 : 0) |
                               ((entry->flags & REG_FLAG_GROUP_HEAD) ? 2 : 0);
            entries << entry->item->fullName() + kFlagsSeparator + QString::number(number);
            takeAbsentAfter(entry->item->fullName());
        }
        for (const auto &entry : absent)
            entries << entry.second;
        entries << last;
        text = entries.join(kEntrySeparator);
        return;
    }
    const QString firstLine = text.section(QLatin1Char('\n'), 0, 0);
    m_absentUserEntries.clear();
    bool added = false;
    QString anchor;
    for (const QString &part : firstLine.split(kEntrySeparator, Qt::SkipEmptyParts)) {
        const QStringList pieces = part.split(kFlagsSeparator);
        RegDataItem *found = item(pieces.first());
        if (!found) {
            if (!pieces.first().isEmpty())
                m_absentUserEntries.append({anchor, part});
            continue;
        }
        anchor = found->fullName();
        if (m_userView->holdsFullName(found->fullName()))
            continue;
        const uint number = pieces.size() > 1 ? pieces.at(1).toUInt() : 0;
        const quint32 flags = (found->flags() & ~kGroupFlags) |
                              ((number & 2) ? REG_FLAG_GROUP_HEAD : 0) |
                              ((number & 1) ? REG_FLAG_IN_GROUP : 0);
        added = m_userView->addInstance(flags, found) != nullptr || added;
    }
    if (added)
        emit sigUpdateUserView(true);
}
