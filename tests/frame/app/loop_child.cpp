// The loop exports in a process of their own, since CuiRun ends the application it ran.
// First argument: "pending" (a shutdown asked for before the loop runs), "hostapp" (a host
// that made its own application), "inbox" (a pumping host that runs the loop and shuts down
// from a timer inside a box), "runbox" (the same with the loop running around the box) or
// "restart" (the library ended and started again). Prints what it saw.
#include "modalanswers.h"
#include "sanitizerdefaults.h"
#include "testhost.h"

#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <utility>

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

// Inside the first box the library runs, as a host timer would: the loop asked for, then the
// shutdown; the box is then answered Yes.
void runAndShutDownInTheFirstBox()
{
    static const auto answer = tesk::system::ModalSeam::setResponder(nullptr);
    static bool first = true;
    tesk::system::ModalSeam::setResponder([](const tesk::system::ModalSeam::Request &request) {
        if (std::exchange(first, false)) {
            std::printf("nested=%d\n", CuiRun());
            std::printf("shutdown=%d\n", QtShutdown());
        }
        answer(request);
    });
}

int shutdownInsideABox(bool runningLoop)
{
    char commandLine[] = "";
    if (!CuiQtInit_WinEx("loop_child", commandLine) || !createFrame())
        return 1;
    testhost::ModalAnswers answers;
    answers.answerMessageBoxes(QMessageBox::Yes);
    runAndShutDownInTheFirstBox();
    endLoopAfter(5000);
    if (runningLoop) {
        QTimer::singleShot(0, [] { std::printf("box=%d\n", CuiSimplePrompt(0, "", "first")); });
        std::printf("run=%d\n", CuiRun());
    } else {
        std::printf("box=%d\n", CuiSimplePrompt(0, "", "first"));
        // The shutdown waits for the next run: a box asked meanwhile waits for its answer.
        std::printf("second=%d\n", CuiSimplePrompt(0, "", "second"));
        std::printf("application=%s\n", CuiGetQtApp() ? "yes" : "no");
        std::printf("run=%d\n", CuiRun());
    }
    std::printf("application=%s\n", CuiGetQtApp() ? "yes" : "no");
    return 0;
}

int g_focusCalls = 0;

void countFocus(TeskHandle, int *, int code)
{
    g_focusCalls += code == 3;
}

// One round of a host's life with the library: a frame with a dock window, a click into the
// dock's pane while the loop runs, and the end of the loop, which ends the application.
void dockRound()
{
    char commandLine[] = "";
    if (!CuiQtInit_WinEx("loop_child", commandLine) || !createFrame())
        return;
    MainWindow *window = Store::currentMainWindow();
    window->show();
    QtCreateDocked(1, 0);
    DockWidget *dock = window->createDockedWindow(77, "Registers", &countFocus);
    auto *field = new QLineEdit(dock->pane());
    field->show();
    auto *outside = new QLineEdit(window->pane());
    outside->show();
    QTimer::singleShot(0, [window, field, outside] {
        QApplication::setActiveWindow(window);
        outside->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
        g_focusCalls = 0;
        field->setFocus(Qt::MouseFocusReason);
        QtShutdown();
    });
    endLoopAfter(3000);
    CuiRun();
    std::printf("focus calls=%d\n", g_focusCalls);
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("KSODEBUG_ALLOW_MULTIPLE_INSTANCES", "1", 1);
    const char *mode = argc > 1 ? argv[1] : "";
    int result = 0;
    if (!std::strcmp(mode, "hostapp"))
        result = hostApplication();
    else if (!std::strcmp(mode, "inbox") || !std::strcmp(mode, "runbox"))
        result = shutdownInsideABox(!std::strcmp(mode, "runbox"));
    else if (!std::strcmp(mode, "restart")) {
        // Ended and started again, the library still hears the user's focus changes.
        dockRound();
        dockRound();
    } else
        result = shutdownBeforeTheLoop();
    std::fflush(stdout);
    return result;
}
