// A host that loads libtesk.so itself, starts it and unloads it, then goes on: nothing it does
// afterwards may reach into the unloaded library.
//   unload_host        its own application in the library's wood look; the library's loop never
//                      runs. Then its own rich text and a warning; prints "drawn".
//   unload_host road [noloop] [appfirst]
//                      its own application in the Fusion look (the test sets German, the
//                      inspector's port and the look the library is asked for), both event
//                      subjects keeping observer lists: a frame with a dock, an idle object and
//                      function, a context menu's texts, a memory pane whose last view is dragged
//                      out. Ended by QtShutdown and CuiRun, or (noloop) not at all and with no
//                      event pass after the drag; the broker cleared; with appfirst the
//                      application deleted; the library unloaded. Then the subjects notified,
//                      the host's loop run, its look checked, its own widgets, focus moves, a
//                      translation and a look-up of localhost; the library loaded (twice, one
//                      handle let go again), started and ended once more; the application
//                      deleted.
//   unload_host owned  the library makes the application: a frame with a dock, pumped, unloaded
//                      without CuiRun; then loaded, started and ended with CuiRun.
//   unload_host atexit [owned] [noloop] [clear]
//                      its own application (owned: the library's); the library unloaded by a
//                      static destructor at the process's end, after CuiRun (noloop: never run,
//                      its windows still up); with clear, the broker is cleared only at the end,
//                      by an exit handler and by that destructor, both set up before the first
//                      broker call.
// Any but the first answers 0 when it got to the end.
#include <mosk/mosk.hpp>
#include <tesk/tesk_functions.h>
#include <tesk/tesk_sync.h>
#include <tesk/tesk_views.h>

#include <QApplication>
#include <QEventLoop>
#include <QHostInfo>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <memory>
#include <utility>
#include <vector>

namespace {

// The host's two event subjects, which keep the observers attached to them as a host does, and
// notify each one of an event kind. They are the host's: they outlive every load of the library.
class Subject
{
public:
    explicit Subject(Subject *registry = nullptr)
        : m_registry(registry)
    {
    }
    MoskEventSubject *registry() { return reinterpret_cast<MoskEventSubject *>(&m_face); }
    IGb_KsoEventSubject *subject() { return reinterpret_cast<IGb_KsoEventSubject *>(&m_ksoFace); }
    int observers() const { return int(m_observers.size()); }
    // Whether an observer is in the list twice for one kind.
    bool twice() const
    {
        for (size_t i = 0; i < m_observers.size(); ++i) {
            for (size_t j = i + 1; j < m_observers.size(); ++j) {
                if (m_observers[i] == m_observers[j])
                    return true;
            }
        }
        return false;
    }
    void notifyAll()
    {
        for (int kind = 0; kind < GCP_EVENT_KINDS; ++kind) {
            const auto observers = m_observers;
            for (const auto &[observedKind, observer] : observers) {
                if (observedKind == kind)
                    mosk::release(observer->ops->Notify(observer, kind, 0));
            }
        }
    }

private:
    // A face is the operations' table and, behind it, the subject it belongs to.
    struct Holder
    {
        const void *ops;
        Subject *owner;
    };
    static Subject *of(void *face) { return static_cast<Holder *>(face)->owner; }
    static uint32_t count(void *) { return 1; }
    static MoskResult info(void *, uint32_t *, uint32_t *, uint32_t *, uint32_t *)
    {
        return nullptr;
    }
    static MoskResult query(void *self, void **out, uint32_t, uint32_t)
    {
        *out = self;
        return nullptr;
    }
    static MoskResult attach(void *self, int32_t kind, MoskObserver *observer)
    {
        of(self)->m_observers.emplace_back(kind, observer);
        return nullptr;
    }
    static MoskResult detach(void *self, int32_t kind, MoskObserver *observer)
    {
        auto &observers = of(self)->m_observers;
        const auto at = std::find(observers.begin(), observers.end(), std::pair(kind, observer));
        if (at != observers.end())
            observers.erase(at);
        return nullptr;
    }
    static MoskResult unused(void *) { return nullptr; }
    static MoskResult eventRegistry(void *self, MoskEventSubject **registry)
    {
        *registry = of(self)->m_registry->registry();
        return nullptr;
    }
    static MoskResult currentTarget(void *, int32_t *target)
    {
        *target = 1;
        return nullptr;
    }
    static MoskResult currentId(void *, uint64_t *id)
    {
        *id = 0;
        return nullptr;
    }
    static constexpr MoskEventSubjectOps s_ops = {info, count, count, query, attach, detach};
    static constexpr IGb_KsoEventSubjectOps s_ksoOps = {
        info,          count,  count,         query,  unused,   unused,
        eventRegistry, unused, currentTarget, unused, currentId};

    Holder m_face{&s_ops, this};
    Holder m_ksoFace{&s_ksoOps, this};
    Subject *m_registry;
    std::vector<std::pair<int32_t, MoskObserver *>> m_observers;
};

Subject g_globalSubject;
Subject g_viewsRegistry;
Subject g_viewsSubject(&g_viewsRegistry);

void paneArea(TeskHandle, int *, int) {}

int g_hostsMessages = 0;

void hostsHandler(QtMsgType, const QMessageLogContext &, const QString &)
{
    ++g_hostsMessages;
}

int g_idleCalls = 0;

void idle()
{
    ++g_idleCalls;
}

// Every observer the library attached, each once.
bool subscribedOnce()
{
    const int views = g_viewsRegistry.observers();
    const int global = g_globalSubject.observers();
    if (views == GCP_EVENT_KINDS && global == GCDS_HOST_EVENT_COUNT && !g_viewsRegistry.twice() &&
        !g_globalSubject.twice())
        return true;
    std::printf("observers: %d on the views' subject, %d on the global one\n", views, global);
    return false;
}

void notifySubjects()
{
    g_viewsRegistry.notifyAll();
    g_globalSubject.notifyAll();
}

// The host's own loop, running while nothing of the library may wake.
void runHostsLoop(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

class Library
{
public:
    bool load()
    {
        m_handle = dlopen(TESK_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        if (!m_handle)
            std::printf("not loaded: %s\n", dlerror());
        return m_handle;
    }
    bool unload() { return dlclose(std::exchange(m_handle, nullptr)) == 0; }

    template<typename Function>
    Function find(const char *name)
    {
        void *symbol = dlsym(m_handle, name);
        Function function = nullptr;
        std::memcpy(&function, &symbol, sizeof function);
        if (!function)
            std::printf("no %s\n", name);
        return function;
    }

    // The host's part of the start: its components, the plug-in entry, the library's start.
    bool start()
    {
        MoskBroker *broker = moskGetObjectBroker();
        const auto init = find<PFN_CuiQtInit_WinEx>("CuiQtInit_WinEx");
        const auto updateSettings = find<PFN_CuiUpdateSettings>("CuiUpdateSettings");
        char commandLine[] = "";
        return !broker->ops->registerComponent(broker, GCDS_CATEGORY, GCDS_EVENT_SUBJECT_COMPONENT,
                                               g_globalSubject.registry()) &&
               !broker->ops->registerComponent(broker, GB_EVENT_SUBJECT_CATEGORY,
                                               GB_KSO_EVENT_SUBJECT_COMPONENT,
                                               g_viewsSubject.subject()) &&
               plugIn() && init && updateSettings && init("unload_host", commandLine) == 1 &&
               updateSettings() >= 0;
    }

    bool plugIn()
    {
        const auto entry = find<PFN_moskInitialisePlugin>("moskInitialisePlugin");
        return entry && !entry(reinterpret_cast<MoskRegistrar *>(moskGetObjectBroker()));
    }

    // A main window with one dock window, shown; the tool tip, a window of its own; a text
    // read back, a breakpoint proxy, a trigger, a register data set and a symbol data source the
    // host never ends;
    // the idle object with the host's function; a context menu whose texts were read back; a
    // memory pane.
    bool makeFrame()
    {
        const auto newCode = find<PFN_QtCreateNewCode>("QtCreateNewCode");
        const auto frameCreate = find<PFN_QtFrameCreate>("QtFrameCreate");
        const auto docked = find<PFN_QtCreateDocked>("QtCreateDocked");
        const auto windowCreate = find<PFN_QtWindowCreate>("QtWindowCreate");
        const auto frameShow = find<PFN_QtFrameShow>("QtFrameShow");
        if (!newCode || !frameCreate || !docked || !windowCreate || !frameShow)
            return false;
        CuiFrameRecord record = {1, 0, 0, 0};
        newCode(1);
        const bool made = frameCreate("Debugger", 0x1001, &record) != 0;
        newCode(0);
        docked(0, 0);
        windowCreate("Output", &paneArea, 0x2001);
        frameShow();
        const auto toolTip = find<PFN_CuiToolTipShowAt>("CuiToolTipShowAt");
        if (toolTip)
            toolTip("Output", 20, 20);
        const auto title = find<PFN_QtGetWindowTitle>("QtGetWindowTitle");
        const auto proxy = find<PFN_CuiBreakpointProxyCreate>("CuiBreakpointProxyCreate");
        const auto trigger = find<PFN_CuiHardwareTriggerCreate>("CuiHardwareTriggerCreate");
        const auto registers = find<PFN_CuiRegPaneDataCreate>("CuiRegPaneDataCreate");
        const auto source = find<PFN_CuiSymtabDataSourceCreate>("CuiSymtabDataSourceCreate");
        const auto idleObject = find<PFN_CuiCreateIdleObject>("CuiCreateIdleObject");
        const auto idleFunction = find<PFN_CuiRegisterIdleFunc>("CuiRegisterIdleFunc");
        const auto addItem = find<PFN_CuiContextMenu_addItem>("CuiContextMenu_addItem");
        const auto setText =
            find<PFN_CuiContextMenu_setItemGuiText>("CuiContextMenu_setItemGuiText");
        const auto getText =
            find<PFN_CuiContextMenu_getItemGuiText>("CuiContextMenu_getItemGuiText");
        if (!title || !proxy || !trigger || !registers || !source || !idleObject || !idleFunction ||
            !addItem || !setText || !getText)
            return false;
        m_source = source();
        addItem("Source", 7);
        setText("Source", 7, "Run to Cursor");
        const char *text = getText("Source", 7);
        return made && title(0x1001, 0) && proxy(1) && trigger("Access", "Data access", 0) &&
               registers(7) == 1 && m_source && idleObject() == 1 && idleFunction(&idle) == 0 &&
               text && std::strcmp(text, "Run to Cursor") == 0 && makeMemoryPane();
    }

    // A memory pane with one view, drawn in the fixed font.
    bool makeMemoryPane()
    {
        MoskBroker *broker = moskGetObjectBroker();
        void *object = nullptr;
        mosk::release(
            broker->ops->getComponent(broker, GCP_CATEGORY, GCP_VIEWS_MANAGER_COMPONENT, &object));
        broker->ops->Release(broker);
        auto *manager = static_cast<IGcp_ViewsManager *>(object);
        if (!manager)
            return false;
        uint64_t pane = 0;
        uint64_t view = 0;
        const bool made = !manager->ops->createMemoryPane(manager, &pane, 0) &&
                          !manager->ops->createView(manager, pane, "Memory", nullptr, 0, &view) &&
                          view != 0;
        manager->ops->Release(manager);
        if (!made)
            std::printf("no memory view\n");
        return made;
    }

    // The memory pane's tab is dragged out where no pane is: the view gets a pane of its own,
    // and the emptied pane's removal waits for the next event pass.
    bool dragLastViewOut()
    {
        QTabBar *bar = nullptr;
        const QWidgetList widgets = QApplication::allWidgets();
        for (QWidget *widget : widgets) {
            if (std::strcmp(widget->metaObject()->className(), "KPaneTabBar") == 0)
                bar = static_cast<QTabBar *>(widget);
        }
        if (!bar || bar->count() != 1) {
            std::printf("no memory pane with one view\n");
            return false;
        }
        bar->window()->show();
        const QPoint from = bar->tabRect(0).center();
        const QPoint to = from + QPoint(0, 4000);
        auto mouse = [bar](QEvent::Type type, const QPoint &at, Qt::MouseButtons buttons) {
            QMouseEvent event(type, at, bar->mapToGlobal(at), Qt::LeftButton, buttons, {});
            QCoreApplication::sendEvent(bar, &event);
        };
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        mouse(QEvent::MouseMove, from + QPoint(QApplication::startDragDistance() + 1, 0),
              Qt::LeftButton);
        mouse(QEvent::MouseMove, to, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
        if (bar->count() != 0) {
            std::printf("the view was not dragged out\n");
            return false;
        }
        return true;
    }

    // QtShutdown from a timer ends CuiRun, which answers 1.
    bool run()
    {
        const auto runLoop = find<PFN_CuiRun>("CuiRun");
        const auto shutdown = find<PFN_QtShutdown>("QtShutdown");
        if (!runLoop || !shutdown)
            return false;
        QTimer::singleShot(200, [shutdown] { shutdown(); });
        return runLoop() == 1;
    }

    // Then the broker lets the library's components go while their code is still there.
    bool runAndEnd()
    {
        const bool ran = run();
        moskBrokerClear();
        return ran;
    }

    TeskHandle source() const { return m_source; }

    // A handle of an earlier load names nothing in this one, whose own is alive.
    bool refusesEarlier(TeskHandle earlier)
    {
        const auto destroy = find<PFN_CuiSymtabDataSourceDestroy>("CuiSymtabDataSourceDestroy");
        if (destroy && earlier != m_source && destroy(earlier) == 1 && destroy(m_source) == 0)
            return true;
        std::printf("a handle of the earlier load names an object of this one\n");
        return false;
    }

    void pump(int times)
    {
        const auto pumpOnce = find<PFN_CuiPump>("CuiPump");
        for (int i = 0; pumpOnce && i < times; ++i)
            pumpOnce();
    }

private:
    void *m_handle = nullptr;
    TeskHandle m_source = 0;
};

bool startWithFrame(Library &library)
{
    return library.load() && library.start() && library.makeFrame();
}

// What the host does with its own application once the library is gone.
bool hostGoesOn()
{
    QLineEdit first;
    QLineEdit second;
    first.show();
    second.show();
    first.activateWindow();
    first.setFocus();
    QCoreApplication::processEvents();
    second.activateWindow();
    second.setFocus();
    QCoreApplication::processEvents();
    // Its own fixed-pitch and menu text, looked up in the toolkit's font caches beside the
    // library's fonts.
    QImage text(200, 40, QImage::Format_ARGB32);
    QPainter painter(&text);
    QFont fixed(QString::fromLatin1("Courier New"), QApplication::font().pointSize());
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    QFont menu = QApplication::font("QMenu");
    menu.setFamilies({QStringLiteral("Serif")});
    for (const QFont &font : {fixed, menu}) {
        painter.setFont(font);
        painter.drawText(2, 30, QStringLiteral("0x20000000"));
    }
    painter.end();
    const QString cancel = QCoreApplication::translate("QObject", "Cancel");
    bool answered = false;
    QEventLoop loop;
    QHostInfo::lookupHost(QStringLiteral("localhost"), &loop, [&](const QHostInfo &) {
        answered = true;
        loop.quit();
    });
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
    if (!answered)
        std::printf("no answer for localhost\n");
    return answered && !cancel.isEmpty();
}

QApplication *hostsApplication(int &argc, char **argv)
{
    auto *application = new QApplication(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    return application;
}

bool hostsLook()
{
    const QString look = QApplication::style()->name();
    if (look == QLatin1String("fusion"))
        return true;
    std::printf("the host's look is %s\n", qPrintable(look));
    return false;
}

int road(int argc, char **argv)
{
    const QList<QByteArray> words(argv + 2, argv + argc);
    const bool loop = !words.contains("noloop");
    const bool applicationFirst = words.contains("appfirst");
    int hostsArgc = 1;
    QApplication *application = hostsApplication(hostsArgc, argv);
    Library library;
    if (!startWithFrame(library) || !subscribedOnce())
        return 2;
    // Installed after the library's own: it stays the host's.
    qInstallMessageHandler(&hostsHandler);
    if (loop ? !library.run() : !library.dragLastViewOut())
        return 2;
    moskBrokerClear();
    if (applicationFirst)
        delete std::exchange(application, nullptr);
    if (!library.unload())
        return 2;
    if (g_viewsRegistry.observers() || g_globalSubject.observers()) {
        std::printf("observers left after the unload\n");
        return 6;
    }
    notifySubjects();
    qWarning("a warning after the unload");
    if (g_hostsMessages == 0)
        return 5;
    qInstallMessageHandler(nullptr);
    if (!application)
        application = hostsApplication(hostsArgc, argv);
    else if (!hostsLook())
        return 7;
    const int idleCalls = g_idleCalls;
    runHostsLoop(300);
    if (g_idleCalls != idleCalls)
        return 8;
    if (!hostGoesOn())
        return 3;

    // Loaded again, it subscribes as the first time; a load that only counts up changes
    // nothing.
    const TeskHandle earlierSource = library.source();
    if (!startWithFrame(library) || !subscribedOnce() || !library.refusesEarlier(earlierSource))
        return 4;
    Library again;
    moskBrokerClear();
    if (!again.load() || !again.plugIn() || !again.unload() || !subscribedOnce())
        return 4;
    notifySubjects();
    if (!library.runAndEnd() || !library.unload())
        return 4;
    notifySubjects();
    delete application;
    return 0;
}

int owned()
{
    Library library;
    if (!startWithFrame(library))
        return 2;
    library.pump(5);
    moskBrokerClear();
    if (!library.unload())
        return 3;
    notifySubjects();
    if (!startWithFrame(library) || !library.runAndEnd() || !library.unload())
        return 4;
    return 0;
}

bool g_clearAtExit = false;

void clearBrokerAtExit()
{
    moskBrokerClear();
}

// A host that lets go of the library from a static object's destructor, once main returned.
struct UnloadsAtExit
{
    Library library;
    ~UnloadsAtExit()
    {
        if (g_clearAtExit)
            moskBrokerClear();
        if (library.unload())
            std::printf("unloaded at the end\n");
        std::fflush(stdout);
    }
};

// With "owned" the library makes the application; with "noloop" CuiRun never runs, so the
// library's application and windows are still there when the process ends.
int atExit(int argc, char **argv)
{
    static UnloadsAtExit holder;
    const QList<QByteArray> words(argv + 2, argv + argc);
    g_clearAtExit = words.contains("clear");
    if (g_clearAtExit)
        std::atexit(&clearBrokerAtExit);
    std::unique_ptr<QApplication> application;
    if (!words.contains("owned"))
        application = std::make_unique<QApplication>(argc, argv);
    if (!startWithFrame(holder.library))
        return 2;
    if (words.contains("noloop")) {
        holder.library.pump(5);
        if (!g_clearAtExit)
            moskBrokerClear();
        return 0;
    }
    return (g_clearAtExit ? holder.library.run() : holder.library.runAndEnd()) ? 0 : 2;
}

int woodWithoutLoop(int argc, char **argv)
{
    QApplication application(argc, argv);
    qputenv("GIVE_ME_WOOD", "1");
    Library library;
    if (!library.load())
        return 1;
    const auto start = library.find<PFN_CuiQtInit_WinEx>("CuiQtInit_WinEx");
    char commandLine[] = "";
    if (!start || !start("unload_host", commandLine))
        return 1;
    library.unload();

    QTextDocument document;
    document.setHtml(QStringLiteral("<p>Locked <img src=\"padlock\"></p>"));
    QImage image(200, 50, QImage::Format_ARGB32);
    QPainter painter(&image);
    document.drawContents(&painter);
    painter.end();
    qWarning("a warning after the unload");
    std::printf("drawn\n");
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == "road")
        return road(argc, argv);
    if (mode == "owned")
        return owned();
    if (mode == "atexit")
        return atExit(argc, argv);
    return woodWithoutLoop(argc, argv);
}
