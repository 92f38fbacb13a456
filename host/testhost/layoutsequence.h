#pragma once

// Random sequences of what a host and a user do to a main window's dock layout, played against
// the layout's promises (layoutpromises.h) after every step. A sequence is made from a seed, so
// a failing one is played again from its seed alone, and shrunk to the shortest sequence that
// still breaks the same promise.
//
// Host steps go through the C exports as a host calls them (docks made on new or same lines,
// floating panes, layout records restored before and after the show, a group of tabs' too, dock
// boxes sized, docks hidden, shown again, closed, floated and docked, the editor toolbars, toolbar
// records, the records stored and restored in fresh main windows, a group of tabs hidden or its
// window closed before one more pane comes, memory views' docks made and closed through the views
// manager, docks closed out of groups, a window floated out of a group whose others are then
// hidden before one more pane comes, a pane and a group of two beside it restored at the
// bottom); the user's steps are simulated
// input (separator drags, also with their release lost to a popup, a modal box, a hide or a
// deactivation; the float button; a tab of a group clicked; toolbars moved, torn off and hidden;
// the main window made smaller and larger again, also through its platform window as a window
// manager does) and the screen made smaller. Between them the host's life goes on: it reads its
// records at any moment (before the show too, compared with those read after it) and brings them
// back in a fresh main window, or after its run ended and the library started again in the same
// load (its broker cleared or not, in the other language, in any look), at the main window's stored
// place and on a screen of either size.

#include "layoutpromises.h"

#include <QRect>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testhost::layout {

enum class StepKind {
    Start, // the main window made on a screen of 1280x800 or 1024x600
    Show,
    DockRight,
    DockBottom,
    Floating,
    Restore,
    ResizeBox,
    Hide,
    ShowAgain,
    Close,
    Undock,
    Dock,
    FindToolbar,
    ScriptToolbar,
    ToolbarRecord,
    ShrinkScreen,
    RoundTrip,
    Drag,
    FloatButton,
    ToolbarMove,
    ToolbarTearOff,
    ToolbarHide,
    // The real pointer, on a display only: a floating dock's title bar dragged onto a dock
    // area, or double-clicked.
    TitleBarDrag,
    TitleBarDoubleClick,
    StoreRecords,
    FreshWindow,
    Restart,
    RestoreTab,
    ResizeWindow, // the user makes the main window smaller, then as large as it was again
    // The host hides the group of tabs at the end of the right or the bottom area (whole, but
    // for its tab shown, or its window standing), or closes its window standing, and makes one
    // more pane there.
    HideTabs,
    // The window system makes the main window smaller and as large again through its platform
    // window, as a window manager does, without the toolkit's widget being asked.
    ResizeByWindowSystem,
    // A memory view the host opens through the views manager, in a new dock on the right or
    // at the bottom (made by createView, createViewInNewPane or openView) or one more view in a
    // memory dock there is.
    MemoryView,
    // The host closes a memory view's dock: by its box, by option 668, or by taking its views
    // away one by one (the last one closes the dock).
    CloseMemory,
    // The host closes a dock that stands in a group of tabs, shown or not.
    CloseInGroup,
    // The real pointer, on a display only: a floating dock's title bar dragged onto the row of
    // tabs of a group, which it joins.
    TitleBarDropOnTabs,
    // The host floats every dock of a group of tabs in one go, with no turn of the event loop
    // between (CuiPaneUndock on each).
    UndockTabs,
    // The host floats one window of the group of tabs at the end of the right or the bottom
    // area (restored there first by records where there is none) and hides the others (or
    // hides none), reads its records or not, and makes one more pane there.
    FloatOutOfTabs,
    // The host restores three bottom records: a pane on a line of its own and, beside it, a
    // group of two, each sized by its record.
    RestoreBesideGroup,
    // The user clicks a tab of a group's row of tabs, bringing it to the front.
    ClickTab,
};

// What a step does is fixed by its kind and numbers: a number that picks a dock or a toolbar
// picks among those there are when the step runs, so any part of a sequence still runs.
struct Step
{
    StepKind kind;
    uint32_t a = 0;
    uint32_t b = 0;
    uint32_t c = 0;
    uint32_t d = 0;
};

// The screen the sequences run on.
struct Screen
{
    // Gives the toolkit's screen that size and free area; null where the display's screen is
    // fixed (the screen-made-smaller step then does nothing).
    std::function<void(const QRect &screen, const QRect &free)> set;
    // Waits until a window manager has framed the windows and nothing moves; null without one.
    std::function<void()> settleFrames;
};

struct Failure
{
    int step = -1; // the step after which the promise was broken
    Broken broken;
};

// With the pointer, steps of the real pointer come between the same steps as without.
std::vector<Step> generate(uint32_t seed, int shortest, int longest, bool pointer = false);
// Plays the sequence in a main window of its own, which it ends afterwards; the first promise
// broken, of those switched on. Looking again, a failure on a display also tells what both
// views show once a window manager has had all its time: what changed by then came late.
std::optional<Failure> play(const std::vector<Step> &steps, const Screen &screen,
                            const PromiseSwitches &switches, bool lookAgain = false);
// The shortest part of the sequence found that still breaks the same promise.
std::vector<Step> reduce(std::vector<Step> steps, const Failure &failure, const Screen &screen,
                         const PromiseSwitches &switches);
std::string describe(const std::vector<Step> &steps);

// Sequences once found breaking a promise, shortened, each named by what broke.
using NamedSequences = std::vector<std::pair<const char *, std::vector<Step>>>;

// Plays each with every promise that holds on (TESK_LAYOUT_PROMISES switches on those waiting
// for their mends too): a line for each that broke, or nothing.
std::string playEach(const NamedSequences &sequences, const Screen &screen);

// Plays `count` sequences from the seed on (TESK_LAYOUT_SEED replays one seed alone,
// TESK_LAYOUT_SEQUENCES sets the count) and answers an empty text when every promise switched
// on held; else the seed, the promise and the shortest sequence found, and how to replay it.
// TESK_LAYOUT_SURVEY lists every seed that breaks instead, unshortened; TESK_LAYOUT_TRACE
// prints the picture and the toolkit's docks after each step.
std::string playSeeds(uint32_t firstSeed, int count, int shortest, int longest,
                      const Screen &screen);

} // namespace testhost::layout
