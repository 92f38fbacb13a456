// The hostile sweep in one library state: sweep_child <state> calls every export of the table
// with every variant of hostile arguments and prints "sweep: done" when the library held;
// sweep_child --list prints the table's names. A sanitizer report or a crash ends the process
// early, so the test that starts it sees no "done" and the last export named.
#include "exporttable.h"
#include "modalanswers.h"
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
#include <memory>
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

void sweep(const hostile::World &world)
{
    for (const hostile::Entry &entry : hostile::exportTable()) {
        std::printf("sweep: %s\n", entry.name);
        std::fflush(stdout);
        for (int variant = 0; variant < hostile::Args::kVariants; ++variant) {
            hostile::Args args(variant, world);
            entry.call(args);
        }
        CuiToolTipHide();
        CuiPump();
    }
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
    if (std::find(std::begin(kStates), std::end(kStates), state) == std::end(kStates)) {
        std::fprintf(stderr,
                     "usage: sweep_child --list | before|started|window|afterrun|restarted\n");
        return 2;
    }

    // The host's answers: modal requests dismissed, help pages not opened, the library's
    // (partly megabyte-long) debug output dropped.
    testhost::ModalAnswers answers;
    tesk::system::setDocumentOpener([](const QString &) { return 0; });
    tesk::system::setDebugSink([](const std::string &) {});

    hostile::World world;
    if (!setUp(state, world)) {
        std::printf("sweep: state %s not reached\n", state.c_str());
        return 1;
    }
    sweep(world);
    std::printf("sweep: done\n");
    std::fflush(stdout);
    return 0;
}
