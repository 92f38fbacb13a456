#pragma once
// What the file, directory and load exports share: the answer buffer of the file export, the
// dialogs' parent and the copy into a caller's buffer.

#include <tesk/tesk_global.h>

#include <QByteArray>
#include <QStringList>

class QWidget;

// The file export's answer: valid until its next successful call.
extern char g_Filename[4096];

namespace tesk::dialogs {

// Writes the names into the buffer as one directory (that of the first name, with its final
// separator), NUL, each base name and a NUL, then one more NUL; native separators, UTF-8.
// 1, with nothing written, when the whole does not fit.
int joinSelectedFiles(const QStringList &files, char (&buffer)[sizeof g_Filename]);
// One name (native separators, UTF-8) and two NULs; 1, with nothing written, when it does not
// fit.
int storeSelectedFile(const QString &file, char (&buffer)[sizeof g_Filename]);

// The widget of a live handle, else the current main window.
QWidget *dialogParent(TeskHandle parent);

// Copies the text with its NUL when it fits; false (nothing written) otherwise, also for a null
// or empty buffer.
bool copyIfFits(const QByteArray &text, char *buffer, uint32_t size);

} // namespace tesk::dialogs
