#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

// Text helpers that the frame's windows and the dialogs share.

// Plain text made safe for a rich-text label; a text that starts with "<" is rich text already
// and is returned as it is.
QString cuiEscapeRichText(const QString &text);
// The text with every markup character written as its entity, whatever it starts with: for
// texts that must be shown, never interpreted.
QString cuiEscapeMarkup(const QString &text);

// The longest prefix of the UTF-8 text that fits room bytes without cutting a character.
qsizetype cuiUtf8FittingLength(const QByteArray &utf8, qsizetype room);
// Copies the text as UTF-8 into the buffer of size bytes: cut at a character boundary so that a
// terminating zero fits, and zeros after it up to size. Nothing for a null buffer or size < 1.
void cuiCopyUtf8Padded(const QString &text, char *buffer, int size);

// A host's 8-bit text translated in the context "QObject". The host's texts are Latin-1, which
// the toolkit's translation would read as UTF-8: an untranslated text is its bytes as Latin-1.
QString cuiTranslateLatin1(const char *text);

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
