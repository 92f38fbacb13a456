#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

// Text helpers that the frame's windows and the dialogs share.

// Expands the first "$NAME" reference of a user-typed file name that a non-word character
// ends; an unset variable leaves the text as it is. Always true.
bool expandEnvironmentReference(QString &text);

// Memory-file actions of cuiMakeMemoryFileCommand.
enum CuiMemoryFileAction { CuiMemoryFileRead = 0, CuiMemoryFileWrite = 1, CuiMemoryFileVerify = 3 };

// The command line that reads, writes or verifies target memory from or to a file:
// "<verb>,<type>,gui \"<file>\"" followed by "=<location>" when a location is given. Answers
// false at the first failed check and, unless quiet, says why in a message box; the command may
// then hold a partial text.
bool cuiMakeMemoryFileCommand(QWidget *parent, bool quiet, int action, const QString &fileType,
                              const QString &fileName, const QString &location,
                              bool startAddressRequired, QString &command);
