// The host's cycle-menu text, one entry a line, filled into a popup for each of the cycle
// commands that cut their lines differently.
#include "frame/core/commandids.h"
#include "frame/menus/mt.h"
#include "frame/menus/teskpopupmenu.h"

#include <QApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "fuzz_cyclemenutext";
    static char *argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    for (int hostId :
         {tesk::commands::kCycleConnectionsCommand, tesk::commands::kCycleThreadsCommand, 40000}) {
        TeskPopupMenu popup;
        MT::fillFromText(text, &popup, hostId);
    }
    return 0;
}
