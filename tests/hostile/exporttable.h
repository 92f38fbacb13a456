#pragma once

// Every export of the library, called as a hostile host would call it. One line per export,
// sorted by name; tst_hostile fails when include/tesk/exports.list names an export that has no
// line here. Arguments come from hostile::Args (hostileargs.h): a.s() text, a.w() writable
// text, a.i() int, a.u() unsigned, a.h() handle, a.obj() library object pointer,
// a.in(first, last) an index, a.block<T>() caller record, a.buffer() caller buffer, a.fn(harmless)
// host function.

#include "hostileargs.h"

#include <tesk/tesk.h>

#include <QCoreApplication>

#include <vector>

namespace hostile {

struct Entry
{
    const char *name;
    void (*call)(Args &a);
};

namespace fns {
inline void idle() {}
inline void activation(int) {}
inline void aboutToShow(TeskHandle, TeskHandle, void *) {}
inline void activate(TeskHandle, int, void *) {}
inline int cycle(TeskHandle, int, int, const char **text)
{
    if (text)
        *text = nullptr;
    return 0;
}
inline void contextItem(int) {}
inline int itemState(const char *, int, void *)
{
    return 0;
}
inline void registryFn() {}
} // namespace fns

inline bool hasApplication()
{
    return QCoreApplication::instance() != nullptr;
}

// clang-format off
inline const std::vector<Entry> &exportTable()
{
    static const std::vector<Entry> table = {
        {"CuiActionDisable", [](Args &a) { CuiActionDisable(a.h(), a.i(), a.i()); }},
        {"CuiActionGetToggleState", [](Args &a) { CuiActionGetToggleState(a.h(), a.i()); }},
        {"CuiActionSetToggleState", [](Args &a) { CuiActionSetToggleState(a.h(), a.i(), a.i()); }},
        {"CuiContextMenu_addItem", [](Args &a) { CuiContextMenu_addItem(a.s(), a.i()); }},
        {"CuiContextMenu_addSeparator", [](Args &a) { CuiContextMenu_addSeparator(a.s()); }},
        {"CuiContextMenu_clearMenu", [](Args &a) { CuiContextMenu_clearMenu(a.s()); }},
        {"CuiContextMenu_debugMenu", [](Args &) { CuiContextMenu_debugMenu(); }},
        {"CuiContextMenu_getItemChecked", [](Args &a) { CuiContextMenu_getItemChecked(a.s(), a.i()); }},
        {"CuiContextMenu_getItemCommand", [](Args &a) { CuiContextMenu_getItemCommand(a.s(), a.i()); }},
        {"CuiContextMenu_getItemCommandClass", [](Args &a) { CuiContextMenu_getItemCommandClass(a.s(), a.i()); }},
        {"CuiContextMenu_getItemCommandData", [](Args &a) { CuiContextMenu_getItemCommandData(a.s(), a.i()); }},
        {"CuiContextMenu_getItemEnabled", [](Args &a) { CuiContextMenu_getItemEnabled(a.s(), a.i()); }},
        {"CuiContextMenu_getItemGuiText", [](Args &a) { CuiContextMenu_getItemGuiText(a.s(), a.i()); }},
        {"CuiContextMenu_getItemVisibleAlias", [](Args &a) { CuiContextMenu_getItemVisibleAlias(a.s(), a.i()); }},
        {"CuiContextMenu_getMenuDefinion", [](Args &a) { CuiContextMenu_getMenuDefinion(a.s()); }},
        {"CuiContextMenu_setCallBackItemState", [](Args &a) { CuiContextMenu_setCallBackItemState(a.s(), a.fn(&fns::itemState), a.block<char>()); }},
        {"CuiContextMenu_setItemChecked", [](Args &a) { CuiContextMenu_setItemChecked(a.s(), a.i(), a.i()); }},
        {"CuiContextMenu_setItemCommand", [](Args &a) { CuiContextMenu_setItemCommand(a.s(), a.i(), a.s(), a.i()); }},
        {"CuiContextMenu_setItemCommandData", [](Args &a) { CuiContextMenu_setItemCommandData(a.s(), a.i(), a.i()); }},
        {"CuiContextMenu_setItemEnabled", [](Args &a) { CuiContextMenu_setItemEnabled(a.s(), a.i(), a.i()); }},
        {"CuiContextMenu_setItemGuiText", [](Args &a) { CuiContextMenu_setItemGuiText(a.s(), a.i(), a.s()); }},
        {"CuiContextMenu_setItemVisibleAlias", [](Args &a) { CuiContextMenu_setItemVisibleAlias(a.s(), a.i(), a.i()); }},
        {"CuiContextMenu_updateMenuState", [](Args &a) { CuiContextMenu_updateMenuState(a.s()); }},
        {"CuiCreateIdleObject", [](Args &) { CuiCreateIdleObject(); }},
        {"CuiDebug", [](Args &a) { CuiDebug(a.s()); }},
        {"CuiDebugInfoIsSet", [](Args &a) { CuiDebugInfoIsSet(a.s()); }},
        {"CuiDeleteIdleObject", [](Args &) { CuiDeleteIdleObject(); }},
        // Never the live widget: deleting it would leave the state the sweep runs in.
        {"CuiDeleteObject", [](Args &a) { void *o = a.obj(); if (o != a.world().liveWidget) CuiDeleteObject(o); }},
        {"CuiFunctionRegistryAddFunction", [](Args &a) { CuiFunctionRegistryAddFunction(a.s(), a.fn(&fns::registryFn)); }},
        {"CuiFunctionRegistryAddVoidStar", [](Args &a) { CuiFunctionRegistryAddVoidStar(a.s(), a.block<void *>()); }},
        {"CuiFunctionRegistryGetFunction", [](Args &a) { CuiFunctionRegistryGetFunction(a.s()); }},
        {"CuiFunctionRegistryGetVoidStar", [](Args &a) { CuiFunctionRegistryGetVoidStar(a.s()); }},
        {"CuiFunctionRegistryRemoveFunction", [](Args &a) { CuiFunctionRegistryRemoveFunction(a.s()); }},
        {"CuiFunctionRegistryRemoveVoidStar", [](Args &a) { CuiFunctionRegistryRemoveVoidStar(a.s()); }},
        {"CuiGetQtApp", [](Args &) { CuiGetQtApp(); }},
        {"CuiI18NGetEncodingList", [](Args &) { CuiI18NGetEncodingList(); }},
        {"CuiI18NGetLanguageList", [](Args &) { CuiI18NGetLanguageList(); }},
        {"CuiI18NGetLocaleList", [](Args &) { CuiI18NGetLocaleList(); }},
        {"CuiKsoDragAndDrop_dragMoveEvent", [](Args &a) { CuiKsoDragAndDrop_dragMoveEvent(a.obj(), a.h(), nullptr); }},
        {"CuiKsoDragAndDrop_dragStart", [](Args &a) { CuiKsoDragAndDrop_dragStart(a.i(), a.s()); }},
        {"CuiKsoDragAndDrop_dropEvent", [](Args &a) { CuiKsoDragAndDrop_dropEvent(a.obj(), a.h(), nullptr); }},
        {"CuiKsoDragAndDrop_getDragContext", [](Args &a) { CuiKsoDragAndDrop_getDragContext(a.block<int>()); }},
        {"CuiKsoDragAndDrop_setDragContext", [](Args &a) { CuiKsoDragAndDrop_setDragContext(a.i()); }},
        {"CuiLoadPlugins", [](Args &) { CuiLoadPlugins(); }},
        {"CuiLog", [](Args &a) { CuiLog(a.s()); }},
        {"CuiPump", [](Args &) { CuiPump(); }},
        // Start-up is the state the sweep runs in; a second start-up must change nothing.
        {"CuiQtInit_Win", [](Args &a) { if (hasApplication()) CuiQtInit_Win(a.w()); }},
        {"CuiQtInit_WinEx", [](Args &a) { if (hasApplication()) CuiQtInit_WinEx(a.s(), a.w()); }},
        {"CuiRegPaneDataAdd", [](Args &a) { CuiRegPaneDataAdd(a.u(), a.block<RegDataRecord>()); }},
        {"CuiRegPaneDataCreate", [](Args &a) { CuiRegPaneDataCreate(a.u()); }},
        {"CuiRegPaneDataTestOfExistence", [](Args &a) { CuiRegPaneDataTestOfExistence(a.u()); }},
        {"CuiRegPaneDataUpdate", [](Args &a) { CuiRegPaneDataUpdate(a.u(), a.block<RegDataRecord>()); }},
        {"CuiRegPaneGetNumLines", [](Args &a) { CuiRegPaneGetNumLines(a.u()); }},
        {"CuiRegPaneSetNumLines", [](Args &a) { CuiRegPaneSetNumLines(a.u(), a.u()); }},
        {"CuiRegisterIdleFunc", [](Args &a) { CuiRegisterIdleFunc(a.fn(&fns::idle)); }},
        // With an application the loop would run until shut down; the states after the loop
        // come from running it, and a loop run from a callback is tested on its own.
        {"CuiRun", [](Args &) { if (!hasApplication()) CuiRun(); }},
        {"CuiSetActivationCallback", [](Args &a) { CuiSetActivationCallback(a.h(), a.fn(&fns::activation)); }},
        {"CuiSetPadlockState", [](Args &a) { CuiSetPadlockState(a.i()); }},
        {"CuiSetSplashMessage", [](Args &a) { CuiSetSplashMessage(a.s()); }},
        {"CuiSetStatusText", [](Args &a) { CuiSetStatusText(a.h(), a.in(1, 6), a.s(), a.s()); }},
        {"CuiShowProgress", [](Args &a) { CuiShowProgress(a.h(), a.i(), a.i()); }},
        {"CuiShowRunState", [](Args &a) { CuiShowRunState(a.h(), a.i(), a.s()); }},
        {"CuiToolTipHide", [](Args &) { CuiToolTipHide(); }},
        {"CuiToolTipShowAt", [](Args &a) { CuiToolTipShowAt(a.s(), a.i(), a.i()); }},
        {"CuiUpdateSettings", [](Args &) { CuiUpdateSettings(); }},
        {"CuiVisualSettingsFixedFont", [](Args &a) { CuiVisualSettingsFixedFont(a.block<TeskFontRecord>()); }},
        {"QtActionSetToggleState", [](Args &a) { QtActionSetToggleState(a.h(), a.i(), a.i()); }},
        {"QtAddMainMenuEntry", [](Args &) { QtAddMainMenuEntry(); }},
        {"QtAddPopupMenu", [](Args &a) { QtAddPopupMenu(a.s(), a.i(), a.block<char>()); }},
        {"QtAddSeparator", [](Args &) { QtAddSeparator(); }},
        {"QtAppendMenu", [](Args &a) { QtAppendMenu(a.i(), a.s(), a.block<char>(), a.i()); }},
        {"QtBackupMenu", [](Args &) { QtBackupMenu(); }},
        {"QtBuildROMenu", [](Args &a) { QtBuildROMenu(a.s()); }},
        {"QtCreateNewCode", [](Args &a) { QtCreateNewCode(a.i()); }},
        {"QtCreateNewEditor", [](Args &a) { QtCreateNewEditor(a.i()); }},
        {"QtCreateNewSpr", [](Args &a) { QtCreateNewSpr(a.i()); }},
        {"QtCreateScriptToolBar", [](Args &) { QtCreateScriptToolBar(); }},
        {"QtDeleteMenu", [](Args &a) { QtDeleteMenu(a.i()); }},
        {"QtDeleteMenuItemAt", [](Args &a) { QtDeleteMenuItemAt(a.i()); }},
        {"QtDeregisterHelp", [](Args &a) { QtDeregisterHelp(a.i()); }},
        {"QtEnableQtContextMenu", [](Args &a) { QtEnableQtContextMenu(a.i()); }},
        // A window per variant would outgrow the sweep: only the states without one create it.
        {"QtFrameCreate", [](Args &a) { if (!a.world().liveWindow) QtFrameCreate(a.s(), a.h(), a.block<CuiFrameRecord>()); }},
        {"QtFrameShow", [](Args &) { QtFrameShow(); }},
        {"QtGetAcceleratorCount", [](Args &) { QtGetAcceleratorCount(); }},
        {"QtGetAcceleratorList", [](Args &a) { std::vector<TeskAccelerator> list(size_t(std::max(0, QtGetAcceleratorCount()))); QtGetAcceleratorList(a.i() & 1 ? list.data() : nullptr); }},
        {"QtHelp", [](Args &a) { QtHelp(a.i(), a.i()); }},
        {"QtHelpDesc", [](Args &a) { Args::Buffer b = a.buffer(); QtHelpDesc(a.block<int32_t>(), a.i() & 1 ? &b.data : nullptr, b.size); }},
        {"QtInsensitiveMenu", [](Args &a) { QtInsensitiveMenu(a.h(), a.i(), a.i()); }},
        {"QtIsQtContextMenu", [](Args &) { QtIsQtContextMenu(); }},
        {"QtIsTeskMenu", [](Args &a) { QtIsTeskMenu(a.h()); }},
        {"QtMenuTogGet", [](Args &a) { QtMenuTogGet(a.h(), a.i()); }},
        {"QtMenuTogSet", [](Args &a) { QtMenuTogSet(a.i(), a.i()); }},
        {"QtMenuToggleTog", [](Args &a) { QtMenuToggleTog(a.i()); }},
        {"QtModifyMenuHelpText", [](Args &a) { QtModifyMenuHelpText(a.i(), a.s()); }},
        {"QtPopContextMenu", [](Args &a) { QtPopContextMenu(a.fn(&fns::contextItem), a.s()); }},
        {"QtPopContextMenuEx", [](Args &a) { QtPopContextMenuEx(a.h(), a.fn(&fns::contextItem), a.s()); }},
        {"QtRegisterHelp", [](Args &a) { const TeskHelpEntry map[] = {{a.i(), a.s()}, {a.i(), a.s()}, {-1, nullptr}}; QtRegisterHelp(a.i() & 1 ? map : nullptr, a.i()); }},
        {"QtRegisterMenuCB", [](Args &a) { QtRegisterMenuCB(a.fn(&fns::aboutToShow), a.fn(&fns::activate), a.fn(&fns::cycle), a.h()); }},
        {"QtSetDontClose", [](Args &a) { QtSetDontClose(a.h(), a.i()); }},
        {"QtSetIsQtContextMenu", [](Args &) { QtSetIsQtContextMenu(); }},
        {"QtSetNextActionInGroup", [](Args &a) { QtSetNextActionInGroup(a.i()); }},
        {"QtSetStatusText", [](Args &a) { QtSetStatusText(a.in(1, 6), a.s(), a.h()); }},
        {"QtShowSplash", [](Args &a) { QtShowSplash(a.i() & 1, a.s(), a.s()); QtShowSplash(0, nullptr, nullptr); }},
        {"QtShutdown", [](Args &) { QtShutdown(); }},
        {"moskInitialisePlugin", [](Args &a) { if (MoskResult r = moskInitialisePlugin(a.block<MoskRegistrar>())) r->ops->Release(r); }},
    };
    return table;
}
// clang-format on

} // namespace hostile
