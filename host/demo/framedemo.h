#pragma once

#include <QString>

class QWidget;

#include <functional>
#include <initializer_list>
#include <string>

// The demo's main window: a splash while it starts, then a code window with its status bar,
// whose run state and progress move with the host's idle ticks.
namespace demo {

// The main window's size: a usual desktop's.
constexpr int kMainWindowWidth = 1280;
constexpr int kMainWindowHeight = 800;

struct FrameDemoOptions
{
    // Where to write screenshots of the main window and the splash; empty for none.
    std::string screenshotDir;
    std::string installDir;
    // Makes dock windows the show lays out at their records' places and extents.
    std::function<void()> beforeShow;
};

// Resolves the frame exports from the loaded library; throws when one is missing.
void loadFrameExports(void *library);
void showSplash(const FrameDemoOptions &options);
void createMainWindow(const FrameDemoOptions &options);
// Called from the host's idle function.
void frameTick(int tick);
void finishFrameDemo();
// Where a screenshot goes: the file in the directory, named "-wood" or "-metal" before its
// ".png" while the library shows that look (chosen with "-- -style wood", for example).
QString screenshotPath(const std::string &dir, const char *file);
// Grabs the widget into that file; nothing without a widget or a directory.
void saveScreenshot(QWidget *widget, const std::string &dir, const char *file);
// Nobody is there to answer: once a modal dialog is up, does what a user would (answer), takes
// its picture and ends it with the first of the named buttons it has.
void answerModalLater(const std::string &dir, const char *screenshot,
                      std::initializer_list<const char *> endButtons,
                      std::function<void(QWidget *)> answer);
// The first top-level widget of the object name, or else of the class.
QWidget *topLevelWidget(const char *className, const char *objectName);

} // namespace demo
