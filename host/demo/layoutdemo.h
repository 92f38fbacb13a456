#pragma once

// The demo by hand keeps its main window as the user left it: when the window closes, the host
// stores the window's place and size, its dock windows' records (each memory view's settings
// beside its record) and its toolbars' records in a file of the home area; the next start makes
// the dock windows again from those records instead of the fixed layout.

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

// Called once the user closes the main window, after its arrangement was stored into the file:
// the demo then ends. Before the demo hands the window over, the window stays open and nothing is
// stored: the demo ends once its steps are done.
void whenMainWindowCloses(void *library, const std::string &file, void (*closed)());
// The demo's steps are done: the window is the user's.
void handOverToUser();
// The menu command a main window sends its host as it closes; false for any other.
bool mainWindowCloses(int hostId);

} // namespace demo
