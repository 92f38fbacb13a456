// One run of a host that keeps a top-level window's place across runs: it gives back the
// geometry named on its command line, shows the window on the display it was started on, and
// once the window manager has framed it prints what QtGetSizePos reads (the host stores that)
// and where the frame stands: "x y width height frameX frameY".
#include "sanitizerdefaults.h"
#include "testhost.h"

#include "frame/windows/store.h"
#include "system/freearea.h"

#include <tesk/tesk.h>

#include <QMainWindow>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 5)
        return 2;
    testhost::startLibrary();
    QtSetTopPersistanceData(std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]),
                            std::atoi(argv[4]));
    constexpr TeskHandle kTop = 0x7200;
    QtSetIsDockingWindow(0);
    if (!QtTopLevelCreate(kTop, nullptr, 0))
        return 3;
    QWidget *top = Store::currentTopLevelWindow();
    QtFrameShow();
    QtSetIsDockingWindow(1);
    QtRaiseWindowByBox(kTop);
    if (!testhost::pumpUntil([&] { return !tesk::system::frameMargins(top).isNull(); }, 5000))
        return 4;
    testhost::pumpFor(500);
    int x = 0, y = 0, width = 0, height = 0, minimised = 0;
    QtGetSizePos(kTop, &x, &y, &width, &height, &minimised);
    std::printf("%d %d %d %d %d %d\n", x, y, width, height, top->frameGeometry().x(),
                top->frameGeometry().y());
    return 0;
}
