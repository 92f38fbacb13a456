// main of every test program: the library is started through the test host, as the debugger
// engine starts it, before any test runs.
#include "testhost.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstdlib>

#ifdef TESK_LSAN_SUPPRESSIONS
// CTest hands a discovered test only the first entry of an environment list, so the
// sanitizers' options travel with the program instead (and reach the programs it starts
// through the environment).
#define TESK_LSAN_OPTIONS "suppressions=" TESK_LSAN_SUPPRESSIONS ":print_suppressions=0"
#define TESK_UBSAN_OPTIONS "print_stacktrace=1:halt_on_error=1"

extern "C" const char *__lsan_default_options()
{
    return TESK_LSAN_OPTIONS;
}

extern "C" const char *__ubsan_default_options()
{
    return TESK_UBSAN_OPTIONS;
}
#endif

int main(int argc, char **argv)
{
#ifdef TESK_LSAN_SUPPRESSIONS
    setenv("LSAN_OPTIONS", TESK_LSAN_OPTIONS, 0);
    setenv("UBSAN_OPTIONS", TESK_UBSAN_OPTIONS, 0);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    const bool ownHome = !qEnvironmentVariableIsSet("KSODEBUG_HOME");
    testhost::startLibrary();
    const int result = RUN_ALL_TESTS();
    if (ownHome)
        QDir(testhost::homeDir()).removeRecursively();
    return result;
}
