// The loop exports in a process of their own, since CuiRun ends the application it ran.
// First argument: "pending" (a shutdown asked for before the loop runs) or "hostapp" (a host
// that made its own application). Prints what it saw.
#include "sanitizerdefaults.h"
#include "testhost.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>

namespace {

// However the library behaves, the child ends and says so.
void endLoopAfter(int ms)
{
    QTimer::singleShot(ms, [] {
        std::printf("loop held\n");
        QCoreApplication::exit(1);
    });
}

bool createFrame()
{
    QtCreateNewCode(1);
    return QtFrameCreate("Debugger", 1, nullptr) != 0;
}

int shutdownBeforeTheLoop()
{
    char commandLine[] = "";
    if (!CuiQtInit_WinEx("loop_child", commandLine) || !createFrame())
        return 1;
    std::printf("shutdown=%d\n", QtShutdown());
    endLoopAfter(3000);
    std::printf("run=%d\n", CuiRun());
    std::printf("application=%s\n", CuiGetQtApp() ? "yes" : "no");
    return 0;
}

int hostApplication()
{
    int argc = 1;
    char name[] = "loop_child";
    char *argv[] = {name, nullptr};
    auto *own = new QApplication(argc, argv);
    char commandLine[] = "";
    std::printf("start=%d\n", CuiQtInit_WinEx("loop_child", commandLine));
    if (!createFrame())
        return 1;
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        QtShutdown();
    });
    endLoopAfter(3000);
    std::printf("run=%d\n", CuiRun());
    std::printf("ran=%s\n", ran ? "yes" : "no");
    std::printf("application=%s\n", CuiGetQtApp() == own ? "host's" : "other");
    std::fflush(stdout);
    // The host ends its own application, after the windows still open.
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    const QList<QPointer<QWidget>> windows(topLevels.begin(), topLevels.end());
    for (const QPointer<QWidget> &window : windows) {
        if (window && !window->parent())
            delete window.data();
    }
    delete own;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("KSODEBUG_ALLOW_MULTIPLE_INSTANCES", "1", 1);
    const bool hostApp = argc > 1 && !std::strcmp(argv[1], "hostapp");
    const int result = hostApp ? hostApplication() : shutdownBeforeTheLoop();
    std::fflush(stdout);
    return result;
}
