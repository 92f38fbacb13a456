// A host that made its own application loads libtesk.so in the library's wood look, starts it,
// never runs its loop and unloads it; its own rich text, its warnings and its application's end
// must then go on without reaching into the unloaded library.
// Prints "drawn" when it got there.
#include <tesk/tesk_functions.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

#include <cstdio>
#include <dlfcn.h>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    qputenv("GIVE_ME_WOOD", "1");
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
    return 0;
}
