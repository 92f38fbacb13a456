// main of every benchmark program: the library is started through the test host, as the
// debugger engine starts it, before any benchmark runs.
#include "sanitizerdefaults.h"
#include "testhost.h"

#include <QDir>

#include <benchmark/benchmark.h>

// A program that must set up the host before the library starts (a broker component the
// library takes on first use, say) defines this.
void prepareBenchmarkHost() __attribute__((weak));

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const bool ownHome = !qEnvironmentVariableIsSet("KSODEBUG_HOME");
    if (prepareBenchmarkHost)
        prepareBenchmarkHost();
    testhost::startLibrary();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (ownHome)
        QDir(testhost::homeDir()).removeRecursively();
    return 0;
}
