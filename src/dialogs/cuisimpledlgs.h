#pragma once

#include <tesk/tesk_dialogs.h>

#include <QMessageBox>

// The roads of the message, prompt and host-described dialog exports.
namespace tesk::dialogs {

// Before start-up (or after the application is gone) no window can be made: the caller then
// answers as if the user had cancelled. Says so on the debug output.
bool canShowWindows(const char *what);

// A toolkit message box with explicit default and escape buttons, parented to the current
// main window and run through the modal seam; answers the button that ended it (the escape
// button when the window was closed). caption and text are UTF-8; a null caption shows the
// debugger's name.
QMessageBox::StandardButton runToolkitBox(QMessageBox::Icon icon, const char *caption,
                                          const char *text, QMessageBox::StandardButtons buttons,
                                          QMessageBox::StandardButton defaultButton,
                                          QMessageBox::StandardButton escapeButton);

// The library's own box for CuiMessagePrompt (Latin-1 texts); 0 when prompts are suppressed.
int messagePrompt(const char *caption, const char *text, int icon, int button0, int button1,
                  int button2);

// Builds a SimpleDialog from the description and runs or shows it as its mode says.
int execDescription(const QSDIDescription &description);

// Runs a live dialog of the families modally: its result, or 0 when the dialog or its window
// was ended inside the loop.
int runDialogHandle(QDialog &dialog);

} // namespace tesk::dialogs
