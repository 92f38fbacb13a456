#include "panedemo.h"

#include "demoexports.h"

#include <tesk/tesk.h>

#include <cstdio>
#include <cstring>

namespace demo {

namespace {

// The main window's window box is its frame context (framedemo.cpp).
constexpr TeskHandle kMainBox = 0x1001;

const char *const kTabs[] = {"main.c", "util.c", "startup.s"};
// A path, a label of the library's dictionary, and a note of the host's own (never shown).
const char *const kToolTips[] = {"/work/src/main.c", "#101", "$internal"};
constexpr int kTabCount = 3;

int copyText(const char *text, int size, char *buffer)
{
    std::snprintf(buffer, static_cast<size_t>(size) + 1, "%s", text);
    return 1;
}

int yes(TeskHandle)
{
    return 1;
}

int no(TeskHandle)
{
    return 0;
}

// Only the main window's box has source tabs; the panes in dock windows have none.
int tabCount(TeskHandle box)
{
    return box == kMainBox ? kTabCount : 0;
}

int tabText(TeskHandle, int index, int size, char *buffer)
{
    return index >= 0 && index < kTabCount ? copyText(kTabs[index], size, buffer) : 0;
}

int noText(TeskHandle, int, int, char *)
{
    return 0;
}

// Tool tips answer 0 when the buffer holds one.
int tabToolTip(TeskHandle, int index, int size, char *buffer)
{
    return index >= 0 && index < kTabCount ? 1 - copyText(kToolTips[index], size, buffer) : 1;
}

int refuseDrag(TeskHandle, int, int, int, const char *)
{
    return 0;
}

int allowsTabMenu(TeskHandle, int)
{
    return 1;
}

int closeTab(TeskHandle, int index)
{
    std::printf("host: close tab %d asked\n", index);
    return 0;
}

int tabCommand(TeskHandle, int)
{
    return 0;
}

int tabSelected(TeskHandle, int index)
{
    std::printf("host: tab %d selected\n", index);
    return 0;
}

int horizontalDelta(TeskHandle, int delta)
{
    std::printf("host: scrolled by %d\n", delta);
    return 0;
}

void *g_windBoxFuncs[13] = {
    reinterpret_cast<void *>(&yes),        reinterpret_cast<void *>(&no),
    reinterpret_cast<void *>(&tabCount),   reinterpret_cast<void *>(&no),
    reinterpret_cast<void *>(&tabText),    reinterpret_cast<void *>(&noText),
    reinterpret_cast<void *>(&tabToolTip), reinterpret_cast<void *>(&refuseDrag),
    reinterpret_cast<void *>(&refuseDrag), reinterpret_cast<void *>(&allowsTabMenu),
    reinterpret_cast<void *>(&closeTab),   reinterpret_cast<void *>(&tabCommand),
    reinterpret_cast<void *>(&no),
};
void *g_xryFuncs[2] = {reinterpret_cast<void *>(&tabSelected),
                       reinterpret_cast<void *>(&horizontalDelta)};

int g_lastWidth = -1;
int g_lastHeight = -1;

void codeCallback(TeskHandle, int *rect, int reason)
{
    // Sizes repeat while the window settles: say each one once.
    if (reason == 1 && (rect[2] != g_lastWidth || rect[3] != g_lastHeight)) {
        g_lastWidth = rect[2];
        g_lastHeight = rect[3];
        std::printf("host: code area is %d x %d\n", rect[2], rect[3]);
    }
}

} // namespace

decltype(&QtRegisterCodeCB) g_registerCode = nullptr;

void publishWindowBoxTables(void *library)
{
    auto addVoidStar = DEMO_RESOLVE(library, CuiFunctionRegistryAddVoidStar);
    g_registerCode = DEMO_RESOLVE(library, QtRegisterCodeCB);
    addVoidStar("windBoxFuncs", g_windBoxFuncs);
    addVoidStar("xryFuncs", g_xryFuncs);
}

void buildMainWindowFrame()
{
    if (!g_registerCode)
        return;
    g_registerCode(&codeCallback, kMainBox);
    std::printf("host: main window frame built with %d tabs\n", kTabCount);
}

} // namespace demo
