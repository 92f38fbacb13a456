#pragma once

#include <tesk/tesk_toolbars.h>

class FindToolBar;
class MainWindow;
class QMainWindow;
class QToolBar;
class ScriptToolBar;
class TopLevelWindow;

// The editor toolbars of a main window. The window owns them as its children; a window has
// at most one of each, and asking again hands back the one it has.
namespace tesk::frame {

FindToolBar *findToolBarOf(const QMainWindow *window);
FindToolBar *createFindToolBar(MainWindow *window, CuiFindToolBarFn callback);
FindToolBar *createFindToolBar(TopLevelWindow *window, CuiFindToolBarFn callback);
ScriptToolBar *scriptToolBarOf(const QMainWindow *window);
ScriptToolBar *createScriptToolBar(MainWindow *window, CuiScriptToolBarFn callback);

// Puts the find and script toolbars on one line while the window is wide enough for both,
// else each on a line of its own; run again when the window's width changes. Once a layout
// record has placed either, their lines are the record's.
void chooseEditorLines(QMainWindow *window);
void keepRecordedLine(QToolBar *toolBar);

// The find toolbar of the top-level window with the handle; otherwise makes the main window
// with the handle current (an unknown handle leaves the current one) and answers the current
// main window's find toolbar. Null when the chosen window has none.
FindToolBar *routeFindToolBar(TeskHandle handle);

} // namespace tesk::frame
