// A host as it starts in a real run: it starts the library (which makes the inspector client
// when QT_INSPECTOR_PORT is set) and runs its loop until its standard input closes. Prints
// whether the start-up made a client.
#include "sanitizerdefaults.h"

#include "objectinspector/inspectorstartup.h"

#include <tesk/tesk_app.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

int main()
{
    char commandLine[] = "";
    if (CuiQtInit_WinEx("inspected_child", commandLine) != 1)
        return 2;
    std::printf("client=%s\n", tesk::inspector::startUpClient() ? "yes" : "no");
    std::fflush(stdout);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&input] {
        char byte;
        if (read(STDIN_FILENO, &byte, 1) <= 0) {
            input.setEnabled(false);
            QCoreApplication::exit(0);
        }
    });
    // Whatever the test does, the child ends.
    QTimer::singleShot(60000, [] { QCoreApplication::exit(1); });
    CuiRun();
    return 0;
}
