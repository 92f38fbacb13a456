#pragma once

// A register pane's host for the tests: the handler records every operation, writes a new
// value into its value lines and sends them back, sends them again when a view asks, refuses
// changes when told to, and can call exports from inside.

#include <tesk/tesk_registers.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testhost {

struct RegHandlerCall
{
    uint32_t op = 0;
    uintptr_t pointer = 0;
    std::string text;
    bool nullText = false;
    uintptr_t context = 0;
};

class RegPaneHost
{
public:
    // Attach the host to a pane with CuiRegPaneAttach(pane, host.context()).
    static int handler(uint32_t op, uintptr_t pointer, const char *text, uintptr_t context,
                       uint32_t reserved);
    uintptr_t context() { return reinterpret_cast<uintptr_t>(this); }

    // The value lines of the data set, one register a line; a register's host word is its line.
    void send();
    int count(uint32_t op) const;

    uint32_t dataSet = 0;
    std::vector<std::string> lines;
    bool refuseChanges = false;
    std::vector<RegHandlerCall> calls;
    // Runs after an operation was recorded (and answered).
    std::function<void(uint32_t op)> inside;
};

} // namespace testhost
