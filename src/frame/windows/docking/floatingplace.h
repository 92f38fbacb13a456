#pragma once

// Where a dock window opens that floats without a place of its own (made without a dock area
// or a layout record): over its main window's central area, clear of the menu bar and the
// toolbars, and along with the main window while it moves (it is placed again once a window
// manager has framed the main window) until the user moves the dock.

class QMainWindow;
class QWidget;

namespace tesk::frame {

void placeFloatingClearOfMenus(QMainWindow *window, QWidget *dock);

// The main window's floating dock windows follow a screen whose free area changes (a panel
// comes, the resolution falls): each keeps its frame within the free area it stands on, one
// hidden meanwhile once it shows again.
void keepFloatingDocksOnScreens(QMainWindow *window);

} // namespace tesk::frame
