#pragma once

// The menu numbers the code itself relies on, named once. Item ids number the rows of the
// compiled-in menu tables (frame/menus/menutables.txt, which must agree); host ids are the
// command numbers the host's activation callback receives.
#include <tesk/tesk_window.h>

namespace tesk::commands {

// ---- item ids ----
constexpr int kExitItem = 9;
// Handled by the window itself (no host id): shows the host's "Output" dock window.
constexpr int kOutputWindowItem = 137;
constexpr int kCloseWindowItem = 190;
// Every separator row carries this id.
constexpr int kSeparatorItem = 900;

// ---- host ids ----
constexpr int kOpenWorkspaceCommand = 32843;
// The recent-workspaces list, one command per entry.
constexpr int kRecentWorkspaceFirstCommand = 32891;
constexpr int kRecentWorkspaceLastCommand = 32900;
constexpr int kCloseWindowCommand = 32911;
constexpr int kNewCodeWindowCommand = 32950;
constexpr int kCycleConnectionsCommand = 49866;
constexpr int kCycleThreadsCommand = 49867;
// No menu row carries it: a window sends it before it closes so that the host can veto, and
// the manager lets it through without looking for a row.
constexpr int kAskHostToCloseCommand = TESK_CLOSE_ASKED;

} // namespace tesk::commands
