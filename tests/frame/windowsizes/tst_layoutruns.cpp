// A layout the user leaves in one run and gets back in the next. A first process makes a
// debugger's docks and toolbars, takes the user's changes (a drag, sizes the host gives dock
// boxes, a toolbar moved to a new row, one torn off, one hidden, a memory view left at an
// address on each of two targets) and writes the records as a host keeps them when it ends;
// this process restores them as a host does when it starts.
#include "gc_panes/views/viewstest.h"

#include "frame/core/usettings.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/docking/layoutrecords.h"
#include "gui_components/gc_panes/memoryview/viewmemory.h"
#include "gui_components/gc_panes/views/cgcp_viewsmanager.h"

#include <tesk/tesk_toolbars.h>
#include <tesk/tesk_views.h>
#include <tesk/tesk_window.h>

#include <mosk/mosk.hpp>

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolBar>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

void paneCallback(TeskHandle, int *, int) {}
void onFind(TeskHandle, const void *, int, int) {}
void onScript(TeskHandle, const char *) {}

constexpr TeskHandle kWindow = 1;
constexpr int kSlack = 4;
const char kRunFile[] = "TESK_LAYOUT_RUN_FILE";
const char kOtherTarget[] = "Other target";

// A pane whose wish grows once the host fills it.
class AskingPane : public QWidget
{
public:
    QSize wish{60, 60};
    QSize sizeHint() const override { return wish; }
};

struct Pane
{
    const char *name;
    TeskHandle box;
    int area; // as QtCreateDocked takes it: 0 right, 1 bottom
    int newLine;
};

// Two lines on the right, four windows along the bottom; the second of them fills later.
const Pane kPanes[] = {{"Watch", 10, 0, 0},  {"Log", 11, 0, 0},       {"Stack", 12, 0, 1},
                       {"Output", 20, 1, 0}, {"Registers", 21, 1, 0}, {"Trace", 22, 1, 0},
                       {"Disasm", 23, 1, 0}};

AskingPane *g_asking = nullptr;

DockWidget *dockOf(TeskHandle box)
{
    return Store::currentMainWindow()->findDockWidgetByBox(box);
}

void open(const Pane &pane)
{
    if (pane.box == 21) {
        g_asking = new AskingPane;
        Store::currentMainWindow()->createDockWidget(pane.name, g_asking, &paneCallback, pane.box);
    } else {
        QtWindowCreate(pane.name, &paneCallback, pane.box);
    }
}

MainWindow *mainWindow()
{
    QtCreateNewCode(1);
    CuiFrameRecord record{1, 0, 3, 77};
    QtFrameCreate("Debugger", kWindow, &record);
    QtResizePosWindow(kWindow, 0, 0, 1280, 800);
    QtCreateEditorToolBar(kWindow, &onFind);
    CuiScriptToolBarCreate(kWindow, &onScript);
    return Store::currentMainWindow();
}

IGcp_ViewsManager *viewsManager()
{
    SimulatedTarget::registerWithBroker();
    MoskBroker *broker = moskGetObjectBroker();
    void *object = nullptr;
    mosk::release(
        broker->ops->getComponent(broker, GCP_CATEGORY, GCP_VIEWS_MANAGER_COMPONENT, &object));
    return static_cast<IGcp_ViewsManager *>(object);
}

// A memory view the views manager docks at the end of the bottom line, from the settings a
// host stored of it.
KViewMemory *openMemoryView(IGcp_ViewsManager *views, const char *settings = nullptr)
{
    uint64_t id = 0;
    mosk::release(views->ops->createView(views, GC_NO_ID, GCP_VIEW_TYPE_MEMORY, settings, 0, &id));
    testhost::settle();
    return viewstest::memoryView(id);
}

DockWidget *dockOf(const KViewMemory *view)
{
    return view ? tesk::frame::dockHolding(const_cast<KViewMemory *>(view)) : nullptr;
}

// The start address a memory view's settings keep for the target of that name.
std::string storedAddress(const std::string &settings, const std::string &target)
{
    usettings::KUniversalSettings group;
    if (!usettings::settingsFromString(group, settings))
        return "unreadable";
    for (int i = 0; !group.getString("TargetName_" + std::to_string(i)).empty(); ++i)
        if (group.getString("TargetName_" + std::to_string(i)) == target)
            return group.getString("TargetAddress_" + std::to_string(i));
    return "none";
}

QList<QByteArray> fields(const QByteArray &record)
{
    return record.split(':');
}

QToolBar *toolbar(MainWindow *window, const QString &title)
{
    for (QToolBar *bar : window->findChildren<QToolBar *>())
        if (bar->windowTitle() == title)
            return bar;
    return nullptr;
}

// The docked toolbars the window shows, row by row from the top and each row from the left,
// then the torn-off ones: what the user sees, not what the records say.
QList<QList<QToolBar *>> shownRows(MainWindow *window, QList<QToolBar *> *tornOff = nullptr)
{
    QMap<int, QMap<int, QToolBar *>> rows;
    for (QToolBar *bar : window->findChildren<QToolBar *>()) {
        if (!bar->isVisible() || bar->windowTitle().isEmpty())
            continue;
        if (bar->isFloating()) {
            if (tornOff)
                tornOff->append(bar);
        } else {
            rows[bar->y()].insert(bar->x(), bar);
        }
    }
    QList<QList<QToolBar *>> shown;
    for (const QMap<int, QToolBar *> &row : std::as_const(rows))
        shown.append(row.values());
    return shown;
}

QByteArray shownText(MainWindow *window)
{
    QList<QToolBar *> tornOff;
    QByteArray text;
    for (const QList<QToolBar *> &row : shownRows(window, &tornOff)) {
        for (const QToolBar *bar : row)
            text += bar->windowTitle().toLatin1() + ' ';
        text += "| ";
    }
    QByteArrayList floating;
    for (const QToolBar *bar : tornOff)
        floating.append(bar->windowTitle().toLatin1());
    std::sort(floating.begin(), floating.end());
    return text + "torn off: " + floating.join(' ');
}

// A toolbar's record starts a new line where the toolbar starts a row the window shows, the
// first row excepted. One after a hidden toolbar is left out: the hidden one may start it.
void expectNewLinesAsShown(MainWindow *window, const char *when)
{
    const QList<QList<QToolBar *>> rows = shownRows(window);
    char record[tesk::frame::kLayoutRecordSize];
    bool afterHidden = false;
    for (int i = 0; i < QtToolbarCount(kWindow); ++i) {
        QtToolbarData(kWindow, i, record);
        const QList<QByteArray> f = fields(record);
        QToolBar *bar = toolbar(window, QString::fromLatin1(QtReturnToolbarTitle(kWindow, i)));
        const bool hidden = f.value(5) == "1";
        if (bar && !hidden && !bar->isFloating() && !afterHidden) {
            int row = 0;
            while (row < rows.size() && !rows[row].contains(bar))
                ++row;
            ASSERT_LT(row, rows.size()) << when << ": " << qPrintable(bar->windowTitle());
            const bool startsRow = row > 0 && rows[row].first() == bar;
            EXPECT_EQ(f.value(0).toStdString(), startsRow ? "1" : "0")
                << when << ": " << qPrintable(bar->windowTitle()) << " " << record;
        }
        afterHidden = hidden;
    }
}

class LayoutAcrossRuns : public FrameTest
{
protected:
    void TearDown() override
    {
        g_asking = nullptr;
        FrameTest::TearDown();
        testhost::settle();
    }
};

} // namespace

namespace {

// The first run, in a process of its own that the test starts: what the user left, as records
// in the file the test names.
void firstRun(const QString &path)
{
    MainWindow *window = mainWindow();
    for (const Pane &pane : kPanes) {
        QtCreateDocked(pane.area, pane.newLine);
        open(pane);
    }
    QtFrameShow();
    testhost::settle();
    IGcp_ViewsManager *views = viewsManager();
    ASSERT_TRUE(views);
    QtCreateDocked(1, 0);
    KViewMemory *view = openMemoryView(views);
    ASSERT_TRUE(view);
    // The user looks at both cores, each at an address of its own, and ends on the first.
    SimulatedTarget::installed().setTargetName(43, kOtherTarget);
    view->setTarget(43);
    view->setStartAddress(QStringLiteral("0x80"), false);
    view->setTarget(42);
    view->setStartAddress(QStringLiteral("0x60"), false);
    const std::string settings = viewstest::storedSettings(views, view->id());
    views->ops->Release(views);

    // The host gives two dock boxes their sizes, the user drags the right area wider.
    QtResizePosWindow(21, 0, 0, 290, 230);
    QtResizePosWindow(10, 0, 0, 300, 154);
    testhost::dragOnWindow(window, testhost::separatorBefore(window, dockOf(10)), QPoint(-50, 0));
    // Edit goes to a row of its own with Debug after it, Find (which starts a row of its own)
    // into the first row; Edit, first in its row, is torn off, Connect hidden.
    QToolBar *edit = toolbar(window, QStringLiteral("Edit"));
    QToolBar *debug = toolbar(window, QStringLiteral("Debug"));
    QToolBar *connect = toolbar(window, QStringLiteral("Connect"));
    QToolBar *find = toolbar(window, QStringLiteral("Find"));
    ASSERT_TRUE(edit && debug && connect && find);
    window->addToolBarBreak(Qt::TopToolBarArea);
    window->addToolBar(Qt::TopToolBarArea, edit);
    window->addToolBar(Qt::TopToolBarArea, debug);
    window->insertToolBar(connect, find);
    edit->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    edit->show();
    connect->hide();
    testhost::settle();
    ASSERT_EQ(shownText(window), "File Image Find | Scripts | Debug | torn off: Edit");
    expectNewLinesAsShown(window, "left");

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    char record[tesk::frame::kLayoutRecordSize];
    QtSortWindowList(kWindow);
    for (int i = 0; i < QtDockWindowCount(kWindow); ++i) {
        CuiGetDockWindowPersistanceData(kWindow, i, record);
        file.write(QByteArray("dock\t") + QtReturnKSOTitle(kWindow, i) + '\t' +
                   QByteArray::number(QtGetPersistWindowBox(kWindow, i)) + '\t' + record + '\n');
    }
    for (int i = 0; i < QtToolbarCount(kWindow); ++i) {
        QtToolbarData(kWindow, i, record);
        file.write(QByteArray("toolbar\t") + QtReturnToolbarTitle(kWindow, i) + "\t0\t" + record +
                   '\n');
    }
    file.write("shown\trows\t0\t" + shownText(window) + '\n');
    file.write("view\tMemory\t0\t" + QByteArray::fromStdString(settings).toHex() + '\n');
}

} // namespace

TEST_F(LayoutAcrossRuns, DocksAndToolbarsComeBackAsTheUserLeftThem)
{
    if (const QString path = qEnvironmentVariable(kRunFile); !path.isEmpty()) {
        firstRun(path);
        return;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("layout"));
    QProcess first;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // A home area of its own, as a run of the debugger before this one.
    env.remove(QStringLiteral("KSODEBUG_HOME"));
    env.insert(QStringLiteral("KSODEBUG_ALLOW_MULTIPLE_INSTANCES"), QStringLiteral("1"));
    env.insert(QString::fromLatin1(kRunFile), path);
    first.setProcessEnvironment(env);
    first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    first.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=LayoutAcrossRuns.*")});
    ASSERT_TRUE(first.waitForFinished(90000));
    ASSERT_EQ(first.exitCode(), 0) << first.readAllStandardOutput().toStdString();

    struct Stored
    {
        QByteArray name;
        TeskHandle box;
        QByteArray record;
    };
    std::map<QByteArray, std::vector<Stored>> stored;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> parts = line.split('\t');
        if (parts.size() == 4)
            stored[parts[0]].push_back({parts[1], TeskHandle(parts[2].toULongLong()), parts[3]});
    }
    const std::vector<Stored> &docks = stored["dock"];
    const std::vector<Stored> &toolbars = stored["toolbar"];
    ASSERT_EQ(stored["view"].size(), 1u);
    const std::string firstSettings = QByteArray::fromHex(stored["view"][0].record).toStdString();
    ASSERT_EQ(storedAddress(firstSettings, kOtherTarget), "0x00000080") << firstSettings;
    ASSERT_EQ(docks.size(), std::size(kPanes) + 1);
    ASSERT_EQ(toolbars.size(), 7u);

    // The second run: the records before the dock windows, the toolbars' before the show, the
    // memory view's just before the view is asked for.
    MainWindow *window = mainWindow();
    QByteArray memoryRecord;
    for (const Stored &stored : docks) {
        if (stored.name == "Memory") {
            memoryRecord = stored.record;
            continue;
        }
        CuiSetDockWindowPersistanceData(kWindow, stored.record.constData());
        for (const Pane &pane : kPanes)
            if (stored.box == pane.box)
                open(pane);
    }
    // In an order of the host's own: the last first.
    for (auto stored = toolbars.rbegin(); stored != toolbars.rend(); ++stored)
        EXPECT_EQ(
            QtSetToolbarData(("tb_x_" + stored->name).constData(), stored->record.constData()), 0)
            << stored->name.toStdString();
    QtFrameShow();
    IGcp_ViewsManager *views = viewsManager();
    ASSERT_TRUE(views);
    CuiSetDockWindowPersistanceData(kWindow, memoryRecord.constData());
    // This run looks at the first core only; the other core's address is kept for the next.
    testhost::EventSubjectHost::instance().setCurrent(42, 0);
    KViewMemory *view = openMemoryView(views, firstSettings.c_str());
    DockWidget *memory = dockOf(view);
    ASSERT_TRUE(memory);
    EXPECT_EQ(view->startAddressText(), "0x00000060");
    view->setStartAddress(QStringLiteral("0x70"), false);
    const std::string settings = viewstest::storedSettings(views, view->id());
    EXPECT_EQ(storedAddress(settings, "target 42"), "0x00000070") << settings;
    EXPECT_EQ(storedAddress(settings, kOtherTarget), "0x00000080") << settings;
    views->ops->Release(views);
    testhost::settle();

    const auto expectAsStored = [&](const char *when) {
        for (const Stored &stored : docks) {
            const DockWidget *dock = stored.name == "Memory" ? memory : dockOf(stored.box);
            ASSERT_TRUE(dock) << stored.name.toStdString();
            const QList<QByteArray> f = fields(stored.record);
            EXPECT_LE(qAbs(dock->width() - f[6].toInt()), kSlack)
                << when << ": " << stored.record.toStdString() << " is " << dock->width();
            EXPECT_LE(qAbs(dock->height() - f[7].toInt()), kSlack)
                << when << ": " << stored.record.toStdString() << " is " << dock->height();
        }
    };
    expectAsStored("restored");
    ASSERT_TRUE(g_asking);
    g_asking->wish = QSize(900, 500);
    g_asking->updateGeometry();
    testhost::settle();
    expectAsStored("filled");

    // Every toolbar in its stored row and order, hidden and floating, as the records say.
    ASSERT_EQ(QtToolbarCount(kWindow), 7);
    char record[tesk::frame::kLayoutRecordSize];
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(QByteArray(QtReturnToolbarTitle(kWindow, i)), toolbars[size_t(i)].name);
        QtToolbarData(kWindow, i, record);
        const QList<QByteArray> now = fields(record);
        const QList<QByteArray> then = fields(toolbars[size_t(i)].record);
        // new line, index, hidden
        for (const int n : {0, 1, 5})
            EXPECT_EQ(now[n], then[n])
                << toolbars[size_t(i)].name.toStdString() << " field " << n + 1 << ": " << record;
    }
    // In the rows the user left them, which the records of the first run may not say.
    ASSERT_EQ(stored["shown"].size(), 1u);
    EXPECT_EQ(shownText(window), stored["shown"][0].record);
    expectNewLinesAsShown(window, "restored");
    const QToolBar *scripts = toolbar(window, QStringLiteral("Scripts"));
    const QToolBar *image = toolbar(window, QStringLiteral("Image"));
    ASSERT_TRUE(scripts && image);
    // Nothing squeezed behind an overflow arrow: each toolbar as wide as it asks.
    EXPECT_GE(scripts->width(), scripts->sizeHint().width());
    EXPECT_GE(image->width(), image->sizeHint().width());

    // A drag kept when a dock joins: the bottom area as high as the user dragged it.
    DockWidget *output = dockOf(20);
    const int before = output->height();
    testhost::dragOnWindow(window, testhost::separatorBefore(window, output), QPoint(0, -90));
    const int dragged = output->height();
    ASSERT_GE(dragged, before + 60);
    QtCreateDocked(1, 0);
    QtWindowCreate("Joined", &paneCallback, 30);
    testhost::settle();
    EXPECT_LE(qAbs(output->height() - dragged), 2);
    EXPECT_LE(qAbs(dockOf(30)->height() - dragged), 2);
    CGcp_ViewsManager::instance()->removePane(view->paneId());
}
