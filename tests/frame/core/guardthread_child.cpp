// The export guard's choice of the library's thread, made once per process, in a process of its
// own. guardthread_child application: the host made its own application on its main thread and
// calls first from a worker, then from its main thread, then from the worker again.
// guardthread_child broker: the broker loads the plug-in on a thread of its own, then the host
// makes its first call on its main thread and the next from the worker. Prints one word a call:
// "accepted" or "refused" (the refusal's debug line heard).
#include "sanitizerdefaults.h"

#include "system/debugoutput.h"

#include <tesk/tesk_app.h>
#include <tesk/tesk_registry.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

int g_refusals = 0;

// Runs the call on this thread or a worker's; what the guard answered it.
template<typename Call>
const char *answered(bool onWorker, Call call)
{
    const int before = g_refusals;
    if (onWorker)
        std::thread(call).join();
    else
        call();
    return g_refusals == before ? "accepted" : "refused";
}

int data = 0;

void addVoidStar()
{
    CuiFunctionRegistryAddVoidStar("guard", &data);
}

void getVoidStar()
{
    CuiFunctionRegistryGetVoidStar("guard");
}

void loadPlugin()
{
    if (MoskResult error = moskInitialisePlugin(nullptr))
        error->ops->Release(error);
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    tesk::system::setDebugSink([](const std::string &line) {
        if (line.find("called from a thread other than") != std::string::npos)
            ++g_refusals;
    });
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "application") {
        const QApplication application(argc, argv);
        std::printf("%s", answered(true, &addVoidStar));
        std::printf(" %s", answered(false, &addVoidStar));
        std::printf(" %s\n", answered(true, &getVoidStar));
        return 0;
    }
    if (mode == "broker") {
        std::printf("%s", answered(true, &loadPlugin));
        std::printf(" %s", answered(false, &addVoidStar));
        std::printf(" %s\n", answered(true, &getVoidStar));
        return 0;
    }
    std::fprintf(stderr, "usage: guardthread_child application|broker\n");
    return 2;
}
