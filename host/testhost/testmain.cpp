// main of every test program: the library is started through the test host, as the debugger
// engine starts it, before any test runs. Under every test lie the modal answers: a box, menu,
// editor or dialog that no test answers gets the default answer, and one left waiting fails the
// test that runs by name instead of holding the program until it is killed.
#include "modalanswers.h"
#include "sanitizerdefaults.h"
#include "testhost.h"

#include <QDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const bool ownHome = !qEnvironmentVariableIsSet("KSODEBUG_HOME");
    testhost::startLibrary();
    int result = 0;
    {
        const testhost::ModalAnswers answers;
        result = RUN_ALL_TESTS();
    }
    if (ownHome)
        QDir(testhost::homeDir()).removeRecursively();
    return result;
}
