#pragma once

// The demo by hand keeps its main window as the user left it: when the demo ends, the host
// stores the window's place and size, its dock windows' records (each memory view's settings
// and each navigator's state beside its record), the register panes' user views and its
// toolbars' records in a file of the home area; the next start makes the dock windows again
// from those records instead of the fixed layout.

#include <string>

namespace demo {

// The file in the home area.
std::string layoutFile(const std::string &home);
// The main window's arrangement into the file; false when it could not be written.
bool storeLayout(void *library, const std::string &file);
// Places the main window as stored and makes the stored dock windows again, each from its
// record: the number of dock windows made, -1 when there was nothing to restore. Called before
// the main window shows: dock windows made after the show join their lines at their stored
// extents and leave the others the rest, so a line of several would not come back as stored.
int restoreLayout(void *library, const std::string &file);
// Puts the toolbars back in their stored rows and order, once the host has made its own.
void restoreToolbars(void *library, const std::string &file);

// Stores the layout into the file, the script list and the event filters into theirs: what
// the user set, for the next start. False when the layout could not be written.
bool storeEverything(void *library, const std::string &file);

// Called once the user ends the demo (the main window's close button, File > Close Window,
// File > Exit, Ctrl-C or SIGTERM), after what they set was stored: the demo then ends. Before
// the demo hands the window over, the window stays open and nothing is stored: the demo ends
// once its steps are done.
void whenMainWindowCloses(void *library, const std::string &file, void (*closed)());
// The demo's steps are done: the window is the user's.
void handOverToUser();
// The menu commands that end the demo (the close button's question, File > Close Window, File >
// Exit): true for those, false for any other and for the close button of a scripted show.
bool mainWindowCloses(int hostId);
// Ctrl-C and SIGTERM end the demo as File > Exit does, from the loop (the signal handler only
// wakes it). Without whenMainWindowCloses (a scripted show), they and File > Exit call ended,
// and nothing is stored. Needs the application.
void endOnSignals(void (*ended)());

} // namespace demo
