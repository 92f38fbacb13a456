#pragma once

// The lines of the re-entering modes (reenter.h). tst_hostile fails when an export of
// include/tesk that answers a pointer has no texts line, when a callback type of include/tesk
// has no callbacks line, and when the plain sweep saw an export run a loop that has no loops
// line. A line names its export or callback type; several lines may name one (one per object
// family it serves).

#include "reenter.h"

#include <tesk/tesk.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <string>
#include <vector>

namespace hostile::reenter {

namespace drive {

inline void codeCallback(TeskHandle, int *, int) {}
inline void findToolBar(TeskHandle, const void *, int, int) {}
inline void scriptToolBar(TeskHandle, const char *) {}

// A file of the mode's own, in a folder that lives as long as the process.
inline QString file(const char *name)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile out(path);
    if (!out.exists() && out.open(QIODevice::WriteOnly))
        out.write("\x7f"
                  "ELF");
    return path;
}

// Picks the file in the file dialog the widget is or holds.
inline void openFile(QWidget *widget, const char *name)
{
    auto *dialog = qobject_cast<QFileDialog *>(widget);
    if (!dialog && widget)
        dialog = widget->findChild<QFileDialog *>();
    if (!dialog)
        return;
    const QString path = file(name);
    dialog->setDirectory(QFileInfo(path).path());
    if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))) {
        edit->setText(QFileInfo(path).fileName());
        QTest::keyClick(edit, Qt::Key_Return);
    }
}

inline void *asObject(TeskHandle handle)
{
    return reinterpret_cast<void *>(handle);
}

// A Load Binary dialog whose command was made from the named file.
inline TeskHandle loadMemoryDialog(Texts &t, const char *name)
{
    const TeskHandle dialog = CuiLoadMemoryDlgCreate(0, "1 elf ELF image\n0 bin Raw binary\n");
    host().inLoop([name](QWidget *widget) { openFile(widget, name); });
    CuiDoModal(asObject(dialog));
    t.later([dialog] { CuiLoadMemoryDlgDestroy(dialog); });
    return dialog;
}

inline TeskHandle clockDialog(Texts &t, const char *speed)
{
    const TeskHandle dialog = CuiCorvasimConfigDlgCreate();
    CuiCorvasimConfigDlgSetClockSpeed(dialog, speed);
    t.later([dialog] { CuiCorvasimConfigDlgDestroy(dialog); });
    return dialog;
}

// Two dock windows of the current main window, sorted.
inline void twoDocks(Texts &t)
{
    const TeskHandle window = host().window();
    QtWindowCreate("reenter one", &codeCallback, 0x7101);
    QtWindowCreate("reenter two", &codeCallback, 0x7102);
    QtSortWindowList(window);
    t.expect(QtDockWindowCount(window) >= 2, "the window has two dock windows");
}

// Two toolbars of the current main window.
inline TeskHandle twoToolbars(Texts &t)
{
    const TeskHandle window = host().window();
    QtCreateEditorToolBar(window, &findToolBar);
    CuiScriptToolBarCreate(window, &scriptToolBar);
    t.expect(QtToolbarCount(window) >= 2, "the window has two toolbars");
    return window;
}

// Two items of a context menu, or two menus, with texts and commands.
inline void contextMenus()
{
    for (const char *menu : {"reenter one", "reenter two"}) {
        CuiContextMenu_clearMenu(menu);
        for (int id : {1, 2}) {
            CuiContextMenu_addItem(menu, id);
            const std::string text = std::string(menu) + " item " + std::to_string(id);
            CuiContextMenu_setItemGuiText(menu, id, text.c_str());
            CuiContextMenu_setItemCommand(menu, id, ("run " + text).c_str(), 1);
        }
    }
}

inline void contextItem(int) {}

// Runs a dialog of a family through CuiDoModal (or CuiDialogExec) for its owner, the dialog.
template<typename Destroy>
void runDialog(Host &h, TeskHandle dialog, Destroy destroy, int (*run)(void *) = &CuiDoModal)
{
    h.owner([dialog, destroy] { destroy(dialog); });
    run(asObject(dialog));
}

inline void deleteObject(TeskHandle object)
{
    CuiDeleteObject(asObject(object));
}

// A plain host-described dialog with a button of each role and a callback.
inline QSDIDescription *qsdi(int mode, QSDICallbackFn callback, void *data)
{
    QSDIDescription *description = nullptr;
    QtQSDIInitDialog(&description, QSDI_KIND_PLAIN, 1, mode, 0, 0);
    QtQSDIAddButton(description, "Event", 41, QSDI_ROLE_EVENT);
    QtQSDIAddButton(description, "End", 42, QSDI_ROLE_END);
    QtQSDIAddCallback(description, callback, data);
    return description;
}
inline void qsdiCallback(void *) {}

inline const char *menuDefinition()
{
    contextMenus();
    return CuiContextMenu_getMenuDefinion("reenter one");
}

} // namespace drive

// clang-format off
inline const std::vector<TextLine> &textsTable()
{
    using namespace drive;
    static const std::vector<TextLine> table = {
        {"CuiContextMenu_getItemCommand", [](Texts &t) { contextMenus(); t.text(CuiContextMenu_getItemCommand("reenter one", 1)); t.text(CuiContextMenu_getItemCommand("reenter one", 2)); CuiContextMenu_getItemCommand("reenter one", 1); }},
        {"CuiContextMenu_getItemGuiText", [](Texts &t) { contextMenus(); t.text(CuiContextMenu_getItemGuiText("reenter one", 1)); t.text(CuiContextMenu_getItemGuiText("reenter one", 2)); CuiContextMenu_getItemGuiText("reenter one", 1); }},
        {"CuiContextMenu_getMenuDefinion", [](Texts &t) { contextMenus(); t.text(CuiContextMenu_getMenuDefinion("reenter one")); t.text(CuiContextMenu_getMenuDefinion("reenter two")); CuiContextMenu_getMenuDefinion("reenter one"); }},
        {"CuiCorvasimConfigDlgGetClockSpeed", [](Texts &t) { static char one[32], two[32], again[32]; const TeskHandle first = clockDialog(t, "100"); t.text(CuiCorvasimConfigDlgGetClockSpeed(first, one, sizeof one)); t.text(CuiCorvasimConfigDlgGetClockSpeed(clockDialog(t, "200"), two, sizeof two)); CuiCorvasimConfigDlgGetClockSpeed(first, again, sizeof again); }},
        {"CuiFunctionRegistryGetVoidStar", [](Texts &t) { static int one, two; CuiFunctionRegistryAddVoidStar("reenter one", &one); CuiFunctionRegistryAddVoidStar("reenter two", &two); void *first = CuiFunctionRegistryGetVoidStar("reenter one"); CuiFunctionRegistryGetVoidStar("reenter two"); t.expect(first == &one, "the first answer is the first pointer"); t.later([] { CuiFunctionRegistryRemoveVoidStar("reenter one"); CuiFunctionRegistryRemoveVoidStar("reenter two"); }); }},
        {"CuiGetCurrentCode", [](Texts &t) { void *first = CuiGetCurrentCode(); host().otherWindow(); t.expect(CuiGetCurrentCode() != first, "the other window is current"); CuiSetCurrentCode(first); t.expect(first && CuiGetCurrentCode() == first, "the first answer names the first window"); }},
        {"CuiGetQtApp", [](Texts &t) { void *first = CuiGetQtApp(); t.expect(CuiGetQtApp() == first && first == QCoreApplication::instance(), "the application is answered"); }},
        {"CuiI18NGetEncodingList", [](Texts &t) { t.list(CuiI18NGetEncodingList()); CuiI18NGetEncodingList(); }},
        {"CuiI18NGetLanguageList", [](Texts &t) { t.list(CuiI18NGetLanguageList()); CuiI18NGetLanguageList(); }},
        {"CuiI18NGetLocaleList", [](Texts &t) { t.list(CuiI18NGetLocaleList()); CuiI18NGetLocaleList(); }},
        {"CuiKsoDragAndDrop_getDragContext", [](Texts &t) { int one = 0, two = 0; CuiKsoDragAndDrop_setDragContext(5); int *first = CuiKsoDragAndDrop_getDragContext(&one); CuiKsoDragAndDrop_setDragContext(6); CuiKsoDragAndDrop_getDragContext(&two); t.expect(first == &one && one == 5 && two == 6, "each answer is its own word"); }},
        {"CuiLoadMemoryDlgGetCommand", [](Texts &t) { const TeskHandle one = loadMemoryDialog(t, "one.elf"); const char *first = CuiLoadMemoryDlgGetCommand(one); t.expect(first && *first, "a command was made"); t.text(first); t.text(CuiLoadMemoryDlgGetCommand(loadMemoryDialog(t, "two.elf"))); CuiLoadMemoryDlgGetCommand(one); }},
        {"CuiWindowCreateQtPane", [](Texts &t) { host().window(); const TeskHandle one = CuiDataNavCreate(), two = CuiDataNavCreate(); void *first = CuiWindowCreateQtPane("reenter one", asObject(one), &codeCallback, 0x7201); CuiWindowCreateQtPane("reenter two", asObject(two), &codeCallback, 0x7202); t.expect(first && tesk::handles::object(first), "the first dock window lives"); }},
        {"QtGetWindowTitle", [](Texts &t) { twoDocks(t); t.text(QtGetWindowTitle(host().window(), 0)); t.text(QtGetWindowTitle(host().window(), 1)); QtGetWindowTitle(host().window(), 0); }},
        {"QtReturnKSOTitle", [](Texts &t) { twoDocks(t); t.text(QtReturnKSOTitle(host().window(), 0)); t.text(QtReturnKSOTitle(host().window(), 1)); QtReturnKSOTitle(host().window(), 0); }},
        {"QtReturnToolbarTitle", [](Texts &t) { const TeskHandle w = twoToolbars(t); t.text(QtReturnToolbarTitle(w, 0)); t.text(QtReturnToolbarTitle(w, 1)); QtReturnToolbarTitle(w, 0); }},
    };
    return table;
}
// clang-format on

} // namespace hostile::reenter

namespace hostile::reenter {

// clang-format off
inline const std::vector<Line> &loopsTable()
{
    using namespace drive;
    static const std::vector<Line> table = {
        {"CuiCorvasimConfigDlgSetRealtimeClock", nullptr, "its plain-sweep line runs CuiDoModal"},
        {"CuiDialogExec", [](Host &h) { runDialog(h, CuiFilters_ModuleFilterDlgCreate(0, "reenter"), &deleteObject, &CuiDialogExec); }},
        {"CuiDoModal", [](Host &h) { runDialog(h, CuiBreakpointDlgCreate(0), &CuiBreakpointDlgDestroy); }},
        {"CuiDoModal", [](Host &h) { runDialog(h, CuiCorvasimConfigDlgCreate(), &CuiCorvasimConfigDlgDestroy); }},
        {"CuiDoModal", [](Host &h) { runDialog(h, CuiFilters_ModuleFilterDlgCreate(0, "reenter"), &deleteObject); }},
        {"CuiDoModal", [](Host &h) { runDialog(h, CuiLoadMemoryDlgCreate(0, "1 elf ELF image\n"), &CuiLoadMemoryDlgDestroy); }},
        {"CuiDoModal", [](Host &h) { runDialog(h, CuiMemoryOperationsDlgCreate(0), &CuiMemoryOperationsDlgDestroy); }},
        {"CuiDoModal", [](Host &h) { runDialog(h, CuiSourceSearchPathDlgCreate(0), &deleteObject); }},
        {"CuiFunctionListBreakpointDialog", [](Host &) { CuiFunctionListBreakpointDialog(0, 1, 0); }},
        {"CuiGetSourceLocation", [](Host &) { char buffer[256] = ""; CuiGetSourceLocation(0, "Caption", "Message", "main.c", buffer, sizeof buffer); }},
        {"CuiGetUserInformation", [](Host &) { CuiGetUserInformation(0, "/nonexistent/template", "/nonexistent/output"); }},
        {"CuiGotoLineDialog", [](Host &) { int32_t line = 5; CuiGotoLineDialog(0, &line, 100); }},
        {"CuiLoadBinary", [](Host &) { CuiLoadBinary(0, 0, nullptr, 0, "1 elf ELF image\n"); }},
        {"CuiLoadImage", [](Host &) { char name[256], sections[256], arguments[256], offset[256]; int32_t symbols = 0, replace = 0, pc = 0; CuiLoadImage(0, "Load", sizeof name, name, "Images [*.elf]", nullptr, 1, &symbols, &replace, &pc, sizeof sections, sections, sizeof arguments, arguments, sizeof offset, offset); }},
        {"CuiLoadMemoryDlgGetCommand", nullptr, "its plain-sweep line runs CuiDoModal"},
        {"CuiMemoryOperationsDlgSetFileTypeList", nullptr, "its plain-sweep line runs CuiDoModal"},
        {"CuiMessagePrompt", [](Host &) { CuiMessagePrompt(0, "Caption", "Text", 2, CUI_MB_OK | CUI_MB_DEFAULT, CUI_MB_CANCEL | CUI_MB_ESCAPE, 0); }},
        {"CuiSimpleAbout", [](Host &) { CuiSimpleAbout("build", "copyright", nullptr, "more"); }},
        {"CuiSimpleDir", [](Host &) { char buffer[4096]; CuiSimpleDir(0, "Folder", nullptr, sizeof buffer, buffer); }},
        {"CuiSimpleEntry", [](Host &) { char buffer[64] = ""; CuiSimpleEntry(0, "Caption", "Message", "value", buffer, sizeof buffer, nullptr, 0); }},
        {"CuiSimpleEntryDouble", [](Host &) { double value = 0; CuiSimpleEntryDouble(0, "Caption", "Label", 1.5, 2, 0, 10, &value); }},
        {"CuiSimpleEntryInteger", [](Host &) { int32_t value = 0; CuiSimpleEntryInteger(0, "Caption", "Label", 5, 1, 0, 10, &value); }},
        {"CuiSimpleEntryPD", [](Host &) { char buffer[64] = ""; CuiSimpleEntryPD(0, "Caption", "Message", "value", buffer, sizeof buffer, nullptr, 0); }},
        {"CuiSimpleError", [](Host &) { CuiSimpleError(0, "Caption", "Text"); }},
        {"CuiSimpleFileExtraMultipleEx", [](Host &) { const char *result = nullptr; CuiSimpleFileExtraMultipleEx(0, "Open", &result, "All [*]", nullptr, 0, 0, 0); }},
        {"CuiSimpleInfo", [](Host &) { CuiSimpleInfo(0, "Caption", "Text"); }},
        {"CuiSimpleList", [](Host &) { int32_t positions[4] = {}, count = 0; CuiSimpleList(0, "Caption", "Pick", "one\ntwo", positions, 4, &count, 0, 0); }},
        {"CuiSimplePrompt", [](Host &) { CuiSimplePrompt(0, "Caption", "Text"); }},
        {"CuiSimpleWarning", [](Host &) { CuiSimpleWarning(0, "Caption", "Text"); }},
        {"CuiSimpleWarningCancel", [](Host &) { CuiSimpleWarningCancel(0, "Caption", "Text"); }},
        {"QtHelp", [](Host &) { const TeskHelpEntry map[] = {{1, "missing.htm"}, {-1, nullptr}}; QtRegisterHelp(map, 4242); QtHelp(1, 4242); QtDeregisterHelp(4242); }},
        {"QtHelpDesc", [](Host &) { char text[256] = "see item 120;"; char *pointer = text; int32_t id = 0; QtHelpDesc(&id, &pointer, sizeof text); }},
        {"QtPopContextMenu", [](Host &) { QtPopContextMenu(&contextItem, menuDefinition()); }},
        {"QtPopContextMenuEx", [](Host &) { QtPopContextMenuEx(0, &contextItem, menuDefinition()); }},
        {"QtQSDIExecDialog", [](Host &) { QSDIDescription *d = qsdi(QSDI_MODE_MODAL, &qsdiCallback, nullptr); QtQSDIExecDialog(d); QtQSDIDeleteDialog(d); }},
        {"_Z19CuiFillMemoryDialogPvRjS0_RiRPcS1_S1_S0_", [](Host &) { uint32_t start = 0, end = 0x100, target = 0; int length = 0, endGiven = 0, size = 0; char text[64] = "0"; char *expression = text; CuiFillMemoryDialog(nullptr, start, end, length, expression, endGiven, size, target); }},
    };
    return table;
}

// clang-format on

} // namespace hostile::reenter

namespace hostile::reenter {

// clang-format off
inline const std::vector<Line> &callbacksTable()
{
    using namespace drive;
    static const std::vector<Line> table = {
    };
    return table;
}
// clang-format on

} // namespace hostile::reenter
