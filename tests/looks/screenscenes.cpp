#include "screenscenes.h"

#include "frames.h"

#include "hostile/exporttable.h"
#include "hostile/reentertable.h"
#include "registerrecords.h"
#include "regpanehost.h"

#include "frame/core/combobox.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/docking/layoutrecords.h"
#include "gui_components/gc_panes/memoryview/viewmemorydata.h"
#include "registers/regview.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <qpa/qwindowsysteminterface.h>

namespace looks {

namespace {

namespace drive = hostile::reenter::drive;

void noSize(TeskHandle, int *, int) {}

// A main window made, sized (when a size is given) and shown as a host does.
MainWindow *frame(const char *name, TeskHandle context, QSize size)
{
    QtCreateNewCode(1);
    CuiFrameRecord record{1, 0, 3, 77};
    QtFrameCreate(name, context, &record);
    if (size.isValid())
        QtResizePosWindow(context, 0, 0, size.width(), size.height());
    QtFrameShow();
    return Store::instance()->findMainWindowByHandle(context);
}

// A register pane of 200 registers with long names and 32-bit values, as a core's full set.
TeskHandle registerPane(testhost::RegPaneHost &host)
{
    host.dataSet = 83;
    CuiRegPaneDataCreate(83);
    RegDataRecord view = tesk::host::viewRecord("Core");
    CuiRegPaneDataAdd(83, &view);
    host.lines.clear();
    for (int i = 0; i < 200; ++i) {
        const std::string name = "PMEVTYPER" + std::to_string(i) + "_EL0";
        RegDataRecord r = tesk::host::registerRecord(name.c_str(), 0, int16_t(i), 0, 8, 0);
        CuiRegPaneDataAdd(83, &r);
        host.lines.push_back("8000a5c" + std::to_string(i % 10));
    }
    const TeskHandle pane = CuiRegPaneCreate(&testhost::RegPaneHost::handler);
    CuiRegPaneAttach(pane, host.context());
    CuiRegPaneDataSet(83, pane, "arm", nullptr, "looks");
    host.send();
    return pane;
}

} // namespace

void usualDocks(Inspector &inspector, Faults &faults, const Setting &setting)
{
    static testhost::RegPaneHost registers;
    testhost::WindBoxHost::instance().publish();
    const QString name = QStringLiteral("usual docks");
    MainWindow *window = frame("Usual docks", 0x7c00, setting.size);
    QtCreateEditorToolBar(0x7c00, &drive::findToolBar);
    CuiScriptToolBarCreate(0x7c00, &drive::scriptToolBar);
    QtCreateDocked(0, 0);
    QtWindowCreate("Registers", &drive::codeCallback, 0x7c01);
    const TeskHandle regPane = registerPane(registers);
    QtCreateDocked(0, 0);
    CuiWindowCreateQtPane("Register Pane", reinterpret_cast<void *>(regPane), &drive::codeCallback,
                          0x7c02);
    auto *views = drive::component<IGcp_ViewsManager>(GCP_CATEGORY, GCP_VIEWS_MANAGER_COMPONENT);
    uint64_t id = 0;
    for (int i = 0; i < 2 && views; ++i) {
        QtCreateDocked(1, 0);
        mosk::release(views->ops->createViewInNewPane(views, GCP_VIEW_TYPE_MEMORY, 1, &id));
    }
    const TeskHandle navigator = CuiDataNavCreate();
    QtCreateDocked(1, 0);
    CuiWindowCreateQtPane("Symbols", reinterpret_cast<void *>(navigator), &drive::codeCallback,
                          0x7c03);
    QtCreateDocked(1, 0);
    QtWindowCreate("Output", &drive::codeCallback, 0x7c04);
    testhost::settle();

    inspector.window(window, name);
    inspector.docks(window, name);
    for (const RegView *view : window->findChildren<RegView *>())
        if (view->isVisible() && view->horizontalScrollBar()->maximum() > 0)
            faults.add(name, describe(view), QStringLiteral("cuts its register values"));
    // Eight rows where the window has room; on a 600 px screen the toolbars take three lines
    // and the window's frame stands within the screen too.
    const int least = setting.size.height() >= 800 ? 8 : 4;
    for (KViewMemory *view : window->findChildren<KViewMemory *>()) {
        const KViewMemoryData *table = view->dataTable();
        const int rows = table->viewport()->height() / qMax(1, table->rowHeight(0));
        if (rows < least)
            faults.add(name, describe(view), QStringLiteral("shows only %1 rows").arg(rows));
        CGcp_ViewsManager::instance()->removePane(view->paneId());
    }
    if (views)
        views->ops->Release(views);
    CuiDataNavDestroy(navigator);
    CuiRegPaneDelete(regPane);
    CuiRegPaneDataDelete(83, 0);
    QtCloseCode(0x7c00);
    testhost::settle();
    testhost::WindBoxHost::instance().withdraw();
}

void windowsAsTheyOpen(Inspector &inspector, Faults &faults, const Setting &setting)
{
    // The host gives these no size: they must open with room for a pane.
    TeskHandle context = 0x7d00;
    for (const char *kind : {"Analysis", "Settings Window"}) {
        const QString name = QString::fromLatin1(kind) + QStringLiteral(" as it opens");
        MainWindow *window = frame(kind, ++context, QSize());
        testhost::settle();
        inspector.window(window, name);
        const QWidget *central = window->centralWidget();
        const QFontMetrics metrics = central->fontMetrics();
        if (central->width() < 40 * metrics.averageCharWidth() ||
            central->height() < 10 * metrics.height())
            faults.add(name, describe(central), QStringLiteral("has no room for its content"));
        QtCloseCode(context);
    }

    // Editor toolbars made in a window of the screen's width, then the window narrowed.
    MainWindow *window = frame("Narrowed", ++context, setting.size);
    QtCreateEditorToolBar(context, &drive::findToolBar);
    CuiScriptToolBarCreate(context, &drive::scriptToolBar);
    for (const int width : {800, setting.size.width()}) {
        QtResizePosWindow(context, 0, 0, width, setting.size.height());
        testhost::settle();
        inspector.window(window, QStringLiteral("main window narrowed to %1 px").arg(width));
    }
    QtCloseCode(context);

    // A top-level window at its own size with its find toolbar, a file name and a state, filled
    // before the window shows, as a host does.
    const TeskHandle top = QtTopLevelCreate(0x7d10, &noSize, 0x7d10);
    QMainWindow *topWindow = Store::currentTopLevelWindow();
    QtCreateEditorToolBar(top, &drive::findToolBar);
    CuiFindToolbarSetFilename(top, "/home/user/projects/board/src/startup_sequence.c");
    QtSetEditorBarIcon(top, FindToolBar::FileStateKind, "readonly");
    topWindow->show();
    testhost::settle();
    const QString name = QStringLiteral("top-level window with its find toolbar");
    inspector.window(topWindow, name);
    auto *find = topWindow->findChild<FindToolBar *>();
    topWindow->activateWindow();
    QtSetEditorBarFocusText(top);
    inspector.focus(topWindow, find->findField(), name, "QtSetEditorBarFocusText");
    QtSetEditorBarFocusLine(top);
    inspector.focus(topWindow, find->lineField(), name, "QtSetEditorBarFocusLine");
    topWindow->close();
    testhost::settle();
}

void freeArea(Inspector &inspector, Faults &faults, const Setting &setting)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const QRect whole = screen->geometry();
    // The toolkit's own screen has no panel: the desktop's is told as a window system tells it.
    const auto setFree = [screen, whole](const QRect &free) {
        QWindowSystemInterface::handleScreenGeometryChange(screen, whole, free);
        QWindowSystemInterface::flushWindowSystemEvents();
    };
    const struct
    {
        const char *name;
        QRect free;
        QSize asked;
    } scenes[] = {
        {"main window asked larger than the screen", whole, setting.size + QSize(256, 200)},
        {"main window above a panel", whole.adjusted(0, 0, 0, -28), setting.size},
        {"main window below a panel", whole.adjusted(0, 28, 0, 0), setting.size},
    };
    TeskHandle context = 0x7e00;
    for (const auto &scene : scenes) {
        const QString name = QString::fromLatin1(scene.name);
        setFree(scene.free);
        MainWindow *window = frame("Free area", ++context, scene.asked);
        testhost::settle();
        inspector.window(window, name);
        const QStatusBar *status = window->statusBar();
        if (!scene.free.contains(QRect(status->mapToGlobal(QPoint()), status->size())))
            faults.add(name, describe(status), QStringLiteral("lies outside the free area"));
        QtCloseCode(context);
        testhost::settle();
    }
    setFree(whole);
}

namespace {

QString sizeText(QSize size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

} // namespace

void layoutAgain(Inspector &inspector, Faults &faults, const Setting &setting)
{
    struct Kept
    {
        QByteArray name;
        QByteArray record;
    };
    const struct
    {
        const char *name;
        int area;
        int newLine;
    } panes[] = {{"Watch", 0, 0},  {"Log", 0, 0},   {"Stack", 0, 1},
                 {"Output", 1, 0}, {"Trace", 1, 0}, {"Disasm", 1, 0}};
    QList<Kept> kept;
    {
        const TeskHandle context = 0x7f00;
        MainWindow *window = frame("Layout", context, setting.size);
        TeskHandle box = context;
        for (const auto &pane : panes) {
            QtCreateDocked(pane.area, pane.newLine);
            QtWindowCreate(pane.name, &drive::codeCallback, ++box);
        }
        testhost::settle();
        // The host sizes one window through its box, the user drags the bottom area higher,
        // then one more window joins it.
        QtResizePosWindow(context + 5, 0, 0, setting.size.width() / 3, 150);
        DockWidget *output = window->findDockWidgetByBox(context + 4);
        testhost::dragOnWindow(window, testhost::separatorBefore(window, output), QPoint(0, -60));
        const int dragged = output->height();
        QtCreateDocked(1, 0);
        QtWindowCreate("Joined", &drive::codeCallback, context + 7);
        testhost::settle();
        const QString name = QStringLiteral("dock joining a dragged area");
        inspector.window(window, name);
        inspector.docks(window, name);
        if (qAbs(output->height() - dragged) > 2)
            faults.add(
                name, describe(output),
                QStringLiteral("is %1 px high, dragged to %2").arg(output->height()).arg(dragged));
        QtSortWindowList(context);
        char record[tesk::frame::kLayoutRecordSize];
        for (int i = 0; i < QtDockWindowCount(context); ++i) {
            CuiGetDockWindowPersistanceData(context, i, record);
            kept.append({QtReturnKSOTitle(context, i), record});
        }
        QtCloseCode(context);
        testhost::settle();
    }
    // The next run: the records given back before the windows are made, then the show.
    const TeskHandle context = 0x7f10;
    QtCreateNewCode(1);
    CuiFrameRecord frameRecord{1, 0, 3, 77};
    QtFrameCreate("Layout again", context, &frameRecord);
    QtResizePosWindow(context, 0, 0, setting.size.width(), setting.size.height());
    TeskHandle box = context;
    for (const Kept &k : kept) {
        CuiSetDockWindowPersistanceData(context, k.record.constData());
        QtWindowCreate(k.name.constData(), &drive::codeCallback, ++box);
    }
    QtFrameShow();
    testhost::settle();
    MainWindow *window = Store::instance()->findMainWindowByHandle(context);
    const QString name = QStringLiteral("layout restored from its records");
    inspector.window(window, name);
    inspector.docks(window, name);
    box = context;
    for (const Kept &k : kept) {
        const DockWidget *dock = window->findDockWidgetByBox(++box);
        const QList<QByteArray> fields = k.record.split(':');
        const QSize left(fields.value(6).toInt(), fields.value(7).toInt());
        if (dock &&
            (qAbs(dock->width() - left.width()) > 4 || qAbs(dock->height() - left.height()) > 4))
            faults.add(name, describe(dock),
                       QStringLiteral("came back at %1, left at %2")
                           .arg(sizeText(dock->size()), sizeText(left)));
    }
    QtCloseCode(context);
    testhost::settle();
}

} // namespace looks
