// The hostile sweep in one library state: sweep_child <state> calls every export of the table
// with every variant of hostile arguments and prints "sweep: done" when the library held;
// sweep_child --list prints the table's names. A sanitizer report or a crash ends the process
// early, so the test that starts it sees no "done" and the last export named.
// sweep_child reenter-texts|reenter-loops|reenter-callbacks [name] runs a re-entering mode
// (reenter.h), all lines, those of one name or one of them ("name#2"); sweep_child --list-modes
// prints their lines and the host components the library calls.
#include "exporttable.h"
#include "modalanswers.h"
#include "reentertable.h"
#include "sanitizerdefaults.h"
#include "testhost.h"

#include "frame/windows/store.h"
#include "system/debugoutput.h"
#include "system/documentopener.h"

#include <QObject>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>

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
    const bool reentering =
        state == "reenter-texts" || state == "reenter-loops" || state == "reenter-callbacks";
    if (!reentering &&
        std::find(std::begin(kStates), std::end(kStates), state) == std::end(kStates)) {
        std::fprintf(stderr, "usage: sweep_child --list | --list-modes | "
                             "before|started|window|afterrun|restarted | "
                             "reenter-texts|reenter-loops|reenter-callbacks [name]\n");
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
    hostile::World world;
    if (!setUp(state, world)) {
        std::printf("sweep: state %s not reached\n", state.c_str());
        return 1;
    }
    if (!sweep(world))
        return 1;
    std::printf("sweep: done\n");
    std::fflush(stdout);
    return 0;
}
