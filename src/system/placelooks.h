#pragma once

// The looks the library takes at a window's place and frame some time after the step that
// placed it: a window manager maps, frames and answers in its own time, and the toolkit floats,
// docks and shows windows from its own handling of a step. Every such look is one of the kinds
// below, each with its delay stated here once. The kinds are listed in the order they fall due;
// looks that fall due in the same turn of the event loop run in that order, whoever asked first,
// so a look that places a window comes after every look that floats, docks or shows one.

#include <QObject>

#include <functional>

namespace tesk::system {

enum class PlaceLook {
    // At the next turn of the event loop, once the toolkit has handled the step:
    // a window the toolkit docked where the user dropped it goes into its area's lines;
    DropDocked,
    // a main window shown or activated shows the floating docks waiting for it and raises them;
    FloatingShown,
    // a place a window manager answered with another geometry is asked again.
    AskedAgain,
    // Every 20 ms while it waits: whether a window manager has framed the window, or framed it
    // anew with other margins.
    FrameLook,
    // 150 ms: a place asked of a window manager still taking in a window it has just framed
    // is asked once more, as it may have dropped the request.
    Confirm,
    // 250 ms: a window shown again has most likely been framed anew where its window manager
    // put it back.
    FramedAgain,
    // 400 ms: the toolkit has slid a dropped window into its place, if it found one.
    DropMissed,
    // 1 s: a window manager's late word on a window shown again.
    FramedLate,
    // 3 s: a window not framed by then has no frame, and the watch on its answers ends.
    FrameWaitOver,
};

// The delay of the kind of look, in milliseconds.
int placeLookDelay(PlaceLook look);

// Calls the function once the look falls due, unless the owner is gone by then. The timer is the
// owner's (see tesk::lifetime::later); the call runs from the library's own queue.
void lookAtPlace(QObject *owner, PlaceLook look, std::function<void()> function);
// Looks again and again, each time the look falls due, while the step answers true.
void lookAtPlaceWhile(QObject *owner, PlaceLook look, std::function<bool()> step);

// Whether a window manager maps, stacks and frames the windows in its own time. Where windows
// only draw (offscreen, minimal) a window shows, stands and stacks at once as asked.
bool windowManaged();

} // namespace tesk::system
