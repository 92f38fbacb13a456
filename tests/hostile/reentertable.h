#pragma once

// The lines of the re-entering modes (reenter.h). tst_hostile fails when an export of
// include/tesk that answers a pointer has no texts line, when a callback type of include/tesk
// has no callbacks line, and when the plain sweep saw an export run a loop that has no loops
// line. A line names its export or callback type; several lines may name one (one per object
// family it serves).

#include "breakpointhost.h"
#include "reenter.h"
#include "regpanehost.h"
#include "windboxhost.h"

#include "eventsubjecthost.h"
#include "frame/core/services.h"
#include "frame/menus/mt.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/toolbars/editortoolbars.h"
#include "frame/windows/toolbars/findtoolbar.h"
#include "frame/windows/toolbars/scripttoolbar.h"
#include "gui_components/gc_panes/memoryview/viewmemory.h"
#include "gui_components/gc_panes/memoryview/viewmemorydata.h"
#include "gui_components/gc_panes/panes/cuiksopane.h"
#include "gui_components/gc_panes/panes/ksowindbox.h"
#include "gui_components/gc_panes/panes/panetabbar.h"
#include "gui_components/gc_panes/panes/regpane.h"
#include "gui_components/gc_panes/views/cgcp_viewsmanager.h"
#include "gui_components/gc_panes/views/kpane.h"
#include "gui_components/gc_panes/views/kpanetabbar.h"
#include "registers/regitem.h"
#include "registers/regview.h"
#include "simulatedcores.h"
#include "simulatedtarget.h"
#include "symbols/breakpoints/breakpointdlg.h"
#include "symbols/breakpoints/registerlistdlg.h"
#include "symbols/datanav.h"
#include "symbols/datanavlistbase.h"
#include "sync/cgcds_dialog.h"
#include "sync/syncdlg.h"
#include "utilities/table.h"

#include <tesk/tesk.h>
#include <tesk/tesk_persistence.h>
#include <tesk/tesk_sync.h>
#include <tesk/tesk_views.h>

#include <mosk/mosk.hpp>

#include <QComboBox>
#include <QContextMenuEvent>
#include <QDragMoveEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

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
    h.owner([dialog, destroy] { destroy(dialog); }, dialog);
    run(asObject(dialog));
}

inline void deleteObject(TeskHandle object)
{
    CuiDeleteObject(asObject(object));
}

// A plain host-described dialog with an event button ("Send", the standard label of its code),
// an ending one and a callback.
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

// The name the file question hands out when the user picks the named file.
inline const char *chosenFile(const char *name)
{
    const char *result = nullptr;
    host().inLoop([name](QWidget *widget) { openFile(widget, name); });
    CuiSimpleFileExtraMultipleEx(0, "Open", &result, "All [*]", nullptr, 0, 0, 0);
    return result;
}

// The pattern of most texts lines: the answer about the first object kept, the second object
// asked, the first one asked again.
template<typename Ask, typename Which>
void askTwice(Texts &t, Which first, Which second, Ask ask)
{
    t.text(ask(first));
    t.text(ask(second));
    ask(first);
}

// A list asked for again while the first answer is kept.
template<const char *const *(*ask)()>
void listTwice(Texts &t)
{
    t.list(ask());
    ask();
}

inline void itemCommands(Texts &t)
{
    contextMenus();
    askTwice(t, 1, 2, [](int id) { return CuiContextMenu_getItemCommand("reenter one", id); });
}

inline void itemTexts(Texts &t)
{
    contextMenus();
    askTwice(t, 1, 2, [](int id) { return CuiContextMenu_getItemGuiText("reenter one", id); });
}

inline void menuDefinitions(Texts &t)
{
    contextMenus();
    askTwice(t, "reenter one", "reenter two", &CuiContextMenu_getMenuDefinion);
}

inline void clockSpeeds(Texts &t)
{
    static char one[32], two[32], again[32];
    const TeskHandle first = clockDialog(t, "100");
    t.text(CuiCorvasimConfigDlgGetClockSpeed(first, one, sizeof one));
    t.text(CuiCorvasimConfigDlgGetClockSpeed(clockDialog(t, "200"), two, sizeof two));
    CuiCorvasimConfigDlgGetClockSpeed(first, again, sizeof again);
}

inline void voidStars(Texts &t)
{
    static int one, two;
    CuiFunctionRegistryAddVoidStar("reenter one", &one);
    CuiFunctionRegistryAddVoidStar("reenter two", &two);
    void *first = CuiFunctionRegistryGetVoidStar("reenter one");
    CuiFunctionRegistryGetVoidStar("reenter two");
    t.expect(first == &one, "the first answer is the first pointer");
    t.later([] {
        CuiFunctionRegistryRemoveVoidStar("reenter one");
        CuiFunctionRegistryRemoveVoidStar("reenter two");
    });
}

inline void currentCode(Texts &t)
{
    void *first = CuiGetCurrentCode();
    host().otherWindow();
    t.expect(CuiGetCurrentCode() != first, "the other window is current");
    CuiSetCurrentCode(first);
    t.expect(first && CuiGetCurrentCode() == first, "the first answer names the first window");
}

inline void qtApp(Texts &t)
{
    void *first = CuiGetQtApp();
    t.expect(CuiGetQtApp() == first && first == QCoreApplication::instance(),
             "the application is answered");
}

inline void dragContexts(Texts &t)
{
    int one = 0, two = 0;
    CuiKsoDragAndDrop_setDragContext(5);
    int *first = CuiKsoDragAndDrop_getDragContext(&one);
    CuiKsoDragAndDrop_setDragContext(6);
    CuiKsoDragAndDrop_getDragContext(&two);
    t.expect(first == &one && one == 5 && two == 6, "each answer is its own word");
}

inline void loadCommands(Texts &t)
{
    const TeskHandle one = loadMemoryDialog(t, "one.elf");
    const char *first = CuiLoadMemoryDlgGetCommand(one);
    t.expect(first && *first, "a command was made");
    t.text(first);
    t.text(CuiLoadMemoryDlgGetCommand(loadMemoryDialog(t, "two.elf")));
    CuiLoadMemoryDlgGetCommand(one);
}

// The file question answers in its one result buffer, never freed: a later answer replaces
// the text in place, so the pointer the host kept reads the latest answer.
inline void chosenFiles(Texts &t)
{
    const char *first = chosenFile("one.elf");
    t.expect(first, "a name was handed out");
    const char *second = chosenFile("two.elf");
    t.expect(first == second, "both answers stand in the one result buffer");
    t.text(first);
}

inline void qtPanes(Texts &t)
{
    host().window();
    const TeskHandle one = CuiDataNavCreate(), two = CuiDataNavCreate();
    void *first = CuiWindowCreateQtPane("reenter one", asObject(one), &codeCallback, 0x7201);
    CuiWindowCreateQtPane("reenter two", asObject(two), &codeCallback, 0x7202);
    t.expect(first && tesk::handles::object(first), "the first dock window lives");
}

inline void windowTitles(Texts &t)
{
    twoDocks(t);
    askTwice(t, 0, 1, [](int index) { return QtGetWindowTitle(host().window(), index); });
}

inline void helpDescs(Texts &t)
{
    static char one[256] = "see item 120;", two[256] = "see item 121;";
    char *first = one, *second = two;
    int32_t id = 0;
    QtHelpDesc(&id, &first, sizeof one);
    t.text(first);
    QtHelpDesc(&id, &second, sizeof two);
    t.expect(first == one && second == two, "the answers stay in the host's buffers");
}

// The fill dialog's C entry answers into the host's own buffer: its pointer is never replaced.
inline void fillExpressions(Texts &t)
{
    static char buffer[256] = "0";
    char *expression = buffer;
    uint32_t end = 0x100, target = 0;
    int length = 0, endGiven = 0, size = 0;
    CuiFillMemoryDialogC(nullptr, nullptr, &end, &length, &expression, &endGiven, &size, &target);
    t.text(expression);
    t.expect(expression == buffer, "the answer stays in the host's buffer");
}

inline void paneTitles(Texts &t)
{
    twoDocks(t);
    askTwice(t, 0, 1, [](int index) { return QtReturnKSOTitle(host().window(), index); });
}

inline void toolbarTitles(Texts &t)
{
    const TeskHandle window = twoToolbars(t);
    askTwice(t, 0, 1, [window](int index) { return QtReturnToolbarTitle(window, index); });
}

} // namespace drive

inline const std::vector<TextLine> &textsTable()
{
    using namespace drive;
    static const std::vector<TextLine> table = {
        {"CuiContextMenu_getItemCommand", &itemCommands},
        {"CuiContextMenu_getItemGuiText", &itemTexts},
        {"CuiContextMenu_getMenuDefinion", &menuDefinitions},
        {"CuiCorvasimConfigDlgGetClockSpeed", &clockSpeeds},
        {"CuiFunctionRegistryGetVoidStar", &voidStars},
        {"CuiGetCurrentCode", &currentCode},
        {"CuiGetQtApp", &qtApp},
        {"CuiI18NGetEncodingList", &listTwice<&CuiI18NGetEncodingList>},
        {"CuiI18NGetLanguageList", &listTwice<&CuiI18NGetLanguageList>},
        {"CuiI18NGetLocaleList", &listTwice<&CuiI18NGetLocaleList>},
        {"CuiKsoDragAndDrop_getDragContext", &dragContexts},
        {"CuiLoadMemoryDlgGetCommand", &loadCommands},
        {"CuiSimpleFileExtraMultipleEx", &chosenFiles},
        {"CuiWindowCreateQtPane", &qtPanes},
        {"QtGetWindowTitle", &windowTitles},
        {"QtHelpDesc", &helpDescs},
        {"CuiFillMemoryDialogC", &fillExpressions},
        {"QtReturnKSOTitle", &paneTitles},
        {"QtReturnToolbarTitle", &toolbarTitles},
    };
    return table;
}

} // namespace hostile::reenter

namespace hostile::reenter {

namespace drive {

// The host's function of a callback type that takes the run's act and answers 0.
template<typename Fn>
struct Acting;
template<typename R, typename... A>
struct Acting<R (*)(A...)>
{
    static R call(A...)
    {
        host().act();
        return R();
    }
};
template<typename R, typename... A>
struct Acting<R (*)(A..., ...)>
{
    static R call(A..., ...)
    {
        host().act();
        return R();
    }
};
template<typename Fn>
Fn acting()
{
    return &Acting<Fn>::call;
}

// Publishes the host entry point under the name for the run.
template<typename Fn>
void publish(Host &h, const char *name, Fn fn)
{
    CuiFunctionRegistryRemoveFunction(name);
    CuiFunctionRegistryAddFunction(name, reinterpret_cast<CuiRegistryFn>(fn));
    h.later([name] {
        CuiFunctionRegistryRemoveFunction(name);
        testhost::publishHostEntryPoints();
    });
}

template<typename T>
T *object(TeskHandle handle)
{
    return tesk::handles::object<T>(asObject(handle));
}

inline MainWindow *mainWindow(Host &h)
{
    return Store::instance()->findMainWindowByHandle(h.window());
}

// A breakpoint dialog over a proxy that offers a location, its host published, owned by the
// run. The dialog handler, help callback and proxy handler are the test host's unless given.
inline TeskHandle breakpointDialog(Host &h, CuiBreakpointProxyHandler proxyHandler = nullptr,
                                   CuiBreakpointDlgHandler dialogHandler = nullptr)
{
    testhost::BreakpointHost::instance().reset();
    testhost::BreakpointHost::instance().fill = [](TeskHandle proxy) {
        CuiBreakpointProxyAddBreakpointType(proxy, 0);
        CuiBreakpointProxyAddBreakpointType(proxy, 5);
        CuiBreakpointProxyAllowLocation(proxy, 1);
        CuiBreakpointProxyAllowData(proxy, 1);
    };
    testhost::publishBreakpointHost();
    const TeskHandle dialog = CuiBreakpointDlgCreate(0);
    const TeskHandle proxy = CuiBreakpointProxyCreate(3);
    CuiBreakpointProxySetHandler(proxy,
                                 proxyHandler ? proxyHandler : testhost::breakpointProxyHandler());
    CuiBreakpointDlgSetFuncHandler(dialog, dialogHandler ? dialogHandler
                                                         : testhost::breakpointDialogHandler());
    CuiBreakpointDlgSetVdata(dialog, 0x51);
    h.owner([dialog] { CuiBreakpointDlgDestroy(dialog); }, dialog);
    CuiBreakpointDlgSetBreakpoint(dialog, proxy);
    h.later([proxy] {
        CuiBreakpointProxyDestroy(proxy);
        testhost::BreakpointHost::instance().fill = nullptr;
        testhost::withdrawBreakpointHost();
        testhost::publishHostEntryPoints();
    });
    return dialog;
}

// Runs the breakpoint dialog; inside, the user does what the function says.
inline void runBreakpoint(TeskHandle dialog, void (*inside)(BreakpointDlg *))
{
    host().inLoop([inside](QWidget *widget) {
        if (auto *dlg = qobject_cast<BreakpointDlg *>(widget))
            inside(dlg);
    });
    CuiDoModal(asObject(dialog));
}

// The user enters a location and presses OK.
inline void okBreakpoint(TeskHandle dialog)
{
    runBreakpoint(dialog, [](BreakpointDlg *dlg) {
        dlg->locationCOB->setEditText(QStringLiteral("main"));
        dlg->OKPB->click();
    });
}

// A symbol source the host fills with one image, module and function whenever asked.
inline int fillSymbols(int, TeskHandle source, TeskHandle, const char *, TeskHandle)
{
    CuiSymtabDataSourceAddImage(source, "image");
    CuiSymtabDataSourceAddModule(source, "image module file");
    CuiSymtabDataSourceAddFunction(source, "image module main 0x10 Public");
    return 0;
}

inline int print(void *, int, const char *, ...)
{
    return 0;
}

// A dock window of a window box with two tabs, whose frame asks the window-box tables; the
// dock is the run's owner. With a table given, its entry is replaced by the host's function.
inline DockWidget *windBox(Host &h, void **table = nullptr, int entry = 0, void *function = nullptr)
{
    testhost::WindBoxHost &boxes = testhost::WindBoxHost::instance();
    boxes.clear();
    boxes.publish();
    constexpr TeskHandle kBox = 0x7400;
    boxes.box(kBox).tabBar = true;
    boxes.box(kBox).tabs = {"one", "two"};
    if (table)
        table[entry] = function;
    KSOWindBox::resetTables();
    h.owner([] { CuiPaneClose(kBox); });
    h.later([] {
        testhost::WindBoxHost::instance().restoreEntries();
        testhost::WindBoxHost::instance().withdraw();
        KSOWindBox::resetTables();
    });
    QtWindowCreate("reenter box", &codeCallback, kBox);
    return Store::instance()->findDockWidget(kBox);
}

// The window box's dock, its tabs clicked and text dragged over its pane as the toolkit
// delivers a drag: an enter, then a move (which goes only to the widget that took the enter),
// then a leave.
inline void windBoxDock(Host &h, void **table, int entry, void *function)
{
    QPointer<DockWidget> dock = windBox(h, table, entry, function);
    if (auto *tabs = dock ? dock->findChild<CuiKSOPaneTabBar *>() : nullptr) {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        Host::pump();
    }
    QPointer<QWidget> pane = dock && !h.acted() ? dock->widget() : nullptr;
    if (pane && !qobject_cast<CuiKSOPane *>(pane))
        pane = pane->findChild<CuiKSOPane *>();
    if (!pane)
        return;
    QMimeData data;
    data.setText(QStringLiteral("text"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(pane, &enter);
    if (pane && !h.acted()) {
        QDragMoveEvent move(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(pane, &move);
    }
    if (pane) {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(pane, &leave);
    }
}

// The user loads a file at a location and presses Apply.
inline void applyMemoryOperation(QWidget *dialog)
{
    const auto child = [dialog](auto *type, const char *name) {
        return dialog->findChild<std::remove_pointer_t<decltype(type)> *>(QLatin1String(name));
    };
    if (auto *load = child((QRadioButton *)nullptr, "loadFileRB"))
        load->click();
    if (auto *name = child((QLineEdit *)nullptr, "filenameEdit"))
        name->setText(QStringLiteral("a.bin"));
    if (auto *types = child((QListWidget *)nullptr, "filetypeLB"))
        types->setCurrentRow(0);
    if (auto *location = child((QComboBox *)nullptr, "locationCB"))
        location->setEditText(QStringLiteral("0x100"));
    if (auto *apply = child((QPushButton *)nullptr, "applyPB"))
        apply->click();
}

// A register pane over a data set of one view and one register, owned by the run; with
// acting, the host's register handler takes the run's act.
inline RegPane *regPane(Host &h, bool acting = false)
{
    static testhost::RegPaneHost regs;
    regs.inside = nullptr;
    if (acting)
        regs.inside = [](uint32_t) { host().act(); };
    const TeskHandle pane = CuiRegPaneCreate(&testhost::RegPaneHost::handler);
    h.owner([pane] { CuiRegPaneDelete(pane); }, pane);
    h.later([] {
        regs.inside = nullptr;
        CuiRegPaneDataDelete(78, 0);
    });
    CuiRegPaneAttach(pane, regs.context());
    regs.dataSet = 78;
    showRegisterSet(78, pane, "reenter");
    return object<RegPane>(pane);
}

// A data navigator filled by the host with one function, shown on its function tab with the
// function selected; owned by the run.
inline DataNav *dataNav(Host &h, CuiDataNavHostFn handler = nullptr)
{
    publish(h, "symtabdatasource", &fillSymbols);
    const TeskHandle nav = CuiDataNavCreate();
    h.owner([nav] { CuiDataNavDestroy(nav); }, nav);
    if (handler)
        CuiDataNavSetFuncCB(nav, handler);
    DataNav *pane = object<DataNav>(nav);
    if (!pane)
        return nullptr;
    pane->resize(500, 300);
    pane->show();
    Host::pump();
    QString result;
    tesk::core::paneServices().runCommand(pane, &print, nullptr,
                                          {QStringLiteral("raisefunctiontab")}, result);
    pane->selectViewItem(QStringLiteral("main"));
    return pane;
}

// Simulated input: a context menu asked for with the mouse at the point, as the platform
// delivers it after a right click.
inline void contextMenuAt(QWidget *widget, QPoint pos)
{
    if (!widget)
        return;
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
    QCoreApplication::sendEvent(widget, &event);
}

// Simulated input: the item of the combo box chosen with the keyboard.
inline void chooseItem(QComboBox *combo, int index)
{
    if (!combo || index < 1 || index >= combo->count())
        return;
    combo->setCurrentIndex(index - 1);
    QTest::keyClick(combo, Qt::Key_Down);
}

// Inside the next loop, a menu's entry with that text chosen by the keyboard.
inline void chooseInMenu(Host &h, const char *text)
{
    h.inLoop([entry = QString::fromLatin1(text)](QWidget *widget) {
        auto *menu = qobject_cast<QMenu *>(widget);
        for (QAction *action : menu ? menu->actions() : QList<QAction *>()) {
            if (action->text() == entry && action->isEnabled()) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        }
    });
}

// One reference for the caller.
template<typename Interface>
Interface *component(const char *category, const char *id)
{
    MoskBroker *broker = moskGetObjectBroker();
    void *object = nullptr;
    mosk::release(broker->ops->getComponent(broker, category, id, &object));
    return static_cast<Interface *>(object);
}

// Registers the host's component in place of whatever was there.
inline void registerComponent(const char *category, const char *id, void *face)
{
    MoskBroker *broker = moskGetObjectBroker();
    mosk::release(broker->ops->unregisterComponent(broker, category, id));
    if (face)
        mosk::release(broker->ops->registerComponent(broker, category, id, face));
}

// A memory view of target 1 in a pane of its own, made through the views manager, showing
// memory from 0x100; the pane, ended by the views manager with its views, is the run's owner.
inline KViewMemory *memoryView(Host &h)
{
    static IGcp_ViewsManager *manager =
        component<IGcp_ViewsManager>(GCP_CATEGORY, GCP_VIEWS_MANAGER_COMPONENT);
    h.window();
    uint64_t id = GC_NO_ID;
    testhost::EventSubjectHost::instance().setCurrent(1, 1);
    if (manager) {
        mosk::release(manager->ops->createViewInNewPane(manager, GCP_VIEW_TYPE_MEMORY, 1, &id));
        mosk::release(manager->ops->targetChanged(manager));
    }
    auto *view = qobject_cast<KViewMemory *>(CGcp_ViewsManager::instance()->viewWidget(id));
    if (!view)
        return nullptr;
    const uint64_t pane = view->paneId();
    h.owner([pane] { CGcp_ViewsManager::instance()->removePane(pane); });
    view->setStartAddress(QStringLiteral("0x100"), false);
    Host::pump();
    return view;
}

inline QWidget *dataCells(KViewMemory *view)
{
    return view && view->dataTable() ? view->dataTable()->viewport() : nullptr;
}

inline KPaneTabBar *paneTabs(KViewMemory *view)
{
    KGc_Pane *pane = view ? CGcp_ViewsManager::instance()->pane(view->paneId()) : nullptr;
    return pane && pane->getWidget() ? pane->getWidget()->findChild<KPaneTabBar *>() : nullptr;
}

// The host's synchronisation access, registered in place of the simulated cores' own: it
// answers as they do and takes the run's act in the operation it is told.
struct SyncAccess : mosk::Object<mosk::EmptyMutex, mosk::Static>
{
    using Face = mosk::Implements<SyncAccess, IGb_SyncAccess, 0x51010, 0, 0>;
    SyncAccess();
    int actIn = -1;
    Face face;
};
template<SimulatedCores::Operation Op>
int syncOperation(void *self, IGcds_DataAdaptor *adaptor)
{
    if (SyncAccess::Face::outerOf(self)->actIn == int(Op))
        host().act();
    return SimulatedCores::installed().answer(Op, adaptor);
}
using SyncOp = SimulatedCores::Operation;
inline const IGb_SyncAccessOps kSyncAccessOps = {
    MOSK_FACE_BASE(SyncAccess::Face),       &syncOperation<SyncOp::Read>,
    &syncOperation<SyncOp::ApplyExecution>, &syncOperation<SyncOp::ApplyAction>,
    &syncOperation<SyncOp::ApplyTrigger>,   &syncOperation<SyncOp::ApplyPendingMode>};
inline SyncAccess::SyncAccess()
    : face(this, &kSyncAccessOps)
{
}

// The synchronisation window, opened and shown through its component over fresh cores; the
// host closes it through the component as the run's owner, and its access acts in the named
// operation from then on.
inline SyncDlg *syncWindow(Host &h, SyncOp operation)
{
    static SyncAccess access;
    static const bool registered =
        (registerComponent(GCDS_CATEGORY, GCDS_SYNC_ACCESS_COMPONENT, &access.face), true);
    (void)registered;
    SimulatedCores::installed().reset();
    IGcds_Dialog *dialog = component<IGcds_Dialog>(GCDS_CATEGORY, GCDS_DIALOG_COMPONENT);
    if (!dialog)
        return nullptr;
    dialog->ops->open(dialog, 0);
    dialog->ops->show(dialog, 1);
    h.owner([dialog] { dialog->ops->close(dialog); });
    h.later([dialog] {
        access.actIn = -1;
        dialog->ops->close(dialog);
        dialog->ops->Release(dialog);
    });
    access.actIn = int(operation);
    return CGcds_Dialog::Face::outerOf(dialog)->window();
}

// Simulated input: a click on a cell of the window's table.
inline void clickCell(QWidget *window, const char *name, int row, int col)
{
    auto *table = window ? window->findChild<UTable *>(QLatin1String(name)) : nullptr;
    if (table)
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->contentsToViewport2(table->cellGeometry(row, col).center()));
}

// The host's persistence, registered for the run: it keeps nothing and takes the run's act.
struct Persistence : mosk::Object<mosk::EmptyMutex, mosk::Static>
{
    using Face = mosk::Implements<Persistence, TeskPersistence, TESK_IID_PERSISTENCE, 0, 0>;
    Persistence();
    Face face;
};
inline MoskResult persistenceWrite(void *, const char *, MoskDictionary *)
{
    host().act();
    return nullptr;
}
inline MoskResult persistenceRead(void *, const char *, MoskDictionary **out)
{
    host().act();
    if (out)
        *out = nullptr;
    return nullptr;
}
inline const TeskPersistenceOps kPersistenceOps = {MOSK_FACE_BASE(Persistence::Face),
                                                   &persistenceWrite, &persistenceRead};
inline Persistence::Persistence()
    : face(this, &kPersistenceOps)
{
}
inline void persistence(Host &h)
{
    static Persistence store;
    registerComponent(TESK_PERSISTENCE_CATEGORY, TESK_PERSISTENCE_COMPONENT, &store.face);
    h.later(
        [] { registerComponent(TESK_PERSISTENCE_CATEGORY, TESK_PERSISTENCE_COMPONENT, nullptr); });
}

// A memory view whose host acts in its event subject, as the library reads the current target
// after a host event, or in its memory access, as the view reads the memory again after it.
inline void memoryViewEvent(Host &h, bool inSubject)
{
    KViewMemory *view = memoryView(h);
    if (!view)
        return;
    testhost::EventSubjectHost &subject = testhost::EventSubjectHost::instance();
    SimulatedTarget &target = SimulatedTarget::installed();
    if (inSubject) {
        subject.inside = [] { host().act(); };
        h.mayCallAgain("the views manager, not the pane the host removed, asks the subject "
                       "again for its other views");
    } else
        target.inside = [](SimulatedTarget::Kind kind) {
            if (kind == SimulatedTarget::Kind::Read)
                host().act();
        };
    h.later([] {
        testhost::EventSubjectHost::instance().inside = nullptr;
        SimulatedTarget::installed().inside = nullptr;
    });
    subject.fire(GCP_EVENT_TARGET_UPDATED_0);
    Host::pump();
}

// The host components the library calls, each with the interface it is asked for.
struct HostComponent
{
    const char *id;
    const char *interface;
};
inline const std::vector<HostComponent> &hostComponents()
{
    static const std::vector<HostComponent> list = {
        {GCDS_SYNC_ACCESS_COMPONENT, "IGb_SyncAccess"},
        {GCDS_EVENT_SUBJECT_COMPONENT, "MoskEventSubject"},
        {GB_KSO_EVENT_SUBJECT_COMPONENT, "IGb_KsoEventSubject"},
        {TESK_MEMORY_ACCESS_COMPONENT, "IGb_MemoryAccess"},
        {TESK_PERSISTENCE_COMPONENT, "TeskPersistence"},
    };
    return list;
}

inline TeskHandle qsdiDialog(Host &h)
{
    QSDIDescription *description = qsdi(QSDI_MODE_MODAL, acting<QSDICallbackFn>(), nullptr);
    h.owner([description] { QtQSDIDeleteDialog(description); }, 0, false);
    return reinterpret_cast<TeskHandle>(description);
}

// ---- the drivers of the callbacks lines ----

inline void activation(Host &h)
{
    CuiSetActivationCallback(h.window(), acting<CuiActivationFn>());
    QEvent change(QEvent::ActivationChange);
    QCoreApplication::sendEvent(mainWindow(h), &change);
}

inline void breakpointDialogHandler(Host &h)
{
    const TeskHandle d = breakpointDialog(h, nullptr, acting<CuiBreakpointDlgHandler>());
    okBreakpoint(d);
}

inline void breakpointHelp(Host &h)
{
    const TeskHandle d = breakpointDialog(h);
    CuiBreakpointDlgSetHelpCallback(d, acting<CuiBreakpointDlgHelpCallback>());
    runBreakpoint(d, [](BreakpointDlg *dlg) { dlg->helpPB->click(); });
}

inline void breakpointProxyInDialog(Host &h)
{
    const TeskHandle d = breakpointDialog(h, acting<CuiBreakpointProxyHandler>());
    okBreakpoint(d);
}

inline void breakpointProxyAlone(Host &h)
{
    const TeskHandle p = CuiBreakpointProxyCreate(3);
    CuiBreakpointProxySetHandler(p, acting<CuiBreakpointProxyHandler>());
    h.owner([p] { CuiBreakpointProxyDestroy(p); });
    CuiBreakpointProxySetBreakpointType(p, 1);
    CuiBreakpointProxySetBreakpointType(p, 2);
}

inline void codeInDock(Host &h)
{
    constexpr TeskHandle box = 0x7500;
    h.owner([] { CuiPaneClose(box); });
    QtWindowCreate("reenter code", acting<CuiCodeCallbackFn>(), box);
    CuiNotifyQtWidgetAboutSetFocusInBox(box);
}

inline void codeInMainWindow(Host &h)
{
    constexpr TeskHandle box = 0x7501;
    QtRegisterCodeCB(acting<CuiCodeCallbackFn>(), box);
    CuiNotifyQtWidgetAboutSetFocusInBox(box);
    MainWindow *window = mainWindow(h);
    window->resize(window->width() + 40, window->height() + 30);
    Host::pump();
}

inline void contextMenuChoice(Host &h)
{
    h.inLoop([](QWidget *w) {
        if (auto *menu = qobject_cast<QMenu *>(w)) {
            menu->setActiveAction(menu->actions().value(0));
            QTest::keyClick(menu, Qt::Key_Return);
        }
    });
    QtPopContextMenu(acting<CuiContextMenuFn>(), menuDefinition());
}

inline void contextMenuState(Host &h)
{
    contextMenus();
    CuiContextMenu_setCallBackItemState("reenter one", acting<CuiContextMenuStateFn>(), nullptr);
    h.owner([] { CuiContextMenu_clearMenu("reenter one"); });
    CuiContextMenu_updateMenuState("reenter one");
}

inline void dataNavHandler(Host &h)
{
    if (DataNav *pane = dataNav(h, acting<CuiDataNavHostFn>()))
        pane->callHandler(QStringLiteral("functions"), QStringLiteral("disasm"));
}

inline void findToolBarState(Host &h)
{
    const TeskHandle bar = QtCreateEditorToolBar(h.window(), acting<CuiFindToolBarFn>());
    h.owner([bar] { CuiDeleteObject(asObject(bar)); }, bar);
    if (FindToolBar *find = object<FindToolBar>(bar))
        emit find->stateMenu()->aboutToShow();
}

inline void hardwareCapabilities(Host &h)
{
    const TeskHandle d = breakpointDialog(h);
    publish(h, "hardware_capabilities", acting<CuiHardwareCapabilitiesFn>());
    runBreakpoint(d, [](BreakpointDlg *dlg) {
        dlg->breakpointTypeLB->setCurrentRow(1);
        dlg->locationBuilderPB->click();
    });
}

// A breakpoint dialog confirmed while the host's entry point of that name takes the act.
template<typename Fn>
void breakpointWithEntry(Host &h, const char *name)
{
    const TeskHandle d = breakpointDialog(h);
    publish(h, name, acting<Fn>());
    okBreakpoint(d);
}
inline void eeaccessEntry(Host &h)
{
    breakpointWithEntry<CuiHostEeaccessFn>(h, "eeaccess");
}
inline void guiEntry(Host &h)
{
    breakpointWithEntry<CuiHostGuiFn>(h, "gui");
}

inline void hostStringList(Host &h)
{
    static void *table[2] = {nullptr, reinterpret_cast<void *>(acting<CuiHostStringListFn>())};
    CuiFunctionRegistryAddVoidStar("eeaccessFuncs", table);
    h.later([] { CuiFunctionRegistryRemoveVoidStar("eeaccessFuncs"); });
    auto *registers = new RegisterListDlg(mainWindow(h));
    h.later([registers = QPointer<RegisterListDlg>(registers)] { delete registers.data(); });
    registers->setVdata(1);
    registers->loadRegisters();
}

inline void idle(Host &h)
{
    CuiCreateIdleObject();
    CuiRegisterIdleFunc(acting<CuiIdleFn>());
    h.later([] { CuiRegisterIdleFunc(nullptr); });
    testhost::pumpUntil([&h] { return h.acted(); }, 2000);
}

inline void memoryOperationsHandler(Host &h)
{
    const TeskHandle d = CuiMemoryOperationsDlgCreate(0);
    CuiMemoryOperationsDlgSetFileTypeList(d, "1 elf Image file\n");
    CuiMemoryOperationsDlgSetFuncHandler(d, acting<CuiMemoryOperationsHandlerFn>());
    h.inLoop(&applyMemoryOperation);
    runDialog(h, d, &CuiMemoryOperationsDlgDestroy);
}

// The main window's popup menu of that id, when it has one.
inline QMenu *popupMenu(Host &h, int id)
{
    auto *mt = qobject_cast<MT *>(mainWindow(h)->menuManager());
    return mt ? mt->popupMenu(id) : nullptr;
}

inline void menuAboutToShow(Host &h)
{
    QtRegisterMenuCB(acting<CuiMenuAboutToShowFn>(), nullptr, nullptr, h.window());
    QtAppendMenu(32881, "reenter.c", nullptr, 0);
    QtAddPopupMenu("Recent Files", 40604, nullptr);
    if (QMenu *recent = popupMenu(h, 40604))
        emit recent->aboutToShow();
}

inline void menuActivate(Host &h)
{
    QtRegisterMenuCB(nullptr, acting<CuiMenuActivateFn>(), nullptr, h.window());
    QtAppendMenu(32881, "reenter.c", nullptr, 0);
    if (QMenu *recent = popupMenu(h, 40604))
        if (!recent->actions().isEmpty())
            recent->actions().front()->trigger();
}

inline void menuCycle(Host &h)
{
    QtRegisterMenuCB(nullptr, nullptr, acting<CuiMenuCycleFn>(), h.window());
    if (auto *button = mainWindow(h)->findChild<QToolButton *>(QStringLiteral("MenuItem172")))
        if (QMenu *popup = button->menu())
            emit popup->aboutToShow();
}

inline void paneOutput(Host &h)
{
    CuiTestFunction(h.window(), acting<CuiPaneOutputFn>(), nullptr, "menu", nullptr, nullptr,
                    nullptr, nullptr, nullptr, nullptr);
}

inline void regPaneHandler(Host &h)
{
    if (RegPane *pane = regPane(h, true))
        pane->menuCommand(RegPane::CommandUpdate);
}

// Picks the script file in the file dialog the widget is.
inline void pickScript(QWidget *widget)
{
    if (auto *dialog = qobject_cast<QFileDialog *>(widget)) {
        const QString path = file("script.inc");
        dialog->setDirectory(QFileInfo(path).path());
        dialog->selectFile(QFileInfo(path).fileName());
        QMetaObject::invokeMethod(dialog, "accept");
    }
}

inline void scriptToolBarRun(Host &h)
{
    CuiScriptToolBarCreate(h.window(), acting<CuiScriptToolBarFn>());
    if (ScriptToolBar *bar = tesk::frame::scriptToolBarOf(mainWindow(h))) {
        h.inLoop(&pickScript);
        bar->addButton()->click();
        bar->scriptList()->setCurrentIndex(bar->scriptList()->count() - 1);
        bar->runButton()->click();
    }
}

inline void searchPathHelp(Host &h)
{
    const TeskHandle d = CuiSourceSearchPathDlgCreate(0);
    CuiSourceSearchPathDlgSetHelpId(d, 7);
    CuiSourceSearchPathDlgSetHelpCallback(d, acting<CuiSearchPathHelpFn>());
    h.inLoop([](QWidget *w) { QTest::keyClick(w, Qt::Key_F1); });
    runDialog(h, d, &deleteObject);
}

inline void symtabHandler(Host &h)
{
    const TeskHandle s = CuiSymtabDataSourceCreate();
    CuiSymtabDataSourceSetFuncHandler(s, acting<CuiSymtabHostFn>());
    h.owner([s] { CuiSymtabDataSourceDestroy(s); }, s);
    CuiSymtabDataSourceUpdate(s);
}

inline void topLevelSize(Host &)
{
    QtTopLevelCreate(0x7600, acting<CuiTopLevelSizeFn>(), 0x7600);
    if (QMainWindow *top = Store::currentTopLevelWindow()) {
        top->show();
        top->resize(top->width() + 40, top->height() + 30);
        Host::pump();
    }
}

// A window box's dock whose host takes the act in that entry of the window-box tables.
enum class BoxTable { WindBox, Xry };
template<typename Fn, BoxTable which, int entry>
void windBoxEntry(Host &h)
{
    testhost::WindBoxHost &boxes = testhost::WindBoxHost::instance();
    void **table = which == BoxTable::Xry ? boxes.xryTable() : boxes.windBoxTable();
    windBoxDock(h, table, entry, reinterpret_cast<void *>(acting<Fn>()));
}

// A click on a cell of one of the synchronisation window's tables while its access acts in
// the operation.
inline void syncActions(Host &h)
{
    clickCell(syncWindow(h, SyncOp::ApplyAction), "tableActionsCores", 2, 1);
}
inline void syncExecution(Host &h)
{
    clickCell(syncWindow(h, SyncOp::ApplyExecution), "tableExecutionCores", 2, 1);
}
inline void syncTrigger(Host &h)
{
    clickCell(syncWindow(h, SyncOp::ApplyTrigger), "SyncTrigTable", 0, 1);
}
inline void syncRead(Host &h)
{
    clickCell(syncWindow(h, SyncOp::Read), "tableActionsCores", 2, 1);
}

inline void syncPendingMode(Host &h)
{
    if (SyncDlg *w = syncWindow(h, SyncOp::ApplyPendingMode))
        QTest::mouseClick(w->findChild<QRadioButton *>(QStringLiteral("radioButtonAnyCore")),
                          Qt::LeftButton);
}

inline void syncCoresRun(Host &h)
{
    if (syncWindow(h, SyncOp::Read))
        SimulatedCores::installed().run(1);
}

// A register pane, which reads and writes its settings through the host's persistence.
inline void persistenceInRegPane(Host &h)
{
    persistence(h);
    regPane(h);
}

// Why the library never calls the registry's own function type back.
inline constexpr const char *kRegistryFnReason =
    "the type functions are stored under in the registry; "
    "each entry point has the line of its own type";

inline void qsdiSend(Host &h)
{
    auto *d = reinterpret_cast<QSDIDescription *>(qsdiDialog(h));
    h.inLoop([](QWidget *w) {
        for (QPushButton *b : w->findChildren<QPushButton *>())
            if (b->text() == QLatin1String("Send"))
                b->click();
    });
    QtQSDIExecDialog(d);
}

} // namespace drive

inline const std::vector<Line> &callbacksTable()
{
    using namespace drive;
    static const std::vector<Line> table = {
        {"CuiActivationFn", &activation},
        {"CuiBreakpointDlgHandler", &breakpointDialogHandler},
        {"CuiBreakpointDlgHelpCallback", &breakpointHelp},
        {"CuiBreakpointProxyHandler", &breakpointProxyInDialog},
        {"CuiBreakpointProxyHandler", &breakpointProxyAlone},
        {"CuiCodeCallbackFn", &codeInDock},
        {"CuiCodeCallbackFn", &codeInMainWindow},
        {"CuiContextMenuFn", &contextMenuChoice},
        {"CuiContextMenuStateFn", &contextMenuState},
        {"CuiDataNavHostFn", &dataNavHandler},
        {"CuiFindToolBarFn", &findToolBarState},
        {"CuiHardwareCapabilitiesFn", &hardwareCapabilities},
        {"CuiHostEeaccessFn", &eeaccessEntry},
        {"CuiHostEntryFn", nullptr, "the type of 'gui' and 'eeaccess', whose lines drive it"},
        {"CuiHostGuiFn", &guiEntry},
        {"CuiHostStringListFn", &hostStringList},
        {"CuiIdleFn", &idle},
        {"CuiMemoryOperationsHandlerFn", &memoryOperationsHandler},
        {"CuiMenuAboutToShowFn", &menuAboutToShow},
        {"CuiMenuActivateFn", &menuActivate},
        {"CuiMenuCycleFn", &menuCycle},
        {"CuiPaneOutputFn", &paneOutput},
        {"CuiRegPaneHandlerFn", &regPaneHandler},
        {"CuiRegistryFn", nullptr, kRegistryFnReason},
        {"CuiScriptToolBarFn", &scriptToolBarRun},
        {"CuiSearchPathHelpFn", &searchPathHelp},
        {"CuiSymtabHostFn", &symtabHandler},
        {"CuiTopLevelSizeFn", &topLevelSize},
        {"CuiWindBoxDragFn", &windBoxEntry<CuiWindBoxDragFn, BoxTable::WindBox, 7>},
        {"CuiWindBoxIndexFn", &windBoxEntry<CuiWindBoxIndexFn, BoxTable::Xry, 0>},
        {"CuiWindBoxQueryFn", &windBoxEntry<CuiWindBoxQueryFn, BoxTable::WindBox, 0>},
        {"CuiWindBoxTextFn", &windBoxEntry<CuiWindBoxTextFn, BoxTable::WindBox, 4>},
        {"IGb_KsoEventSubject", [](Host &h) { memoryViewEvent(h, true); }},
        {"IGb_MemoryAccess", [](Host &h) { memoryViewEvent(h, false); }},
        {"IGb_SyncAccess", &syncActions},
        {"IGb_SyncAccess", &syncExecution},
        {"IGb_SyncAccess", &syncTrigger},
        {"IGb_SyncAccess", &syncPendingMode},
        {"IGb_SyncAccess", &syncRead},
        {"MoskEventSubject", &syncCoresRun},
        {"QSDICallbackFn", &qsdiSend},
        {"TeskPersistence", &persistenceInRegPane},
    };
    return table;
}

} // namespace hostile::reenter

namespace hostile::reenter {

namespace drive {

// ---- the drivers of the loops lines ----

inline void moduleFilterExec(Host &h)
{
    runDialog(h, CuiFilters_ModuleFilterDlgCreate(0, "reenter"), &deleteObject, &CuiDialogExec);
}

inline void breakpointModal(Host &h)
{
    runDialog(h, CuiBreakpointDlgCreate(0), &CuiBreakpointDlgDestroy);
}

inline void clockModal(Host &h)
{
    runDialog(h, CuiCorvasimConfigDlgCreate(), &CuiCorvasimConfigDlgDestroy);
}

inline void moduleFilterModal(Host &h)
{
    runDialog(h, CuiFilters_ModuleFilterDlgCreate(0, "reenter"), &deleteObject);
}

inline void loadMemoryModal(Host &h)
{
    runDialog(h, CuiLoadMemoryDlgCreate(0, "1 elf ELF image\n"), &CuiLoadMemoryDlgDestroy);
}

inline void memoryOperationsModal(Host &h)
{
    runDialog(h, CuiMemoryOperationsDlgCreate(0), &CuiMemoryOperationsDlgDestroy);
}

inline void searchPathModal(Host &h)
{
    runDialog(h, CuiSourceSearchPathDlgCreate(0), &deleteObject);
}

inline void functionListBreakpoint(Host &)
{
    CuiFunctionListBreakpointDialog(0, 1, 0);
}

inline void sourceLocation(Host &)
{
    char buffer[256] = "";
    CuiGetSourceLocation(0, "Caption", "Message", "main.c", buffer, sizeof buffer);
}

inline void userInformation(Host &)
{
    CuiGetUserInformation(0, "/nonexistent/template", "/nonexistent/output");
}

inline void gotoLine(Host &)
{
    int32_t line = 5;
    CuiGotoLineDialog(0, &line, 100);
}

inline void loadBinary(Host &)
{
    CuiLoadBinary(0, 0, nullptr, 0, "1 elf ELF image\n");
}

inline void loadImage(Host &)
{
    char name[256], sections[256], arguments[256], offset[256];
    int32_t symbols = 0, replace = 0, pc = 0;
    CuiLoadImage(0, "Load", sizeof name, name, "Images [*.elf]", nullptr, 1, &symbols, &replace,
                 &pc, sizeof sections, sections, sizeof arguments, arguments, sizeof offset,
                 offset);
}

inline void messagePrompt(Host &)
{
    CuiMessagePrompt(0, "Caption", "Text", 2, CUI_MB_OK | CUI_MB_DEFAULT,
                     CUI_MB_CANCEL | CUI_MB_ESCAPE, 0);
}

inline void simpleAbout(Host &)
{
    CuiSimpleAbout("build", "copyright", nullptr, "more");
}

inline void simpleDir(Host &)
{
    char buffer[4096];
    CuiSimpleDir(0, "Folder", nullptr, sizeof buffer, buffer);
}

inline void simpleEntry(Host &)
{
    char buffer[64] = "";
    CuiSimpleEntry(0, "Caption", "Message", "value", buffer, sizeof buffer, nullptr, 0);
}

inline void simpleEntryDouble(Host &)
{
    double value = 0;
    CuiSimpleEntryDouble(0, "Caption", "Label", 1.5, 2, 0, 10, &value);
}

inline void simpleEntryInteger(Host &)
{
    int32_t value = 0;
    CuiSimpleEntryInteger(0, "Caption", "Label", 5, 1, 0, 10, &value);
}

inline void simpleEntryPD(Host &)
{
    char buffer[64] = "";
    CuiSimpleEntryPD(0, "Caption", "Message", "value", buffer, sizeof buffer, nullptr, 0);
}

inline void simpleError(Host &)
{
    CuiSimpleError(0, "Caption", "Text");
}

inline void simpleFile(Host &)
{
    const char *result = nullptr;
    CuiSimpleFileExtraMultipleEx(0, "Open", &result, "All [*]", nullptr, 0, 0, 0);
}

inline void simpleInfo(Host &)
{
    CuiSimpleInfo(0, "Caption", "Text");
}

inline void simpleList(Host &)
{
    int32_t positions[4] = {}, count = 0;
    CuiSimpleList(0, "Caption", "Pick", "one\ntwo", positions, 4, &count, 0, 0);
}

inline void simplePrompt(Host &)
{
    CuiSimplePrompt(0, "Caption", "Text");
}

inline void simpleWarning(Host &)
{
    CuiSimpleWarning(0, "Caption", "Text");
}

inline void simpleWarningCancel(Host &)
{
    CuiSimpleWarningCancel(0, "Caption", "Text");
}

inline void help(Host &)
{
    const TeskHelpEntry map[] = {{1, "missing.htm"}, {-1, nullptr}};
    QtRegisterHelp(map, 4242);
    QtHelp(1, 4242);
    QtDeregisterHelp(4242);
}

inline void helpDesc(Host &)
{
    char text[256] = "see item 120;";
    char *pointer = text;
    int32_t id = 0;
    QtHelpDesc(&id, &pointer, sizeof text);
}

inline void popContextMenu(Host &)
{
    QtPopContextMenu(&contextItem, menuDefinition());
}

inline void popContextMenuEx(Host &)
{
    QtPopContextMenuEx(0, &contextItem, menuDefinition());
}

inline void qsdiExec(Host &)
{
    QSDIDescription *d = qsdi(QSDI_MODE_MODAL, &qsdiCallback, nullptr);
    QtQSDIExecDialog(d);
    QtQSDIDeleteDialog(d);
}

inline void fillMemory(Host &)
{
    uint32_t start = 0, end = 0x100, target = 0;
    int length = 0, endGiven = 0, size = 0;
    char text[64] = "0";
    char *expression = text;
    CuiFillMemoryDialog(nullptr, start, end, length, expression, endGiven, size, target);
}

inline void fillMemoryC(Host &)
{
    uint32_t start = 0, end = 0x100, target = 0;
    int length = 0, endGiven = 0, size = 0;
    char text[64] = "0";
    char *expression = text;
    CuiFillMemoryDialogC(nullptr, &start, &end, &length, &expression, &endGiven, &size, &target);
}

// Loops the user opens by input on a pane or view.

inline void tabMenu(Host &h)
{
    if (DockWidget *dock = windBox(h))
        if (auto *tabs = dock->findChild<CuiKSOPaneTabBar *>()) {
            QTest::mouseClick(tabs, Qt::RightButton, {}, tabs->tabRect(1).center());
            Host::pump();
        }
}

inline void dataNavFilterKey(Host &h)
{
    if (DataNav *pane = dataNav(h))
        QTest::keyClick(pane->findChild<QLineEdit *>(), Qt::Key_F2);
}

inline void dataNavListMenu(Host &h)
{
    if (DataNav *pane = dataNav(h))
        for (DataNavListBase *list : pane->findChildren<DataNavListBase *>())
            if (list->isVisible() && !h.acted())
                contextMenuAt(list->viewport(), list->visualRect(list->currentIndex()).center());
}

inline void viewTabMenu(Host &h)
{
    if (KPaneTabBar *tabs = paneTabs(memoryView(h)))
        contextMenuAt(tabs, tabs->tabRect(0).center());
}

inline void memoryDataMenu(Host &h)
{
    contextMenuAt(dataCells(memoryView(h)), {5, 5});
}

inline void memoryFillFromMenu(Host &h)
{
    if (QWidget *cells = dataCells(memoryView(h))) {
        chooseInMenu(h, "Fill Memory...");
        contextMenuAt(cells, {5, 5});
    }
}

inline void memoryWideBinary(Host &h)
{
    if (KViewMemory *view = memoryView(h)) {
        const auto combo = [view](const char *name) {
            return view->findChild<QComboBox *>(QLatin1String(name));
        };
        chooseItem(combo("listSizes"), 4);
        chooseItem(combo("listFormats"), 3);
        chooseItem(combo("listColumns"), 16);
        Host::pump();
    }
}

inline void registersMenu(Host &h)
{
    if (RegPane *pane = regPane(h))
        for (RegView *view : pane->findChildren<RegView *>())
            if (!h.acted())
                contextMenuAt(view->viewport(), {5, 5});
}

// The register's value edited in place: a click selects it, F2 opens the editor.
inline void registerEditor(Host &h)
{
    RegPane *pane = regPane(h);
    if (!pane)
        return;
    pane->resize(400, 200);
    pane->show();
    Host::pump();
    RegView *view = pane->currentView();
    const QList<RegItem *> items = view ? view->items() : QList<RegItem *>();
    if (items.isEmpty())
        return;
    const QPoint name = items.first()->geometry().topLeft() + QPoint(RegItem::nameX() + 2, 4);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->contentsToViewport(name));
    QTest::keyClick(view, Qt::Key_F2);
}

// The first byte of the data edited in place: a click on it, then Return.
inline void openMemoryEditor(KViewMemory *view)
{
    if (QWidget *cells = dataCells(view)) {
        QTest::mouseClick(cells, Qt::LeftButton, {}, {5, 5});
        if (view->dataTable())
            QTest::keyClick(view->dataTable(), Qt::Key_Return);
    }
}

inline void memoryEditor(Host &h)
{
    openMemoryEditor(memoryView(h));
}

// A new value typed while the view moves on to other memory: the edit is dropped with a
// warning, which the run acts in.
inline void memoryDroppedEdit(Host &h)
{
    KViewMemory *view = memoryView(h);
    if (!view)
        return;
    h.inLoop([view = QPointer<KViewMemory>(view)](QWidget *editor) {
        auto *edit = editor ? editor->findChild<QLineEdit *>() : nullptr;
        if (!edit || !view)
            return;
        const uint8_t shown = SimulatedTarget::patternByte(1, 0x100);
        edit->setText(QStringLiteral("0x%1").arg(uint8_t(shown ^ 0xff), 2, 16, QLatin1Char('0')));
        view->setStartAddress(QStringLiteral("0x200"), false);
        QTest::keyClick(edit, Qt::Key_Return);
    });
    openMemoryEditor(view);
}

// The fill dialog from the view's menu, told to fill without an expression: its error box is
// the loop the run acts in.
inline void memoryFillError(Host &h)
{
    QWidget *cells = dataCells(memoryView(h));
    if (!cells)
        return;
    h.inLoop([&h](QWidget *widget) {
        auto *menu = qobject_cast<QMenu *>(widget);
        for (QAction *action : menu ? menu->actions() : QList<QAction *>()) {
            if (action->text() != QLatin1String("Fill Memory...") || !action->isEnabled())
                continue;
            h.inLoop([](QWidget *dialog) {
                auto *expression =
                    dialog ? dialog->findChild<QLineEdit *>(QStringLiteral("lineeditExpression_"))
                           : nullptr;
                auto *ok = dialog ? dialog->findChild<QPushButton *>(QStringLiteral("buttonOk_"))
                                  : nullptr;
                if (!expression || !ok)
                    return;
                expression->clear();
                QTest::mouseClick(ok, Qt::LeftButton);
            });
            menu->setActiveAction(action);
            QTest::keyClick(menu, Qt::Key_Return);
            return;
        }
    });
    contextMenuAt(cells, {5, 5});
}

// Why a loops line has no driver of its own.
inline constexpr const char *kRunsDoModal = "its plain-sweep line runs CuiDoModal";

} // namespace drive

inline const std::vector<Line> &loopsTable()
{
    using namespace drive;
    static const std::vector<Line> table = {
        {"CuiCorvasimConfigDlgSetRealtimeClock", nullptr, kRunsDoModal},
        {"CuiDialogExec", &moduleFilterExec},
        {"CuiDoModal", &breakpointModal},
        {"CuiDoModal", &clockModal},
        {"CuiDoModal", &moduleFilterModal},
        {"CuiDoModal", &loadMemoryModal},
        {"CuiDoModal", &memoryOperationsModal},
        {"CuiDoModal", &searchPathModal},
        {"CuiFunctionListBreakpointDialog", &functionListBreakpoint},
        {"CuiGetSourceLocation", &sourceLocation},
        {"CuiGetUserInformation", &userInformation},
        {"CuiGotoLineDialog", &gotoLine},
        {"CuiLoadBinary", &loadBinary},
        {"CuiLoadImage", &loadImage},
        {"CuiLoadMemoryDlgGetCommand", nullptr, kRunsDoModal},
        {"CuiMemoryOperationsDlgSetFileTypeList", nullptr, kRunsDoModal},
        {"CuiMessagePrompt", &messagePrompt},
        {"CuiSimpleAbout", &simpleAbout},
        {"CuiSimpleDir", &simpleDir},
        {"CuiSimpleEntry", &simpleEntry},
        {"CuiSimpleEntryDouble", &simpleEntryDouble},
        {"CuiSimpleEntryInteger", &simpleEntryInteger},
        {"CuiSimpleEntryPD", &simpleEntryPD},
        {"CuiSimpleError", &simpleError},
        {"CuiSimpleFileExtraMultipleEx", &simpleFile},
        {"CuiSimpleInfo", &simpleInfo},
        {"CuiSimpleList", &simpleList},
        {"CuiSimplePrompt", &simplePrompt},
        {"CuiSimpleWarning", &simpleWarning},
        {"CuiSimpleWarningCancel", &simpleWarningCancel},
        {"QtHelp", &help},
        {"QtHelpDesc", &helpDesc},
        {"QtPopContextMenu", &popContextMenu},
        {"QtPopContextMenuEx", &popContextMenuEx},
        {"QtQSDIExecDialog", &qsdiExec},
        {"_Z19CuiFillMemoryDialogPvRjS0_RiRPcS1_S1_S0_", &fillMemory},
        {"CuiFillMemoryDialogC", &fillMemoryC},
        // Loops the user opens by input on a pane or view: the class the input lands on.
        {"CuiKSOPane", &tabMenu, nullptr, "a right click on a tab"},
        {"DataNav", &dataNavFilterKey, nullptr, "F2 in the filter"},
        {"DataNavListBase", &dataNavListMenu, nullptr, "a right click on the list"},
        {"KPaneTabBar", &viewTabMenu, nullptr, "a right click on the view's tab"},
        {"KViewMemory", &memoryDataMenu, nullptr, "a right click on the data"},
        {"KViewMemory", &memoryFillFromMenu, nullptr, "Fill Memory... in its menu"},
        {"KViewMemory", &memoryWideBinary, nullptr, "binary eight-byte data in sixteen columns"},
        {"RegView", &registersMenu, nullptr, "a right click on the registers"},
        {"RegView", &registerEditor, nullptr, "F2 on a register: its in-place editor"},
        {"KViewMemory", &memoryEditor, nullptr, "Return on a byte: its in-place editor"},
        {"KViewMemory", &memoryDroppedEdit, nullptr,
         "a value typed while the view moved on: the dropped-edit warning"},
        {"KViewMemory", &memoryFillError, nullptr,
         "Fill Memory... without an expression: the fill dialog's error box"},
    };
    return table;
}

} // namespace hostile::reenter
