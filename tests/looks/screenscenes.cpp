#include "screenscenes.h"

#include "hostile/exporttable.h"
#include "hostile/reentertable.h"
#include "registerrecords.h"
#include "regpanehost.h"
#include "testhost.h"

#include "frame/core/combobox.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"
#include "frame/windows/toolbars/findtoolbar.h"
#include "gui_components/gc_panes/memoryview/viewmemory.h"
#include "gui_components/gc_panes/memoryview/viewmemorydata.h"
#include "registers/regview.h"

#include <tesk/tesk.h>

#include <QScrollBar>

#include <cstdio>

namespace looks {

namespace reenter = hostile::reenter;

namespace {

constexpr int kRegisters = 200;
constexpr int kRegisterSet = 83;
// Rows a docked memory view shows at least: eight where the window has room; on a 600 px
// screen the toolbars take three lines and the code area keeps its share.
constexpr int kMemoryRows = 8;
constexpr int kMemoryRowsSmall = 5;

void noSize(TeskHandle, int *, int) {}

// A register pane of 200 registers whose values are 32 bits wide, as a core's full set.
TeskHandle registerPane(testhost::RegPaneHost &host)
{
    const TeskHandle pane = CuiRegPaneCreate(&testhost::RegPaneHost::handler);
    CuiRegPaneAttach(pane, host.context());
    host.dataSet = kRegisterSet;
    CuiRegPaneDataCreate(kRegisterSet);
    RegDataRecord view = tesk::host::viewRecord("Core");
    CuiRegPaneDataAdd(kRegisterSet, &view);
    host.lines.clear();
    char name[24];
    for (int i = 0; i < kRegisters; ++i) {
        std::snprintf(name, sizeof name, "PMEVTYPER%d_EL0", i);
        RegDataRecord r = tesk::host::registerRecord(name, 0, int16_t(i), 0, 8, 0);
        r.hostWord = uintptr_t(i);
        CuiRegPaneDataAdd(kRegisterSet, &r);
        host.lines.push_back("8000a5c" + std::to_string(i % 10));
    }
    CuiRegPaneDataSet(kRegisterSet, pane, "arm", nullptr, "looks");
    host.send();
    return pane;
}

} // namespace

void usualDocks(Inspector &inspector, Faults &faults, const Setting &setting)
{
    static testhost::RegPaneHost registers;
    testhost::WindBoxHost &boxes = testhost::WindBoxHost::instance();
    boxes.clear();
    boxes.publish();
    KSOWindBox::resetTables();
    const TeskHandle context = 0x7c00;
    QtCreateNewCode(1);
    CuiFrameRecord record{1, 0, 3, 77};
    QtFrameCreate("Usual docks", context, &record);
    QtResizePosWindow(context, 0, 0, setting.size.width(), setting.size.height());
    QtFrameShow();
    MainWindow *window = Store::instance()->findMainWindowByHandle(context);
    if (!window) {
        faults.add(QStringLiteral("usual docks"), QString(), QStringLiteral("has no window"));
        return;
    }
    QtCreateEditorToolBar(context, &reenter::drive::findToolBar);
    CuiScriptToolBarCreate(context, &reenter::drive::scriptToolBar);

    QtCreateDocked(0, 0);
    QtWindowCreate("Registers", &reenter::drive::codeCallback, 0x7c01);
    const TeskHandle regPane = registerPane(registers);
    QtCreateDocked(0, 0);
    CuiWindowCreateQtPane("Register Pane", reinterpret_cast<void *>(regPane),
                          &reenter::drive::codeCallback, 0x7c02);
    IGcp_ViewsManager *manager =
        reenter::drive::component<IGcp_ViewsManager>(GCP_CATEGORY, GCP_VIEWS_MANAGER_COMPONENT);
    testhost::EventSubjectHost::instance().setCurrent(1, 1);
    uint64_t views[2] = {GC_NO_ID, GC_NO_ID};
    for (uint64_t &id : views) {
        QtCreateDocked(1, 0);
        if (manager)
            mosk::release(manager->ops->createViewInNewPane(manager, GCP_VIEW_TYPE_MEMORY, 1, &id));
    }
    const TeskHandle navigator = CuiDataNavCreate();
    QtCreateDocked(1, 0);
    CuiWindowCreateQtPane("Symbols", reinterpret_cast<void *>(navigator),
                          &reenter::drive::codeCallback, 0x7c03);
    QtCreateDocked(1, 0);
    QtWindowCreate("Output", &reenter::drive::codeCallback, 0x7c04);
    testhost::settle();

    const QString name = QStringLiteral("usual docks");
    inspector.window(window, name);
    inspector.docks(window, name);
    for (const RegView *view : window->findChildren<RegView *>()) {
        const QScrollBar *bar = view->horizontalScrollBar();
        if (view->isVisible() && bar->isVisible() && bar->maximum() > 0)
            faults.add(name, describe(view),
                       QStringLiteral("cuts its register values (%1 px for a %2 px cell)")
                           .arg(view->viewport()->width())
                           .arg(view->cellWidth()));
    }
    for (const KViewMemory *view : window->findChildren<KViewMemory *>()) {
        const KViewMemoryData *table = view->dataTable();
        if (!view->isVisible() || !table)
            continue;
        const int rows = table->viewport()->height() / qMax(1, table->rowHeight(0));
        const int least = setting.size.height() >= 800 ? kMemoryRows : kMemoryRowsSmall;
        if (rows < least)
            faults.add(name, describe(view),
                       QStringLiteral("shows %1 memory rows, fewer than %2").arg(rows).arg(least));
    }

    for (const uint64_t id : views)
        if (id != GC_NO_ID)
            if (auto *view =
                    qobject_cast<KViewMemory *>(CGcp_ViewsManager::instance()->viewWidget(id)))
                CGcp_ViewsManager::instance()->removePane(view->paneId());
    if (manager)
        manager->ops->Release(manager);
    CuiDataNavDestroy(navigator);
    CuiRegPaneDelete(regPane);
    CuiRegPaneDataDelete(kRegisterSet, 0);
    QtCloseCode(context);
    testhost::settle();
    boxes.withdraw();
    KSOWindBox::resetTables();
}

void windowsAsTheyOpen(Inspector &inspector, Faults &faults, const Setting &setting)
{
    (void)setting;
    // The host gives these no size: they open at one of their own.
    TeskHandle context = 0x7d00;
    for (const char *kind : {"Analysis", "Settings Window"}) {
        QtCreateNewCode(1);
        CuiFrameRecord record{1, 0, 3, 77};
        QtFrameCreate(kind, ++context, &record);
        QtFrameShow();
        testhost::settle();
        MainWindow *window = Store::instance()->findMainWindowByHandle(context);
        const QString name = QString::fromLatin1(kind) + QStringLiteral(" as it opens");
        if (window && window->centralWidget()) {
            inspector.window(window, name);
            // Room for a pane's tabs and a few lines of text at least.
            const QWidget *central = window->centralWidget();
            const int line = central->fontMetrics().height();
            if (central->width() < 40 * central->fontMetrics().averageCharWidth() ||
                central->height() < 10 * line)
                faults.add(name, describe(central),
                           QStringLiteral("has no room for its content (%1x%2)")
                               .arg(central->width())
                               .arg(central->height()));
        }
        QtCloseCode(context);
        testhost::settle();
    }

    // The find and script toolbars made in a window of the screen's width, then the window
    // narrowed: the toolbars' lines are chosen again, and no field goes behind an arrow.
    QtCreateNewCode(1);
    CuiFrameRecord wide{1, 1, 2, 77};
    QtFrameCreate("Narrowed", ++context, &wide);
    QtResizePosWindow(context, 0, 0, setting.size.width(), setting.size.height());
    QtFrameShow();
    QtCreateEditorToolBar(context, &reenter::drive::findToolBar);
    CuiScriptToolBarCreate(context, &reenter::drive::scriptToolBar);
    testhost::settle();
    if (MainWindow *window = Store::instance()->findMainWindowByHandle(context)) {
        for (const int width : {800, setting.size.width()}) {
            QtResizePosWindow(context, 0, 0, width, setting.size.height());
            testhost::settle();
            inspector.window(window, QStringLiteral("main window narrowed to %1 px").arg(width));
        }
    }
    QtCloseCode(context);
    testhost::settle();

    // A top-level window with its find toolbar, a file name and a state, at its own size.
    const TeskHandle top = QtTopLevelCreate(0x7d10, &noSize, 0x7d10);
    QMainWindow *window = Store::currentTopLevelWindow();
    if (!top || !window) {
        faults.add(QStringLiteral("top-level window"), QString(), QStringLiteral("has no window"));
        return;
    }
    const TeskHandle handle = top;
    QtCreateEditorToolBar(handle, &reenter::drive::findToolBar);
    window->show();
    CuiFindToolbarSetFilename(handle, "/home/user/projects/board/src/startup_sequence.c");
    QtSetEditorBarIcon(handle, FindToolBar::FileStateKind, "readonly");
    testhost::settle();
    const QString name = QStringLiteral("top-level window with its find toolbar");
    inspector.window(window, name);
    auto *find = window->findChild<FindToolBar *>();
    if (find) {
        window->activateWindow();
        QtSetEditorBarFocusText(handle);
        testhost::settle();
        inspector.focus(window, find->findField(), name, "QtSetEditorBarFocusText");
        QtSetEditorBarFocusLine(handle);
        testhost::settle();
        inspector.focus(window, find->lineField(), name, "QtSetEditorBarFocusLine");
    }
    window->close();
    testhost::settle();
}

} // namespace looks
