// The hostile sweep in one library state: sweep_child <state> calls every export of the table
// with every variant of hostile arguments and prints "sweep: done" when the library held;
// sweep_child --list prints the table's names. A sanitizer report or a crash ends the process
// early, so the test that starts it sees no "done" and the last export named.
// sweep_child reenter-texts|reenter-loops|reenter-callbacks [name] runs a re-entering mode
// (reenter.h), all lines, those of one name or one of them ("name#2"); sweep_child --list-modes
// prints their lines and the host components the library calls. sweep_child thread-started|
// thread-window calls every export of the table from a second thread in that state: each must
// refuse with its debug line and reach neither the toolkit nor the modal loop. sweep_child
// components <state> calls every line of the component table (componenttable.h) on interfaces
// kept from the plug-in entry or the first window, in one of the states before|started|window|
// afterrun|restarted|cleared; sweep_child --list-components prints its lines.
#include "componenttable.h"
#include "eventsubjecthost.h"
#include "exporttable.h"
#include "modalanswers.h"
#include "reentertable.h"
#include "sanitizerdefaults.h"
#include "simulatedcores.h"
#include "testhost.h"

#include "frame/windows/store.h"
#include "system/debugoutput.h"
#include "system/documentopener.h"

#include <QDir>
#include <QFile>
#include <QObject>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <QtGlobal>

#include <cxxabi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

const char *const kStates[] = {"before", "started", "window", "afterrun", "restarted"};

void createWindow(hostile::World &world)
{
    QtCreateNewCode(1);
    CuiFrameRecord record{1, 0, 3, 77};
    world.liveWindow = QtFrameCreate("sweep", TeskHandle(0x5eed), &record);
    world.liveWidget = Store::currentMainWindow();
}

// Runs the loop until shut down; a loop asked for from inside it must be refused (it would
// delete the application under the running one). False when it was not.
bool runLoopOnce(hostile::World &world)
{
    int nested = -1;
    QTimer::singleShot(0, [&nested] {
        nested = CuiRun();
        QtShutdown();
    });
    CuiRun();
    world.liveWindow = 0;
    world.liveWidget = nullptr;
    return nested == 0;
}

// Every file the library reads by name is made no regular file: pipes nobody writes to (opening
// one to read would wait for ever) and links to a device that never ends. The installation's
// notices, register definitions (of the architecture and processor "plain", a name the sweep's
// texts hold), catalogues (of the language asked for) and start-up picture, and the home area's
// settings; the filter files are in exporttable.h.
void makeReadersFilesHostile()
{
    static QTemporaryDir install;
    static QTemporaryDir home;
    QDir(install.path()).mkpath(QStringLiteral("etc/sdm/arch"));
    QDir(install.path()).mkpath(QStringLiteral("etc/sdm/proc"));
    QDir(install.path()).mkpath(QStringLiteral("bin"));
    const auto pipe = [](const QString &path) {
        ::mkfifo(QFile::encodeName(path).constData(), 0600);
    };
    const auto device = [](const QString &path) { QFile::link(QStringLiteral("/dev/zero"), path); };
    // A folder's listing of notices leaves out a pipe itself, not a link to one.
    pipe(install.filePath(QStringLiteral("etc/pipe")));
    QFile::link(install.filePath(QStringLiteral("etc/pipe")),
                install.filePath(QStringLiteral("etc/a.lic")));
    device(install.filePath(QStringLiteral("etc/z.lic")));
    pipe(install.filePath(QStringLiteral("etc/sdm/arch/plain")));
    pipe(install.filePath(QStringLiteral("etc/sdm/proc/plain")));
    pipe(install.filePath(QStringLiteral("etc/tesk_de.qm")));
    device(install.filePath(QStringLiteral("etc/qt_de.qm")));
    pipe(install.filePath(QStringLiteral("bin/splash.png")));
    pipe(home.filePath(QStringLiteral("ksodebug.ini")));
    setenv("KSODEBUG_INSTALL", QFile::encodeName(install.path()).constData(), 1);
    setenv("KSODEBUG_HOME", QFile::encodeName(home.path()).constData(), 1);
    setenv("KSODEBUG_LANG", "de", 1);
}

bool setUp(const std::string &state, hostile::World &world)
{
    // An address the library handed out and deleted since, as a host might still hold it.
    auto *object = new QObject;
    world.staleObject = object;
    world.staleHandle = reinterpret_cast<TeskHandle>(object);
    delete object;

    if (state == "before")
        return true;
    testhost::startLibrary();
    if (state == "started")
        return true;
    createWindow(world);
    if (state == "window")
        return world.liveWindow != 0;
    if (!runLoopOnce(world))
        return false;
    if (state == "afterrun")
        return true;
    char commandLine[] = "";
    return state == "restarted" && CuiQtInit_WinEx("sweep_child", commandLine) == 1;
}

const char *const kComponentStates[] = {"before",    "started", "window",       "afterrun",
                                        "restarted", "cleared", "thread-window"};

// The interfaces a host keeps: from its plug-in entry (before), from its first start, and the
// pane and view of its first window; the state they are then called in.
bool setUpComponents(const std::string &state, hostile::World &world,
                     hostile::components::Kept &kept)
{
    auto *object = new QObject;
    world.staleObject = object;
    world.staleHandle = reinterpret_cast<TeskHandle>(object);
    delete object;
    if (state == "before") {
        SimulatedCores::registerWithBroker();
        testhost::EventSubjectHost::instance().registerWithBroker();
        MoskResult result =
            moskInitialisePlugin(reinterpret_cast<MoskRegistrar *>(moskGetObjectBroker()));
        mosk::release(result);
        hostile::components::keep(kept);
        return !result && kept.manager;
    }
    testhost::startLibrary();
    hostile::components::keep(kept);
    kept.startUp = true;
    if (state == "started")
        return kept.manager != nullptr;
    createWindow(world);
    if (!hostile::components::keepPaneAndView(kept))
        return false;
    if (state == "window")
        return true;
    if (!runLoopOnce(world))
        return false;
    kept.startUp = false;
    if (state == "afterrun")
        return true;
    if (state == "restarted") {
        char commandLine[] = "";
        kept.startUp = true;
        return CuiQtInit_WinEx("sweep_child", commandLine) == 1;
    }
    // The host clears the broker, and its target steps meanwhile.
    moskBrokerClear();
    for (int kind : {13, 17, 5, 26, 0})
        testhost::EventSubjectHost::instance().fire(kind);
    return state == "cleared";
}

// False when a line made something between starts.
bool componentSweep(const hostile::World &world, hostile::components::Kept &kept)
{
    using namespace hostile::components;
    for (const Line &line : table()) {
        std::printf("sweep: %s\n", line.name);
        std::fflush(stdout);
        for (int variant = 0; variant < hostile::Args::kVariants; ++variant) {
            hostile::Args args(variant, world);
            Call call(args, kept, line.name);
            line.call(call);
        }
        CuiPump();
    }
    for (const std::string &name : kept.broken)
        std::printf("sweep: %s made something between starts\n", name.c_str());
    const bool held = kept.broken.empty();
    release(kept);
    return held;
}

// Every line's name of the loops table.
std::set<std::string> loopNames()
{
    std::set<std::string> names;
    for (const hostile::reenter::Line &line : hostile::reenter::loopsTable())
        names.insert(line.name);
    return names;
}

// False when an export ran a loop and the loops table has no line for it.
bool sweep(const hostile::World &world)
{
    const char *current = nullptr;
    std::set<std::string> looped;
    const auto answer = tesk::system::ModalSeam::setResponder(nullptr);
    tesk::system::ModalSeam::setResponder([&](const tesk::system::ModalSeam::Request &request) {
        if (current)
            looped.insert(current);
        answer(request);
    });
    for (const hostile::Entry &entry : hostile::exportTable()) {
        std::printf("sweep: %s\n", entry.name);
        std::fflush(stdout);
        current = entry.name;
        for (int variant = 0; variant < hostile::Args::kVariants; ++variant) {
            hostile::Args args(variant, world);
            entry.call(args);
        }
        current = nullptr;
        CuiToolTipHide();
        CuiPump();
    }
    const std::set<std::string> lines = loopNames();
    bool covered = true;
    for (const std::string &name : looped) {
        if (!lines.count(name)) {
            std::printf("sweep: %s ran a loop and has no line in the loops table\n", name.c_str());
            covered = false;
        }
    }
    return covered;
}

// What the library said while the thread mode ran: its debug lines and the toolkit's messages.
struct Heard
{
    std::mutex mutex;
    std::vector<std::string> debugLines;
    std::vector<std::string> qtMessages;
};

Heard &heard()
{
    static Heard h;
    return h;
}

void hearQtMessage(QtMsgType, const QMessageLogContext &, const QString &text)
{
    const std::lock_guard<std::mutex> lock(heard().mutex);
    heard().qtMessages.push_back(text.toStdString());
}

// The name an export's refusal is reported under: its own, without the arguments of a C++ one.
std::string reportedName(const char *name)
{
    int status = -1;
    char *demangled = abi::__cxa_demangle(name, nullptr, nullptr, &status);
    if (status != 0 || !demangled)
        return name;
    std::string text(demangled);
    std::free(demangled);
    return text.substr(0, text.find('('));
}

// Lines of the table that hold back their call in these states, to spare the library's own
// thread (a loop that would run, a second window): from another thread they are made.
void (*threadOverride(const std::string &name))(hostile::Args &)
{
    if (name == "CuiRun")
        return [](hostile::Args &) { CuiRun(); };
    if (name == "QtFrameCreate")
        return [](hostile::Args &a) { QtFrameCreate(a.s(), a.h(), a.block<CuiFrameRecord>()); };
    return nullptr;
}

// Every export from a second thread, in every variant; false when one did not refuse with its
// own debug line, or the toolkit or the modal loop heard of a call.
bool threadSweep(const hostile::World &world)
{
    static const std::string kRefusal =
        ": called from a thread other than the one that started the library; refused\n";
    bool held = true;
    bool looped = false;
    // What the state's own set-up left posted (the window's first layout and what follows it)
    // runs before the sweep listens: only the calls from the other thread are heard.
    testhost::settle();
    const auto answer = tesk::system::ModalSeam::setResponder(nullptr);
    tesk::system::ModalSeam::setResponder([&](const tesk::system::ModalSeam::Request &request) {
        looped = true;
        answer(request);
    });
    tesk::system::setDebugSink([](const std::string &text) {
        const std::lock_guard<std::mutex> lock(heard().mutex);
        heard().debugLines.push_back(text);
    });
    const QtMessageHandler previous = qInstallMessageHandler(&hearQtMessage);
    for (const hostile::Entry &entry : hostile::exportTable()) {
        std::printf("sweep: %s\n", entry.name);
        std::fflush(stdout);
        void (*const call)(hostile::Args &) =
            threadOverride(entry.name) ? threadOverride(entry.name) : entry.call;
        std::thread caller([&] {
            for (int variant = 0; variant < hostile::Args::kVariants; ++variant) {
                hostile::Args args(variant, world);
                call(args);
            }
        });
        caller.join();
        // Anything the calls posted would run here, on the library's thread.
        CuiPump();
        const std::lock_guard<std::mutex> lock(heard().mutex);
        const std::string refusal = reportedName(entry.name) + kRefusal;
        bool refused = false;
        for (const std::string &line : heard().debugLines) {
            if (line == refusal)
                refused = true;
            else if (line.find(kRefusal) == std::string::npos)
                std::printf("sweep: %s wrote \"%.200s\"\n", entry.name, line.c_str());
        }
        if (!refused) {
            std::printf("sweep: %s did not refuse the call from another thread\n", entry.name);
            held = false;
        }
        for (const std::string &message : heard().qtMessages) {
            std::printf("sweep: %s reached the toolkit: %.300s\n", entry.name, message.c_str());
            held = false;
        }
        if (looped) {
            std::printf("sweep: %s ran a modal loop\n", entry.name);
            held = false;
        }
        heard().debugLines.clear();
        heard().qtMessages.clear();
        looped = false;
    }
    qInstallMessageHandler(previous);
    return held;
}

// Every operation of the interfaces kept in a start with a window, from a second thread: each
// but the base operations is refused with a debug line, nothing is made and nothing reaches
// the toolkit.
bool componentThreadSweep(const hostile::World &world, hostile::components::Kept &kept)
{
    using namespace hostile::components;
    static const std::string kRefusal =
        ": called from a thread other than the one that started the library; refused\n";
    testhost::settle();
    tesk::system::setDebugSink([](const std::string &text) {
        const std::lock_guard<std::mutex> lock(heard().mutex);
        heard().debugLines.push_back(text);
    });
    const QtMessageHandler previous = qInstallMessageHandler(&hearQtMessage);
    // Whatever succeeds in making a window from there is a fault, as between starts.
    kept.startUp = false;
    bool held = true;
    for (const Line &line : table()) {
        std::printf("sweep: %s\n", line.name);
        std::fflush(stdout);
        std::thread caller([&] {
            for (int variant = 0; variant < hostile::Args::kVariants; ++variant) {
                hostile::Args args(variant, world);
                Call call(args, kept, line.name);
                line.call(call);
            }
        });
        caller.join();
        CuiPump();
        const std::lock_guard<std::mutex> lock(heard().mutex);
        const bool base = std::string(line.name).find(".base") != std::string::npos;
        const bool refused = std::any_of(
            heard().debugLines.begin(), heard().debugLines.end(),
            [](const std::string &text) { return text.find(kRefusal) != std::string::npos; });
        if (!base && !refused) {
            std::printf("sweep: %s did not refuse the call from another thread\n", line.name);
            held = false;
        }
        for (const std::string &message : heard().qtMessages) {
            std::printf("sweep: %s reached the toolkit: %.300s\n", line.name, message.c_str());
            held = false;
        }
        heard().debugLines.clear();
        heard().qtMessages.clear();
    }
    qInstallMessageHandler(previous);
    for (const std::string &name : kept.broken)
        std::printf("sweep: %s made something from another thread\n", name.c_str());
    held = held && kept.broken.empty();
    release(kept);
    return held;
}

// One re-entering mode, all lines or the named ones; false when a line did not hold.
bool reenter(const std::string &mode, const char *only)
{
    using namespace hostile::reenter;
    testhost::startLibrary();
    testhost::publishHostEntryPoints();
    // Before the first memory view: its bridge looks for the host's memory access once.
    SimulatedTarget::registerWithBroker();
    host().install();
    host().window();
    const auto wanted = [only](const char *name) { return !only || std::strcmp(only, name) == 0; };
    bool held = true;
    if (mode == "reenter-texts") {
        for (const TextLine &line : textsTable()) {
            if (!wanted(line.name))
                continue;
            std::printf("reenter: %s\n", line.name);
            std::fflush(stdout);
            Texts texts;
            line.run(texts);
            held = texts.finish(line.name) && held;
        }
        return held;
    }
    const bool loops = mode == "reenter-loops";
    const std::vector<Line> &table = loops ? loopsTable() : callbacksTable();
    std::map<std::string, int> count, seen;
    for (const Line &line : table)
        ++count[line.name];
    for (const Line &line : table) {
        const int n = ++seen[line.name];
        const std::string label =
            count[line.name] > 1 ? line.name + ("#" + std::to_string(n)) : line.name;
        if (wanted(line.name) || wanted(label.c_str()))
            held = runLine(line, loops, label) && held;
    }
    return held;
}

void listModes()
{
    using namespace hostile::reenter;
    for (const TextLine &line : textsTable())
        std::printf("texts %s\n", line.name);
    for (const Line &line : loopsTable())
        std::printf("loops %s\n", line.name);
    for (const Line &line : callbacksTable())
        std::printf("callbacks %s\n", line.name);
    for (const drive::HostComponent &component : drive::hostComponents())
        std::printf("components %s %s\n", component.id, component.interface);
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string state = argc > 1 ? argv[1] : "";
    if (state == "--list") {
        for (const hostile::Entry &entry : hostile::exportTable())
            std::printf("%s\n", entry.name);
        return 0;
    }
    if (state == "--list-modes") {
        listModes();
        return 0;
    }
    if (state == "--list-components") {
        for (const hostile::components::Line &line : hostile::components::table())
            std::printf("%s\n", line.name);
        return 0;
    }
    const bool reentering =
        state == "reenter-texts" || state == "reenter-loops" || state == "reenter-callbacks";
    const bool threaded = state == "thread-started" || state == "thread-window";
    const bool components = state == "components";
    const std::string componentState = components && argc > 2 ? argv[2] : "";
    if (components && std::find(std::begin(kComponentStates), std::end(kComponentStates),
                                componentState) == std::end(kComponentStates)) {
        std::fprintf(stderr, "usage: sweep_child components "
                             "before|started|window|afterrun|restarted|cleared\n");
        return 2;
    }
    if (!reentering && !threaded && !components &&
        std::find(std::begin(kStates), std::end(kStates), state) == std::end(kStates)) {
        std::fprintf(stderr, "usage: sweep_child --list | --list-modes | "
                             "before|started|window|afterrun|restarted | "
                             "reenter-texts|reenter-loops|reenter-callbacks [name] | "
                             "thread-started|thread-window\n");
        return 2;
    }

    // The host's answers: modal requests dismissed, help pages not opened, the library's
    // (partly megabyte-long) debug output dropped.
    testhost::ModalAnswers answers;
    tesk::system::setDocumentOpener([](const QString &) { return 0; });
    tesk::system::setDebugSink([](const std::string &) {});

    if (reentering) {
        const bool held = reenter(state, argc > 2 ? argv[2] : nullptr);
        std::printf(held ? "sweep: done\n" : "sweep: a line did not hold\n");
        std::fflush(stdout);
        return held ? 0 : 1;
    }
    makeReadersFilesHostile();
    hostile::World world;
    if (components) {
        hostile::components::Kept kept;
        const bool fromThread = componentState == "thread-window";
        if (!setUpComponents(fromThread ? "window" : componentState, world, kept)) {
            std::printf("sweep: state %s not reached\n", componentState.c_str());
            return 1;
        }
        if (!(fromThread ? componentThreadSweep(world, kept) : componentSweep(world, kept)))
            return 1;
        std::printf("sweep: done\n");
        std::fflush(stdout);
        return 0;
    }
    const std::string inState = threaded ? state.substr(std::strlen("thread-")) : state;
    if (!setUp(inState, world)) {
        std::printf("sweep: state %s not reached\n", inState.c_str());
        return 1;
    }
    if (!(threaded ? threadSweep(world) : sweep(world)))
        return 1;
    std::printf("sweep: done\n");
    std::fflush(stdout);
    return 0;
}
