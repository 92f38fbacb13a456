// A host that made its own application loads libtesk.so, starts it, never runs its loop and
// unloads it; its own rich text and warnings must then go on without reaching into the unloaded
// library.
// Prints "drawn" when it got there.
#include <tesk/tesk_functions.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

#include <cstdio>
#include <dlfcn.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    void *library = dlopen(TESK_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        std::printf("not loaded: %s\n", dlerror());
        return 1;
    }
    auto start = reinterpret_cast<PFN_CuiQtInit_WinEx>(dlsym(library, "CuiQtInit_WinEx"));
    char commandLine[] = "";
    if (!start || !start("unload_host", commandLine))
        return 1;
    dlclose(library);

    QTextDocument document;
    document.setHtml(QStringLiteral("<p>Locked <img src=\"padlock\"></p>"));
    QImage image(200, 50, QImage::Format_ARGB32);
    QPainter painter(&image);
    document.drawContents(&painter);
    painter.end();
    qWarning("a warning after the unload");
    std::printf("drawn\n");
    std::fflush(stdout);
    // The application was styled by the library, whose code is gone: it is not ended here.
    _exit(0);
}
