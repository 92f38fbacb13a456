// A host as it starts in a real run: it starts the library (which makes the inspector client
// when QT_INSPECTOR_PORT is set) and runs its loop until its standard input closes. Prints
// whether the start-up made a client.
#include "childloopend.h"
#include "sanitizerdefaults.h"

#include "objectinspector/inspectorstartup.h"

#include <tesk/tesk_app.h>

#include <cstdio>

int main()
{
    char commandLine[] = "";
    if (CuiQtInit_WinEx("inspected_child", commandLine) != 1)
        return 2;
    std::printf("client=%s\n", tesk::inspector::startUpClient() ? "yes" : "no");
    std::fflush(stdout);
    endLoopWhenInputCloses();
    CuiRun();
    return 0;
}
