#pragma once

class QWidget;

// The main window that messages and dialogs of the frame services take as parent. The window
// store provides it once main windows exist; until then there is none.
namespace tesk::frame {

using MainWindowProvider = QWidget *(*)();
void setCurrentMainWindowProvider(MainWindowProvider provider);
QWidget *currentMainWindow();

} // namespace tesk::frame
