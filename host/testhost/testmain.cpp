// main of every test program: the library is started through the test host, as the debugger
// engine starts it, before any test runs.
#include "sanitizerdefaults.h"
#include "testhost.h"

#include <QDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const bool ownHome = !qEnvironmentVariableIsSet("KSODEBUG_HOME");
    testhost::startLibrary();
    const int result = RUN_ALL_TESTS();
    if (ownHome)
        QDir(testhost::homeDir()).removeRecursively();
    return result;
}
