#pragma once

// Every export of the library, called as a hostile host would call it. One line per export,
// sorted by name; tst_hostile fails when include/tesk/exports.list names an export that has no
// line here. Arguments come from hostile::Args (hostileargs.h): a.s() text, a.w() writable
// text, a.i() int, a.u() unsigned, a.h() handle, a.obj() library object pointer,
// a.in(first, last) an index, a.block<T>() caller record, a.buffer() caller buffer, a.fn(harmless)
// host function.

#include "hostileargs.h"

#include <cstring>
#include <iterator>

#include <tesk/tesk.h>
#include <tesk/tesk_facade.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdlib>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace hostile {

struct Entry
{
    const char *name;
    void (*call)(Args &a);
};

namespace fns {
inline void idle() {}
inline int memoryCommand(int32_t, TeskHandle, const char *c, int32_t, int32_t)
{
    return int(std::strlen(c));
}
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
inline void dialogHelp(int) {}
inline int itemState(const char *, int, void *)
{
    return 0;
}
inline void registryFn() {}
inline void codeCallback(TeskHandle, int *, int) {}
inline void topLevelSize(TeskHandle, int *, int) {}
inline int symtabHost(int, TeskHandle, TeskHandle, const char *, TeskHandle)
{
    return 0;
}
inline int32_t proxyHandler(uint32_t, TeskHandle, intptr_t, intptr_t, intptr_t)
{
    return 0;
}
inline int breakpointDlgHandler(int, TeskHandle, intptr_t, const char *, intptr_t)
{
    return 0;
}
inline void breakpointDlgHelp(uint32_t) {}
inline void qsdiCallback(void *) {}
inline int print(void *, int, const char *, ...)
{
    return 0;
}
inline int navigatorHost(int, TeskHandle, char *, TeskHandle, TeskHandle)
{
    return 0;
}
inline void findToolBar(TeskHandle, const void *, int, int) {}
inline void scriptToolBar(TeskHandle, const char *) {}
inline int regPaneHandler(uint32_t, uintptr_t, const char *, uintptr_t, uint32_t)
{
    return 0;
}
} // namespace fns

// A handle of an object family: a live one (destroyed after the call), a dead one, or a hostile
// one of a.h().
template<typename Create, typename Destroy, typename Call>
void onFamily(Args &a, Create create, Destroy destroy, Call call)
{
    const int kind = a.variant() % 4;
    TeskHandle handle = kind < 2 ? create() : a.h();
    if (kind == 1)
        destroy(handle);
    call(handle);
    if (kind == 0)
        destroy(handle);
}

template<typename Call>
void onProxy(Args &a, Call call)
{
    onFamily(
        a, [] { return CuiBreakpointProxyCreate(7); }, &CuiBreakpointProxyDestroy, call);
}

template<typename Call>
void onBreakpointDlg(Args &a, Call call)
{
    onFamily(
        a, [&] { return CuiBreakpointDlgCreate(a.h()); }, &CuiBreakpointDlgDestroy, call);
}

template<typename Call>
void onSource(Args &a, Call call)
{
    onFamily(a, &CuiSymtabDataSourceCreate, &CuiSymtabDataSourceDestroy, call);
}

template<typename Call>
void onNavigator(Args &a, Call call)
{
    onFamily(a, &CuiDataNavCreate, &CuiDataNavDestroy, call);
}

template<typename Call>
void onSearchPaths(Args &a, Call call)
{
    onFamily(
        a, [&] { return CuiSourceSearchPathDlgCreate(a.h()); },
        [](TeskHandle d) { CuiDeleteObject(reinterpret_cast<void *>(d)); }, call);
}

// A register pane that has shown a data set of the sweep's own, with values on lines 0 and 1.
// A data set of one view and one register, shown in the pane.
inline void showRegisterSet(int dataSet, TeskHandle pane, const char *display)
{
    CuiRegPaneDataCreate(dataSet);
    RegDataRecord view{};
    view.kind = REG_RECORD_ITEM;
    view.name = "Core";
    view.flags = REG_FLAG_VIEW;
    CuiRegPaneDataAdd(dataSet, &view);
    RegDataRecord reg{};
    reg.kind = REG_RECORD_ITEM;
    reg.name = "R0";
    reg.width = 8;
    CuiRegPaneDataAdd(dataSet, &reg);
    CuiRegPaneDataSet(dataSet, pane, "arm", nullptr, display);
}

inline TeskHandle makeRegPane()
{
    TeskHandle pane = CuiRegPaneCreate(&fns::regPaneHandler);
    showRegisterSet(77, pane, "sweep");
    return pane;
}

template<typename Call>
void onRegPane(Args &a, Call call)
{
    onFamily(a, &makeRegPane, &CuiRegPaneDelete, call);
}

// The files the filter exports store to and load from: none, unnamed, a file of the sweep's
// own, a folder, a file in a folder that does not exist, a pipe nobody reads or writes, a
// device that never ends. Never host text, which would leave files wherever the sweep runs.
inline const char *filterFile(Args &a)
{
    static QTemporaryDir dir;
    static const std::string file = dir.filePath(QStringLiteral("filters.ini")).toStdString();
    static const std::string folder = dir.path().toStdString();
    static const std::string pipe = [] {
        const std::string path = dir.filePath(QStringLiteral("pipe")).toStdString();
        ::mkfifo(path.c_str(), 0600);
        return path;
    }();
    const char *const pool[] = {nullptr,
                                "",
                                file.c_str(),
                                folder.c_str(),
                                "/nonexistent-sweep-folder/filters.ini",
                                pipe.c_str(),
                                "/dev/zero"};
    // By the variant, so that every file is met, and the store and load of one call meet the same.
    return pool[unsigned(a.variant()) % std::size(pool)];
}

// Closes the host-described dialogs left up, which keep the host's records they were built
// from, before those go.
inline void closeLeftUpDialogs()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<QDialog *>(widget); dialog && dialog->isVisible()) {
            dialog->reject();
            dialog->close();
        }
    }
}

// A description built from hostile parts; the host's records stay alive while a dialog left up
// holds them (a 32768-byte entry buffer: what may be typed without a maximum).
inline void runDescription(Args &a, bool withFindRecord)
{
    static char entryBuffer[32768];
    static int32_t callbackWord;
    QSDIDescription *description = nullptr;
    if (QtQSDIInitDialog(&description, a.in(0, 7), a.i(), a.in(0, 3), a.i(), a.i()) != 0)
        return;
    QSDIFind *find = nullptr;
    if (withFindRecord)
        QtQSDIInitFindCallback(&find, a.i(), a.i());
    QtQSDIAddButton(description, a.s(), a.i(), a.in(0, 3));
    QtQSDIAddButton(description, a.s(), a.in(10, 12), a.in(0, 3));
    QtQSDIAddEvent(description, a.i());
    QtQSDIAddCallback(description, a.fn(&fns::qsdiCallback),
                      find ? static_cast<void *>(find) : &callbackWord);
    if (description->kind == QSDI_KIND_ENTRY) {
        const char *text = a.s();
        std::strncpy(entryBuffer, text ? text : "", sizeof entryBuffer - 1);
        QtQSDIAddEntry(description, a.i() & 1 ? entryBuffer : nullptr, a.in(0, 16));
    } else if (description->kind == QSDI_KIND_QUESTION) {
        QtQSDIAddToggle(description, a.s(), a.i(), a.i());
    }
    if (description->texts) {
        description->texts->caption = a.s();
        description->texts->message = a.s();
    }
    QtQSDIExecDialog(description);
    closeLeftUpDialogs();
    if (description->kind == QSDI_KIND_QUESTION && description->control)
        std::free(static_cast<QSDIToggle *>(description->control)->text);
    std::free(description->control);
    QtQSDIDeleteDialog(description);
    if (find)
        QtQSDIDeleteFindCallback(find);
}

inline bool hasApplication()
{
    return QCoreApplication::instance() != nullptr;
}

// clang-format off
inline const std::vector<Entry> &exportTable()
{
    static const std::vector<Entry> table = {
        {"CuiAbstractPaneDestroy", [](Args &a) { TeskHandle h = a.h(); if (h != a.world().liveWindow) CuiAbstractPaneDestroy(h); }},
        {"CuiAbstractPaneEvent", [](Args &a) { CuiAbstractPaneEvent(a.h(), a.in(12, 26), a.i(), a.i()); }},
        {"CuiAbstractPaneGetWindBox", [](Args &a) { CuiAbstractPaneGetWindBox(a.h(), a.block<TeskHandle>()); }},
        {"CuiAbstractPaneSetWindBox", [](Args &a) { CuiAbstractPaneSetWindBox(a.h(), a.h()); }},
        {"CuiActionDisable", [](Args &a) { CuiActionDisable(a.h(), a.i(), a.i()); }},
        {"CuiActionGetToggleState", [](Args &a) { CuiActionGetToggleState(a.h(), a.i()); }},
        {"CuiActionSetToggleState", [](Args &a) { CuiActionSetToggleState(a.h(), a.i(), a.i()); }},
        {"CuiBreakpointDlgCreate", [](Args &a) { CuiBreakpointDlgDestroy(CuiBreakpointDlgCreate(a.h())); }},
        {"CuiBreakpointDlgDestroy", [](Args &a) { onBreakpointDlg(a, [](TeskHandle d) { CuiBreakpointDlgDestroy(d); CuiBreakpointDlgDestroy(d); }); }},
        {"CuiBreakpointDlgSetBreakpoint", [](Args &a) { onBreakpointDlg(a, [&](TeskHandle d) { TeskHandle p = a.i() & 1 ? CuiBreakpointProxyCreate(a.u()) : a.h(); CuiBreakpointDlgSetBreakpoint(d, p); CuiBreakpointDlgSetBreakpoint(d, p); CuiBreakpointProxyDestroy(p); }); }},
        {"CuiBreakpointDlgSetFuncHandler", [](Args &a) { onBreakpointDlg(a, [&](TeskHandle d) { CuiBreakpointDlgSetFuncHandler(d, a.fn(&fns::breakpointDlgHandler)); }); }},
        {"CuiBreakpointDlgSetHelpCallback", [](Args &a) { onBreakpointDlg(a, [&](TeskHandle d) { CuiBreakpointDlgSetHelpCallback(d, a.fn(&fns::breakpointDlgHelp)); }); }},
        {"CuiBreakpointDlgSetHelpId", [](Args &a) { onBreakpointDlg(a, [&](TeskHandle d) { CuiBreakpointDlgSetHelpId(d, a.u()); }); }},
        {"CuiBreakpointDlgSetInitialBreakpointType", [](Args &a) { onBreakpointDlg(a, [&](TeskHandle d) { CuiBreakpointDlgSetInitialBreakpointType(d, a.u()); }); }},
        {"CuiBreakpointDlgSetInitialLocation", [](Args &a) { onBreakpointDlg(a, [&](TeskHandle d) { CuiBreakpointDlgSetInitialLocation(d, a.s()); }); }},
        {"CuiBreakpointDlgSetMode", [](Args &a) { onBreakpointDlg(a, [&](TeskHandle d) { CuiBreakpointDlgSetMode(d, a.u()); }); }},
        {"CuiBreakpointDlgSetTextBox", [](Args &a) { onBreakpointDlg(a, [&](TeskHandle d) { CuiBreakpointDlgSetTextBox(d, a.i()); }); }},
        {"CuiBreakpointDlgSetVdata", [](Args &a) { onBreakpointDlg(a, [&](TeskHandle d) { CuiBreakpointDlgSetVdata(d, a.i()); }); }},
        {"CuiBreakpointDlgSetWindBox", [](Args &a) { onBreakpointDlg(a, [&](TeskHandle d) { CuiBreakpointDlgSetWindBox(d, a.i()); }); }},
        {"CuiBreakpointProxyAddAction", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxyAddAction(p, a.s()); }); }},
        {"CuiBreakpointProxyAddBreakpointType", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxyAddBreakpointType(p, a.u()); }); }},
        {"CuiBreakpointProxyAddClass", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxyAddClass(p, a.u()); }); }},
        {"CuiBreakpointProxyAddHardwareSupportPassCount", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxyAddHardwareSupportPassCount(p, a.s()); }); }},
        {"CuiBreakpointProxyAddQualifier", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxyAddQualifier(p, a.s()); }); }},
        {"CuiBreakpointProxyAllowActions", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxyAllowActions(p, a.u()); }); }},
        {"CuiBreakpointProxyAllowClasses", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxyAllowClasses(p, a.u()); }); }},
        {"CuiBreakpointProxyAllowData", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxyAllowData(p, a.u()); }); }},
        {"CuiBreakpointProxyAllowLocation", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxyAllowLocation(p, a.u()); }); }},
        {"CuiBreakpointProxyAllowQualifiers", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxyAllowQualifiers(p, a.u()); }); }},
        {"CuiBreakpointProxyAllowRange", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxyAllowRange(p, a.u()); }); }},
        {"CuiBreakpointProxyAppendHardwareTrigger", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxyAppendHardwareTrigger(p, a.i() & 1 ? CuiHardwareTriggerCreate(a.s(), a.s(), a.u()) : a.h()); }); }},
        {"CuiBreakpointProxyClearActions", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxyAddAction(p, a.s()); CuiBreakpointProxyClearActions(p); }); }},
        {"CuiBreakpointProxyClearClasses", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxyAddClass(p, a.u()); CuiBreakpointProxyClearClasses(p); }); }},
        {"CuiBreakpointProxyClearHardwareSupport", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxyAppendHardwareTrigger(p, CuiHardwareTriggerCreate(a.s(), a.s(), a.u())); CuiBreakpointProxyClearHardwareSupport(p); }); }},
        {"CuiBreakpointProxyClearHardwareSupportPassCount", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxyAddHardwareSupportPassCount(p, a.s()); CuiBreakpointProxyClearHardwareSupportPassCount(p); }); }},
        {"CuiBreakpointProxyClearQualifiers", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxyAddQualifier(p, a.s()); CuiBreakpointProxyClearQualifiers(p); }); }},
        {"CuiBreakpointProxyCreate", [](Args &a) { CuiBreakpointProxyDestroy(CuiBreakpointProxyCreate(a.u())); }},
        {"CuiBreakpointProxyDestroy", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxyDestroy(p); CuiBreakpointProxyDestroy(p); }); }},
        {"CuiBreakpointProxyGetBreakpointType", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxyGetBreakpointType(p); }); }},
        {"CuiBreakpointProxySetActionState", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxySetActionState(p, a.u()); }); }},
        {"CuiBreakpointProxySetBreakpointSize", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxySetBreakpointSize(p, a.u()); }); }},
        {"CuiBreakpointProxySetBreakpointType", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxySetHandler(p, a.fn(&fns::proxyHandler)); CuiBreakpointProxySetBreakpointType(p, a.u()); }); }},
        {"CuiBreakpointProxySetBreakpointTypePos", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxyAddBreakpointType(p, a.u()); CuiBreakpointProxySetBreakpointTypePos(p, a.u()); }); }},
        {"CuiBreakpointProxySetChained", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxySetChained(p); }); }},
        {"CuiBreakpointProxySetClassPos", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxyAddClass(p, a.u()); CuiBreakpointProxySetClassPos(p, a.u()); }); }},
        {"CuiBreakpointProxySetForcedSize", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxySetForcedSize(p, a.u(), a.u()); }); }},
        {"CuiBreakpointProxySetHandler", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxySetHandler(p, a.fn(&fns::proxyHandler)); }); }},
        {"CuiBreakpointProxySetLocation", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxySetLocation(p, a.s()); }); }},
        {"CuiBreakpointProxySetValue", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxySetValue(p, a.s()); }); }},
        {"CuiBreakpointProxySetVdata", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxySetVdata(p, intptr_t(a.h())); }); }},
        {"CuiBreakpointProxySetVpid", [](Args &a) { onProxy(a, [&](TeskHandle p) { CuiBreakpointProxySetVpid(p, a.u()); }); }},
        {"CuiChangeColorIconForWindow", [](Args &a) { CuiChangeColorIconForWindow(a.h(), a.u()); }},
        {"CuiCheckWindowSizesAreSane", [](Args &a) { CuiCheckWindowSizesAreSane(a.block<int>(), a.block<int>(), a.block<int>(), a.block<int>()); }},
        {"CuiCodeWindowGetWId", [](Args &) { CuiCodeWindowGetWId(); }},
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
        {"CuiCorvasimConfigDlgAddProcessor", [](Args &a) { onFamily(a, &CuiCorvasimConfigDlgCreate, &CuiCorvasimConfigDlgDestroy, [&](TeskHandle d) { CuiCorvasimConfigDlgAddProcessor(d, a.s()); CuiCorvasimConfigDlgSetProcessor(d, a.s()); }); }},
        {"CuiCorvasimConfigDlgCreate", [](Args &) { CuiCorvasimConfigDlgDestroy(CuiCorvasimConfigDlgCreate()); }},
        {"CuiCorvasimConfigDlgDestroy", [](Args &a) { onFamily(a, &CuiCorvasimConfigDlgCreate, &CuiCorvasimConfigDlgDestroy, [&](TeskHandle d) { CuiCorvasimConfigDlgDestroy(d); }); }},
        {"CuiCorvasimConfigDlgGetClockSpeed", [](Args &a) { onFamily(a, &CuiCorvasimConfigDlgCreate, &CuiCorvasimConfigDlgDestroy, [&](TeskHandle d) { CuiCorvasimConfigDlgSetClockSpeed(d, a.s()); auto b = a.buffer(); CuiCorvasimConfigDlgGetClockSpeed(d, b.data, int32_t(b.size)); }); }},
        {"CuiCorvasimConfigDlgGetEndian", [](Args &a) { onFamily(a, &CuiCorvasimConfigDlgCreate, &CuiCorvasimConfigDlgDestroy, [&](TeskHandle d) { (void)CuiCorvasimConfigDlgGetEndian(d); }); }},
        {"CuiCorvasimConfigDlgGetMMUState", [](Args &a) { onFamily(a, &CuiCorvasimConfigDlgCreate, &CuiCorvasimConfigDlgDestroy, [&](TeskHandle d) { (void)CuiCorvasimConfigDlgGetMMUState(d); }); }},
        {"CuiCorvasimConfigDlgGetProcessor", [](Args &a) { onFamily(a, &CuiCorvasimConfigDlgCreate, &CuiCorvasimConfigDlgDestroy, [&](TeskHandle d) { CuiCorvasimConfigDlgAddProcessor(d, a.s()); CuiCorvasimConfigDlgSetProcessor(d, a.s()); auto b = a.buffer(); CuiCorvasimConfigDlgGetProcessor(d, b.data, int32_t(b.size)); }); }},
        {"CuiCorvasimConfigDlgGetQMXState", [](Args &a) { onFamily(a, &CuiCorvasimConfigDlgCreate, &CuiCorvasimConfigDlgDestroy, [&](TeskHandle d) { (void)CuiCorvasimConfigDlgGetQMXState(d); }); }},
        {"CuiCorvasimConfigDlgGetStartEndian", [](Args &a) { onFamily(a, &CuiCorvasimConfigDlgCreate, &CuiCorvasimConfigDlgDestroy, [&](TeskHandle d) { (void)CuiCorvasimConfigDlgGetStartEndian(d); }); }},
        {"CuiCorvasimConfigDlgIsRealtimeClock", [](Args &a) { onFamily(a, &CuiCorvasimConfigDlgCreate, &CuiCorvasimConfigDlgDestroy, [&](TeskHandle d) { (void)CuiCorvasimConfigDlgIsRealtimeClock(d); }); }},
        {"CuiCorvasimConfigDlgSetClockSpeed", [](Args &a) { onFamily(a, &CuiCorvasimConfigDlgCreate, &CuiCorvasimConfigDlgDestroy, [&](TeskHandle d) { CuiCorvasimConfigDlgSetClockSpeed(d, a.s()); }); }},
        {"CuiCorvasimConfigDlgSetEmulatedClock", [](Args &a) { onFamily(a, &CuiCorvasimConfigDlgCreate, &CuiCorvasimConfigDlgDestroy, [&](TeskHandle d) { CuiCorvasimConfigDlgSetEmulatedClock(d); }); }},
        {"CuiCorvasimConfigDlgSetEndian", [](Args &a) { onFamily(a, &CuiCorvasimConfigDlgCreate, &CuiCorvasimConfigDlgDestroy, [&](TeskHandle d) { CuiCorvasimConfigDlgSetEndian(d, a.i()); }); }},
        {"CuiCorvasimConfigDlgSetHelpId", [](Args &a) { onFamily(a, &CuiCorvasimConfigDlgCreate, &CuiCorvasimConfigDlgDestroy, [&](TeskHandle d) { CuiCorvasimConfigDlgSetHelpId(d, a.u()); }); }},
        {"CuiCorvasimConfigDlgSetMMUState", [](Args &a) { onFamily(a, &CuiCorvasimConfigDlgCreate, &CuiCorvasimConfigDlgDestroy, [&](TeskHandle d) { CuiCorvasimConfigDlgSetMMUState(d, a.i()); }); }},
        {"CuiCorvasimConfigDlgSetProcessor", [](Args &a) { onFamily(a, &CuiCorvasimConfigDlgCreate, &CuiCorvasimConfigDlgDestroy, [&](TeskHandle d) { CuiCorvasimConfigDlgSetProcessor(d, a.s()); }); }},
        {"CuiCorvasimConfigDlgSetQMXState", [](Args &a) { onFamily(a, &CuiCorvasimConfigDlgCreate, &CuiCorvasimConfigDlgDestroy, [&](TeskHandle d) { CuiCorvasimConfigDlgSetQMXState(d, a.i()); }); }},
        {"CuiCorvasimConfigDlgSetRealtimeClock", [](Args &a) { onFamily(a, &CuiCorvasimConfigDlgCreate, &CuiCorvasimConfigDlgDestroy, [&](TeskHandle d) { CuiCorvasimConfigDlgSetRealtimeClock(d); CuiDoModal(reinterpret_cast<void *>(d)); }); }},
        {"CuiCorvasimConfigDlgSetStartEndian", [](Args &a) { onFamily(a, &CuiCorvasimConfigDlgCreate, &CuiCorvasimConfigDlgDestroy, [&](TeskHandle d) { CuiCorvasimConfigDlgSetStartEndian(d, a.i()); }); }},
        {"CuiCreateIdleObject", [](Args &) { CuiCreateIdleObject(); }},
        {"CuiDataNavCreate", [](Args &) { CuiDataNavDestroy(CuiDataNavCreate()); }},
        {"CuiDataNavDestroy", [](Args &a) { onNavigator(a, [](TeskHandle p) { CuiDataNavDestroy(p); }); }},
        {"CuiDataNavEvent", [](Args &a) { onNavigator(a, [&](TeskHandle p) { CuiDataNavEvent(p, a.in(12, 26), a.i(), a.i()); }); }},
        {"CuiDataNavGetDataSource", [](Args &a) { onNavigator(a, [](TeskHandle p) { CuiDataNavGetDataSource(p); }); }},
        {"CuiDataNavPopulate", [](Args &a) { onNavigator(a, [](TeskHandle p) { CuiDataNavPopulate(p); }); }},
        {"CuiDataNavSetDataSource", [](Args &a) { onNavigator(a, [&](TeskHandle p) { onSource(a, [&](TeskHandle s) { CuiDataNavSetDataSource(p, s); CuiDataNavPopulate(p); }); CuiDataNavUpdate(p); }); }},
        {"CuiDataNavSetFuncCB", [](Args &a) { onNavigator(a, [&](TeskHandle p) { CuiDataNavSetFuncCB(p, a.fn(&fns::navigatorHost)); }); }},
        {"CuiDataNavSetVdata", [](Args &a) { onNavigator(a, [&](TeskHandle p) { CuiDataNavSetVdata(p, a.h()); }); }},
        {"CuiDataNavUpdate", [](Args &a) { onNavigator(a, [&](TeskHandle p) { TeskPaneSetPersistData(p, a.s()); CuiDataNavUpdate(p); const Args::Buffer b = a.buffer(); TeskPaneGetPersistData(p, b.size, b.data); }); }},
        {"CuiDebug", [](Args &a) { CuiDebug(a.s()); }},
        {"CuiDebugInfoIsSet", [](Args &a) { CuiDebugInfoIsSet(a.s()); }},
        {"CuiDeleteIdleObject", [](Args &) { CuiDeleteIdleObject(); }},
        // Never the live widget: deleting it would leave the state the sweep runs in.
        {"CuiDeleteObject", [](Args &a) { void *o = a.obj(); if (o != a.world().liveWidget) CuiDeleteObject(o); }},
        // A dialog the library made (run, answered by the sweep's host, deleted), or a pointer of any kind.
        {"CuiDialogExec", [](Args &a) { TeskHandle made = a.i() & 1 ? CuiFilters_ModuleFilterDlgCreate(a.h(), a.s()) : 0; CuiDialogExec(made ? reinterpret_cast<void *>(made) : a.obj()); CuiDeleteObject(reinterpret_cast<void *>(made)); }},
        {"CuiDoModal", [](Args &a) { TeskHandle made = a.i() & 1 ? CuiFilters_ModuleFilterDlgCreate(a.h(), a.s()) : 0; CuiDoModal(made ? reinterpret_cast<void *>(made) : a.obj()); CuiDeleteObject(reinterpret_cast<void *>(made)); }},
        {"CuiFilters_GetModuleFilter", [](Args &a) { CuiFilters_GetModuleFilter(a.i(), a.block<ModuleFilterRecord>(), a.i() & 1 ? int(sizeof(ModuleFilterRecord)) : a.i()); }},
        {"CuiFilters_IsActiveModuleFiltering", [](Args &) { CuiFilters_IsActiveModuleFiltering(); }},
        {"CuiFilters_Load", [](Args &a) { const char *tag = a.s(); CuiFilters_Store(filterFile(a), tag); CuiFilters_Load(filterFile(a), a.i() & 1 ? tag : a.s()); }},
        {"CuiFilters_ModuleFilterDlgCreate", [](Args &a) { CuiDeleteObject(reinterpret_cast<void *>(CuiFilters_ModuleFilterDlgCreate(a.h(), a.s()))); }},
        {"CuiFilters_SetDefault", [](Args &) { CuiFilters_SetDefault(); }},
        {"CuiFilters_Store", [](Args &a) { CuiFilters_Store(filterFile(a), a.s()); }},
        {"CuiFindToolbarSetFilename", [](Args &a) { CuiFindToolbarSetFilename(a.h(), a.s()); }},
        {"CuiFunctionListBreakpointDialog", [](Args &a) { CuiFunctionListBreakpointDialog(a.i(), a.h(), a.h()); }},
        {"CuiFunctionRegistryAddFunction", [](Args &a) { CuiFunctionRegistryAddFunction(a.s(), a.fn(&fns::registryFn)); }},
        {"CuiFunctionRegistryAddVoidStar", [](Args &a) { CuiFunctionRegistryAddVoidStar(a.s(), a.block<void *>()); }},
        {"CuiFunctionRegistryGetFunction", [](Args &a) { CuiFunctionRegistryGetFunction(a.s()); }},
        {"CuiFunctionRegistryGetVoidStar", [](Args &a) { CuiFunctionRegistryGetVoidStar(a.s()); }},
        {"CuiFunctionRegistryRemoveFunction", [](Args &a) { CuiFunctionRegistryRemoveFunction(a.s()); }},
        {"CuiFunctionRegistryRemoveVoidStar", [](Args &a) { CuiFunctionRegistryRemoveVoidStar(a.s()); }},
        {"CuiGetCurrentCode", [](Args &) { CuiGetCurrentCode(); }},
        {"CuiGetDesktopSize", [](Args &a) { CuiGetDesktopSize(a.i(), a.block<int>(), a.block<int>()); }},
        {"CuiGetDockForMultipleViewId", [](Args &a) { CuiGetDockForMultipleViewId(a.h(), a.i()); }},
        {"CuiGetDockWindowPersistanceData", [](Args &a) { CuiGetDockWindowPersistanceData(a.h(), a.i(), a.block<char>()); }},
        {"CuiGetQtApp", [](Args &) { CuiGetQtApp(); }},
        {"CuiGetSourceLocation", [](Args &a) { auto b = a.buffer(); CuiGetSourceLocation(a.i(), a.s(), a.s(), a.s(), b.data, int32_t(b.size)); }},
        {"CuiGetUserInformation", [](Args &a) { CuiGetUserInformation(a.i(), a.s(), a.s()); }},
        {"CuiGotoLineDialog", [](Args &a) { CuiGotoLineDialog(a.i(), a.block<int32_t>(), a.i()); }},
        {"CuiHardwareTriggerAppendValue", [](Args &a) { CuiHardwareTriggerAppendValue(a.i() & 1 ? CuiHardwareTriggerCreate(a.s(), a.s(), a.u()) : a.h(), a.s(), a.s()); }},
        {"CuiHardwareTriggerCreate", [](Args &a) { CuiHardwareTriggerCreate(a.s(), a.s(), a.u()); }},
        {"CuiHardwareTriggerSetSelection", [](Args &a) { TeskHandle t = a.i() & 1 ? CuiHardwareTriggerCreate(a.s(), a.s(), a.u()) : a.h(); CuiHardwareTriggerAppendValue(t, a.s(), a.s()); CuiHardwareTriggerSetSelection(t, a.i()); }},
        {"CuiHeaderGetFontInfo", [](Args &a) { Args::Buffer b = a.buffer(); CuiHeaderGetFontInfo(b.size, b.data, a.block<int>()); }},
        {"CuiHelperMarkupText", [](Args &a) { auto b = a.buffer(); CuiHelperMarkupText(a.s(), int(b.size), b.data); }},
        {"CuiHelpersAppendToList", [](Args &a) { CuiHelpersAppendToList(a.obj(), a.s()); }},
        {"CuiHelpersAppendToListEx", [](Args &a) { CuiHelpersAppendToListEx(a.obj(), a.s(), char(a.i())); }},
        {"CuiI18NGetEncodingList", [](Args &) { CuiI18NGetEncodingList(); }},
        {"CuiI18NGetLanguageList", [](Args &) { CuiI18NGetLanguageList(); }},
        {"CuiI18NGetLocaleList", [](Args &) { CuiI18NGetLocaleList(); }},
        {"CuiKsoDragAndDrop_dragMoveEvent", [](Args &a) { CuiKsoDragAndDrop_dragMoveEvent(a.obj(), a.h(), nullptr); }},
        {"CuiKsoDragAndDrop_dragStart", [](Args &a) { CuiKsoDragAndDrop_dragStart(a.i(), a.s()); }},
        {"CuiKsoDragAndDrop_dropEvent", [](Args &a) { CuiKsoDragAndDrop_dropEvent(a.obj(), a.h(), nullptr); }},
        {"CuiKsoDragAndDrop_getDragContext", [](Args &a) { CuiKsoDragAndDrop_getDragContext(a.block<int>()); }},
        {"CuiKsoDragAndDrop_setDragContext", [](Args &a) { CuiKsoDragAndDrop_setDragContext(a.i()); }},
        {"CuiLoadBinary", [](Args &a) { CuiLoadBinary(a.h(), a.h(), a.s(), a.i(), a.s()); }},
        {"CuiLoadImage", [](Args &a) { auto n = a.buffer(), s = a.buffer(), g = a.buffer(), o = a.buffer(); CuiLoadImage(a.h(), a.s(), n.size, n.data, a.s(), a.s(), a.i(), a.block<int32_t>(), a.block<int32_t>(), a.block<int32_t>(), s.size, s.data, g.size, g.data, o.size, o.data); }},
        {"CuiLoadMemoryDlgCreate", [](Args &a) { CuiLoadMemoryDlgDestroy(CuiLoadMemoryDlgCreate(a.h(), a.s())); }},
        {"CuiLoadMemoryDlgDestroy", [](Args &a) { onFamily(a, [&] { return CuiLoadMemoryDlgCreate(a.h(), a.s()); }, &CuiLoadMemoryDlgDestroy, [](TeskHandle d) { CuiLoadMemoryDlgDestroy(d); }); }},
        {"CuiLoadMemoryDlgGetCommand", [](Args &a) { onFamily(a, [&] { return CuiLoadMemoryDlgCreate(a.h(), a.s()); }, &CuiLoadMemoryDlgDestroy, [&](TeskHandle d) { CuiDoModal(reinterpret_cast<void *>(d)); if (const char *c = CuiLoadMemoryDlgGetCommand(d)) (void)std::strlen(c); }); }},
        {"CuiLoadPlugins", [](Args &) { CuiLoadPlugins(); }},
        {"CuiLog", [](Args &a) { CuiLog(a.s()); }},
        {"CuiMemoryOperationsDlgCreate", [](Args &a) { CuiMemoryOperationsDlgDestroy(CuiMemoryOperationsDlgCreate(a.h())); }},
        {"CuiMemoryOperationsDlgDestroy", [](Args &a) { onFamily(a, [&] { return CuiMemoryOperationsDlgCreate(a.h()); }, &CuiMemoryOperationsDlgDestroy, [](TeskHandle d) { CuiMemoryOperationsDlgDestroy(d); }); }},
        {"CuiMemoryOperationsDlgSetFileTypeList", [](Args &a) { onFamily(a, [&] { return CuiMemoryOperationsDlgCreate(a.h()); }, &CuiMemoryOperationsDlgDestroy, [&](TeskHandle d) { CuiMemoryOperationsDlgSetFileTypeList(d, a.s()); CuiDoModal(reinterpret_cast<void *>(d)); }); }},
        {"CuiMemoryOperationsDlgSetFuncHandler", [](Args &a) { onFamily(a, [&] { return CuiMemoryOperationsDlgCreate(a.h()); }, &CuiMemoryOperationsDlgDestroy, [&](TeskHandle d) { CuiMemoryOperationsDlgSetFuncHandler(d, a.fn(&fns::memoryCommand)); }); }},
        {"CuiMemoryOperationsDlgSetHelpId", [](Args &a) { onFamily(a, [&] { return CuiMemoryOperationsDlgCreate(a.h()); }, &CuiMemoryOperationsDlgDestroy, [&](TeskHandle d) { CuiMemoryOperationsDlgSetHelpId(d, a.u()); }); }},
        {"CuiMemoryOperationsDlgSetVPID", [](Args &a) { onFamily(a, [&] { return CuiMemoryOperationsDlgCreate(a.h()); }, &CuiMemoryOperationsDlgDestroy, [&](TeskHandle d) { CuiMemoryOperationsDlgSetVPID(d, a.i()); }); }},
        {"CuiMessagePrompt", [](Args &a) { CuiMessagePrompt(a.i(), a.s(), a.s(), a.in(0, 4), a.i() & 1 ? a.in(1, 9) | 0x100 : a.i(), a.in(1, 9) | 0x200, a.i()); }},
        {"CuiNotifyQtWidgetAboutSetFocusInBox", [](Args &a) { CuiNotifyQtWidgetAboutSetFocusInBox(a.h()); }},
        {"CuiPaneClose", [](Args &a) { CuiPaneClose(a.h()); }},
        {"CuiPaneDock", [](Args &a) { CuiPaneDock(a.h()); }},
        {"CuiPaneHide", [](Args &a) { CuiPaneHide(a.h()); }},
        {"CuiPaneUndock", [](Args &a) { CuiPaneUndock(a.h()); }},
        {"CuiPopupIsGenericOption", [](Args &a) { CuiPopupIsGenericOption(a.i(), a.in(665, 669)); }},
        {"CuiPopupProcessGenericOption", [](Args &a) { CuiPopupProcessGenericOption(a.h(), a.in(665, 669)); }},
        {"CuiPump", [](Args &) { CuiPump(); }},
        // Start-up is the state the sweep runs in; a second start-up must change nothing.
        {"CuiQtInit_Win", [](Args &a) { if (hasApplication()) CuiQtInit_Win(a.w()); }},
        {"CuiQtInit_WinEx", [](Args &a) { if (hasApplication()) CuiQtInit_WinEx(a.s(), a.w()); }},
        {"CuiRegPaneAttach", [](Args &a) { onRegPane(a, [&](TeskHandle p) { CuiRegPaneAttach(p, uintptr_t(a.h())); }); }},
        {"CuiRegPaneCreate", [](Args &a) { CuiRegPaneDelete(CuiRegPaneCreate(a.fn(&fns::regPaneHandler))); }},
        {"CuiRegPaneDataAdd", [](Args &a) { CuiRegPaneDataAdd(a.u(), a.block<RegDataRecord>()); }},
        {"CuiRegPaneDataCreate", [](Args &a) { CuiRegPaneDataCreate(a.u()); }},
        {"CuiRegPaneDataDelete", [](Args &a) { onRegPane(a, [&](TeskHandle p) { CuiRegPaneDataDelete(a.u(), p); }); }},
        {"CuiRegPaneDataSet", [](Args &a) { onRegPane(a, [&](TeskHandle p) { CuiRegPaneDataSet(a.u(), p, a.s(), a.s(), a.s()); }); }},
        {"CuiRegPaneDataTestOfExistence", [](Args &a) { CuiRegPaneDataTestOfExistence(a.u()); }},
        {"CuiRegPaneDataUpdate", [](Args &a) { CuiRegPaneDataUpdate(a.u(), a.block<RegDataRecord>()); }},
        {"CuiRegPaneDelete", [](Args &a) { TeskHandle h = a.h(); if (h != a.world().liveWindow) CuiRegPaneDelete(h); }},
        {"CuiRegPaneGetNumLines", [](Args &a) { CuiRegPaneGetNumLines(a.u()); }},
        {"CuiRegPaneGetRangeLines", [](Args &a) { onRegPane(a, [&](TeskHandle p) { CuiRegPaneGetRangeLines(a.u(), p, a.block<RegLineRange>(), a.block<uint32_t>(), a.i()); }); }},
        {"CuiRegPaneSetNumLines", [](Args &a) { CuiRegPaneSetNumLines(a.u(), a.u()); }},
        {"CuiRegPaneTargetStartStop", [](Args &a) { onRegPane(a, [&](TeskHandle p) { CuiRegPaneTargetStartStop(a.u(), p, a.i()); }); }},
        {"CuiRegisterIdleFunc", [](Args &a) { CuiRegisterIdleFunc(a.fn(&fns::idle)); }},
        // With an application the loop would run until shut down; the states after the loop
        // come from running it, and a loop run from a callback is tested on its own.
        {"CuiRun", [](Args &) { if (!hasApplication()) CuiRun(); }},
        {"CuiScriptFiles_Load", [](Args &a) { const char *tag = a.s(); CuiScriptFiles_Store(filterFile(a), tag); CuiScriptFiles_Load(filterFile(a), a.i() & 1 ? tag : a.s()); }},
        {"CuiScriptFiles_Store", [](Args &a) { CuiScriptFiles_Store(filterFile(a), a.s()); }},
        {"CuiScriptToolBarCreate", [](Args &a) { CuiScriptToolBarCreate(a.h(), a.fn(&fns::scriptToolBar)); }},
        {"CuiSetActivationCallback", [](Args &a) { CuiSetActivationCallback(a.h(), a.fn(&fns::activation)); }},
        {"CuiSetCurrentCode", [](Args &a) { void *saved = CuiGetCurrentCode(); CuiSetCurrentCode(a.obj()); CuiSetCurrentCode(saved); }},
        {"CuiSetDockWindowPersistanceData", [](Args &a) { CuiSetDockWindowPersistanceData(a.h(), a.s()); }},
        {"CuiSetIsQtWindow", [](Args &a) { CuiSetIsQtWindow(a.i()); CuiSetIsQtWindow(0); }},
        {"CuiSetPadlockState", [](Args &a) { CuiSetPadlockState(a.i()); }},
        {"CuiSetSplashMessage", [](Args &a) { CuiSetSplashMessage(a.s()); }},
        {"CuiSetStatusText", [](Args &a) { CuiSetStatusText(a.h(), a.in(1, 6), a.s(), a.s()); }},
        {"CuiShowProgress", [](Args &a) { CuiShowProgress(a.h(), a.i(), a.i()); }},
        {"CuiShowRunState", [](Args &a) { CuiShowRunState(a.h(), a.i(), a.s()); }},
        {"CuiSimpleAbout", [](Args &a) { CuiSimpleAbout(a.s(), a.s(), a.s(), a.s()); }},
        {"CuiSimpleDir", [](Args &a) { auto b = a.buffer(); CuiSimpleDir(a.h(), a.s(), a.s(), b.size, b.data); }},
        {"CuiSimpleEntry", [](Args &a) { auto b = a.buffer(); CuiSimpleEntry(a.i(), a.s(), a.s(), a.s(), b.data, int32_t(b.size), a.s(), a.i()); }},
        {"CuiSimpleEntryDouble", [](Args &a) { CuiSimpleEntryDouble(a.i(), a.s(), a.s(), a.i() / 3.0, a.i(), a.i() * 1e300, a.i() / 7.0, a.block<double>()); }},
        {"CuiSimpleEntryInteger", [](Args &a) { CuiSimpleEntryInteger(a.i(), a.s(), a.s(), a.i(), a.i(), a.i(), a.i(), a.block<int32_t>()); }},
        {"CuiSimpleEntryPD", [](Args &a) { auto b = a.buffer(); CuiSimpleEntryPD(a.i(), a.s(), a.s(), a.s(), b.data, int32_t(b.size), a.s(), a.i()); }},
        {"CuiSimpleError", [](Args &a) { CuiSimpleError(a.i(), a.s(), a.s()); }},
        {"CuiSimpleFileExtraMultipleEx", [](Args &a) { const char *answer = nullptr; CuiSimpleFileExtraMultipleEx(a.h(), a.s(), a.i() & 1 ? &answer : nullptr, a.s(), a.s(), a.in(0, 2), a.i(), a.in(0, 2)); }},
        {"CuiSimpleInfo", [](Args &a) { CuiSimpleInfo(a.i(), a.s(), a.s()); }},
        {"CuiSimpleList", [](Args &a) { CuiSimpleList(a.i(), a.s(), a.s(), a.s(), a.block<int32_t>(), a.in(0, 4), a.block<int32_t>(), a.i(), a.i()); }},
        {"CuiSimplePrompt", [](Args &a) { CuiSimplePrompt(a.i(), a.s(), a.s()); }},
        {"CuiSimpleWarning", [](Args &a) { CuiSimpleWarning(a.i(), a.s(), a.s()); }},
        {"CuiSimpleWarningCancel", [](Args &a) { CuiSimpleWarningCancel(a.i(), a.s(), a.s()); }},
        {"CuiSourceSearchPathDlgAddEntry", [](Args &a) { onSearchPaths(a, [&](TeskHandle d) { CuiSourceSearchPathDlgAddEntry(d, a.s()); }); }},
        {"CuiSourceSearchPathDlgAddOMapping", [](Args &a) { onSearchPaths(a, [&](TeskHandle d) { CuiSourceSearchPathDlgAddOMapping(d, a.s(), a.s()); }); }},
        {"CuiSourceSearchPathDlgAddObjectEntry", [](Args &a) { onSearchPaths(a, [&](TeskHandle d) { CuiSourceSearchPathDlgAddObjectEntry(d, a.s()); }); }},
        {"CuiSourceSearchPathDlgAddSMapping", [](Args &a) { onSearchPaths(a, [&](TeskHandle d) { CuiSourceSearchPathDlgAddSMapping(d, a.s(), a.s()); }); }},
        {"CuiSourceSearchPathDlgCreate", [](Args &a) { CuiDeleteObject(reinterpret_cast<void *>(CuiSourceSearchPathDlgCreate(a.h()))); }},
        {"CuiSourceSearchPathDlgGetOMapModd", [](Args &a) { onSearchPaths(a, [&](TeskHandle d) { CuiSourceSearchPathDlgAddOMapping(d, a.s(), a.s()); const Args::Buffer b = a.buffer(); CuiSourceSearchPathDlgGetOMapModd(d, a.i(), b.data, b.size); }); }},
        {"CuiSourceSearchPathDlgGetOMapNum", [](Args &a) { onSearchPaths(a, [&](TeskHandle d) { CuiSourceSearchPathDlgAddOMapping(d, a.s(), a.s()); CuiSourceSearchPathDlgGetOMapNum(d); }); }},
        {"CuiSourceSearchPathDlgGetOMapOrig", [](Args &a) { onSearchPaths(a, [&](TeskHandle d) { CuiSourceSearchPathDlgAddOMapping(d, a.s(), a.s()); const Args::Buffer b = a.buffer(); CuiSourceSearchPathDlgGetOMapOrig(d, a.i(), b.data, b.size); }); }},
        {"CuiSourceSearchPathDlgGetOSNum", [](Args &a) { onSearchPaths(a, [&](TeskHandle d) { CuiSourceSearchPathDlgAddObjectEntry(d, a.s()); CuiSourceSearchPathDlgGetOSNum(d); }); }},
        {"CuiSourceSearchPathDlgGetOSText", [](Args &a) { onSearchPaths(a, [&](TeskHandle d) { CuiSourceSearchPathDlgAddObjectEntry(d, a.s()); const Args::Buffer b = a.buffer(); CuiSourceSearchPathDlgGetOSText(d, a.i(), b.data, b.size); }); }},
        {"CuiSourceSearchPathDlgGetSMapModd", [](Args &a) { onSearchPaths(a, [&](TeskHandle d) { CuiSourceSearchPathDlgAddSMapping(d, a.s(), a.s()); const Args::Buffer b = a.buffer(); CuiSourceSearchPathDlgGetSMapModd(d, a.i(), b.data, b.size); }); }},
        {"CuiSourceSearchPathDlgGetSMapNum", [](Args &a) { onSearchPaths(a, [&](TeskHandle d) { CuiSourceSearchPathDlgAddSMapping(d, a.s(), a.s()); CuiSourceSearchPathDlgGetSMapNum(d); }); }},
        {"CuiSourceSearchPathDlgGetSMapOrig", [](Args &a) { onSearchPaths(a, [&](TeskHandle d) { CuiSourceSearchPathDlgAddSMapping(d, a.s(), a.s()); const Args::Buffer b = a.buffer(); CuiSourceSearchPathDlgGetSMapOrig(d, a.i(), b.data, b.size); }); }},
        {"CuiSourceSearchPathDlgGetSSNum", [](Args &a) { onSearchPaths(a, [&](TeskHandle d) { CuiSourceSearchPathDlgAddEntry(d, a.s()); CuiSourceSearchPathDlgGetSSNum(d); }); }},
        {"CuiSourceSearchPathDlgGetSSText", [](Args &a) { onSearchPaths(a, [&](TeskHandle d) { CuiSourceSearchPathDlgAddEntry(d, a.s()); const Args::Buffer b = a.buffer(); CuiSourceSearchPathDlgGetSSText(d, a.i(), b.data, b.size); }); }},
        {"CuiSourceSearchPathDlgSetHelpCallback", [](Args &a) { onSearchPaths(a, [&](TeskHandle d) { CuiSourceSearchPathDlgSetHelpCallback(d, a.fn(&fns::dialogHelp)); }); }},
        {"CuiSourceSearchPathDlgSetHelpId", [](Args &a) { onSearchPaths(a, [&](TeskHandle d) { CuiSourceSearchPathDlgSetHelpId(d, a.i()); }); }},
        {"CuiSourceSearchPathDlgShowFirstActive", [](Args &a) { onSearchPaths(a, [&](TeskHandle d) { CuiSourceSearchPathDlgAddOMapping(d, a.s(), a.s()); CuiSourceSearchPathDlgShowFirstActive(d); }); }},
        {"CuiSymtabDataSourceAddFunction", [](Args &a) { onSource(a, [&](TeskHandle s) { CuiSymtabDataSourceAddImage(s, "image"); CuiSymtabDataSourceAddModule(s, "image module file"); CuiSymtabDataSourceAddFunction(s, a.s()); CuiSymtabDataSourceAddFunction(s, "image module f 0x10 Public"); }); }},
        {"CuiSymtabDataSourceAddImage", [](Args &a) { onSource(a, [&](TeskHandle s) { CuiSymtabDataSourceAddImage(s, a.s()); }); }},
        {"CuiSymtabDataSourceAddModule", [](Args &a) { onSource(a, [&](TeskHandle s) { CuiSymtabDataSourceAddImage(s, a.s()); CuiSymtabDataSourceAddModule(s, a.s()); }); }},
        {"CuiSymtabDataSourceAddVariable", [](Args &a) { onSource(a, [&](TeskHandle s) { CuiSymtabDataSourceAddImage(s, "image"); CuiSymtabDataSourceAddModule(s, "image module file"); CuiSymtabDataSourceAddVariable(s, a.s()); CuiSymtabDataSourceAddVariable(s, "image module v 0x20 Local"); }); }},
        {"CuiSymtabDataSourceCreate", [](Args &) { CuiSymtabDataSourceDestroy(CuiSymtabDataSourceCreate()); }},
        {"CuiSymtabDataSourceDestroy", [](Args &a) { onSource(a, [&](TeskHandle s) { if (s != a.world().liveWindow) CuiSymtabDataSourceDestroy(s); }); }},
        {"CuiSymtabDataSourceDumpTree", [](Args &a) { onSource(a, [&](TeskHandle s) { CuiSymtabDataSourceAddImage(s, a.s()); CuiSymtabDataSourceAddModule(s, a.s()); CuiSymtabDataSourceAddFunction(s, a.s()); CuiSymtabDataSourceDumpTree(s); }); }},
        {"CuiSymtabDataSourceSetFuncHandler", [](Args &a) { onSource(a, [&](TeskHandle s) { CuiSymtabDataSourceSetFuncHandler(s, a.fn(&fns::symtabHost)); }); }},
        {"CuiSymtabDataSourceSetVdata", [](Args &a) { onSource(a, [&](TeskHandle s) { CuiSymtabDataSourceSetVdata(s, a.h()); }); }},
        {"CuiSymtabDataSourceUpdate", [](Args &a) { onSource(a, [&](TeskHandle s) { CuiSymtabDataSourceSetFuncHandler(s, a.fn(&fns::symtabHost)); CuiSymtabDataSourceUpdate(s); }); }},
        {"CuiTestFunction", [](Args &a) { CuiTestFunction(a.h(), a.fn(&fns::print), a.obj(), a.s(), a.s(), filterFile(a), a.s(), a.s(), a.s(), a.s()); }},
        {"CuiTestOK", [](Args &a) { CuiTestOK(a.h(), a.i()); }},
        {"CuiToolTipHide", [](Args &) { CuiToolTipHide(); }},
        {"CuiToolTipShowAt", [](Args &a) { CuiToolTipShowAt(a.s(), a.i(), a.i()); }},
        {"CuiUpdateFormatDefinition", [](Args &a) { onRegPane(a, [&](TeskHandle p) { CuiUpdateFormatDefinition(a.u(), p); }); }},
        {"CuiUpdateSettings", [](Args &) { CuiUpdateSettings(); }},
        {"CuiVisualSettingsFixedFont", [](Args &a) { CuiVisualSettingsFixedFont(a.block<TeskFontRecord>()); }},
        {"CuiWindowAddTab", [](Args &a) { CuiWindowAddTab(a.h(), a.i(), a.s(), a.s()); }},
        {"CuiWindowCreateQtPane", [](Args &a) { CuiWindowCreateQtPane(a.s(), a.obj(), a.fn(&fns::codeCallback), a.h()); }},
        {"CuiWindowGetHScrollMinMaxValues", [](Args &a) { CuiWindowGetHScrollMinMaxValues(a.h(), a.block<int>(), a.block<int>()); }},
        {"CuiWindowGetHScrollPageSize", [](Args &a) { CuiWindowGetHScrollPageSize(a.h(), a.block<int>()); }},
        {"CuiWindowGetHScrollPosition", [](Args &a) { CuiWindowGetHScrollPosition(a.h(), a.block<int>()); }},
        {"CuiWindowHideFromBox", [](Args &a) { CuiWindowHideFromBox(a.h()); }},
        {"CuiWindowRemoveTab", [](Args &a) { CuiWindowRemoveTab(a.h(), a.i()); }},
        {"CuiWindowSetColorIndex", [](Args &a) { CuiWindowSetColorIndex(a.h(), a.i()); }},
        {"CuiWindowSetConnectionName", [](Args &a) { CuiWindowSetConnectionName(a.h(), a.s()); }},
        {"CuiWindowSetHScrollDisabled", [](Args &a) { CuiWindowSetHScrollDisabled(a.h(), a.i()); }},
        {"CuiWindowSetHScrollMinMaxValues", [](Args &a) { CuiWindowSetHScrollMinMaxValues(a.h(), a.i(), a.i()); }},
        {"CuiWindowSetHScrollPageSize", [](Args &a) { CuiWindowSetHScrollPageSize(a.h(), a.i()); }},
        {"CuiWindowSetHScrollPosition", [](Args &a) { CuiWindowSetHScrollPosition(a.h(), a.i()); }},
        {"CuiWindowSetHScrollTrackPosition", [](Args &a) { CuiWindowSetHScrollTrackPosition(a.h(), a.i()); }},
        {"CuiWindowSetStatusPosition", [](Args &a) { CuiWindowSetStatusPosition(a.h(), a.i(), a.i()); }},
        {"CuiWindowSetTabCurrent", [](Args &a) { CuiWindowSetTabCurrent(a.h(), a.i()); }},
        {"CuiWindowSetTabExecuteFlag", [](Args &a) { CuiWindowSetTabExecuteFlag(a.h(), a.i(), a.i()); }},
        {"CuiWindowSetTabModifyFlag", [](Args &a) { CuiWindowSetTabModifyFlag(a.h(), a.i(), a.in(0, 3)); }},
        {"CuiWindowSetTabText", [](Args &a) { CuiWindowSetTabText(a.h(), a.i(), a.s()); }},
        {"CuiWindowSetTabTooltip", [](Args &a) { CuiWindowSetTabTooltip(a.h(), a.i(), a.s()); }},
        {"CuiWindowShow", [](Args &a) { CuiWindowShow(a.obj()); }},
        {"CuiWindowShowFromBox", [](Args &a) { CuiWindowShowFromBox(a.h()); }},
        {"QtActionSetToggleState", [](Args &a) { QtActionSetToggleState(a.h(), a.i(), a.i()); }},
        {"QtAddMainMenuEntry", [](Args &) { QtAddMainMenuEntry(); }},
        {"QtAddPopupMenu", [](Args &a) { QtAddPopupMenu(a.s(), a.i(), a.block<char>()); }},
        {"QtAddRemoveColorIcon", [](Args &a) { QtAddRemoveColorIcon(a.h(), a.i()); }},
        {"QtAddSeparator", [](Args &) { QtAddSeparator(); }},
        {"QtAppendMenu", [](Args &a) { QtAppendMenu(a.i(), a.s(), a.block<char>(), a.i()); }},
        {"QtBackupMenu", [](Args &) { QtBackupMenu(); }},
        {"QtBuildROMenu", [](Args &a) { QtBuildROMenu(a.s()); }},
        {"QtCloseCode", [](Args &a) { TeskHandle h = a.h(); if (h != a.world().liveWindow) QtCloseCode(h); }},
        {"QtCreateDocked", [](Args &a) { QtCreateDocked(a.i(), a.i()); }},
        {"QtCreateEditorToolBar", [](Args &a) { QtCreateEditorToolBar(a.h(), a.fn(&fns::findToolBar)); }},
        {"QtCreateNewCode", [](Args &a) { QtCreateNewCode(a.i()); }},
        {"QtCreateNewEditor", [](Args &a) { QtCreateNewEditor(a.i()); }},
        {"QtCreateNewSpr", [](Args &a) { QtCreateNewSpr(a.i()); }},
        {"QtCreateScriptToolBar", [](Args &) { QtCreateScriptToolBar(); }},
        {"QtDeleteMenu", [](Args &a) { QtDeleteMenu(a.i()); }},
        {"QtDeleteMenuItemAt", [](Args &a) { QtDeleteMenuItemAt(a.i()); }},
        {"QtDeregisterHelp", [](Args &a) { QtDeregisterHelp(a.i()); }},
        {"QtDoNotHandle", [](Args &a) { QtDoNotHandle(a.i()); QtDoNotHandle(0); }},
        {"QtDockWindowCount", [](Args &a) { QtDockWindowCount(a.h()); }},
        {"QtEnableQtContextMenu", [](Args &a) { QtEnableQtContextMenu(a.i()); }},
        // A window per variant would outgrow the sweep: only the states without one create it.
        {"QtFindCodeWinFromPane", [](Args &a) { QtFindCodeWinFromPane(a.h()); }},
        {"QtFindGotoWindowToShowData", [](Args &a) { QtFindGotoWindowToShowData(a.h(), a.s()); }},
        {"QtFindWindowByKSOName", [](Args &a) { QtFindWindowByKSOName(a.h(), a.s()); }},
        {"QtFrameCreate", [](Args &a) { if (!a.world().liveWindow) QtFrameCreate(a.s(), a.h(), a.block<CuiFrameRecord>()); }},
        {"QtFrameShow", [](Args &) { QtFrameShow(); }},
        {"QtGetAcceleratorCount", [](Args &) { QtGetAcceleratorCount(); }},
        {"QtGetAcceleratorList", [](Args &a) { std::vector<TeskAccelerator> list(size_t(std::max(0, QtGetAcceleratorCount()))); QtGetAcceleratorList(a.i() & 1 ? list.data() : nullptr); }},
        {"QtGetAllowDynamicTick", [](Args &) { QtGetAllowDynamicTick(); }},
        {"QtGetCodeHandle", [](Args &) { QtGetCodeHandle(); }},
        {"QtGetIsDockingWindow", [](Args &) { QtGetIsDockingWindow(); }},
        {"QtGetNextQtSense", [](Args &) { QtGetNextQtSense(); }},
        {"QtGetPersistWindowBox", [](Args &a) { QtGetPersistWindowBox(a.h(), a.i()); }},
        {"QtGetSizePos", [](Args &a) { QtGetSizePos(a.h(), a.block<int>(), a.block<int>(), a.block<int>(), a.block<int>(), a.block<int>()); }},
        {"QtGetWidgetHandle", [](Args &) { QtGetWidgetHandle(); }},
        {"QtGetWindHeight", [](Args &) { QtGetWindHeight(); }},
        {"QtGetWindWidth", [](Args &) { QtGetWindWidth(); }},
        {"QtGetWindowBox", [](Args &a) { QtGetWindowBox(a.h(), a.i()); }},
        {"QtGetWindowTitle", [](Args &a) { QtGetWindowTitle(a.h(), a.i()); }},
        {"QtHelp", [](Args &a) { QtHelp(a.i(), a.i()); }},
        {"QtHelpDesc", [](Args &a) { Args::Buffer b = a.buffer(); QtHelpDesc(a.block<int32_t>(), a.i() & 1 ? &b.data : nullptr, b.size); }},
        {"QtIconifyWindow", [](Args &a) { QtIconifyWindow(a.h()); }},
        {"QtInsensitiveMenu", [](Args &a) { QtInsensitiveMenu(a.h(), a.i(), a.i()); }},
        {"QtIsNewCode", [](Args &) { QtIsNewCode(); }},
        {"QtIsQtContextMenu", [](Args &) { QtIsQtContextMenu(); }},
        {"QtIsQtWindow", [](Args &) { QtIsQtWindow(); }},
        {"QtIsTeskMenu", [](Args &a) { QtIsTeskMenu(a.h()); }},
        {"QtIsTopLevelWindow", [](Args &) { QtIsTopLevelWindow(); }},
        {"QtMenuTogGet", [](Args &a) { QtMenuTogGet(a.h(), a.i()); }},
        {"QtMenuTogSet", [](Args &a) { QtMenuTogSet(a.i(), a.i()); }},
        {"QtMenuToggleTog", [](Args &a) { QtMenuToggleTog(a.i()); }},
        {"QtModifyMenuHelpText", [](Args &a) { QtModifyMenuHelpText(a.i(), a.s()); }},
        {"QtPopContextMenu", [](Args &a) { QtPopContextMenu(a.fn(&fns::contextItem), a.s()); }},
        {"QtPopContextMenuEx", [](Args &a) { QtPopContextMenuEx(a.h(), a.fn(&fns::contextItem), a.s()); }},
        {"QtQSDIAddButton", [](Args &a) { QSDIDescription *d = nullptr; QtQSDIInitDialog(&d, a.i(), a.i(), a.i(), a.i(), a.i()); QtQSDIAddButton(a.i() & 1 ? d : nullptr, a.s(), a.i(), a.i()); QtQSDIDeleteDialog(d); }},
        {"QtQSDIAddCallback", [](Args &a) { QSDIDescription *d = nullptr; QtQSDIInitDialog(&d, a.i(), a.i(), a.i(), a.i(), a.i()); QtQSDIAddCallback(d, a.fn(&fns::qsdiCallback), a.block<int32_t>()); QtQSDIAddCallback(a.i() & 1 ? d : nullptr, a.fn(&fns::qsdiCallback), a.obj()); QtQSDIDeleteDialog(d); }},
        {"QtQSDIAddEntry", [](Args &a) { QSDIDescription *d = nullptr; QtQSDIInitDialog(&d, a.i(), a.i(), a.i(), a.i(), a.i()); QtQSDIAddEntry(a.i() & 1 ? d : nullptr, a.w(), a.i()); if (d) std::free(d->control); QtQSDIDeleteDialog(d); }},
        {"QtQSDIAddEvent", [](Args &a) { QSDIDescription *d = nullptr; QtQSDIInitDialog(&d, a.i(), a.i(), a.i(), a.i(), a.i()); QtQSDIAddEvent(a.i() & 1 ? d : nullptr, a.i()); QtQSDIDeleteDialog(d); }},
        {"QtQSDIAddToggle", [](Args &a) { QSDIDescription *d = nullptr; QtQSDIInitDialog(&d, a.i(), a.i(), a.i(), a.i(), a.i()); QtQSDIAddToggle(a.i() & 1 ? d : nullptr, a.s(), a.i(), a.i()); if (d && d->control) std::free(static_cast<QSDIToggle *>(d->control)->text); if (d) std::free(d->control); QtQSDIDeleteDialog(d); }},
        {"QtQSDIDeleteDialog", [](Args &a) { QSDIDescription *d = nullptr; QtQSDIInitDialog(&d, a.i(), a.i(), a.i(), a.i(), a.i()); QtQSDIAddButton(d, a.s(), a.i(), a.i()); QtQSDIAddEvent(d, a.i()); QtQSDIAddCallback(d, a.fn(&fns::qsdiCallback), nullptr); QtQSDIDeleteDialog(d); QtQSDIDeleteDialog(nullptr); }},
        {"QtQSDIDeleteFindCallback", [](Args &a) { QSDIFind *f = nullptr; QtQSDIInitFindCallback(&f, a.i(), a.i()); QtQSDIDeleteFindCallback(f); QtQSDIDeleteFindCallback(a.i() & 1 ? f : a.block<QSDIFind>()); }},
        // Modal runs are answered by the sweep's host; dialogs left up are closed before their records go.
        {"QtQSDIExecDialog", [](Args &a) { runDescription(a, a.i() & 1); QtQSDIExecDialog(a.block<QSDIDescription>()); QtQSDIExecDialog(nullptr); }},
        {"QtQSDIInitDialog", [](Args &a) { QSDIDescription *d = nullptr; QtQSDIInitDialog(a.i() & 1 ? &d : nullptr, a.i(), a.i(), a.i(), a.i(), a.i()); QtQSDIDeleteDialog(d); }},
        {"QtQSDIInitFindCallback", [](Args &a) { QSDIFind *f = nullptr; QtQSDIInitFindCallback(a.i() & 1 ? &f : nullptr, intptr_t(a.h()), a.i()); QtQSDIDeleteFindCallback(f); }},
        {"QtRaiseWindowByBox", [](Args &a) { QtRaiseWindowByBox(a.h()); }},
        {"QtRaiseWindowByName", [](Args &a) { QtRaiseWindowByName(a.s()); }},
        {"QtRegisterCodeCB", [](Args &a) { QtRegisterCodeCB(a.fn(&fns::codeCallback), a.h()); }},
        {"QtRegisterHelp", [](Args &a) { const TeskHelpEntry map[] = {{a.i(), a.s()}, {a.i(), a.s()}, {-1, nullptr}}; QtRegisterHelp(a.i() & 1 ? map : nullptr, a.i()); }},
        {"QtRegisterMenuCB", [](Args &a) { QtRegisterMenuCB(a.fn(&fns::aboutToShow), a.fn(&fns::activate), a.fn(&fns::cycle), a.h()); }},
        {"QtResizePane", [](Args &) { QtResizePane(); }},
        {"QtResizePosWindow", [](Args &a) { QtResizePosWindow(a.h(), a.i(), a.i(), a.i(), a.i()); }},
        {"QtResizeTopLevelWindow", [](Args &) { QtResizeTopLevelWindow(); }},
        {"QtResizeWindowByBox", [](Args &a) { QtResizeWindowByBox(a.h(), a.i(), a.i()); }},
        {"QtReturnKSOTitle", [](Args &a) { QtReturnKSOTitle(a.h(), a.i()); }},
        {"QtReturnToolbarTitle", [](Args &a) { QtReturnToolbarTitle(a.h(), a.i()); }},
        {"QtSetAllowDynamicTick", [](Args &a) { QtSetAllowDynamicTick(a.i()); }},
        {"QtSetCodeTitle", [](Args &a) { QtSetCodeTitle(a.h(), a.s()); }},
        {"QtSetCurrentCodeFromBox", [](Args &a) { void *saved = CuiGetCurrentCode(); QtSetCurrentCodeFromBox(a.h()); CuiSetCurrentCode(saved); }},
        {"QtSetCurrentWindowHeight", [](Args &) { QtSetCurrentWindowHeight(); }},
        {"QtSetDontClose", [](Args &a) { QtSetDontClose(a.h(), a.i()); }},
        {"QtSetDontClosePane", [](Args &) { QtSetDontClosePane(); }},
        {"QtSetEditorBarFocusLine", [](Args &a) { QtSetEditorBarFocusLine(a.h()); }},
        {"QtSetEditorBarFocusText", [](Args &a) { QtSetEditorBarFocusText(a.h()); }},
        {"QtSetEditorBarIcon", [](Args &a) { QtSetEditorBarIcon(a.h(), a.i(), a.s()); }},
        {"QtSetEditorBarText", [](Args &a) { QtSetEditorBarText(a.h(), a.i(), a.s()); }},
        {"QtSetFindToolBarEncoding", [](Args &a) { QtSetFindToolBarEncoding(a.h(), a.i()); }},
        {"QtSetGoto", [](Args &a) { QtSetGoto(a.i(), a.h()); }},
        {"QtSetIsDockingWindow", [](Args &a) { QtSetIsDockingWindow(a.i()); QtSetIsDockingWindow(0); }},
        {"QtSetIsQtContextMenu", [](Args &) { QtSetIsQtContextMenu(); }},
        {"QtSetModalDialogShown", [](Args &a) { QtSetModalDialogShown(a.i()); QtSetModalDialogShown(0); }},
        {"QtSetNextActionInGroup", [](Args &a) { QtSetNextActionInGroup(a.i()); }},
        {"QtSetNextQtSense", [](Args &a) { QtSetNextQtSense(a.i()); QtSetNextQtSense(0); }},
        {"QtSetStatusText", [](Args &a) { QtSetStatusText(a.in(1, 6), a.s(), a.h()); }},
        {"QtSetToolbarData", [](Args &a) { QtSetToolbarData(a.s(), a.s()); }},
        {"QtSetTopPersistanceData", [](Args &a) { QtSetTopPersistanceData(a.i(), a.i(), a.i(), a.i()); }},
        {"QtSetTopTitle", [](Args &a) { QtSetTopTitle(a.h(), a.s()); }},
        {"QtShowOutputWindow", [](Args &a) { QtShowOutputWindow(a.h()); }},
        {"QtShowSplash", [](Args &a) { QtShowSplash(a.i() & 1, a.s(), a.i() & 2 ? a.s() : std::getenv("KSODEBUG_INSTALL")); QtShowSplash(0, nullptr, nullptr); }},
        {"QtShutdown", [](Args &) { QtShutdown(); }},
        {"QtSortWindowList", [](Args &a) { QtSortWindowList(a.h()); }},
        {"QtToolbarCount", [](Args &a) { QtToolbarCount(a.h()); }},
        {"QtToolbarData", [](Args &a) { QtToolbarData(a.h(), a.i(), a.block<char>()); }},
        {"QtTopLevelCreate", [](Args &a) { QtTopLevelCreate(a.h(), a.fn(&fns::topLevelSize), a.h()); }},
        {"QtWindowCreate", [](Args &a) { QtWindowCreate(a.s(), a.fn(&fns::codeCallback), a.h()); }},
        {"QtWindowCreate2", [](Args &a) { QtWindowCreate2(a.s(), a.obj(), a.h()); }},
        {"TeskPaneGetPersistData", [](Args &a) { Args::Buffer b = a.buffer(); TeskPaneGetPersistData(a.h(), b.size, b.data); }},
        {"TeskPaneSetPersistData", [](Args &a) { TeskPaneSetPersistData(a.h(), a.s()); }},
        {"CuiFillMemoryDialogC", [](Args &a) { uint32_t s = a.u(), e = a.u(), t = a.u(); int l = 0, g = 0, z = 0; char text[256]; char *buffer = a.i() & 1 ? text : nullptr; const int nulls = a.i(); CuiFillMemoryDialogC(nullptr, nulls & 1 ? nullptr : &s, &e, nulls & 2 ? nullptr : &l, nulls & 4 ? nullptr : &buffer, &g, &z, nulls & 8 ? nullptr : &t); }},
        {"_Z19CuiFillMemoryDialogPvRjS0_RiRPcS1_S1_S0_", [](Args &a) { uint32_t s = a.u(), e = a.u(), t = a.u(); int l = 0, g = 0, z = 0; char text[256]; char *buffer = a.i() & 1 ? text : nullptr; CuiFillMemoryDialog(nullptr, s, e, l, buffer, g, z, t); }},
        {"moskInitialisePlugin", [](Args &a) { if (MoskResult r = moskInitialisePlugin(a.block<MoskRegistrar>())) r->ops->Release(r); }},
    };
    return table;
}
// clang-format on

} // namespace hostile
