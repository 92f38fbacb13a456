#include "handsondemo.h"

#include "breakpointdlgdemo.h"
#include "demoexports.h"
#include "dialogdemo.h"
#include "entrydemo.h"
#include "filtersdemo.h"
#include "loaddemo.h"
#include "memorydemo.h"
#include "memorydialogsdemo.h"
#include "navigatordemo.h"
#include "registers.h"
#include "searchpathdemo.h"
#include "syncdemo.h"
#include "viewsdemo.h"

#include <tesk/tesk.h>
#include <tesk/tesk_views.h>

#include <mosk/mosk.hpp>

#include <QTimer>

#include <cstdio>

namespace demo {

namespace {

void *g_library = nullptr;

constexpr int kCoreA = 1;
// Where the simulated target greets, its stack just after: a step changes it.
constexpr uint32_t kGreeting = 0x20000000;

void step(void *)
{
    std::printf("host: core A steps\n");
    stepSimulatedCore();
    stepSimulatedMemory();
}

void registers(void *library)
{
    openRegisterPane(library);
}

void memoryView(void *library)
{
    openMemoryView(library, kGreeting);
}

void symbols(void *library)
{
    runNavigatorDemo(library, std::string());
}

void synchronisation(void *)
{
    openSynchronisationWindow();
}

void memoryOperations(void *library)
{
    runMemoryDialogsDemo(library, std::string(), true);
}

void fillMemory(void *library)
{
    runFillMemoryDialog(library);
}

void searchPaths(void *library)
{
    runSearchPathDemo(library, std::string(), true);
}

void eventConfiguration(void *library)
{
    const TeskHandle dialog = DEMO_RESOLVE(library, CuiFilters_ModuleFilterDlgCreate)(0, "");
    const bool accepted = DEMO_RESOLVE(library, CuiDialogExec)(reinterpret_cast<void *>(dialog));
    std::printf("host: event configuration %s\n", accepted ? "accepted" : "cancelled");
    DEMO_RESOLVE(library, CuiDeleteObject)(reinterpret_cast<void *>(dialog));
    // The user changed the filters: they are kept at once.
    if (accepted)
        storeFilters(library);
}

void questions(void *library)
{
    runEntryDemo(library, std::string(), true);
}

void boxes(void *library)
{
    runDialogDemo(library, std::string(), true);
}

// The first free entries of View > Custom Windows (the demo's "Peripheral Registers" has the
// list's first id).
constexpr int kCustomWindows = 32955;

} // namespace

const std::vector<HandsOnEntry> &handsOnEntries()
{
    static const std::vector<HandsOnEntry> entries = {
        {HandsOnKind::Step, 40071, nullptr, "Debug > Step Into: a step of the simulated target",
         &step},
        {HandsOnKind::Step, 40072, nullptr, "Debug > Step Over: a step of the simulated target",
         &step},
        {HandsOnKind::Step, 40073, nullptr, "Debug > Step Out: a step of the simulated target",
         &step},
        {HandsOnKind::Window, 40050, nullptr, "View > Registers: a register pane", &registers},
        {HandsOnKind::Window, 40048, nullptr, "View > Memory: a memory view on core A",
         &memoryView},
        {HandsOnKind::Window, 40053, nullptr, "View > Symbols: a data navigator", &symbols},
        {HandsOnKind::Window, 40060, nullptr,
         "Target > Synchronization Control...: the synchronisation window", &synchronisation},
        {HandsOnKind::Window, 40080, nullptr,
         "Debug > Breakpoints > Create Breakpoint...: the breakpoint dialog",
         &runBreakpointDialogByHand},
        {HandsOnKind::Window, 40088, nullptr, "Target > Load Image...", &askLoadImage},
        {HandsOnKind::Window, 40067, nullptr, "Target > Load Binary...", &askLoadBinary},
        {HandsOnKind::Window, 40106, nullptr,
         "Debug > Memory/Register Operations > Upload/Download Memory file...: memory file "
         "operations, a fill and the simulator's configuration",
         &memoryOperations},
        {HandsOnKind::Window, 40107, nullptr,
         "Debug > Memory/Register Operations > Fill Memory with Pattern...: the fill dialog",
         &fillMemory},
        {HandsOnKind::Window, 40110, nullptr, "Debug > Set Source Search Path...", &searchPaths},
        {HandsOnKind::Window, kCustomWindows, "Event Configuration...", "the event filters",
         &eventConfiguration},
        {HandsOnKind::Window, kCustomWindows + 1, "Questions and Entries...",
         "a check list, text and number entries, Go To Line, a missing source file, the user's "
         "details and the about box",
         &questions},
        {HandsOnKind::Window, kCustomWindows + 2, "Message Boxes and Find Panel...",
         "a three-button prompt, boxes the host describes and the find and replace panel", &boxes},
    };
    return entries;
}

void openMemoryView(void *library, uint32_t address)
{
    IGcp_ViewsManager *views = viewsManager();
    if (!views)
        return;
    placeNextPaneAtBottom(library, false);
    const TeskMemoryAddress at{address, 0};
    mosk::release(views->ops->openView(views, GCP_VIEW_TYPE_MEMORY, kCoreA, &at, 0));
    views->ops->Release(views);
}

void addHandsOnMenus(void *library)
{
    g_library = library;
    const auto append = DEMO_RESOLVE(library, QtAppendMenu);
    for (const HandsOnEntry &entry : handsOnEntries()) {
        if (entry.customText)
            append(entry.hostId, entry.customText, nullptr, 0);
        if (entry.customText)
            std::printf("host: by hand, View > Custom Windows > %s: %s\n", entry.customText,
                        entry.opens);
        else
            std::printf("host: by hand, %s\n", entry.opens);
    }
}

bool runHandsOnCommand(int hostId)
{
    if (!g_library)
        return false;
    for (const HandsOnEntry &entry : handsOnEntries()) {
        if (entry.hostId == hostId) {
            // From the loop, not from inside the library's menu callback: the windows it opens
            // may run loops of their own.
            QTimer::singleShot(0, [open = entry.open] { open(g_library); });
            return true;
        }
    }
    return false;
}

} // namespace demo
