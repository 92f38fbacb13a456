#include "frame/menus/kcmmenudata.h"

#include "frame/menus/popupdefinition.h"
#include "system/lifetime.h"

namespace {
constexpr int kDockOrFloat = 666;
constexpr int kHide = 667;
} // namespace

KcmMenuData::~KcmMenuData()
{
    qDeleteAll(m_items);
}

void KcmMenuData::append(KcmMenuDataItem *item)
{
    m_items.append(item);
    // A later item of the same id hides the earlier one.
    m_lastWithId.insert(item->id, item);
}

KcmMenuDataItem *KcmMenuData::findItem(int id) const
{
    return m_lastWithId.value(id, nullptr);
}

namespace {

QByteArray mark(unsigned flags)
{
    const bool checked = flags & KcmMenuDataItem::Checked;
    const bool disabled = flags & KcmMenuDataItem::Disabled;
    if (checked)
        return disabled ? "-" : "=";
    return disabled ? "!" : "";
}

QByteArray label(const KcmMenuDataItem &item)
{
    if (!item.guiText.isEmpty())
        return PopupDefinition::escapeText(item.guiText);
    return '#' + QByteArray::number(item.hasAlias() ? item.visibleAlias : item.id);
}

} // namespace

QByteArray KcmMenuData::definition() const
{
    QByteArray text;
    for (const KcmMenuDataItem *item : m_items) {
        if (!text.isEmpty())
            text += '\n';
        if (item->flags & KcmMenuDataItem::Separator)
            continue;
        if (item->id == kDockOrFloat) {
            text += '$';
            continue;
        }
        if (item->id == kHide) {
            text += '^';
            continue;
        }
        text += mark(item->flags) + label(*item) + ':' + QByteArray::number(item->id);
    }
    return text;
}

KcmMenuStorage *KcmMenuStorage::instance()
{
    static KcmMenuStorage storage;
    return &storage;
}

void KcmMenuStorage::add(const QByteArray &name, KcmMenuData *menu)
{
    remove(name);
    m_menus[name].menu.reset(menu);
}

void KcmMenuStorage::remove(const QByteArray &name)
{
    m_menus.erase(name);
}

KcmMenuStorage::Entry *KcmMenuStorage::find(const QByteArray &name)
{
    const auto found = m_menus.find(name);
    return found == m_menus.end() ? nullptr : &found->second;
}

int KcmMenuStorage::updateMenuState(const QByteArray &name)
{
    Entry *entry = find(name);
    if (!entry || !entry->menu || !entry->callback)
        return 0;
    // The callback may change the menu, or clear it: walk a copy and stop when it is gone.
    const CuiContextMenuStateFn callback = entry->callback;
    void *const data = entry->callbackData;
    QList<int> ids;
    for (const KcmMenuDataItem *item : entry->menu->items())
        ids.append(item->id);
    int result = 0;
    for (int id : ids) {
        // Whatever the host destroys from inside the callback waits until it has returned.
        tesk::lifetime::callHost(nullptr, [&] { result = callback(name.constData(), id, data); });
        if (!find(name))
            break;
    }
    return result;
}

KcmMenuData *KcmMenuStorage::menu(const QByteArray &name)
{
    Entry *entry = find(name);
    if (!entry) {
        add(name, new KcmMenuData);
        entry = find(name);
    }
    return entry->menu.get();
}

KcmMenuDataItem *KcmMenuStorage::findItem(const QByteArray &name, int id)
{
    return menu(name)->findItem(id);
}
