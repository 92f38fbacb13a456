// main of the pure-logic test programs: they link only the area they test, so there is no
// library to start; a toolkit application on the offscreen platform is all their classes need.
#include "sanitizerdefaults.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
