// A host that owns its application and loads the library itself: it starts the library (which
// makes the inspector client when QT_INSPECTOR_PORT is set), runs the library's loop until its
// standard input closes, unloads the library and only then deletes its application. With the
// argument "ownloop" it runs its own loop instead and never the library's.
#include "childloopend.h"
#include "sanitizerdefaults.h"

#include <QApplication>

#include <cstdio>
#include <dlfcn.h>

int main(int argc, char **argv)
{
    auto *application = new QApplication(argc, argv);
    void *library = dlopen(TESK_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        std::fprintf(stderr, "%s\n", dlerror());
        return 2;
    }
    using Init = int (*)(const char *, char *);
    auto init = reinterpret_cast<Init>(dlsym(library, "CuiQtInit_WinEx"));
    auto run = reinterpret_cast<int (*)()>(dlsym(library, "CuiRun"));
    char commandLine[] = "";
    if (!init || !run || init("dlopen_host_child", commandLine) != 1)
        return 3;
    endLoopWhenInputCloses();
    const bool ownLoop = argc > 1 && qstrcmp(argv[1], "ownloop") == 0;
    if (ownLoop)
        QApplication::exec();
    else if (run() != 1)
        return 5;
    if (dlclose(library) != 0)
        return 4;
    delete application;
    return childTimedOut() ? 1 : 0;
}
