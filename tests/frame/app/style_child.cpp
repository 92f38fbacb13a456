// A start-up of its own for the style tests: starts the library with its first argument as
// the command line and prints the class of the application style it ended with.
#include "sanitizerdefaults.h"
#include "testhost.h"

#include <QApplication>
#include <QStyle>

#include <cstdio>
#include <string>

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::string commandLine = argc > 1 ? argv[1] : "";
    if (!CuiQtInit_WinEx("style_child", commandLine.data()))
        return 1;
    std::printf("style=%s\n", QApplication::style()->metaObject()->className());
    return 0;
}
