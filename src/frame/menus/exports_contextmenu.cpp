// The host's named context menus, built item by item and rendered as definition text.
#include <tesk/tesk_menu.h>

#include "frame/core/exportguard.h"
#include "frame/core/hosttext.h"
#include "frame/core/hosttexts.h"
#include "frame/menus/kcmmenudata.h"

namespace {

QByteArray nameOf(const char *menu)
{
    return tesk::core::hostBytes(menu);
}

// A null menu name is refused: nothing is created or found.
KcmMenuDataItem *itemOf(const char *menu, int id)
{
    return menu ? KcmMenuStorage::instance()->findItem(nameOf(menu), id) : nullptr;
}

// Runs an accessor on the item when it exists; the fallback otherwise.
template<typename Result, typename Fn>
Result withItem(const char *exportName, const char *menu, int id, Result fallback, Fn fn)
{
    return tesk::guarded(exportName, fallback, [&]() -> Result {
        KcmMenuDataItem *item = itemOf(menu, id);
        return item ? fn(*item) : fallback;
    });
}

// Strings handed to the host stay valid while the text they report is unchanged and their menu
// lives: one slot per item (and kind of text) of the menu, dropped with the menu, so a host
// that names its menus per use does not make them pile up.
const char *keep(const char *kind, const KcmMenuData *menu, int id, const QByteArray &text)
{
    QByteArray slot(kind);
    slot += '\0';
    slot += QByteArray::number(id);
    return tesk::texts::hold(menu->textOwner(), slot, text);
}

void setFlag(KcmMenuDataItem &item, unsigned flag, bool on)
{
    item.flags = on ? (item.flags | flag) : (item.flags & ~flag);
}

} // namespace

void CuiContextMenu_addItem(const char *menu, int id)
{
    TESK_GUARDED_VOID([&] {
        if (!menu)
            return;
        auto *item = new KcmMenuDataItem;
        item->id = id;
        KcmMenuStorage::instance()->menu(nameOf(menu))->append(item);
    });
}

void CuiContextMenu_addSeparator(const char *menu)
{
    TESK_GUARDED_VOID([&] {
        if (!menu)
            return;
        auto *item = new KcmMenuDataItem;
        item->flags = KcmMenuDataItem::Separator;
        KcmMenuStorage::instance()->menu(nameOf(menu))->append(item);
    });
}

void CuiContextMenu_clearMenu(const char *menu)
{
    TESK_GUARDED_VOID([&] { KcmMenuStorage::instance()->remove(nameOf(menu)); });
}

int CuiContextMenu_setItemEnabled(const char *menu, int id, int enabled)
{
    return withItem(__func__, menu, id, 0, [&](KcmMenuDataItem &item) {
        setFlag(item, KcmMenuDataItem::Disabled, !enabled);
        return 1;
    });
}

int CuiContextMenu_getItemEnabled(const char *menu, int id)
{
    return withItem(__func__, menu, id, 0, [](KcmMenuDataItem &item) {
        return item.flags & KcmMenuDataItem::Disabled ? 0 : 1;
    });
}

int CuiContextMenu_setItemChecked(const char *menu, int id, int checked)
{
    return withItem(__func__, menu, id, 0, [&](KcmMenuDataItem &item) {
        setFlag(item, KcmMenuDataItem::Checked, checked);
        return 1;
    });
}

int CuiContextMenu_getItemChecked(const char *menu, int id)
{
    return withItem(__func__, menu, id, 0, [](KcmMenuDataItem &item) {
        return item.flags & KcmMenuDataItem::Checked ? 1 : 0;
    });
}

int CuiContextMenu_setItemVisibleAlias(const char *menu, int id, int alias)
{
    return withItem(__func__, menu, id, 0, [&](KcmMenuDataItem &item) {
        item.visibleAlias = alias;
        return 1;
    });
}

int CuiContextMenu_getItemVisibleAlias(const char *menu, int id)
{
    return withItem(__func__, menu, id, -1,
                    [](KcmMenuDataItem &item) { return item.visibleAlias; });
}

void CuiContextMenu_setItemGuiText(const char *menu, int id, const char *text)
{
    withItem(__func__, menu, id, 0, [&](KcmMenuDataItem &item) {
        item.guiText = tesk::core::hostBytes(text);
        return 1;
    });
}

const char *CuiContextMenu_getItemGuiText(const char *menu, int id)
{
    return TESK_GUARDED("", [&] {
        KcmMenuDataItem *item = itemOf(menu, id);
        return item
                   ? keep("text", KcmMenuStorage::instance()->menu(nameOf(menu)), id, item->guiText)
                   : "";
    });
}

void CuiContextMenu_setItemCommand(const char *menu, int id, const char *command, int commandClass)
{
    withItem(__func__, menu, id, 0, [&](KcmMenuDataItem &item) {
        item.command = tesk::core::hostBytes(command);
        item.commandClass = commandClass;
        return 1;
    });
}

const char *CuiContextMenu_getItemCommand(const char *menu, int id)
{
    return TESK_GUARDED("", [&] {
        KcmMenuDataItem *item = itemOf(menu, id);
        return item ? keep("command", KcmMenuStorage::instance()->menu(nameOf(menu)), id,
                           item->command)
                    : "";
    });
}

int CuiContextMenu_getItemCommandClass(const char *menu, int id)
{
    return withItem(__func__, menu, id, 0, [](KcmMenuDataItem &item) { return item.commandClass; });
}

int CuiContextMenu_setItemCommandData(const char *menu, int id, int data)
{
    return withItem(__func__, menu, id, 0, [&](KcmMenuDataItem &item) {
        item.commandData = data;
        return 1;
    });
}

int CuiContextMenu_getItemCommandData(const char *menu, int id)
{
    return withItem(__func__, menu, id, 0, [](KcmMenuDataItem &item) { return item.commandData; });
}

int CuiContextMenu_setCallBackItemState(const char *menu, CuiContextMenuStateFn function,
                                        void *data)
{
    return TESK_GUARDED(0, [&] {
        KcmMenuStorage::Entry *entry = KcmMenuStorage::instance()->find(nameOf(menu));
        if (!entry)
            return 0;
        // A null function takes the callback away.
        entry->callback = function;
        entry->callbackData = function ? data : nullptr;
        return 1;
    });
}

int CuiContextMenu_updateMenuState(const char *menu)
{
    return TESK_GUARDED(0,
                        [&] { return KcmMenuStorage::instance()->updateMenuState(nameOf(menu)); });
}

const char *CuiContextMenu_getMenuDefinion(const char *menu)
{
    return TESK_GUARDED("", [&] {
        if (!menu)
            return "";
        const KcmMenuData *data = KcmMenuStorage::instance()->menu(nameOf(menu));
        return keep("definition", data, 0, data->definition());
    });
}

int CuiContextMenu_debugMenu(void)
{
    TESK_GUARDED_VOID([] { KcmMenuStorage::instance(); });
    return 1;
}
