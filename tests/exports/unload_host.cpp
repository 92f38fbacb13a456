// A host that loads libtesk.so itself, starts it and unloads it, then goes on: nothing it does
// afterwards may reach into the unloaded library.
//   unload_host        its own application in the library's wood look; the library's loop never
//                      runs. Then its own rich text and a warning; prints "drawn".
//   unload_host road   its own application (the test sets German and the inspector's port): a
//                      frame with a dock, ended by QtShutdown and CuiRun, the broker cleared,
//                      the library unloaded; then its own widgets, focus moves, a translation and
//                      a look-up of localhost; the library loaded, started and ended once more;
//                      the application deleted.
//   unload_host owned  the library makes the application: a frame with a dock, pumped, unloaded
//                      without CuiRun; then loaded, started and ended with CuiRun.
// Either of the last two answers 0 when it got to the end.
#include <mosk/mosk.h>
#include <tesk/tesk_functions.h>
#include <tesk/tesk_sync.h>

#include <QApplication>
#include <QEventLoop>
#include <QHostInfo>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTextDocument>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <dlfcn.h>

namespace {

// The event subject the library's plug-in entry needs: it keeps no observers.
uint32_t count(void *)
{
    return 1;
}

MoskResult answerNothing(void *, uint32_t *, uint32_t *, uint32_t *, uint32_t *)
{
    return nullptr;
}

MoskResult query(void *self, void **out, uint32_t, uint32_t)
{
    *out = self;
    return nullptr;
}

MoskResult observe(void *, int32_t, MoskObserver *)
{
    return nullptr;
}

const MoskEventSubjectOps subjectOps = {answerNothing, count, count, query, observe, observe};
MoskEventSubject globalSubject = {&subjectOps};

void paneArea(TeskHandle, int *, int) {}

int g_hostsMessages = 0;

void hostsHandler(QtMsgType, const QMessageLogContext &, const QString &)
{
    ++g_hostsMessages;
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
    bool unload() { return dlclose(m_handle) == 0; }

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

    // The host's part of the start: its component, the plug-in entry, the library's start.
    bool start()
    {
        MoskBroker *broker = moskGetObjectBroker();
        const auto plugIn = find<PFN_moskInitialisePlugin>("moskInitialisePlugin");
        const auto init = find<PFN_CuiQtInit_WinEx>("CuiQtInit_WinEx");
        const auto updateSettings = find<PFN_CuiUpdateSettings>("CuiUpdateSettings");
        char commandLine[] = "";
        return plugIn && init && updateSettings &&
               !broker->ops->registerComponent(broker, GCDS_CATEGORY, GCDS_EVENT_SUBJECT_COMPONENT,
                                               &globalSubject) &&
               !plugIn(reinterpret_cast<MoskRegistrar *>(broker)) &&
               init("unload_host", commandLine) == 1 && updateSettings() >= 0;
    }

    // A main window with one dock window, shown; the tool tip, a window of its own; a text
    // read back, a breakpoint proxy, a trigger and a register data set the host never ends.
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
        return made && title && proxy && trigger && registers && title(0x1001, 0) && proxy(1) &&
               trigger("Access", "Data access", 0) && registers(7) == 1;
    }

    // QtShutdown from a timer ends CuiRun, which answers 1; then the broker lets the library's
    // components go while their code is still there.
    bool runAndEnd()
    {
        const auto run = find<PFN_CuiRun>("CuiRun");
        const auto shutdown = find<PFN_QtShutdown>("QtShutdown");
        if (!run || !shutdown)
            return false;
        QTimer::singleShot(200, [shutdown] { shutdown(); });
        const bool ran = run() == 1;
        moskBrokerClear();
        return ran;
    }

    void pump(int times)
    {
        const auto pumpOnce = find<PFN_CuiPump>("CuiPump");
        for (int i = 0; pumpOnce && i < times; ++i)
            pumpOnce();
    }

private:
    void *m_handle = nullptr;
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

int road(int argc, char **argv)
{
    auto *application = new QApplication(argc, argv);
    Library library;
    if (!startWithFrame(library))
        return 2;
    // Installed after the library's own: it stays the host's.
    qInstallMessageHandler(&hostsHandler);
    if (!library.runAndEnd() || !library.unload())
        return 2;
    qWarning("a warning after the unload");
    if (g_hostsMessages == 0)
        return 5;
    qInstallMessageHandler(nullptr);
    if (!hostGoesOn())
        return 3;
    if (!startWithFrame(library) || !library.runAndEnd() || !library.unload())
        return 4;
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
    if (!startWithFrame(library) || !library.runAndEnd() || !library.unload())
        return 4;
    return 0;
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
    return woodWithoutLoop(argc, argv);
}
