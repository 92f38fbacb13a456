#pragma once

// The demo by hand: the main window's own menu commands open each window and dialog family for
// the user to work in, and the host's entries in View > Custom Windows open those the menus
// have no command for. Debug > Step Into (Over, Out) steps the simulated target: registers and
// memory change and show in their change colour.

#include <cstdint>
#include <vector>

namespace demo {

enum class HandsOnKind { Step, Window };

struct HandsOnEntry
{
    HandsOnKind kind;
    // The host id the menu command reaches the host with.
    int hostId;
    // The text of a host entry in View > Custom Windows; null for a command of the menus.
    const char *customText;
    // What it opens, as the README names it.
    const char *opens;
    void (*open)(void *library);
};

const std::vector<HandsOnEntry> &handsOnEntries();
// A memory view on core A at the address, in the bottom area.
void openMemoryView(void *library, uint32_t address);
// Keeps the library to open the windows with and adds the host's entries to the main window's
// View > Custom Windows.
void addHandsOnMenus(void *library);
// The menu command's window or step; false when the command is none of the demo's.
bool runHandsOnCommand(int hostId);

} // namespace demo
